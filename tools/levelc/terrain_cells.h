// The terrain symbols of a level grid and what each cell is: ground, one-way ledge, slopes, hidden room.
// Any other symbol is an element from the legend standing in an empty cell.
#pragma once
#include <string>
#include <vector>

namespace levelc {

enum class Cell { empty, ground, ledge, slopeUp, slopeDown, hidden };

inline const char* terrainSymbols() { return ". # = / \\ + (and space)"; }
inline bool isTerrainSymbol(char c) {
    return c == '.' || c == ' ' || c == '#' || c == '=' || c == '/' || c == '\\' || c == '+';
}
inline Cell cellOf(char c) {
    switch (c) {
    case '#': return Cell::ground;
    case '=': return Cell::ledge;
    case '/': return Cell::slopeUp;
    case '\\': return Cell::slopeDown;
    case '+': return Cell::hidden;
    default: return Cell::empty;
    }
}

// Cells outside the grid are empty, so the level's borders show their edges.
inline Cell cellAt(const std::vector<std::string>& rows, int r, int c) {
    if (r < 0 || r >= int(rows.size()) || c < 0 || c >= int(rows[r].size())) return Cell::empty;
    return cellOf(rows[r][c]);
}
// What stops the hero: ground and the body of a slope.
inline bool isSolid(Cell c) { return c == Cell::ground || c == Cell::slopeUp || c == Cell::slopeDown; }
// What the picture shows as earth: a hidden room is drawn as ground on its mask.
inline bool looksSolid(Cell c) { return isSolid(c) || c == Cell::hidden; }

}  // namespace levelc
