// The seeded random source: the reference sequence of xoshiro256** seeded by splitmix64
// (worked out separately from the published algorithms), and the ranges of the bounded draws.
#include <gtest/gtest.h>
#include <climits>
#include <set>
#include "engine/random.h"

namespace {

TEST(Random, FollowsTheReferenceSequence) {
    eng::Random zero(0);
    EXPECT_EQ(zero.nextU64(), 0x99ec5f36cb75f2b4ull);
    EXPECT_EQ(zero.nextU64(), 0xbf6e1f784956452aull);
    EXPECT_EQ(zero.nextU64(), 0x1a5f849d4933e6e0ull);
    eng::Random answer(42);
    EXPECT_EQ(answer.nextU64(), 0x15780b2e0c2ec716ull);
    EXPECT_EQ(answer.nextU64(), 0x6104d9866d113a7eull);
    EXPECT_EQ(answer.nextU64(), 0xae17533239e499a1ull);
}

TEST(Random, ReseedingReplaysTheSameRun) {
    eng::Random r(7);
    const int first = r.nextInt(1000), second = r.range(-5, 5);
    r.reseed(7);
    EXPECT_EQ(r.nextInt(1000), first);
    EXPECT_EQ(r.range(-5, 5), second);
}

TEST(Random, BoundedDrawsStayInRangeAndReachBothEnds) {
    eng::Random r(3);
    std::set<int> seenRange, seenInt;
    for (int i = 0; i < 2000; ++i) {
        const int v = r.range(0, 5);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 5);
        seenRange.insert(v);
        const int w = r.nextInt(4);
        ASSERT_GE(w, 0);
        ASSERT_LT(w, 4);
        seenInt.insert(w);
        const double d = r.nextDouble();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
        const float f = r.rangeF(-2.f, 3.f);
        ASSERT_GE(f, -2.f);
        ASSERT_LT(f, 3.f);
    }
    EXPECT_EQ(seenRange.size(), 6u);
    EXPECT_EQ(seenInt.size(), 4u);
}

TEST(Random, DegenerateBounds) {
    eng::Random r(1);
    EXPECT_EQ(r.nextInt(0), 0);
    EXPECT_EQ(r.nextInt(-3), 0);
    EXPECT_EQ(r.range(4, 4), 4);
    EXPECT_EQ(r.rangeF(2.f, 2.f), 2.f);
    const int wide = r.range(INT_MIN, INT_MAX);  // the full span must not overflow
    EXPECT_GE(wide, INT_MIN);
}

}  // namespace
