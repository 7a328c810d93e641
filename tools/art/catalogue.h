// The art generator's catalogue: every picture it paints, grouped so the build reruns only the groups whose
// painting code changed. Each group function paints its pictures from scratch, deterministically.
#pragma once
#include <string>
#include <vector>
#include "painter.h"

namespace art {

struct Picture {
    std::string name;  // resource name without ".png"
    int frameWidth = 0, frameHeight = 0, frames = 1, rows = 1;
    Canvas sheet;
};

// A sheet from frames of equal size, side by side.
Picture sheetPicture(const std::string& name, const std::vector<Canvas>& frames);
Picture stillPicture(const std::string& name, const Canvas& canvas);
// The left-facing twin of a right-facing sheet: every frame mirrored about x = (axisWidth - 1) / 2.
Picture mirroredPicture(const Picture& right, const std::string& name, int axisWidth);

// Frame `index` of a sheet as a picture of its own (the last frame when the sheet is shorter).
Picture singleFrame(const Picture& p, int index);

struct Group {
    const char* name;
    std::vector<Picture> (*paint)();
};
const std::vector<Group>& groups();

// The groups.
std::vector<Picture> paintHero();
std::vector<Picture> paintEnemies();
std::vector<Picture> paintItems();
std::vector<Picture> paintSpecials();
std::vector<Picture> paintBonusStage();
std::vector<Picture> paintInterface();
std::vector<Picture> paintBackdrops();
std::vector<Picture> paintWeather();
std::vector<Picture> paintMapScreen();
std::vector<Picture> paintStoryScreens();

}  // namespace art
