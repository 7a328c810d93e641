// Headless drawing through the SDL software renderer, read back as PNG: placement, opacity down the
// tree, rotation matching the scene's own transform, offscreen layers, culling, wrap modes, fills, text, effects.
#include <gtest/gtest.h>
#include <cmath>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include "engine/bitmap.h"
#include "engine/controls.h"
#include "engine/effects.h"
#include "engine/platform.h"

namespace {

namespace fs = std::filesystem;
using namespace eng;

constexpr AlphaColor Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF, Black = 0xFF000000;

int channelOf(AlphaColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

::testing::AssertionResult near(AlphaColor got, AlphaColor want, int tolerance = 6) {
    for (int shift : {16, 8, 0})
        if (std::abs(channelOf(got, shift) - channelOf(want, shift)) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "got 0x" << got << ", want 0x" << want;
    return ::testing::AssertionSuccess();
}

// The 2x2 picture  red green / blue white.
BitmapPtr quadrants() {
    auto b = std::make_shared<Bitmap>(2, 2);
    b->setPixel(0, 0, Red);
    b->setPixel(1, 0, Green);
    b->setPixel(0, 1, Blue);
    b->setPixel(1, 1, White);
    return b;
}

class HeadlessDraw : public ::testing::Test {
protected:
    static inline std::unique_ptr<Platform> platform;
    static void SetUpTestSuite() {
        WindowOptions options;
        options.headless = true;
        options.width = 200;
        options.height = 120;
        platform = std::make_unique<Platform>(options);
    }
    static void TearDownTestSuite() { platform.reset(); }

    Layout root;
    fs::path shotFile = fs::temp_directory_path() / ("zorlin_sdl_shot_" + std::to_string(::getpid()) + ".png");

    void SetUp() override {
        root.width = 200;
        root.height = 120;
    }
    void TearDown() override { fs::remove(shotFile); }

    // Draws the scene and reads it back the way --screenshot does.
    Bitmap shot(AlphaColor background = Black) {
        platform->renderer().draw(root, background);
        platform->renderer().savePng(shotFile.string());
        return Bitmap::loadPng(shotFile.string());
    }
    template <class T>
    T* place(Node& parent, float x, float y, float w, float h) {
        T* n = parent.add<T>();
        n->position = {x, y};
        n->width = w;
        n->height = h;
        return n;
    }
    Rectangle* solid(Node& parent, float x, float y, float w, float h, AlphaColor color) {
        auto* r = place<Rectangle>(parent, x, y, w, h);
        r->fill.color = color;
        r->strokeVisible = false;
        return r;
    }
    Image* image(Node& parent, float x, float y, float w, float h, BitmapPtr b) {
        auto* i = place<Image>(parent, x, y, w, h);
        i->setBitmap(std::move(b));
        return i;
    }
};

TEST_F(HeadlessDraw, OutputHasTheWindowSize) {
    EXPECT_EQ(platform->renderer().outputSize(), (SizeF{200, 120}));
    EXPECT_EQ(platform->windowSize(), (SizeF{200, 120}));
    EXPECT_EQ(platform->displayRefreshHz(), 0);
}

TEST_F(HeadlessDraw, RectangleAndImageLandWhereTheyArePlaced) {
    solid(root, 10, 10, 30, 20, Red);
    image(root, 100, 20, 40, 40, quadrants());
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(25, 20), Red));
    EXPECT_TRUE(near(s.pixel(10, 10), Red));
    EXPECT_TRUE(near(s.pixel(39, 29), Red));
    EXPECT_TRUE(near(s.pixel(40, 20), Black));
    EXPECT_TRUE(near(s.pixel(25, 30), Black));
    EXPECT_TRUE(near(s.pixel(5, 5), Black));
    // Nearest-neighbour stretching: each source pixel becomes a hard-edged 20x20 block.
    EXPECT_TRUE(near(s.pixel(110, 30), Red));
    EXPECT_TRUE(near(s.pixel(119, 30), Red));
    EXPECT_TRUE(near(s.pixel(120, 30), Green));
    EXPECT_TRUE(near(s.pixel(110, 50), Blue));
    EXPECT_TRUE(near(s.pixel(139, 59), White));
    EXPECT_TRUE(near(s.pixel(140, 59), Black));
}

TEST_F(HeadlessDraw, OpacityMultipliesDownTheTreeAndHiddenSubtreesDrawNothing) {
    solid(root, 0, 0, 20, 20, White)->opacity = 0.5f;
    auto* half = place<Layout>(root, 30, 0, 20, 20);
    half->opacity = 0.5f;
    solid(*half, 0, 0, 20, 20, White)->opacity = 0.5f;
    auto* hidden = place<Layout>(root, 60, 0, 20, 20);
    hidden->visible = false;
    solid(*hidden, 0, 0, 20, 20, White);
    auto* transparent = place<Layout>(root, 90, 0, 20, 20);
    transparent->opacity = 0;
    solid(*transparent, 0, 0, 20, 20, White);
    image(root, 120, 0, 20, 20, std::make_shared<Bitmap>(1, 1, White))->opacity = 0.25f;
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(10, 10), 0xFF808080));
    EXPECT_TRUE(near(s.pixel(40, 10), 0xFF404040));
    EXPECT_TRUE(near(s.pixel(70, 10), Black));
    EXPECT_TRUE(near(s.pixel(100, 10), Black));
    EXPECT_TRUE(near(s.pixel(130, 10), 0xFF404040));
}

