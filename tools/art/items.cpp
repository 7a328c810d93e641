// Things the hero picks up: the turning diamond and its gold twin, food, the extra life, and the sparkle shown
// where a pickup was. Gems are cut in three facets whose edges slide as the gem turns.
#include <cmath>
#include <numbers>
#include "catalogue.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;

Mask heartMask(int w, int h, Vec centre, float size) {
    Mask m = circleMask(w, h, centre + Vec{-size * 0.5f, -size * 0.25f}, size * 0.55f);
    m.add(circleMask(w, h, centre + Vec{size * 0.5f, -size * 0.25f}, size * 0.55f));
    m.add(polygonMask(w, h, {centre + Vec{-size * 1.02f, -size * 0.1f}, centre + Vec{size * 1.02f, -size * 0.1f},
                             centre + Vec{0, size * 1.05f}}));
    return m;
}

// One frame of a turning gem, 16 × 14: `turn` in [0, 1) is a full turn.
Canvas gemFrame(const Ramp& ramp, float turn) {
    const int w = 16, h = 14;
    Canvas c(w, h);
    const float cx = 7.5f, squeeze = 0.45f + 0.55f * std::abs(std::cos(pi * turn));
    auto sx = [&](float x) { return cx + (x - cx) * squeeze; };
    const Mask gem = polygonMask(w, h, {{sx(3.5f), 1}, {sx(11.5f), 1}, {sx(15), 5}, {cx + 0.5f, 13.5f}, {sx(0), 5}});
    // Facet edges move across the gem; the facet nearest the light is lit, the far one shaded.
    const float half = 7.5f * squeeze;
    const float e1 = cx + half * std::sin(2 * pi * turn - pi / 3), e2 = cx + half * std::sin(2 * pi * turn + pi / 3);
    const float left = std::min(e1, e2), right = std::max(e1, e2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!gem.at(x, y)) continue;
            const float px = x + 0.5f;
            Color tone = px < left ? ramp.light : (px > right ? ramp.dark : ramp.base);
            if (y <= 4 && y >= 2) tone = px < left ? ramp.highlight : (px > right ? ramp.base : ramp.light);  // crown
            c.set(x, y, tone);
        }
    outline(c, ramp.outline);
    if (turn < 0.13f) {  // a glint at the start of each turn
        for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
            c.set(5 + dx, 4 + dy, rgb(255, 255, 255));
    }
    return c;
}

Picture gemSheet(const std::string& name, const Ramp& ramp, int frames) {
    std::vector<Canvas> out;
    for (int i = 0; i < frames; ++i) out.push_back(gemFrame(ramp, static_cast<float>(i) / frames));
    return sheetPicture(name, out);
}

const Ramp stem = {rgb(20, 50, 20), rgb(60, 110, 40), rgb(90, 150, 50), rgb(140, 196, 80), rgb(200, 236, 140)};
const Ramp redFruit = {rgb(80, 10, 24), rgb(176, 20, 40), rgb(226, 40, 56), rgb(255, 110, 110), rgb(255, 230, 230)};

Canvas cherry() {
    const int w = 16, h = 16;
    Canvas c(w, h);
    line(c, 9, 2, 5, 9, stem.dark), line(c, 9, 2, 11, 10, stem.dark);
    paintPart(c, ellipseMask(w, h, {12, 3.5f}, 3.0f, 1.6f, -20), forest::leaf, {1, 0});
    paintPart(c, circleMask(w, h, {5, 11}, 3.6f), redFruit, {1, 1, true});
    paintPart(c, circleMask(w, h, {11, 12}, 3.6f), redFruit, {1, 1, true});
    return c;
}

Canvas apple() {
    const int w = 16, h = 16;
    Canvas c(w, h);
    Mask fruit = circleMask(w, h, {6, 9.5f}, 5.0f);
    fruit.add(circleMask(w, h, {10, 9.5f}, 5.0f));
    paintPart(c, fruit, redFruit, {1, 2, true});
    line(c, 8, 5, 9, 2, forest::bark.outline);
    paintPart(c, ellipseMask(w, h, {11.5f, 3}, 2.6f, 1.4f, -25), forest::leaf, {1, 0});
    return c;
}

