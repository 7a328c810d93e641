// One decor definition ("decorElement"): a still picture or a sprite sheet, maybe in front, maybe blocking.
// `image` is the full path (program folder, "images", file name); only the file name finds the picture.
#pragma once
#include <string>

struct TDecor {
    std::string image;
    int count = 1;           // frames; 1 = still picture
    int rowcount = 1;        // rows of the sprite sheet
    float duration = 0;      // seconds for one pass over the frames
    float opacity = 1;
    bool devant = false;     // drawn in front of the hero
    bool bloquer = false;    // blocks the hero
};
