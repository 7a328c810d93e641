// The invisible geometry made from a grid: surfaces merged into platforms, slopes, wall and ceiling
// strips with the sizes the game's collision rules need, and hidden rooms.
#include <gtest/gtest.h>
#include "terrain.h"

namespace {

using levelc::analyseTerrain;
using levelc::PlatformRun;
using levelc::StripRun;

std::vector<levelc::StripRun> strips(const std::vector<std::string>& rows, bool vertical) {
    std::vector<StripRun> out;
    for (const auto& s : analyseTerrain(rows, 32).strips)
        if (s.vertical == vertical && s.column >= 0) out.push_back(s);
    return out;
}

TEST(Terrain, SurfacesMergeIntoOnePlatformPerRun) {
    const auto t = analyseTerrain({"......", "......", "###.##", "######"}, 32);
    ASSERT_EQ(t.flats.size(), 3u);  // columns 0-2 and 4-5 at row 2, and the floor of the dip at row 3
    EXPECT_EQ(t.flats[0].column, 0);
    EXPECT_EQ(t.flats[0].width, 96);
    EXPECT_EQ(t.flats[0].height, 64);
    EXPECT_EQ(t.flats[0].row, 4) << "two tiles deep: the top on row line 2";
    EXPECT_EQ(t.flats[1].column, 4);
    EXPECT_EQ(t.flats[2].column, 3);
}

TEST(Terrain, LedgesAreOneTileDeep) {
    const auto t = analyseTerrain({"......", ".===..", "......", "######"}, 32);
    ASSERT_EQ(t.flats.size(), 2u);
    EXPECT_EQ(t.flats[0].height, 32);
    EXPECT_EQ(t.flats[0].row, 2);
    EXPECT_EQ(t.flats[0].width, 96);
}

TEST(Terrain, DiagonalSlopesBecomeOneSquarePlatform) {
    // Ground at the foot: the square reaches one tile past the foot along the same diagonal, below the
    // ground there, and the flat at the foot is marked to be tested first.
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        int style, width, row, column;
        bool footFlat;
    };
    const Case cases[] = {
        {"rising, ground at the foot", {"......", "...###", "../###", "./####", "######"}, 2, 96, 5, 0, true},
        {"rising, a pit at the foot", {"......", "...###", "../###", "./####", ".#####"}, 2, 64, 4, 1, false},
        {"falling, ground at the foot", {"#.....", "#\\....", "##\\...", "######"}, 1, 96, 4, 1, true},
        {"falling, a pit at the foot", {"#.....", "#\\....", "##\\...", "###.##"}, 1, 64, 3, 1, false},
        {"falling, a ledge at the foot", {"#.....", "#\\....", "##\\...", "###===", "......"}, 1, 96, 4, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto t = analyseTerrain(c.rows, 32);
        ASSERT_EQ(t.slopes.size(), 1u);
        EXPECT_EQ(t.slopes[0].style, c.style);
        EXPECT_EQ(t.slopes[0].width, c.width);
        EXPECT_EQ(t.slopes[0].height, c.width) << "square: the surface keeps its 45 degrees";
        EXPECT_EQ(t.slopes[0].row, c.row) << "bottom row line";
        EXPECT_EQ(t.slopes[0].column, c.column);
        int marked = 0;
        for (const auto& flat : t.flats) marked += flat.atSlopeFoot;
        EXPECT_EQ(marked, c.footFlat ? 1 : 0);
    }
}

// The top of the slope, in pixels, stays where the grid draws it whether or not the square grows at the foot.
TEST(Terrain, SlopeSurfaceFollowsTheDrawnDiagonal) {
    const auto t = analyseTerrain({"......", "...###", "../###", "./####", "######"}, 32);
    const PlatformRun& s = t.slopes[0];
    const int left = s.column * 32, top = s.row * 32 - s.height;
    // The drawn diagonal runs from (32, 128) at the foot cell's bottom-left to (96, 64).
    EXPECT_EQ(top + s.height - (32 - left), 128);
    EXPECT_EQ(top + s.height - (96 - left), 64);
}

TEST(Terrain, OneTileRiseHasNoWallButTallerRisesDo) {
    EXPECT_TRUE(strips({"......", "......", "...###", "######"}, true).empty()) << "the hero steps onto it";
    const auto wall = strips({"......", "...###", "...###", "######"}, true);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0].column, 3);
    EXPECT_EQ(wall[0].row, 3);
    EXPECT_EQ(wall[0].length, 64 - levelc::wallTopGap) << "the top corner stays free to stand on";
}

TEST(Terrain, CeilingsBounceEvenOneTileWide) {
    const auto ceilings = strips({"..#...", "..#...", "......", "......", "######"}, false);
    ASSERT_EQ(ceilings.size(), 1u);
    EXPECT_GT(ceilings[0].length, 32) << "wider than tall, or the hero would rise through it";
}

TEST(Terrain, WalkedGroundOneTileThickHasNoCeiling) {
    // A bridge over a drop: a strip in its tile would stop the hero walking over it.
    EXPECT_TRUE(strips({"......", "######", "#....#", "#....#"}, false).empty());
    // The same span two tiles thick keeps its ceiling under the lower tile.
    const auto thick = strips({"......", "######", "######", "#....#", "#....#"}, false);
    ASSERT_EQ(thick.size(), 1u);
    EXPECT_EQ(thick[0].row, 3) << "the strip fills row 2, whose top is not walked on";
}

TEST(Terrain, LeftBorderIsWalled) {
    const auto t = analyseTerrain({"....", "....", "####"}, 32);
    bool border = false;
    for (const auto& s : t.strips) border |= s.column == -1 && s.vertical && s.length == 96;
    EXPECT_TRUE(border);
}

TEST(Terrain, HiddenRoomTakesInTheElementsAmongIt) {
    const auto t = analyseTerrain({"######", "#++L+.", "######"}, 32);
    ASSERT_EQ(t.hiddenRooms.size(), 1u);
    EXPECT_EQ(t.hiddenRooms[0].left, 1);
    EXPECT_EQ(t.hiddenRooms[0].right, 4);
    EXPECT_TRUE(t.hiddenRooms[0].contains(1, 3));
}

TEST(Terrain, StartNeedsGroundBelowAndRoomForTheBody) {
    bool blocked = false;
    const std::vector<std::string> rows = {"......", "..#...", "......", "##.###"};
    EXPECT_EQ(levelc::surfaceBelow(rows, 0, 0, 1, blocked), 3);
    EXPECT_EQ(levelc::surfaceBelow(rows, 2, 2, 1, blocked), -1) << "a pit";
    EXPECT_FALSE(blocked);
    EXPECT_EQ(levelc::surfaceBelow(rows, 2, 1, 1, blocked), -1);
    EXPECT_TRUE(blocked);
}

}  // namespace
