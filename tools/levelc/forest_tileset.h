// The forest tileset, painted in code: ground for every combination of open sides, slopes, ledges,
// crumbling planks, small plants and stones, and the dark soil of hidden rooms. Deterministic.
#pragma once
#include "painter.h"

namespace levelc {

// One row-major sheet of 32-unit tiles laid out as tile_catalog.h numbers them.
art::Canvas paintForestTileset();
// The same tiles as seen on the back plane: hazier, bluer and darker, so the front plane reads first.
art::Canvas backPlaneTileset(const art::Canvas& front);
// The tileset of a zone by its key ("foret"); throws std::invalid_argument for a zone without one.
art::Canvas paintZoneTileset(const std::string& zone);

}  // namespace levelc
