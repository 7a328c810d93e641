// The list of picture groups and the helpers that turn painted frames into sheets.
// A group's name is also the name of its stamp file in the build.
#include "catalogue.h"
#include <algorithm>

namespace art {

Picture sheetPicture(const std::string& name, const std::vector<Canvas>& frames) {
    Picture p;
    p.name = name;
    p.frameWidth = frames.at(0).width();
    p.frameHeight = frames.at(0).height();
    p.frames = static_cast<int>(frames.size());
    p.sheet = joinFrames(frames);
    return p;
}

Picture stillPicture(const std::string& name, const Canvas& canvas) { return sheetPicture(name, {canvas}); }

Picture mirroredPicture(const Picture& right, const std::string& name, int axisWidth) {
    Picture p = right;
    p.name = name;
    p.sheet = mirrorFrames(right.sheet, right.frameWidth, right.frames, axisWidth);
    return p;
}

Picture singleFrame(const Picture& p, int index) {
    const int i = std::min(index, p.frames - 1);
    Picture out = stillPicture(p.name + "#" + std::to_string(i),
                               p.sheet.crop(i * p.frameWidth, 0, p.frameWidth, p.sheet.height()));
    out.rows = p.rows;
    return out;
}

const std::vector<Group>& groups() {
    static const std::vector<Group> all = {
        {"hero", paintHero},           {"enemies", paintEnemies},     {"items", paintItems},
        {"specials", paintSpecials},   {"bonusstage", paintBonusStage}, {"interface", paintInterface},
        {"backdrops", paintBackdrops},   {"weather", paintWeather},
        {"map", paintMapScreen},         {"screens", paintStoryScreens},
    };
    return all;
}

}  // namespace art
