// Turns a plane's grid into the invisible geometry the game tests: platforms on walkable surfaces (merged
// into runs), one platform per slope, blocking strips on walls and under ceilings, and the hidden rooms.
#pragma once
#include <string>
#include <vector>

namespace levelc {

// Heights of the invisible platforms, in pixels, whole tiles so that their tops sit on tile lines. Ground
// platforms are two tiles deep so the hero steps up one-tile rises (his feet sink a pixel below the surface
// each tick before landing); ledges are one tile deep so the hero can stand one tile below them.
constexpr int groundPlatformTiles = 2;
constexpr int ledgePlatformTiles = 1;
// Wall strips start this far below the surface so a hero standing at a ledge's edge does not touch them.
constexpr int wallTopGap = 8;

struct PlatformRun {
    int row = 0;     // placement row: the tile row line of the platform's bottom edge
    int column = 0;
    int width = 0, height = 0;  // pixels
    int style = 0;   // 0 flat, 1 slope down to the right, 2 slope up to the right
    bool atSlopeFoot = false;  // flats: a slope ends on it, so it goes before the slopes (see Terrain)
};

struct StripRun {
    int row = 0, column = 0;  // placement (bottom row line, left column)
    int length = 0;           // pixels
    bool vertical = false;
};

// A hidden room: '+' cells, and the elements standing among them, covered by one foreground mask.
struct HiddenRoom {
    int top = 0, left = 0, bottom = 0, right = 0;  // bounding box, cells, inclusive
    std::vector<std::pair<int, int>> cells;        // (row, column) of every cell of the room
    bool contains(int r, int c) const;
};

// The game carries the hero on the first platform of the list that holds him. A slope reaches one tile past
// its foot, below the ground there (the hero's feet sink a pixel each tick, so a slope whose foot lay on its
// own bottom edge would drop him as he steps on); the flat at the foot comes first and holds him until he is
// past the foot. The other flats come after the slopes, so he runs from a slope's top onto the ground above.
struct Terrain {
    std::vector<PlatformRun> slopes;
    std::vector<PlatformRun> flats;
    std::vector<StripRun> strips;
    std::vector<HiddenRoom> hiddenRooms;
};

Terrain analyseTerrain(const std::vector<std::string>& rows, int tileSize);

// The row line of the first surface the hero would land on falling down column `column` from row `fromRow`,
// or -1 when the column is open to the bottom. `blocked` is set when a solid cell is met in rows
// fromRow .. fromRow + bodyRows - 1 (the hero's body would be inside the ground).
int surfaceBelow(const std::vector<std::string>& rows, int column, int fromRow, int bodyRows, bool& blocked);

}  // namespace levelc
