// Foreground strips placed by their posY. The game keeps a foreground strip's top on the level's top edge as
// the level scrolls, so the compiler draws the strip's picture posY lower in a taller, clear picture.
#pragma once
#include <string>
#include "level_model.h"
#include "painter.h"

namespace levelc {

// A foreground strip that stays with the level vertically and stands below the level's top edge.
bool isPlacedForeground(const Scrolling& layer);

// "foretnord_foret_avant.png" for the strip "foret_avant.png" of the level "foretNord".
std::string placedForegroundFile(const std::string& levelBase, const Scrolling& layer);

// The strip's picture, painted by the art generator, with posY clear rows above it. Refuses a picture the
// art generator does not paint among the backdrops.
art::Canvas composePlacedForeground(const Scrolling& layer);

}  // namespace levelc
