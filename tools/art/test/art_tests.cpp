// The art generator as the build runs it: two runs give the same bytes, every picture of the manifest is written
// with its listed size and frame layout, and the hero's sheets keep his body where the game's box expects it.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <unistd.h>
#include "catalogue.h"
#include "png_decoder.h"

namespace art::testing {
namespace {

namespace fs = std::filesystem;

struct ManifestEntry {
    std::string name;  // without ".png"
    int frameWidth, frameHeight, frames, rows;
    std::string hitBox;
};

std::vector<ManifestEntry> readManifest() {
    std::ifstream in(ZORLIN_ART_MANIFEST);
    const std::regex row(R"(^\| `([^`]+)\.png` \| (\d+)×(\d+) \| (\d+) \| (\d+) \| ([^|]*?) \|)");
    std::vector<ManifestEntry> entries;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, row))
            entries.push_back({m[1], std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), m[6]});
    }
    return entries;
}

int runGenerator(const fs::path& out) {
    fs::remove_all(out);
    fs::create_directories(out);
    const std::string command = std::string("\"") + ZORLIN_ART_PROGRAM + "\" --out \"" + out.string() + "\"";
    return std::system(command.c_str());
}

// The generator is run twice, once per folder, for the whole suite. ctest runs each test in its own process,
// possibly side by side, so every process paints into folders of its own.
class GeneratedArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path scratch = fs::path(ZORLIN_ART_SCRATCH) / ("run" + std::to_string(getpid()));
        first = scratch / "first";
        second = scratch / "second";
        firstStatus = runGenerator(first);
        secondStatus = runGenerator(second);
    }
    static void TearDownTestSuite() { fs::remove_all(first.parent_path()); }
    static inline fs::path first, second;
    static inline int firstStatus = -1, secondStatus = -1;
};

TEST_F(GeneratedArt, TwoRunsWriteTheSameFilesByteForByte) {
    ASSERT_EQ(firstStatus, 0);
    ASSERT_EQ(secondStatus, 0);
    size_t compared = 0;
    for (const auto& file : fs::directory_iterator(first)) {
        const fs::path twin = second / file.path().filename();
        ASSERT_TRUE(fs::exists(twin)) << twin;
        EXPECT_EQ(readFile(file.path().string()), readFile(twin.string())) << file.path().filename();
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<size_t>(std::distance(fs::directory_iterator(second), fs::directory_iterator())));
    EXPECT_GT(compared, 0u);
}

TEST_F(GeneratedArt, EveryManifestEntryIsWrittenWithItsSizeAndLayout) {
    ASSERT_EQ(firstStatus, 0);
    const auto entries = readManifest();
    ASSERT_FALSE(entries.empty()) << "no picture rows found in " << ZORLIN_ART_MANIFEST;
    for (const ManifestEntry& e : entries) {
        const auto bytes = readFile((first / (e.name + ".png")).string());
        const auto size = pngSize(bytes);
        ASSERT_TRUE(size) << e.name << ".png is missing or not a PNG";
        EXPECT_EQ(size->first, e.frameWidth * e.frames) << e.name;
        EXPECT_EQ(size->second, e.frameHeight * e.rows) << e.name;
        EXPECT_TRUE(decodePng(bytes)) << e.name << ".png does not decode";
    }
}

TEST_F(GeneratedArt, NothingIsWrittenThatTheManifestDoesNotList) {
    ASSERT_EQ(firstStatus, 0);
    std::map<std::string, bool> listed;
    for (const ManifestEntry& e : readManifest()) listed[e.name + ".png"] = true;
    for (const auto& file : fs::directory_iterator(first))
        EXPECT_TRUE(listed.count(file.path().filename().string())) << file.path().filename() << " is not in the manifest";
}

// ---- painted in-process: the hero's sheets ----

const std::map<std::string, Picture>& heroSheets() {
    static const std::map<std::string, Picture> sheets = [] {
        std::map<std::string, Picture> byName;
        for (Picture& p : paintHero()) byName[p.name] = std::move(p);
        return byName;
    }();
    return sheets;
}

Canvas frameOf(const Picture& p, int i) { return p.sheet.crop(i * p.frameWidth, 0, p.frameWidth, p.frameHeight); }

int opaqueCount(const Canvas& c, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += c.opaqueAt(x, y);
    return n;
}

