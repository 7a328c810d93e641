// Composes a plane's picture from its grid and the zone tileset: ground tiles chosen by which sides are
// open, slopes, ledges, little plants on the grass, and the dark soil of hidden rooms with their masks.
#pragma once
#include <string>
#include <vector>
#include "painter.h"
#include "terrain.h"

namespace levelc {

art::Canvas composePlane(const std::vector<std::string>& rows, const std::vector<HiddenRoom>& rooms,
                         const art::Canvas& tileset, int tileSize, int seed);
// The foreground mask of a hidden room: the ground as it would look if the room were solid.
art::Canvas composeMask(const std::vector<std::string>& rows, const HiddenRoom& room, const art::Canvas& tileset,
                        int tileSize);

}  // namespace levelc
