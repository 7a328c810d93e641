// Named tile strips for platform pictures: "ledge" and "crumble" of any length.
// A strip of one tile uses the lone tile; longer strips get both ends and repeat the middle.
#include "tile_catalog.h"

namespace levelc::tiles {

std::string stripTiles(const std::string& name, int width) {
    int single = 0;
    if (name == "ledge") single = ledgeSingle;
    else if (name == "crumble") single = crumbleSingle;
    if (single == 0 || width < 1) return "";
    if (width == 1) return std::to_string(single);
    std::string list = std::to_string(single + 1);
    for (int i = 1; i + 1 < width; ++i) list += ":" + std::to_string(single + 2);
    return list + ":" + std::to_string(single + 3);
}

}  // namespace levelc::tiles