TEST_F(HeadlessDraw, RotatedAndScaledNodesFollowTheScenesTransform) {
    auto* arm = place<Layout>(root, 80, 30, 40, 20);
    arm->rotationAngle = 30;
    arm->scale = {1.5f, 1.5f};
    auto picture = std::make_shared<Bitmap>(2, 1);
    picture->setPixel(0, 0, Red);
    picture->setPixel(1, 0, Blue);
    auto* img = image(*arm, 0, 0, 40, 20, picture);
    img->rotationAngle = 90;
    img->opacity = 1;
    const Bitmap s = shot();
    struct Probe { PointF local; AlphaColor color; };
    for (const Probe& p : {Probe{{8, 10}, Red}, Probe{{12, 4}, Red}, Probe{{30, 10}, Blue}, Probe{{34, 15}, Blue}}) {
        const PointF at = img->localToAbsolute(p.local);
        EXPECT_TRUE(near(s.pixel(static_cast<int>(at.x), static_cast<int>(at.y)), p.color)) << p.local.x << "," << p.local.y;
    }
    const PointF outside = img->localToAbsolute({20, -6});
    EXPECT_TRUE(near(s.pixel(static_cast<int>(outside.x), static_cast<int>(outside.y)), Black));
}

TEST_F(HeadlessDraw, RotatedTranslucentImageBlendsOnce) {
    auto* img = image(root, 60, 40, 40, 40, std::make_shared<Bitmap>(1, 1, White));
    img->rotationAngle = 45;
    img->opacity = 0.5f;
    const PointF centre = img->localToAbsolute({20, 20});
    EXPECT_TRUE(near(shot().pixel(static_cast<int>(centre.x), static_cast<int>(centre.y)), 0xFF808080));
}

TEST_F(HeadlessDraw, OffscreenLayerIsDrawnAtItsOwnSizeThenScaledOnce) {
    solid(root, 0, 0, 200, 120, Green);
    auto* zone = place<Layout>(root, 20, 10, 40, 24);
    zone->renderOffscreen = true;
    zone->scale = {2.5f, 2.5f};
    // One-unit columns alternating red and blue: after one nearest scaling each is 2 or 3 pixels wide.
    auto stripes = std::make_shared<Bitmap>(40, 12);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 12; ++y) stripes->setPixel(x, y, x % 2 ? Blue : Red);
    image(*zone, 0, 0, 40, 12, stripes);
    solid(*zone, 30, 20, 30, 30, White);  // runs past the layer's edge: cut there
    const Bitmap s = shot();
    for (int column : {0, 3, 10, 39}) {
        const int x = 20 + static_cast<int>(std::floor((column + 0.5f) * 2.5f));
        EXPECT_TRUE(near(s.pixel(x, 20), column % 2 ? Blue : Red)) << "column " << column;
    }
    // The layer's transparent part shows what lies under it; its content stops at its bounds.
    EXPECT_TRUE(near(s.pixel(30, 50), Green));
    EXPECT_TRUE(near(s.pixel(20 + 32 * 2.5f, 10 + 22 * 2.5f), White));
    EXPECT_TRUE(near(s.pixel(20 + 45 * 2.5f, 10 + 22 * 2.5f), Green));
}

