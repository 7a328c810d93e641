// One platform definition of a level ("plateformElement"): picture tiles, size, movement and behaviour.
// Placements refer to it by its position in the level's platform list.
#pragma once
#include <string>
#include "level/level_enums.h"

class TPlateforme {
public:
    std::string animation;   // movement description, lower-cased; "none" for a still platform
    std::string image;       // tile numbers joined by ":"; empty for an invisible platform
    int width = 0;           // pixels
    int height = 0;          // pixels
    TPlateformeStyle style = TPlateformeStyle::horizontal;
};
