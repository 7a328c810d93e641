// One tile-strip definition ("decorElementFromTileSet"): an invisible strip one tile thick laid over
// the level picture; a blocking strip stops the hero like a wall.
#pragma once
#include <string>

class TDecorFromTile {
public:
    std::string name;        // the designer's label, carried but not used
    bool vertical = false;   // the strip stands (one tile wide, `width` high) instead of lying
    bool bloquer = false;    // blocks the hero
    bool devant = false;     // plane 1 only: goes to the front-decor layer
    int width = 0;           // length in pixels
};
