// Auto-tiles a plane grid into one picture spanning the level, and draws the masks of hidden rooms.
// Plants are scattered by a hash of the cell, so the same grid always gives the same picture.
#include "plane_picture.h"
#include "terrain_cells.h"
#include "tile_catalog.h"

namespace levelc {
namespace {

using Rows = std::vector<std::string>;

void drawTile(art::Canvas& target, const art::Canvas& tileset, int tile, int tileSize, int x, int y) {
    const int sx = ((tile - 1) % tiles::perRow) * tileSize, sy = ((tile - 1) / tiles::perRow) * tileSize;
    for (int dy = 0; dy < tileSize; ++dy)
        for (int dx = 0; dx < tileSize; ++dx) target.blend(x + dx, y + dy, tileset.at(sx + dx, sy + dy));
}

bool inRoom(const std::vector<HiddenRoom>& rooms, int r, int c) {
    for (const auto& room : rooms)
        if (room.contains(r, c)) return true;
    return false;
}

// Which sides of a ground cell face open air; the cells of hidden rooms count as ground, so that nothing
// around a room gives it away.
int openSides(const Rows& rows, int r, int c, const std::vector<HiddenRoom>& rooms) {
    auto solid = [&](int y, int x) { return looksSolid(cellAt(rows, y, x)) || inRoom(rooms, y, x); };
    int open = 0;
    if (!solid(r - 1, c)) open |= tiles::openTop;
    if (!solid(r, c + 1) && c + 1 < int(rows[r].size())) open |= tiles::openRight;
    if (!solid(r + 1, c) && r + 1 < int(rows.size())) open |= tiles::openBottom;
    if (!solid(r, c - 1) && c > 0) open |= tiles::openLeft;
    return open;
}

int stripTile(const Rows& rows, int r, int c, int single) {
    const bool left = cellAt(rows, r, c - 1) == Cell::ledge, right = cellAt(rows, r, c + 1) == Cell::ledge;
    if (!left && !right) return single;
    if (!left) return single + 1;
    if (!right) return single + 3;
    return single + 2;
}


std::uint32_t cellHash(int r, int c, int seed) {
    std::uint32_t h = std::uint32_t(r) * 73856093u ^ std::uint32_t(c) * 19349663u ^ std::uint32_t(seed) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

bool deepInEarth(const Rows& rows, int r, int c) {
    for (int up = 1; up <= tiles::deepBelow; ++up)
        if (!looksSolid(cellAt(rows, r - up, c))) return false;
    return true;
}

int terrainTile(const Rows& rows, const std::vector<HiddenRoom>& rooms, int r, int c) {
    switch (cellAt(rows, r, c)) {
    case Cell::ground: {
        const int open = openSides(rows, r, c, rooms);
        if (open != 0 || !deepInEarth(rows, r, c)) return tiles::ground(open);
        return cellHash(r, c, 7) % 9 == 0 ? tiles::deepStone : tiles::deepEarth;
    }
    case Cell::slopeUp: return tiles::slopeUp;
    case Cell::slopeDown: return tiles::slopeDown;
    case Cell::ledge: return stripTile(rows, r, c, tiles::ledgeSingle);
    case Cell::hidden: return tiles::cave;
    case Cell::empty: return 0;
    }
    return 0;
}

}  // namespace

art::Canvas composePlane(const Rows& rows, const std::vector<HiddenRoom>& rooms, const art::Canvas& tileset,
                         int tileSize, int seed) {
    const int height = int(rows.size()), width = height ? int(rows[0].size()) : 0;
    art::Canvas picture(width * tileSize, height * tileSize);
    // Elements inside a hidden room stand on the room's dark soil.
    for (const auto& room : rooms)
        for (const auto& [r, c] : room.cells) drawTile(picture, tileset, tiles::cave, tileSize, c * tileSize, r * tileSize);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            if (const int tile = terrainTile(rows, rooms, r, c); tile && tile != tiles::cave)
                drawTile(picture, tileset, tile, tileSize, c * tileSize, r * tileSize);
            // A plant on about one grass tile in three, never where an element stands.
            const bool grassBelow = cellAt(rows, r + 1, c) == Cell::ground && rows[r][c] == '.';
            const std::uint32_t h = cellHash(r, c, seed);
            if (grassBelow && h % 3 == 0)
                drawTile(picture, tileset, tiles::firstDecoration + int((h / 3) % tiles::decorationCount), tileSize,
                         c * tileSize, r * tileSize);
        }
    return picture;
}

art::Canvas composeMask(const Rows& rows, const HiddenRoom& room, const art::Canvas& tileset, int tileSize) {
    art::Canvas mask((room.right - room.left + 1) * tileSize, (room.bottom - room.top + 1) * tileSize);
    for (const auto& [r, c] : room.cells)
        drawTile(mask, tileset, tiles::ground(openSides(rows, r, c, {room})), tileSize, (c - room.left) * tileSize,
                 (r - room.top) * tileSize);
    return mask;
}

}  // namespace levelc
