// Placement strings: fields, negative rows and columns, trailing fields, non-numbers, random columns,
// and the pixel positions they give on a 32-unit grid.
#include <gtest/gtest.h>
#include "level/placement.h"

TEST(Placement, FieldsAndPixelPositions) {
    struct Cas {
        const char* texte;
        int index, row, column;
        int left;      // pixels, tile 32
        float top;     // pixels, element 32 high
    };
    const Cas cas[] = {
        {"0:25:3", 0, 25, 3, 96, 768},          // bottom on row line 800
        {"20:19:44:", 20, 19, 44, 1408, 576},   // a trailing field is ignored
        {"2:5:-3", 2, 5, -3, -96, 128},         // negative column: past the left edge
        {"1:-1:4", 1, -1, 4, 128, -64},         // negative row: past the top edge
        {"x:5:3", 0, 5, 3, 96, 128},            // an index that is not a number is definition 0
        {"1:five:3", 1, 0, 3, 96, -32},         // a row that is not a number is row 0
        {"1:5:3.5", 1, 5, 0, 0, 128},           // not an integer: column 0
        {"1:5", 1, 5, 0, 0, 128},               // a missing column counts as 0
        {" 1:5:3", 0, 5, 3, 96, 128},           // stray space: not a number
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const auto placements = parsePlacements(c.texte);
        ASSERT_EQ(placements.size(), 1u);
        EXPECT_EQ(placements[0].index, c.index);
        EXPECT_EQ(placements[0].row, c.row);
        EXPECT_EQ(placements[0].column, c.column);
        EXPECT_FALSE(placements[0].randomColumn);
        EXPECT_EQ(placementLeft(placements[0], 32, 0), c.left);
        EXPECT_FLOAT_EQ(placementTop(placements[0], 32, 32), c.top);
    }
}

TEST(Placement, EntriesAreSplitOnSemicolons) {
    EXPECT_TRUE(parsePlacements("").empty());
    const auto deux = parsePlacements("0:5:3;0:5:4");
    ASSERT_EQ(deux.size(), 2u);
    EXPECT_EQ(deux[0].column, 3);
    EXPECT_EQ(deux[1].column, 4);
    EXPECT_EQ(parsePlacements("0:5:3;").size(), 1u);   // a trailing separator names no element
}

TEST(Placement, RandomColumnsStayInTheirRange) {
    struct Cas {
        const char* texte;
        int start, width;
    };
    const Cas cas[] = {{"2:10:r(5,3)", 5, 3}, {"0:0:r(14,13)", 14, 13}, {"0:0:r(0,0)", 0, 0}, {"0:0:r(-2,1)", -2, 1}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const Placement p = parsePlacements(c.texte).at(0);
        ASSERT_TRUE(p.randomColumn);
        EXPECT_EQ(p.randomStart, c.start);
        EXPECT_EQ(p.randomWidth, c.width);
        const int bound = 2 * c.width * 32;
        // The draw is uniform in [0, bound): the ends of the range give the extreme left edges.
        EXPECT_EQ(placementLeft(p, 32, 0), c.start * 32);
        if (bound > 0) {
            EXPECT_EQ(placementLeft(p, 32, bound - 1), (c.start + c.width) * 32);   // half of an odd draw rounds to even
            EXPECT_LE(placementLeft(p, 32, bound - 1), (c.start + c.width) * 32);
        }
    }
    // "r(5,3)" with 32-unit tiles: anywhere from 160 to 256.
    const Placement p = parsePlacements("2:10:r(5,3)").at(0);
    for (int draw = 0; draw < 192; ++draw) {
        const int left = placementLeft(p, 32, draw);
        EXPECT_GE(left, 160);
        EXPECT_LE(left, 256);
    }
    EXPECT_FLOAT_EQ(placementTop(p, 32, 20), 300);
}
