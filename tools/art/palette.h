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

// The other zones' palettes, for their tilesets, backdrops and enemies.
namespace village {  // terracotta roofs, cream walls, cobble greys; noon
constexpr Ramp roof = makeRamp(rgb(206, 96, 60));
constexpr Ramp wall = {rgb(110, 84, 60), rgb(220, 200, 164), rgb(246, 232, 200), rgb(255, 246, 224), rgb(255, 255, 246)};
constexpr Ramp cobble = {rgb(50, 50, 58), rgb(120, 118, 122), rgb(160, 158, 158), rgb(196, 194, 190), rgb(226, 224, 220)};
constexpr Color sky = rgb(120, 190, 246);
}  // namespace village
namespace jungle {  // deep greens, teal shade, orange flowers; humid
constexpr Ramp leaf = {rgb(6, 40, 30), rgb(20, 90, 60), rgb(40, 130, 80), rgb(80, 170, 100), rgb(150, 210, 140)};
constexpr Ramp shade = makeRamp(rgb(30, 110, 110));
constexpr Ramp flower = makeRamp(rgb(250, 140, 40));
constexpr Color haze = rgb(150, 200, 180);
}  // namespace jungle
namespace cave {  // slate blue, violet crystals, amber lamps; dark
constexpr Ramp slate = {rgb(24, 28, 52), rgb(60, 70, 110), rgb(90, 100, 146), rgb(130, 140, 184), rgb(180, 190, 226)};
constexpr Ramp crystal = makeRamp(rgb(180, 110, 240));
constexpr Ramp lamp = makeRamp(rgb(250, 180, 60));
constexpr Color dark = rgb(14, 12, 28);
}  // namespace cave
namespace hills {  // ochre, sand, dusty pink; fog
constexpr Ramp ochre = {rgb(90, 50, 30), rgb(190, 110, 60), rgb(220, 150, 90), rgb(240, 190, 130), rgb(255, 224, 180)};
constexpr Ramp sand = {rgb(110, 80, 40), rgb(206, 170, 100), rgb(236, 208, 140), rgb(250, 232, 180), rgb(255, 248, 220)};
constexpr Ramp pink = makeRamp(rgb(214, 140, 130));
constexpr Color sky = rgb(236, 222, 214);
}  // namespace hills
namespace mountains {  // white, ice blue, granite grey; cold
constexpr Ramp snow = {rgb(70, 90, 120), rgb(196, 214, 236), rgb(236, 244, 255), rgb(255, 255, 255), rgb(255, 255, 255)};
constexpr Ramp ice = makeRamp(rgb(140, 200, 240));
constexpr Ramp granite = {rgb(40, 44, 60), rgb(96, 104, 124), rgb(138, 146, 164), rgb(178, 186, 200), rgb(220, 226, 236)};
constexpr Color sky = rgb(170, 206, 236);
}  // namespace mountains
namespace castle {  // night purple, stone grey, torch orange; rain
constexpr Ramp stone = {rgb(30, 30, 44), rgb(80, 80, 100), rgb(116, 116, 136), rgb(150, 150, 170), rgb(190, 190, 206)};
constexpr Ramp banner = makeRamp(rgb(110, 60, 160));
constexpr Ramp torch = makeRamp(rgb(255, 150, 40));
constexpr Color night = rgb(34, 20, 60);
}  // namespace castle

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
constexpr Ramp iconInk = {rgb(2, 40, 60), rgb(200, 226, 236), rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)};
constexpr Color ink = rgb(24, 18, 40);
}  // namespace common

}  // namespace art