TEST(HeroSheets, LeftSheetsAreTheRightOnesMirroredAboutTheBody) {
    for (const auto& [name, right] : heroSheets()) {
        const auto left = heroSheets().find(name + "gauche");
        if (left == heroSheets().end()) continue;
        for (int i = 0; i < right.frames; ++i) {
            const Canvas r = frameOf(right, i), l = frameOf(left->second, i);
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < 99; ++x)
                    ASSERT_EQ(r.at(x, y), l.at(98 - x, y)) << name << " frame " << i << " at " << x << "," << y;
        }
    }
}

TEST(HeroSheets, EveryFrameKeepsTheBodyInTheBoxAndTheLastColumnEmpty) {
    for (const auto& [name, p] : heroSheets()) {
        ASSERT_EQ(p.frameWidth, 100) << name;
        ASSERT_EQ(p.frameHeight, 48) << name;
        if (name.rfind("dust", 0) == 0) continue;
        for (int i = 0; i < p.frames; ++i) {
            const Canvas f = frameOf(p, i);
            EXPECT_EQ(opaqueCount(f, 99, 100, 0, 48), 0) << name << " frame " << i << " would not mirror exactly";
            // The torso and legs: most of the figure between the shoulders' and the feet's rows is in the box.
            const int inBox = opaqueCount(f, 37, 62, 20, 48), around = opaqueCount(f, 0, 100, 20, 48);
            if (name.rfind("death", 0) != 0 && name.rfind("attaque", 0) != 0) {
                EXPECT_GT(inBox * 10, around * 7) << name << " frame " << i;
            }
        }
    }
}

TEST(HeroSheets, GroundFramesStandOnTheBottomRow) {
    // The game lands the hero at the platform's top minus the picture's height: feet must reach row 47.
    for (const std::string name : {"idle", "walk", "run", "crouch", "attaque1", "attaque2", "idlegauche", "walkgauche"}) {
        const Picture& p = heroSheets().at(name);
        for (int i = 0; i < p.frames; ++i)
            EXPECT_GT(opaqueCount(frameOf(p, i), 30, 70, 47, 48), 0) << name << " frame " << i << " floats";
    }
}

TEST(HeroSheets, CrouchingKeepsTheHeadUnderTheLoweredBoxTop) {
    const Picture& p = heroSheets().at("crouch");
    for (int i = 0; i < p.frames; ++i) EXPECT_EQ(opaqueCount(frameOf(p, i), 0, 100, 0, 15), 0) << "frame " << i;
}

TEST(AllSheets, EveryFrameShowsSomething) {
    for (const Group& g : groups())
        for (const Picture& p : g.paint())
            for (int i = 0; i < p.frames; ++i)
                EXPECT_GE(opaqueCount(frameOf(p, i), 0, p.frameWidth, 0, p.frameHeight), 8) << p.name << " frame " << i;
}

}  // namespace
}  // namespace art::testing

namespace art::testing {
namespace {

int topOpaqueRow(const Canvas& c, int x) {
    for (int y = 0; y < c.height(); ++y)
        if (c.opaqueAt(x, y)) return y;
    return c.height();
}

TEST(Backdrops, StripsWrapAroundWithoutASeam) {
    // A strip is tiled side by side: its last column must run on into its first, as any two neighbours do.
    for (const Picture& p : paintBackdrops()) {
        const Canvas& c = p.sheet;
        int largestStep = 0;
        for (int x = 0; x + 1 < c.width(); ++x)
            largestStep = std::max(largestStep, std::abs(topOpaqueRow(c, x + 1) - topOpaqueRow(c, x)));
        const int seamStep = std::abs(topOpaqueRow(c, 0) - topOpaqueRow(c, c.width() - 1));
        EXPECT_LE(seamStep, std::max(largestStep, 2)) << p.name;
        // The colours of the bottom rows change across the seam no more than between any two neighbours.
        auto bottomDifference = [&c](int a, int b) {
            int n = 0;
            for (int y = c.height() - 8; y < c.height(); ++y) n += c.at(a, y) != c.at(b, y);
            return n;
        };
        int largestChange = 0;
        for (int x = 0; x + 1 < c.width(); ++x) largestChange = std::max(largestChange, bottomDifference(x, x + 1));
        EXPECT_LE(bottomDifference(c.width() - 1, 0), largestChange) << p.name;
    }
}

}  // namespace
}  // namespace art::testing
