// Colours of the game's art: colour arithmetic, material ramps (a few shades per material, lit from the
// upper left) and one palette per zone. Shared by the art generator and the level compiler's tileset.
#pragma once
#include <algorithm>
#include <cstdint>

namespace art {

using Color = std::uint32_t;  // 0xAARRGGBB, straight alpha

constexpr Color rgb(int r, int g, int b, int a = 255) {
    return (static_cast<Color>(a) << 24) | (static_cast<Color>(r) << 16) | (static_cast<Color>(g) << 8) |
           static_cast<Color>(b);
}
constexpr int alpha(Color c) { return static_cast<int>(c >> 24); }
constexpr int red(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue(Color c) { return static_cast<int>(c & 0xFF); }
constexpr Color withAlpha(Color c, int a) { return (c & 0x00FFFFFFu) | (static_cast<Color>(a) << 24); }

// Linear mix of two colours, t = 0 gives a, t = 1 gives b (alpha mixed too).
constexpr Color mix(Color a, Color b, float t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5f); };
    return rgb(lerp(red(a), red(b)), lerp(green(a), green(b)), lerp(blue(a), blue(b)), lerp(alpha(a), alpha(b)));
}
// Shadows lean towards blue-violet and lights towards warm yellow, as cartoon painters do.
constexpr Color darken(Color c, float amount) { return withAlpha(mix(c, rgb(24, 16, 48), amount), alpha(c)); }
constexpr Color lighten(Color c, float amount) { return withAlpha(mix(c, rgb(255, 250, 225), amount), alpha(c)); }

// A material: outline, shadow, base, light and highlight tones.
struct Ramp {
    Color outline, dark, base, light, highlight;
};
constexpr Ramp makeRamp(Color base) {
    return {darken(base, 0.72f), darken(base, 0.28f), base, lighten(base, 0.28f), lighten(base, 0.6f)};
}

// The hero's materials.
namespace hero {
constexpr Ramp cap = makeRamp(rgb(214, 40, 44));
constexpr Ramp skin = {rgb(92, 44, 36), rgb(214, 140, 104), rgb(246, 190, 146), rgb(255, 216, 178), rgb(255, 236, 214)};
constexpr Ramp hair = makeRamp(rgb(112, 62, 32));
constexpr Ramp shirt = {rgb(110, 72, 10), rgb(222, 160, 28), rgb(252, 210, 52), rgb(255, 234, 120), rgb(255, 248, 200)};
constexpr Ramp trousers = makeRamp(rgb(46, 92, 196));
constexpr Ramp shoe = {rgb(70, 70, 96), rgb(186, 192, 212), rgb(244, 246, 250), rgb(255, 255, 255), rgb(255, 255, 255)};
constexpr Ramp sole = makeRamp(rgb(214, 40, 44));
constexpr Ramp blade = {rgb(56, 64, 92), rgb(150, 168, 196), rgb(214, 226, 240), rgb(250, 252, 255), rgb(255, 255, 255)};
constexpr Ramp hilt = makeRamp(rgb(120, 72, 36));
constexpr Ramp guard = makeRamp(rgb(236, 180, 40));
constexpr Color eyeWhite = rgb(255, 255, 255);
constexpr Color pupil = rgb(30, 24, 52);
constexpr Color heart = rgb(224, 30, 60);
constexpr Color mouth = rgb(120, 36, 40);
}  // namespace hero

// The forest: greens, warm browns, sky blue; morning.
namespace forest {
constexpr Color skyTop = rgb(86, 156, 226), skyMiddle = rgb(150, 204, 240), skyHorizon = rgb(236, 232, 206);
constexpr Color hillFar = rgb(128, 164, 214), hillNear = rgb(98, 138, 196);
constexpr Ramp leaf = {rgb(18, 60, 30), rgb(44, 120, 50), rgb(86, 168, 64), rgb(146, 206, 86), rgb(206, 236, 136)};
constexpr Ramp leafDark = {rgb(10, 40, 26), rgb(28, 84, 46), rgb(46, 118, 58), rgb(78, 150, 70), rgb(120, 186, 90)};
constexpr Ramp bark = {rgb(44, 26, 18), rgb(96, 58, 34), rgb(138, 88, 50), rgb(178, 124, 72), rgb(210, 164, 108)};
constexpr Ramp wood = {rgb(60, 34, 20), rgb(140, 86, 44), rgb(184, 122, 64), rgb(220, 164, 96), rgb(242, 204, 140)};
constexpr Ramp stone = {rgb(46, 48, 62), rgb(104, 110, 128), rgb(146, 152, 166), rgb(188, 194, 204), rgb(226, 230, 236)};
constexpr Ramp flowerPink = makeRamp(rgb(240, 110, 160));
constexpr Ramp flowerYellow = makeRamp(rgb(255, 214, 64));
constexpr Ramp mushroomCap = makeRamp(rgb(206, 48, 44));
constexpr Ramp cream = {rgb(96, 70, 54), rgb(214, 190, 160), rgb(246, 230, 200), rgb(255, 246, 226), rgb(255, 255, 255)};
}  // namespace forest

// Shared game materials (items, interface).
namespace common {
constexpr Ramp diamond = {rgb(16, 42, 110), rgb(40, 110, 220), rgb(90, 180, 255), rgb(170, 226, 255), rgb(255, 255, 255)};
constexpr Ramp gold = {rgb(100, 56, 8), rgb(206, 132, 20), rgb(250, 196, 40), rgb(255, 232, 110), rgb(255, 252, 220)};
constexpr Ramp heartRed = {rgb(90, 10, 30), rgb(184, 20, 48), rgb(236, 50, 72), rgb(255, 120, 130), rgb(255, 220, 224)};
constexpr Ramp metal = {rgb(36, 40, 56), rgb(96, 104, 124), rgb(150, 158, 176), rgb(196, 202, 216), rgb(240, 242, 248)};
constexpr Ramp consoleGrey = {rgb(44, 46, 56), rgb(132, 134, 144), rgb(184, 186, 192), rgb(216, 218, 222), rgb(244, 244, 246)};
constexpr Ramp button = makeRamp(rgb(222, 36, 36));
constexpr Ramp cloud = {rgb(96, 110, 150), rgb(196, 210, 236), rgb(240, 246, 255), rgb(255, 255, 255), rgb(255, 255, 255)};
constexpr Ramp teal = {rgb(2, 56, 80), rgb(3, 115, 158), rgb(44, 165, 190), rgb(120, 214, 226), rgb(220, 250, 255)};
constexpr Ramp fire = {rgb(110, 20, 10), rgb(226, 80, 20), rgb(255, 160, 40), rgb(255, 220, 90), rgb(255, 250, 210)};
constexpr Color ink = rgb(24, 18, 40);
}  // namespace common

}  // namespace art
