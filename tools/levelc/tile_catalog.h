// Tile numbers of a zone tileset (counted from 1, 16 tiles per row), shared by the tileset painter, the
// auto-tiler that composes plane pictures and the platform definitions that show tiles.
#pragma once
#include <string>

namespace levelc::tiles {

constexpr int perRow = 16;
constexpr int rows = 3;

// Ground: one tile per combination of open sides.
enum OpenSide { openTop = 1, openRight = 2, openBottom = 4, openLeft = 8 };
constexpr int ground(int openSides) { return 1 + openSides; }  // 1..16

constexpr int slopeUp = 17;     // '/': rises to the right
constexpr int slopeDown = 18;   // '\': falls to the right

// Strips of three looks: a lone tile, then left end, middle and right end.
constexpr int ledgeSingle = 19, ledgeLeft = 20, ledgeMiddle = 21, ledgeRight = 22;
constexpr int crumbleSingle = 23, crumbleLeft = 24, crumbleMiddle = 25, crumbleRight = 26;

// Small things growing on top of the ground, drawn into the plane pictures.
constexpr int tuft = 27, flowers = 28, mushroom = 29, rock = 30, fern = 31, pebbles = 32;
constexpr int firstDecoration = tuft, decorationCount = 6;

// Soil seen behind a foreground mask: the inside of a hidden room.
constexpr int cave = 33;
// Earth deep below the grass: a shade darker, with larger stones, so tall cliffs do not look flat.
constexpr int deepEarth = 34, deepStone = 35;  // plain, and with a buried stone here and there
constexpr int deepBelow = 3;  // rows of earth above a cell before it counts as deep

// The tile list ("20:21:22") of a named strip `width` tiles long, or "" when the name is not a strip.
std::string stripTiles(const std::string& name, int width);

}  // namespace levelc::tiles