Canvas drumstick() {
    const int w = 16, h = 16;
    Canvas c(w, h);
    const Ramp bone = {rgb(90, 80, 70), rgb(214, 206, 190), rgb(244, 240, 228), rgb(255, 255, 250), rgb(255, 255, 255)};
    Mask b = capsuleMask(w, h, {8, 8}, {12.5f, 12.5f}, 1.4f);
    b.add(circleMask(w, h, {13.5f, 12}, 1.7f));
    b.add(circleMask(w, h, {12, 13.5f}, 1.7f));
    paintPart(c, b, bone, {1, 1});
    const Ramp meat = {rgb(70, 30, 14), rgb(150, 70, 30), rgb(196, 106, 50), rgb(226, 150, 84), rgb(250, 210, 150)};
    paintPart(c, ellipseMask(w, h, {6.5f, 6.5f}, 5.6f, 4.4f, 45), meat, {1, 2, true});
    return c;
}

// The extra life: a beating heart wearing Zorlin's little red cap.
Canvas lifeFrame(int i) {
    const int w = 18, h = 16;
    Canvas c(w, h);
    const float beat[] = {1.0f, 1.12f, 1.0f, 0.92f};
    paintPart(c, heartMask(w, h, {9, 9.5f}, 5.0f * beat[i]), common::heartRed, {1, 1, true});
    Mask cap = ellipseMask(w, h, {8, 5.5f - beat[i]}, 4.5f, 3.2f);
    cap.subtract(rectMask(w, h, 0, 6 - beat[i], w, h));
    cap.add(capsuleMask(w, h, {9, 5.5f - beat[i]}, {14, 5.8f - beat[i]}, 0.9f));
    paintPart(c, cap, hero::cap, {1, 1});
    c.set(6, static_cast<int>(9.0f), rgb(255, 255, 255)), c.set(11, 9, rgb(255, 255, 255));  // eyes
    c.set(7, 9, common::ink), c.set(12, 9, common::ink);
    return c;
}

Canvas sparkle() {
    const int w = 32, h = 32;
    Canvas c(w, h);
    const Vec o{15.5f, 15.5f};
    auto star = [&](float r, float thin, float rotation) {
        std::vector<Vec> pts;
        for (int k = 0; k < 8; ++k) pts.push_back(o + fromAngle(rotation + k * 45.0f, k % 2 ? thin : r));
        return polygonMask(w, h, pts);
    };
    Canvas glow(w, h);
    fillMask(glow, star(12, 3.5f, 45), rgb(255, 236, 140, 150));
    c.draw(glow, 0, 0);
    const Ramp light = {rgb(200, 140, 20), rgb(255, 214, 80), rgb(255, 244, 170), rgb(255, 255, 230), rgb(255, 255, 255)};
    paintPart(c, star(15.5f, 3.2f, -90), light, {1, 1});
    fillMask(c, circleMask(w, h, o, 2.6f), rgb(255, 255, 255));
    for (const Vec& dot : {Vec{6, 6}, Vec{25, 8}, Vec{24, 25}, Vec{7, 24}}) fillMask(c, circleMask(w, h, dot, 1.2f), rgb(255, 250, 210));
    return c;
}

}  // namespace

std::vector<Picture> paintItems() {
    std::vector<Canvas> lives;
    for (int i = 0; i < 4; ++i) lives.push_back(lifeFrame(i));
    return {gemSheet("bonus", common::diamond, 8), gemSheet("bonusOr", common::gold, 7),
            stillPicture("cherry", cherry()),     stillPicture("apple", apple()),
            stillPicture("drumstick", drumstick()), sheetPicture("vie", lives),
            stillPicture("particulebonus", sparkle())};
}

}  // namespace art
