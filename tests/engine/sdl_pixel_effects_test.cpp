// Pixel-level pieces of the renderer: straight alpha from drawn targets, the effects' recipes and blur,
// gradient colours and the painted shapes behind rounded, outlined rectangles.
#include <gtest/gtest.h>
#include <numeric>
#include "engine/pixel_effects.h"
#include "engine/shape_raster.h"

namespace {

using namespace eng;

TEST(Unpremultiply, RestoresStraightColours) {
    struct Case { AlphaColor drawn, straight; };
    const Case cases[] = {{0x80404040, 0x80808080}, {0xFF123456, 0xFF123456}, {0x00112233, 0x00000000},
                          {0x40400000, 0x40FF0000}, {0x02FFFFFF, 0x02FFFFFF}};
    for (const Case& c : cases) {
        std::vector<AlphaColor> pixels{c.drawn};
        unpremultiply(pixels);
        EXPECT_EQ(pixels[0], c.straight) << std::hex << c.drawn;
    }
}

TEST(BlurPlane, SpreadsWithoutCreatingOrLosingCoverage) {
    std::vector<float> plane(21 * 21, 0.f);
    plane[10 * 21 + 10] = 1.f;
    const std::vector<float> untouched = plane;
    blurPlane(plane, 21, 21, 0);
    EXPECT_EQ(plane, untouched);
    blurPlane(plane, 21, 21, 2);
    EXPECT_NEAR(std::accumulate(plane.begin(), plane.end(), 0.f), 1.f, 1e-4f);
    EXPECT_GT(plane[10 * 21 + 12], 0.f);
    EXPECT_GT(plane[10 * 21 + 10], plane[10 * 21 + 12]);
    EXPECT_EQ(plane[0], 0.f);
}

TEST(ApplyEffects, ResultGrowsByTheMarginAndRecoloursKeepAlpha) {
    Bitmap source(3, 2, 0x80FF0000);
    EffectRecipe fill;
    fill.fillColor = 0xFF00FF00;
    const Bitmap filled = applyEffects(source, fill);
    ASSERT_EQ(filled.width(), 3 + 2 * fill.margin());
    ASSERT_EQ(filled.height(), 2 + 2 * fill.margin());
    EXPECT_EQ(filled.pixel(fill.margin(), fill.margin()), 0x8000FF00u);
    EXPECT_EQ(filled.pixel(0, 0), 0u);

    EffectRecipe glow;
    glow.glow = GlowRecipe{0xFFFFD700, 6, 1};
    EXPECT_GE(glow.margin(), 6);
    EXPECT_NE(glow.key(), fill.key());
    const Bitmap halo = applyEffects(Bitmap(4, 4, 0xFFFFFFFF), glow);
    const int m = glow.margin();
    EXPECT_GT(halo.pixel(m - 1, m + 2) >> 24, 0u);         // just outside: lit
    EXPECT_EQ(halo.pixel(m + 1, m + 1), 0xFFFFFFFFu);      // the picture itself stays on top
    EXPECT_EQ(halo.pixel(0, 0) >> 24, 0u);                 // far corner: dark
}

TEST(FillColorAt, GradientsFollowTheirStopsInOffsetOrder) {
    Fill linear;
    linear.kind = FillKind::LinearGradient;
    linear.stops = {{0xFF0000FF, 1}, {0xFFFF0000, 0}};  // given out of order
    EXPECT_EQ(fillColorAt(linear, 0.5f, 0), 0xFFFF0000u);
    EXPECT_EQ(fillColorAt(linear, 0.5f, 1), 0xFF0000FFu);
    const AlphaColor middle = fillColorAt(linear, 0.5f, 0.5f);
    EXPECT_NEAR(static_cast<int>((middle >> 16) & 0xFF), 128, 2);
    Fill radial = linear;
    radial.kind = FillKind::RadialGradient;
    EXPECT_EQ(fillColorAt(radial, 0.5f, 0.5f), 0xFFFF0000u);
    EXPECT_EQ(fillColorAt(radial, 0.f, 0.5f), 0xFF0000FFu);
}

TEST(RasterizeShape, RoundedCornersAreCutAndTheOutlineRunsInside) {
    ShapeStyle style;
    style.fill.kind = FillKind::Solid;
    style.fill.color = 0xFFFFFFFF;
    style.strokeColor = 0xFFFF0000;
    style.strokeThickness = 2;
    style.xRadius = style.yRadius = 5;
    const Bitmap shape = rasterizeShape(style, 20, 10, 20, 10);
    EXPECT_EQ(shape.pixel(0, 0), 0u);
    EXPECT_EQ(shape.pixel(10, 0), 0xFFFF0000u);
    EXPECT_EQ(shape.pixel(10, 5), 0xFFFFFFFFu);
    EXPECT_EQ(shape.pixel(19, 5), 0xFFFF0000u);
    EXPECT_NE(style.key(), ShapeStyle{}.key());
}

}  // namespace