TEST_F(HeadlessDraw, OpaqueOffscreenLayerStillShowsItsContent) {
    auto* zone = place<Layout>(root, 0, 0, 80, 48);
    zone->renderOffscreen = true;
    zone->scale = {2.5f, 2.5f};
    solid(*zone, 0, 0, 80, 48, Blue);
    solid(*zone, 10, 10, 4, 4, Red);
    zone->opacity = 1;
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(5, 5), Blue));
    EXPECT_TRUE(near(s.pixel(30, 30), Red));
    EXPECT_TRUE(near(s.pixel(199, 119), Blue));
}

TEST_F(HeadlessDraw, WindowResolutionChildrenOfALayerAreDrawnAfterItAtFullSize) {
    auto* zone = place<Layout>(root, 0, 0, 80, 48);
    zone->renderOffscreen = true;
    zone->scale = {2.5f, 2.5f};
    solid(*zone, 0, 0, 80, 48, Blue);
    // A hairline 0.4 units thick: lost at layer resolution, one pixel at window resolution.
    auto* hud = place<Layout>(*zone, 0, 0, 80, 48);
    hud->windowResolution = true;
    solid(*hud, 10, 10, 20, 0.4f, White);
    solid(*zone, 10, 30, 20, 0.4f, Red)->windowResolution = false;  // after a marked sibling: also on top
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(50, 25), White));
    EXPECT_TRUE(near(s.pixel(50, 75), Red));
    EXPECT_TRUE(near(s.pixel(50, 50), Blue));
    EXPECT_TRUE(near(s.pixel(50, 27), Blue));  // at layer resolution the line would be a 2.5-pixel band
    EXPECT_TRUE(near(s.pixel(50, 77), Blue));
}

TEST_F(HeadlessDraw, CullingNeverDropsVisibleNodes) {
    // A container far off screen whose child comes back on screen.
    auto* far = place<Layout>(root, -5000, -5000, 10, 10);
    solid(*far, 5010, 5010, 10, 10, Red);
    // Many off-screen siblings around one visible one.
    for (int i = 0; i < 200; ++i) solid(root, 300.f + i * 20, 10, 10, 10, Blue);
    solid(root, 40, 10, 10, 10, Green);
    // A clipping container cuts its children at its edges.
    auto* box = place<Layout>(root, 100, 60, 20, 20);
    box->clipChildren = true;
    solid(*box, 10, 10, 30, 30, White);
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(15, 15), Red));
    EXPECT_TRUE(near(s.pixel(45, 15), Green));
    EXPECT_TRUE(near(s.pixel(115, 75), White));
    EXPECT_TRUE(near(s.pixel(125, 75), Black));
}

