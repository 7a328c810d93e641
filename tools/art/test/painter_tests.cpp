// The painter's building blocks: the PNG encoder round-trips any canvas, shapes cover what they should,
// outlines ring a silhouette, mirroring is exact and the seeded random source repeats itself.
#include <gtest/gtest.h>
#include <cmath>
#include <filesystem>
#include "png_decoder.h"

namespace art::testing {
namespace {

Canvas noise(int w, int h, std::uint64_t seed) {
    Canvas c(w, h);
    Rng rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) c.set(x, y, rng.next());
    return c;
}

TEST(PngEncoder, DecodesBackToTheSamePixels) {
    const struct {
        const char* what;
        Canvas canvas;
    } cases[] = {
        {"one transparent pixel", Canvas(1, 1)},
        {"opaque fill", Canvas(7, 3, rgb(10, 200, 30))},
        {"random pixels with alpha", noise(33, 17, 5)},
        {"wide strip", noise(700, 2, 9)},
    };
    for (const auto& c : cases) {
        const auto decoded = decodePng(encodePng(c.canvas));
        ASSERT_TRUE(decoded) << c.what;
        EXPECT_EQ(decoded->width(), c.canvas.width()) << c.what;
        EXPECT_EQ(decoded->pixels(), c.canvas.pixels()) << c.what;
    }
}

TEST(PngEncoder, SameCanvasSameBytes) { EXPECT_EQ(encodePng(noise(40, 40, 3)), encodePng(noise(40, 40, 3))); }

TEST(FileOutput, RewritesOnlyWhenTheBytesChange) {
    const std::string path = (std::filesystem::path(ZORLIN_ART_SCRATCH) / "write_test.bin").string();
    std::filesystem::create_directories(ZORLIN_ART_SCRATCH);
    std::filesystem::remove(path);
    EXPECT_TRUE(writeFileIfChanged(path, {1, 2, 3}));
    EXPECT_FALSE(writeFileIfChanged(path, {1, 2, 3}));
    EXPECT_TRUE(writeFileIfChanged(path, {1, 2, 4}));
    EXPECT_EQ(readFile(path), (std::vector<std::uint8_t>{1, 2, 4}));
}

int count(const Mask& m) {
    int n = 0;
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) n += m.at(x, y);
    return n;
}

TEST(Shapes, CoverTheirAreaAndStayInside) {
    const Mask circle = circleMask(40, 40, {20, 20}, 10);
    EXPECT_NEAR(count(circle), 3.14159 * 100, 20);
    EXPECT_TRUE(circle.at(20, 20));
    EXPECT_FALSE(circle.at(20, 8));
    const Mask triangle = polygonMask(20, 20, {{0, 0}, {20, 0}, {0, 20}});
    EXPECT_NEAR(count(triangle), 200, 12);
    EXPECT_TRUE(triangle.at(2, 2));
    EXPECT_FALSE(triangle.at(17, 17));
    EXPECT_EQ(count(rectMask(10, 10, 2, 3, 4, 5)), 20);
    const Mask capsule = capsuleMask(30, 10, {5, 5}, {25, 5}, 2);
    EXPECT_TRUE(capsule.at(15, 5));
    EXPECT_FALSE(capsule.at(15, 8));
    EXPECT_FALSE(capsule.at(1, 5));
}

TEST(Outline, RingsTheSilhouetteWithOnePixel) {
    Canvas c(9, 9);
    fillMask(c, rectMask(9, 9, 3, 3, 3, 3), rgb(200, 200, 200));
    outline(c, rgb(0, 0, 0));
    EXPECT_EQ(c.at(2, 4), rgb(0, 0, 0));
    EXPECT_EQ(c.at(4, 6), rgb(0, 0, 0));
    EXPECT_EQ(c.at(4, 4), rgb(200, 200, 200));
    EXPECT_EQ(c.at(1, 4), 0u);
    EXPECT_EQ(c.at(2, 2), 0u);  // corners stay open: four-neighbour rings look rounder
}

TEST(Mirror, MapsEachColumnAcrossTheAxis) {
    Canvas c(10, 2);
    c.set(0, 0, rgb(1, 2, 3));
    c.set(6, 1, rgb(4, 5, 6));
    const Canvas m = c.mirrored(9);
    EXPECT_EQ(m.at(8, 0), rgb(1, 2, 3));
    EXPECT_EQ(m.at(2, 1), rgb(4, 5, 6));
    EXPECT_EQ(m.at(0, 0), 0u);
}

TEST(Rng, SameSeedSameSequenceOtherSeedOtherSequence) {
    Rng a(7), b(7), c(8);
    std::vector<std::uint32_t> sa, sb, sc;
    for (int i = 0; i < 16; ++i) sa.push_back(a.next()), sb.push_back(b.next()), sc.push_back(c.next());
    EXPECT_EQ(sa, sb);
    EXPECT_NE(sa, sc);
    Rng r(1);
    for (int i = 0; i < 1000; ++i) {
        const int v = r.range(-3, 4);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 4);
    }
}

}  // namespace
}  // namespace art::testing
