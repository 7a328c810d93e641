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
    const auto up = analyseTerrain({"......", "...###", "../###", "./####", "######"}, 32);
    ASSERT_EQ(up.slopes.size(), 1u);
    EXPECT_EQ(up.slopes[0].style, 2);
    EXPECT_EQ(up.slopes[0].width, 64);
    EXPECT_EQ(up.slopes[0].row, 4) << "bottom on the row line under the lowest slope cell";
    EXPECT_EQ(up.slopes[0].column, 1);
    const auto down = analyseTerrain({"#.....", "#\\....", "##\\...", "######"}, 32);
    ASSERT_EQ(down.slopes.size(), 1u);
    EXPECT_EQ(down.slopes[0].style, 1);
    EXPECT_EQ(down.slopes[0].row, 3);
    EXPECT_EQ(down.slopes[0].column, 1);
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
    const auto ceilings = strips({"..#...", "......", "......", "######"}, false);
    ASSERT_EQ(ceilings.size(), 1u);
    EXPECT_GT(ceilings[0].length, 32) << "wider than tall, or the hero would rise through it";
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