TEST_F(HeadlessDraw, ImageWrapModesAndSpriteSheetFrames) {
    auto wide = std::make_shared<Bitmap>(4, 2);
    for (int x = 0; x < 4; ++x) {
        wide->setPixel(x, 0, x < 2 ? Red : Green);
        wide->setPixel(x, 1, x < 2 ? Blue : White);
    }
    auto sheet = std::make_shared<Bitmap>(4, 1);
    for (int x = 0; x < 4; ++x) sheet->setPixel(x, 0, (AlphaColor[]){Red, Green, Blue, White}[x]);
    image(root, 0, 0, 40, 40, quadrants())->wrapMode = WrapMode::Tile;
    image(root, 50, 0, 40, 40, quadrants())->wrapMode = WrapMode::Original;
    image(root, 100, 0, 40, 40, wide)->wrapMode = WrapMode::Fit;
    place<Image>(root, 150, 0, 40, 40)->showFrame(sheet, RectF{2, 0, 3, 1});
    const Bitmap s = shot();
    struct Probe { int x, y; AlphaColor color; };
    const Probe probes[] = {
        {0, 0, Red}, {1, 0, Green}, {2, 0, Red}, {3, 1, White}, {38, 39, Blue},          // tiled
        {50, 0, Red}, {51, 1, White}, {55, 5, Black},                                     // original size
        {105, 5, Black}, {105, 15, Red}, {135, 15, Green}, {105, 25, Blue}, {105, 35, Black},  // fitted, centred
        {160, 20, Blue}, {189, 39, Blue},                                                 // one frame of the sheet
    };
    for (const Probe& p : probes) EXPECT_TRUE(near(s.pixel(p.x, p.y), p.color)) << p.x << "," << p.y;
}

TEST_F(HeadlessDraw, RectangleGradientCornersOutlineAndPictureFill) {
    auto* gradient = place<Rectangle>(root, 0, 0, 40, 40);
    gradient->strokeVisible = false;
    gradient->fill.kind = FillKind::LinearGradient;
    gradient->fill.stops = {{Red, 0}, {Blue, 1}};
    auto* round = solid(root, 50, 0, 40, 40, Green);
    round->xRadius = round->yRadius = 12;
    auto* outlined = solid(root, 100, 0, 40, 40, White);
    outlined->strokeVisible = true;
    outlined->strokeColor = Red;
    outlined->strokeThickness = 4;
    auto* tiled = place<Rectangle>(root, 150, 0, 40, 40);
    tiled->strokeVisible = false;
    tiled->fill.kind = FillKind::Bitmap;
    tiled->fill.bitmap = quadrants();
    const Bitmap s = shot();
    const AlphaColor top = s.pixel(20, 1), bottom = s.pixel(20, 38);
    EXPECT_GT(channelOf(top, 16), 200);
    EXPECT_LT(channelOf(top, 0), 50);
    EXPECT_GT(channelOf(bottom, 0), 200);
    EXPECT_LT(channelOf(bottom, 16), 50);
    EXPECT_TRUE(near(s.pixel(51, 1), Black));
    EXPECT_TRUE(near(s.pixel(70, 20), Green));
    EXPECT_TRUE(near(s.pixel(70, 1), Green));
    EXPECT_TRUE(near(s.pixel(101, 20), Red));
    EXPECT_TRUE(near(s.pixel(138, 20), Red));
    EXPECT_TRUE(near(s.pixel(120, 20), White));
    EXPECT_TRUE(near(s.pixel(150, 0), Red));
    EXPECT_TRUE(near(s.pixel(153, 1), White));
}

int countNear(const Bitmap& s, const RectF& area, AlphaColor color) {
    int count = 0;
    for (int y = static_cast<int>(area.top); y < static_cast<int>(area.bottom); ++y)
        for (int x = static_cast<int>(area.left); x < static_cast<int>(area.right); ++x) count += near(s.pixel(x, y), color, 40) ? 1 : 0;
    return count;
}

TEST_F(HeadlessDraw, LabelsDrawInTheirColourInsideTheirBox) {
    auto* label = place<Label>(root, 10, 10, 150, 40);
    label->text = "Hello";
    label->fontSize = 20;
    label->color = Green;
    const Bitmap s = shot();
    EXPECT_GT(countNear(s, {10, 10, 160, 50}, Green), 30);
    EXPECT_EQ(countNear(s, {0, 60, 200, 120}, Green), 0);
    // Centred text starts further right than leading text.
    label->textAlign = TextAlign::Trailing;
    const Bitmap right = shot();
    EXPECT_EQ(countNear(right, {10, 10, 60, 50}, Green), 0);
    EXPECT_GT(countNear(right, {110, 10, 160, 50}, Green), 30);
}

