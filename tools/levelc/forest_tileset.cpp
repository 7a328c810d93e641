// Paints the forest tiles: warm brown earth under a green grass cap with dark outlines, light from the
// upper left; grassy log ledges, cracked stone planks that fall, and small plants for the ground's top.
#include "forest_tileset.h"
#include <array>
#include <stdexcept>
#include "tile_catalog.h"

namespace levelc {
namespace {

using art::Canvas;
using art::Color;
using art::rgb;
constexpr int T = 32;

constexpr art::Ramp dirt = {rgb(58, 32, 20), rgb(118, 70, 40), rgb(156, 100, 58), rgb(188, 132, 80), rgb(214, 170, 116)};
constexpr art::Ramp grass = art::forest::leaf;

// Height of the grass cap below the top edge, column by column: wavy, with a few drips into the earth.
constexpr std::array<int, T> grassDepth = {7, 8, 8, 7, 6, 6, 7, 9, 10, 9, 7, 6, 6, 7, 8, 8,
                                           7, 6, 6, 7, 9, 9, 8, 7, 6, 6, 7, 8, 7, 6, 6, 7};

// The earth's texture: small pebbles lit from the upper left and dark specks, the same in every tile
// so that neighbouring tiles meet without a seam.
Color dirtAt(int x, int y) {
    static const Canvas texture = [] {
        Canvas t(T, T, dirt.base);
        art::Rng rng(1234);
        for (int i = 0; i < 26; ++i) t.set(rng.range(0, T - 1), rng.range(0, T - 1), dirt.dark);
        for (int i = 0; i < 7; ++i) {
            const int px = rng.range(1, T - 4), py = rng.range(1, T - 3);
            t.set(px, py, dirt.highlight);
            t.set(px + 1, py, dirt.light);
            t.set(px + 2, py, dirt.light);
            t.set(px, py + 1, dirt.light);
            t.set(px + 1, py + 1, dirt.light);
            t.set(px + 2, py + 1, dirt.dark);
            t.set(px + 1, py + 2, dirt.dark);
            t.set(px + 2, py + 2, dirt.dark);
        }
        return t;
    }();
    return texture.at(x, y);
}

bool cutCorner(int open, int x, int y) {
    using namespace tiles;
    auto both = [open](int a, int b) { return (open & a) && (open & b); };
    if (both(openTop, openLeft) && x + y < 3) return true;
    if (both(openTop, openRight) && (T - 1 - x) + y < 3) return true;
    if (both(openBottom, openLeft) && x + (T - 1 - y) < 3) return true;
    if (both(openBottom, openRight) && (T - 1 - x) + (T - 1 - y) < 3) return true;
    return false;
}

// Distance, in pixels, from the pixel to the nearest open side (large when no side is open).
int edgeDistance(int open, int x, int y) {
    using namespace tiles;
    int d = 99;
    if (open & openLeft) d = std::min(d, x);
    if (open & openRight) d = std::min(d, T - 1 - x);
    if (open & openBottom) d = std::min(d, T - 1 - y);
    if (open & openTop) d = std::min(d, y);
    return d;
}

Color groundPixel(int open, int x, int y) {
    using namespace tiles;
    const int depth = grassDepth[x];
    if (open & openTop) {
        // The grass cap, with a side fringe that hangs a little further down on open sides.
        const bool fringe = ((open & openLeft) && x < 3) || ((open & openRight) && x > T - 4);
        const int capDepth = fringe ? depth + 4 : depth;
        if (y == 0) return grass.outline;
        if (y < capDepth) {
            if (((open & openLeft) && x == 0) || ((open & openRight) && x == T - 1)) return grass.outline;
            if (y == 1 || ((open & openLeft) && x == 1)) return grass.highlight;
            if (y == 2) return grass.light;
            if (y >= capDepth - 2 || ((open & openRight) && x >= T - 3)) return grass.dark;
            return grass.base;
        }
        if (y == capDepth) return grass.outline;
    }
    const int d = edgeDistance(open & ~openTop, x, y);
    if (d == 0) return dirt.outline;
    const bool lowerRight = ((open & openRight) && T - 1 - x <= 2) || ((open & openBottom) && T - 1 - y <= 2);
    if (lowerRight) return dirt.dark;
    if ((open & openLeft) && x == 1) return dirt.light;
    return dirtAt(x, y);
}

Canvas groundTile(int open) {
    Canvas t(T, T);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
            if (!cutCorner(open, x, y)) t.set(x, y, groundPixel(open, x, y));
    return t;
}

// A 45° slope rising to the right: earth below the diagonal under a grass band that follows it.
Canvas slopeUpTile() {
    Canvas t(T, T);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
            const int d = x + y - (T - 1);
            if (d < 0) continue;
            Color c = dirtAt(x, y);
            if (d == 0) c = grass.outline;
            else if (d == 1) c = grass.highlight;
            else if (d == 2) c = grass.light;
            else if (d < grassDepth[x] - 1) c = grass.base;
            else if (d < grassDepth[x] + 1) c = grass.dark;
            else if (d == grassDepth[x] + 1) c = grass.outline;
            t.set(x, y, c);
        }
    return t;
}

// Strips one tile long: a lone piece, left end, middle, right end. `top` rows are the cap (grass or the
// light top of a stone), the rest is the body; the strip fills the upper `thickness` rows of the tile.
struct StripLook {
    art::Ramp cap, body;
    int capRows, thickness;
    bool cracked;
};

Color stripPixel(const StripLook& look, bool leftEnd, bool rightEnd, int x, int y) {
    const int last = look.thickness - 1;
    if ((leftEnd && x + y < 2) || (rightEnd && (T - 1 - x) + y < 2)) return 0;
    if ((leftEnd && x + (last - y) < 2) || (rightEnd && (T - 1 - x) + (last - y) < 2)) return 0;
    if (y == 0 || y == last || (leftEnd && x == 0) || (rightEnd && x == T - 1)) return y < look.capRows ? look.cap.outline : look.body.outline;
    if (y < look.capRows) {
        if (y == look.capRows - 1) return look.cap.dark;
        return y == 1 || (leftEnd && x == 1) ? look.cap.highlight : look.cap.base;
    }
    if (y == look.capRows) return look.body.outline;
    if (y >= last - 2 || (rightEnd && x >= T - 3)) return look.body.dark;
    if (y == look.capRows + 1 || (leftEnd && x == 1)) return look.body.light;
    if (look.cracked && ((x == 11 && y < last - 1) || (x == 12 && y > look.capRows + 3) || (x == 24 && y > 6))) return look.body.outline;
    if (!look.cracked && (x == 15 || (y == look.capRows + 4 && (x % 9) > 2 && (x % 9) < 7))) return look.body.dark;
    return look.body.base;
}

Canvas stripTile(const StripLook& look, bool leftEnd, bool rightEnd) {
    Canvas t(T, T);
    for (int y = 0; y < look.thickness; ++y)
        for (int x = 0; x < T; ++x) t.set(x, y, stripPixel(look, leftEnd, rightEnd, x, y));
    return t;
}

void paintStrips(Canvas& sheet, const StripLook& look, int single);

void place(Canvas& sheet, int tile, const Canvas& picture) {
    sheet.draw(picture, ((tile - 1) % tiles::perRow) * T, ((tile - 1) / tiles::perRow) * T);
}

void paintStrips(Canvas& sheet, const StripLook& look, int single) {
    place(sheet, single, stripTile(look, true, true));
    place(sheet, single + 1, stripTile(look, true, false));
    place(sheet, single + 2, stripTile(look, false, false));
    place(sheet, single + 3, stripTile(look, false, true));
}

// Small things standing on the bottom edge of their tile (the ground's surface below).
Canvas plant(int which) {
    using namespace art;
    Canvas t(T, T);
    const Shading soft{1, 1, false};
    switch (which) {
    case 0:  // grass tuft
        for (const auto [x, lean, h] : {std::array{12, -3, 9}, {15, 0, 12}, {18, 3, 10}, {21, 4, 7}})
            paintPart(t, taperMask(T, T, {float(x), 31}, {float(x + lean), float(31 - h)}, 1.6f, 0.5f), forest::leaf, soft);
        break;
    case 1:  // flowers
        for (const auto [x, h] : {std::array{10, 10}, {16, 14}, {22, 9}}) {
            line(t, x, 31, x, 31 - h, forest::leaf.dark);
            paintPart(t, circleMask(T, T, {x + 0.5f, 31.5f - h}, 2.4f), h > 12 ? forest::flowerYellow : forest::flowerPink, soft);
        }
        break;
    case 2:  // red mushroom
        paintPart(t, rectMask(T, T, 14, 24, 4, 8), forest::cream, soft);
        paintPart(t, ellipseMask(T, T, {16, 23}, 7, 4.5f), forest::mushroomCap, {1, 1, true});
        t.set(13, 21, forest::cream.highlight), t.set(18, 22, forest::cream.highlight), t.set(16, 20, forest::cream.highlight);
        break;
    case 3:  // rock
        paintPart(t, ellipseMask(T, T, {16, 27}, 8, 5.5f), forest::stone, {1, 2, true});
        break;
    case 4:  // fern
        for (const auto [dx, h] : {std::array{-8, 8}, {-4, 12}, {0, 14}, {4, 12}, {8, 8}})
            paintPart(t, taperMask(T, T, {16, 31}, {float(16 + dx), float(31 - h)}, 1.8f, 0.6f), forest::leafDark, soft);
        break;
    default:  // pebbles
        paintPart(t, ellipseMask(T, T, {10, 29}, 3.5f, 2.5f), forest::stone, soft);
        paintPart(t, ellipseMask(T, T, {19, 29.5f}, 2.5f, 2), forest::stone, soft);
        paintPart(t, ellipseMask(T, T, {24, 29}, 3, 2.5f), forest::stone, soft);
        break;
    }
    return t;
}

Canvas deepEarthTile(bool withStone) {
    Canvas t(T, T);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) t.set(x, y, art::darken(dirtAt((x + 13) % T, (y + 7) % T), 0.2f));
    if (withStone) art::paintPart(t, art::ellipseMask(T, T, {15, 17}, 6, 4), art::forest::stone, {1, 2, true});
    return t;
}

