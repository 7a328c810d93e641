// Finds the walkable surfaces, slopes, walls, ceilings and hidden rooms of a plane grid and merges them
// into as few platforms and blocking strips as the shapes allow.
#include "terrain.h"
#include "terrain_cells.h"

namespace levelc {
namespace {

using Rows = std::vector<std::string>;

bool isGroundSurface(const Rows& rows, int r, int c) {
    return cellAt(rows, r, c) == Cell::ground && !isSolid(cellAt(rows, r - 1, c));
}

void findFlats(const Rows& rows, int tileSize, const std::vector<std::pair<int, int>>& feet, Terrain& out) {
    for (int r = 0; r < int(rows.size()); ++r) {
        const int width = int(rows[r].size());
        for (int c = 0; c < width;) {
            const bool ground = isGroundSurface(rows, r, c);
            const bool ledge = cellAt(rows, r, c) == Cell::ledge;
            if (!ground && !ledge) { ++c; continue; }
            int end = c;
            while (end < width && (ground ? isGroundSurface(rows, r, end) : cellAt(rows, r, end) == Cell::ledge)) ++end;
            const int depth = ground ? groundPlatformTiles : ledgePlatformTiles;
            PlatformRun run{r + depth, c, (end - c) * tileSize, depth * tileSize, 0};
            for (const auto& [footRow, footColumn] : feet)
                run.atSlopeFoot |= footRow == r && footColumn >= c && footColumn < end;
            out.flats.push_back(run);
            c = end;
        }
    }
}

bool isFlatSurface(const Rows& rows, int r, int c) {
    return isGroundSurface(rows, r, c) || cellAt(rows, r, c) == Cell::ledge;
}

// A slope of n cells along a diagonal is one platform n tiles square. Where ground or a ledge continues at
// its foot, the square grows by a tile past the foot, along the same diagonal, and that flat is marked.
void findSlopes(const Rows& rows, int tileSize, Terrain& out, std::vector<std::pair<int, int>>& feet) {
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c) {
            const Cell cell = cellAt(rows, r, c);
            if (cell == Cell::slopeUp && cellAt(rows, r + 1, c - 1) != Cell::slopeUp) {
                int n = 1;
                while (cellAt(rows, r - n, c + n) == Cell::slopeUp) ++n;
                const bool foot = isFlatSurface(rows, r + 1, c - 1);
                if (foot) feet.emplace_back(r + 1, c - 1);
                const int size = (n + foot) * tileSize;
                out.slopes.push_back(PlatformRun{r + 1 + foot, c - foot, size, size, 2});
            }
            if (cell == Cell::slopeDown && cellAt(rows, r - 1, c - 1) != Cell::slopeDown) {
                int n = 1;
                while (cellAt(rows, r + n, c + n) == Cell::slopeDown) ++n;
                const bool foot = isFlatSurface(rows, r + n, c + n);
                if (foot) feet.emplace_back(r + n, c + n);
                const int size = (n + foot) * tileSize;
                out.slopes.push_back(PlatformRun{r + n + foot, c, size, size, 1});
            }
        }
}

// Side faces of the ground. A face whose top is a walkable corner leaves a small gap at the top, and a
// one-tile rise gets no strip at all: the hero steps onto it.
void findWalls(const Rows& rows, int tileSize, Terrain& out) {
    const int height = int(rows.size());
    const int width = height ? int(rows[0].size()) : 0;
    for (int side : {-1, 1})
        for (int c = 0; c < width; ++c)
            for (int r = 0; r < height;) {
                auto isFace = [&](int row) {
                    // The borders need no faces: the left one gets its own wall, the game stops the hero at the right one.
                    return cellAt(rows, row, c) == Cell::ground && !isSolid(cellAt(rows, row, c + side)) &&
                           !(side == -1 && c == 0) && !(side == 1 && c == width - 1);
                };
                if (!isFace(r)) { ++r; continue; }
                int end = r;
                while (end < height && isFace(end)) ++end;
                const bool topExposed = !isSolid(cellAt(rows, r - 1, c));
                const int tall = end - r;
                if (!(topExposed && tall == 1))
                    out.strips.push_back(StripRun{end, c, tall * tileSize - (topExposed ? wallTopGap : 0), true});
                r = end;
            }
    // The level's left border: nothing else stops the hero from walking out of it.
    out.strips.push_back(StripRun{height, -1, height * tileSize, true});
}

// Undersides of the ground. A strip one tile wide is made one pixel wider than it is high: the game
// bounces the hero off strips that are wider than tall. Ground one tile thick that is walked on (a bridge)
// gets none: its strip would fill the tile right under the hero's feet, and his box, which reaches a pixel
// or two below them, would run into it. Such ground is crossed from below like a ledge.
void findCeilings(const Rows& rows, int tileSize, Terrain& out) {
    for (int r = 0; r < int(rows.size()); ++r) {
        const int width = int(rows[r].size());
        for (int c = 0; c < width;) {
            auto isCeiling = [&](int col) {
                return cellAt(rows, r, col) == Cell::ground && !isSolid(cellAt(rows, r + 1, col)) &&
                       r + 1 < int(rows.size()) && !isGroundSurface(rows, r, col);
            };
            if (!isCeiling(c)) { ++c; continue; }
            int end = c;
            while (end < width && isCeiling(end)) ++end;
            const int length = (end - c) * tileSize;
            out.strips.push_back(StripRun{r + 1, c, end - c == 1 ? length + 1 : length, false});
            c = end;
        }
    }
}

// An element letter next to a '+' belongs to the room: it is hidden with it.
bool joinsRoom(const Rows& seen, int r, int c) {
    if (r < 0 || r >= int(seen.size()) || c < 0 || c >= int(seen[r].size())) return false;
    const char ch = seen[r][c];
    return ch == '+' || !isTerrainSymbol(ch);
}

void findHiddenRooms(const Rows& rows, Terrain& out) {
    std::vector<std::string> seen = rows;
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c) {
            if (seen[r][c] != '+') continue;
            HiddenRoom room{r, c, r, c, {}};
            std::vector<std::pair<int, int>> todo{{r, c}};
            seen[r][c] = '.';
            while (!todo.empty()) {
                const auto [y, x] = todo.back();
                todo.pop_back();
                room.cells.emplace_back(y, x);
                room.top = std::min(room.top, y), room.bottom = std::max(room.bottom, y);
                room.left = std::min(room.left, x), room.right = std::max(room.right, x);
                for (const auto& [dy, dx] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    if (joinsRoom(seen, y + dy, x + dx)) {
                        seen[y + dy][x + dx] = '.';
                        todo.emplace_back(y + dy, x + dx);
                    }
            }
            out.hiddenRooms.push_back(room);
        }
}

bool isSurface(const Rows& rows, int r, int c) {
    const Cell cell = cellAt(rows, r, c);
    return isGroundSurface(rows, r, c) || cell == Cell::ledge || cell == Cell::slopeUp || cell == Cell::slopeDown;
}

}  // namespace

bool HiddenRoom::contains(int r, int c) const {
    for (const auto& cell : cells)
        if (cell.first == r && cell.second == c) return true;
    return false;
}

Terrain analyseTerrain(const Rows& rows, int tileSize) {
    Terrain out;
    std::vector<std::pair<int, int>> feet;  // (row, column) of the surface cell at each slope's foot
    findSlopes(rows, tileSize, out, feet);
    findFlats(rows, tileSize, feet, out);
    findWalls(rows, tileSize, out);
    findCeilings(rows, tileSize, out);
    findHiddenRooms(rows, out);
    return out;
}

int surfaceBelow(const Rows& rows, int column, int fromRow, int bodyRows, bool& blocked) {
    blocked = false;
    for (int r = std::max(fromRow, 0); r < int(rows.size()); ++r) {
        if (r < fromRow + bodyRows && isSolid(cellAt(rows, r, column))) {
            blocked = true;
            return -1;
        }
        if (r >= fromRow + bodyRows && isSurface(rows, r, column)) return r;
    }
    return -1;
}

}  // namespace levelc