TEST_F(HeadlessDraw, MeasuredTextGrowsWithTextAndLineBreaks) {
    Renderer& r = platform->renderer();
    Label label;
    label.fontSize = 20;
    label.text = "Hello";
    const SizeF one = r.measureText(label);
    EXPECT_GT(one.width, 20);
    EXPECT_GT(one.height, 15);
    label.text = "Hello Hello";
    EXPECT_GT(r.measureText(label).width, one.width * 1.8f);
    label.text = "Hello\r\nHello";
    const SizeF two = r.measureText(label);
    EXPECT_FLOAT_EQ(two.width, one.width);
    EXPECT_FLOAT_EQ(two.height, one.height * 2);
    label.text = "one two three four five six seven";
    label.wordWrap = true;
    label.width = 80;
    const SizeF wrapped = r.measureText(label);
    EXPECT_LE(wrapped.width, 80);
    EXPECT_GE(wrapped.height, one.height * 3);
    label.fontFamily = "No Such Family";  // an unknown family falls back to a font that exists
    EXPECT_GT(r.measureText(label).width, 0);
    label.text.clear();
    EXPECT_EQ(r.measureText(label), (SizeF{}));
}

TEST_F(HeadlessDraw, TextureFollowsTheBitmapsChanges) {
    auto picture = std::make_shared<Bitmap>(2, 2, Red);
    image(root, 0, 0, 20, 20, picture);
    EXPECT_TRUE(near(shot().pixel(10, 10), Red));
    for (auto& p : picture->mutablePixels()) p = Green;
    EXPECT_TRUE(near(shot().pixel(10, 10), Green));
    picture->assign(Bitmap(1, 1, Blue));
    EXPECT_TRUE(near(shot().pixel(10, 10), Blue));
    platform->renderer().forgetCachedTextures();
    EXPECT_TRUE(near(shot().pixel(10, 10), Blue));
}

TEST_F(HeadlessDraw, ColourEffectsRecolourThePicture) {
    auto* filled = image(root, 0, 0, 20, 20, std::make_shared<Bitmap>(2, 2, Red));
    filled->add<FillRGBEffect>()->color = 0xFFFFFF00;
    auto* grey = image(root, 30, 0, 20, 20, std::make_shared<Bitmap>(2, 2, Red));
    grey->add<MonochromeEffect>();
    auto* off = image(root, 60, 0, 20, 20, std::make_shared<Bitmap>(2, 2, Red));
    off->add<MonochromeEffect>()->enabled = false;
    auto* button = solid(root, 90, 0, 20, 20, Blue);
    button->add<FillRGBEffect>()->color = White;
    const Bitmap s = shot();
    EXPECT_TRUE(near(s.pixel(10, 10), 0xFFFFFF00));
    const AlphaColor g = s.pixel(40, 10);
    EXPECT_EQ(channelOf(g, 16), channelOf(g, 8));
    EXPECT_EQ(channelOf(g, 8), channelOf(g, 0));
    EXPECT_GT(channelOf(g, 16), 40);
    EXPECT_TRUE(near(s.pixel(70, 10), Red));
    EXPECT_TRUE(near(s.pixel(100, 10), White));
}

TEST_F(HeadlessDraw, GlowAndShadowReachPastTheNodeOnlyWhenEnabled) {
    const AlphaColor gold = 0xFFFFD700;
    auto* lit = image(root, 20, 20, 20, 20, std::make_shared<Bitmap>(4, 4, White));
    auto* glow = lit->add<GlowEffect>();
    glow->glowColor = gold;
    glow->softness = 0.8f;
    glow->opacity = 1;
    auto* unlit = image(root, 80, 20, 20, 20, std::make_shared<Bitmap>(4, 4, White));
    unlit->add<GlowEffect>()->enabled = false;
    auto* rect = solid(root, 140, 20, 20, 20, White);
    rect->add<GlowEffect>()->glowColor = gold;
    auto* shadowed = image(root, 20, 70, 20, 20, std::make_shared<Bitmap>(4, 4, White));
    shadowed->add<ShadowEffect>()->opacity = 1;
    const Bitmap s = shot(0xFF808080);
    const auto goldish = [&](int x, int y) {
        const AlphaColor c = s.pixel(x, y);
        return channelOf(c, 16) > 140 && channelOf(c, 8) > 120 && channelOf(c, 0) < 110;
    };
    EXPECT_TRUE(goldish(18, 30));
    EXPECT_TRUE(goldish(30, 42));
    EXPECT_TRUE(near(s.pixel(30, 30), White));
    EXPECT_TRUE(near(s.pixel(78, 30), 0xFF808080));
    EXPECT_TRUE(goldish(139, 30));
    EXPECT_TRUE(near(s.pixel(150, 30), White));
    EXPECT_LT(channelOf(s.pixel(41, 91), 16), 0x70);   // the shadow falls down and to the right
    EXPECT_TRUE(near(s.pixel(18, 68), 0xFF808080));
}

