// Pictures in memory and on disk: PNG round trips keep every pixel (alpha included), broken or missing
// files raise typed errors naming the file, region copies at the edges, identity for the texture cache.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include "engine/bitmap.h"
#include "engine/errors.h"

namespace {

namespace fs = std::filesystem;
using eng::AlphaColor;
using eng::Bitmap;

class PngFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("zorlin_sdl_png_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name) const { return (dir / name).string(); }
};

TEST_F(PngFiles, RoundTripKeepsEveryPixelWithStraightAlpha) {
    Bitmap original(5, 3);
    const AlphaColor samples[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF, 0x00000000,
                                  0x40102030, 0xFF123456, 0x7FABCDEF, 0x01FFFFFF, 0xFE000000};
    for (int i = 0; i < 15; ++i) original.setPixel(i % 5, i / 5, samples[i % 10]);
    original.savePng(file("round.png"));
    const Bitmap loaded = Bitmap::loadPng(file("round.png"));
    ASSERT_EQ(loaded.width(), 5);
    ASSERT_EQ(loaded.height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            // A fully transparent pixel's colour carries no meaning; only its alpha must survive.
            const AlphaColor want = original.pixel(x, y), got = loaded.pixel(x, y);
            if ((want >> 24) == 0) EXPECT_EQ(got >> 24, 0u) << x << "," << y;
            else EXPECT_EQ(got, want) << x << "," << y;
        }
}

TEST_F(PngFiles, MissingAndBrokenFilesNameTheFile) {
    try {
        Bitmap::loadPng(file("absent.png"));
        FAIL() << "a missing picture must raise";
    } catch (const eng::ResourceNotFound& e) {
        EXPECT_NE(std::string(e.what()).find("absent.png"), std::string::npos);
    }
    std::ofstream(file("broken.png")) << "this is not a picture";
    try {
        Bitmap::loadPng(file("broken.png"));
        FAIL() << "a broken picture must raise";
    } catch (const eng::ResourceError& e) {
        EXPECT_NE(std::string(e.what()).find("broken.png"), std::string::npos);
    }
    EXPECT_THROW(Bitmap::decodePng({}, "empty.png"), eng::ResourceError);
    Bitmap(64, 64, 0xFF336699).savePng(file("whole.png"));
    std::ifstream whole(file("whole.png"), std::ios::binary);
    std::vector<std::uint8_t> cut((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    cut.resize(cut.size() / 2);   // the picture data ends halfway
    EXPECT_THROW(Bitmap::decodePng(cut, "cut.png"), eng::ResourceError);
    EXPECT_THROW(Bitmap().savePng(file("empty.png")), eng::ResourceError);
}

TEST_F(PngFiles, DecodesFromMemory) {
    Bitmap original(2, 2, 0xFF336699);
    original.savePng(file("mem.png"));
    std::ifstream in(file("mem.png"), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Bitmap decoded = Bitmap::decodePng(bytes, "mem.png");
    EXPECT_EQ(decoded.pixels(), original.pixels());
}

// A 4x3 picture whose pixel value encodes its position: 0xFF0000yx.
Bitmap numbered() {
    Bitmap b(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) b.setPixel(x, y, 0xFF000000u | static_cast<AlphaColor>(y << 4 | x));
    return b;
}

TEST(BitmapCopyRect, RegionsOutsideTheSourceComeOutTransparent) {
    const Bitmap source = numbered();
    struct Case { int x, y, w, h; };
    const Case cases[] = {{0, 0, 4, 3}, {1, 1, 2, 2}, {-2, -1, 4, 3}, {3, 2, 3, 3}, {-1, 0, 6, 3}, {10, 10, 2, 2}, {-5, -5, 2, 2}};
    for (const Case& c : cases) {
        const Bitmap part = source.copyRect(c.x, c.y, c.w, c.h);
        ASSERT_EQ(part.width(), c.w);
        ASSERT_EQ(part.height(), c.h);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const int sx = c.x + x, sy = c.y + y;
                const bool inside = sx >= 0 && sy >= 0 && sx < 4 && sy < 3;
                EXPECT_EQ(part.pixel(x, y), inside ? source.pixel(sx, sy) : 0u)
                    << "case " << c.x << "," << c.y << " at " << x << "," << y;
            }
    }
    EXPECT_TRUE(source.copyRect(1, 1, 0, 2).isEmpty());
    EXPECT_TRUE(source.copyRect(1, 1, -3, 2).isEmpty());
}

TEST(BitmapIdentity, CopiesAreNewPicturesAndAssignKeepsTheIdentity) {
    Bitmap a(2, 2, 0xFF00FF00);
    const Bitmap copy = a;
    EXPECT_NE(copy.id(), a.id());
    EXPECT_EQ(copy.pixels(), a.pixels());

    const auto id = a.id();
    const auto version = a.version();
    a.assign(Bitmap(3, 1, 0xFFFF0000));
    EXPECT_EQ(a.id(), id);
    EXPECT_GT(a.version(), version);
    EXPECT_EQ(a.width(), 3);

    Bitmap moved = std::move(a);
    EXPECT_EQ(moved.id(), id);
    EXPECT_NE(a.id(), id);  // the moved-from picture may be reused: it must not share the cache key
}

}  // namespace

// Pictures a designer may bring: an indexed picture with a transparency table, and a 16-bit grey one
// whose samples keep their high byte (no brightening as if they were linear light).
TEST(PngFormats, IndexedAndSixteenBitPicturesDecodeToTheirColours) {
    const std::vector<std::uint8_t> indexed = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x03, 0x00, 0x00, 0x00, 0xc3, 0xfc, 0x8f, 0xb8, 0x00, 0x00, 0x00,
        0x06, 0x50, 0x4c, 0x54, 0x45, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x6c, 0xa1, 0xfd, 0x8e, 0x00, 0x00, 0x00,
        0x02, 0x74, 0x52, 0x4e, 0x53, 0xff, 0x80, 0x08, 0x0f, 0xb3, 0x6a, 0x00, 0x00, 0x00, 0x0b, 0x49, 0x44, 0x41,
        0x54, 0x78, 0x9c, 0x63, 0x60, 0x60, 0x04, 0x00, 0x00, 0x04, 0x00, 0x02, 0xbf, 0x7a, 0x3f, 0x4a, 0x00, 0x00,
        0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    const std::vector<std::uint8_t> grey16 = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x10, 0x00, 0x00, 0x00, 0x00, 0x6a, 0xee, 0x47, 0x16, 0x00, 0x00, 0x00,
        0x0b, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0x68, 0x68, 0x00, 0x00, 0x01, 0x83, 0x01, 0x01, 0x18, 0x35,
        0x22, 0x15, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    const Bitmap fromPalette = Bitmap::decodePng(indexed, "indexed.png");
    ASSERT_EQ(fromPalette.width(), 2);
    EXPECT_EQ(fromPalette.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(fromPalette.pixel(1, 0), 0x800000FFu);
    const Bitmap fromGrey = Bitmap::decodePng(grey16, "grey16.png");
    ASSERT_EQ(fromGrey.width(), 1);
    EXPECT_EQ(fromGrey.pixel(0, 0), 0xFF808080u);
}