Canvas caveTile() {
    Canvas t(T, T);
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) t.set(x, y, art::darken(dirtAt(x, y), 0.55f));
    return t;
}

}  // namespace

Canvas paintForestTileset() {
    Canvas sheet(tiles::perRow * T, tiles::rows * T);
    for (int open = 0; open < 16; ++open) place(sheet, tiles::ground(open), groundTile(open));
    const Canvas up = slopeUpTile();
    place(sheet, tiles::slopeUp, up);
    place(sheet, tiles::slopeDown, up.mirrored(T));
    paintStrips(sheet, StripLook{grass, art::forest::bark, 5, 15, false}, tiles::ledgeSingle);
    paintStrips(sheet, StripLook{art::forest::stone, art::forest::stone, 3, 13, true}, tiles::crumbleSingle);
    for (int i = 0; i < tiles::decorationCount; ++i) place(sheet, tiles::firstDecoration + i, plant(i));
    place(sheet, tiles::cave, caveTile());
    place(sheet, tiles::deepEarth, deepEarthTile(false));
    place(sheet, tiles::deepStone, deepEarthTile(true));
    return sheet;
}

Canvas backPlaneTileset(const Canvas& front) {
    Canvas back(front.width(), front.height());
    const Color haze = rgb(96, 128, 170);
    for (int y = 0; y < front.height(); ++y)
        for (int x = 0; x < front.width(); ++x) {
            const Color c = front.at(x, y);
            if (art::alpha(c) == 0) continue;
            back.set(x, y, art::withAlpha(art::darken(art::mix(c, haze, 0.38f), 0.12f), art::alpha(c)));
        }
    return back;
}

Canvas paintZoneTileset(const std::string& zone) {
    if (zone == "foret") return paintForestTileset();
    throw std::invalid_argument("no tileset is painted for zone \"" + zone + "\"");
}

}  // namespace levelc