TEST_F(HeadlessDraw, InnerGlowLightsThePictureFromItsEdges) {
    auto* hit = image(root, 20, 20, 40, 40, std::make_shared<Bitmap>(8, 8, Blue));
    auto* flash = hit->add<InnerGlowEffect>();
    flash->glowColor = White;
    flash->softness = 2;
    flash->opacity = 0.9f;
    const Bitmap s = shot();
    const AlphaColor edge = s.pixel(21, 40);
    EXPECT_GT(channelOf(edge, 16), 80);   // white mixed in
    EXPECT_TRUE(near(s.pixel(15, 40), Black));  // nothing outside
}

TEST_F(HeadlessDraw, PixelationShowsBlocksOfOneColourOnPlainAndOffscreenNodes) {
    for (const bool offscreen : {false, true}) {
        SCOPED_TRACE(offscreen ? "offscreen layer" : "plain node");
        root.deleteChildren();
        auto* zone = place<Layout>(root, 0, 0, 40, 20);
        zone->renderOffscreen = offscreen;
        zone->scale = {2, 2};
        auto stripes = std::make_shared<Bitmap>(40, 1);
        for (int x = 0; x < 40; ++x) stripes->setPixel(x, 0, 0xFF000000u | static_cast<AlphaColor>(x * 6) << 16);
        image(*zone, 0, 0, 40, 20, stripes);
        auto* pixelate = zone->add<PixelateEffect>();
        pixelate->blockCount = 4;
        const Bitmap blocky = shot();
        for (int block = 0; block < 4; ++block)
            for (int x = block * 20; x < block * 20 + 20; ++x)
                EXPECT_EQ(blocky.pixel(x, 20), blocky.pixel(block * 20, 20)) << "x " << x;
        EXPECT_NE(blocky.pixel(0, 20), blocky.pixel(79, 20));
        pixelate->blockCount = 600;  // finer than the pixels: drawn plainly
        const Bitmap plain = shot();
        EXPECT_NE(plain.pixel(0, 20), plain.pixel(4, 20));
        pixelate->blockCount = 4;
        pixelate->enabled = false;
        EXPECT_NE(shot().pixel(0, 20), shot().pixel(4, 20));
    }
}

TEST(HeadlessPlatform, FullScreenAndSizeChangesAreReportedAsResizes) {
    WindowOptions options;
    options.headless = true;
    options.width = 320;
    options.height = 200;
    Platform platform(options);
    int resizedW = 0, resizedH = 0;
    PlatformEvents handlers;
    handlers.onResize = [&](int w, int h) { resizedW = w; resizedH = h; };
    platform.setWindowSize(400, 240);
    platform.pollEvents(handlers);
    EXPECT_EQ(resizedW, 400);
    EXPECT_EQ(resizedH, 240);
    EXPECT_EQ(platform.renderer().outputSize(), (SizeF{400, 240}));
    EXPECT_FALSE(platform.fullscreen());
    platform.setFullscreen(true);
    platform.pollEvents(handlers);
    EXPECT_TRUE(platform.fullscreen());
    EXPECT_EQ(platform.windowSize(), platform.screenSize());
    EXPECT_EQ(static_cast<float>(resizedW), platform.screenSize().width);
    platform.setFullscreen(false);
    EXPECT_EQ(platform.windowSize(), (SizeF{400, 240}));
}

}  // namespace
