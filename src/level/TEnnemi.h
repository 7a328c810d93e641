// One enemy definition ("ennemiElement"): sheets for both facings, movement, hit box, hit points, path.
// `pv` above 0 counts hit points; -1 console, -2 hazard, -3 rising water, -4 falling barrel.
#pragma once
#include <string>

struct TEnnemi {
    std::string image1;       // full path of the sheet for the first facing
    std::string image2;       // second facing; the bare images folder when the level gives none
    std::string deplacement;  // movement description; "none" = still
    int count = 1;
    int pv = 0;
    int tir = 0;              // 1 for projectile hazards; nothing depends on it
    bool bloquer = false;     // stops the hero like a wall
    float duration = 0;
    float durationPath = 0;   // one lap of the path; read only when `path` is not empty
    float opacity = 1;
    std::string hitBox;       // "x:y:width:height"
    std::string path;         // "", "baril", or points "x:y;x:y;..." relative to the start position
};

// Hit-point codes carried in an enemy image's float tag.
namespace pvCode {
constexpr int console = -1, danger = -2, eauMontante = -3, baril = -4;
}
