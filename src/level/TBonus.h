// One bonus definition ("bonusElement"): a diamond, some food or an extra life, with its value.
// `image` is the full path; only the file name finds the picture.
#pragma once
#include <string>

struct TBonus {
    std::string image;
    int count = 1;           // frames; 1 = still
    int point = 0;           // value
    int typeBonus = 0;       // 1 diamond, 2 food, 3 extra life
    float duration = 0;      // seconds for one pass over the frames
};
