// Placement strings of a plane: "index:row:column;..." with an optional random column "r(start,width)"
// for enemies. Pure parsing; the builders turn a placement into pixel positions.
#pragma once
#include <string>
#include <vector>

struct Placement {
    int index = 0;               // definition position in its list (0 when not a number)
    int row = 0;                 // tile row of the element's bottom edge
    int column = 0;              // tile column of the left edge
    bool randomColumn = false;   // "r(a,w)": anywhere from column a to column a + w
    int randomStart = 0;
    int randomWidth = 0;
    std::string columnText;      // the column field as written
};

// Empty text gives no placement; fields after the third are ignored; missing fields count as 0.
std::vector<Placement> parsePlacements(const std::string& text);

// Left edge in pixels for a fixed column; for a random column, `draw` receives 2 * w * tileSize and must
// return a value in [0, that bound): left = a * tileSize + round(draw / 2), halves to even.
int placementLeft(const Placement& placement, int tileSize, int randomDraw);
// Top edge in pixels: the bottom edge lies on the row line.
float placementTop(const Placement& placement, int tileSize, float height);
