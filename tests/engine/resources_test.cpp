// Resource lookup in temporary folders: names match in any letter case, folders are searched in
// order, missing resources raise an error naming them, and pictures are decoded once.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "engine/errors.h"
#include "engine/resources.h"

namespace fs = std::filesystem;

namespace {

class ResourcesTest : public ::testing::Test {
protected:
    fs::path base = fs::temp_directory_path() /
                    ("zorlin_resources_" + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path first = base / "first", second = base / "second";
    eng::Resources resources;

    void SetUp() override {
        fs::create_directories(first);
        fs::create_directories(second);
        resources.addSearchDir(first.string());
        resources.addSearchDir(second.string());
    }
    void TearDown() override { fs::remove_all(base); }
    static void write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
};

TEST_F(ResourcesTest, FindsNamesInAnyLetterCase) {
    write(second / "Foret1.JSON", "{\"level\": 1}");
    EXPECT_EQ(resources.find("foret1", "json"), (second / "Foret1.JSON").string());
    EXPECT_EQ(resources.find("FORET1", ".json"), (second / "Foret1.JSON").string());
    EXPECT_EQ(resources.loadText("fOrEt1"), "{\"level\": 1}");
    EXPECT_EQ(resources.find("foret1", "png"), std::nullopt);
}

TEST_F(ResourcesTest, EarlierFoldersWinAndPrependedOnesComeFirst) {
    write(first / "niveau.json", "first");
    write(second / "NIVEAU.json", "second");
    EXPECT_EQ(resources.loadText("Niveau"), "first");
    const fs::path designer = base / "designer";
    fs::create_directories(designer);
    write(designer / "Niveau.Json", "designer");
    resources.prependSearchDir(designer.string());
    EXPECT_EQ(resources.loadText("niveau"), "designer");
}

TEST_F(ResourcesTest, MissingResourceNamesItself) {
    try {
        resources.loadText("NoSuchLevel");
        FAIL() << "no error raised";
    } catch (const eng::ResourceNotFound& e) {
        EXPECT_NE(std::string(e.what()).find("NoSuchLevel"), std::string::npos);
    }
    EXPECT_THROW(resources.loadBitmap("NoSuchPicture"), eng::ResourceNotFound);
}

TEST_F(ResourcesTest, MissingFolderIsSkipped) {
    resources.prependSearchDir((base / "absent").string());
    write(second / "x.json", "x");
    EXPECT_EQ(resources.loadText("X"), "x");
}

TEST_F(ResourcesTest, PictureIsDecodedOnceAndShared) {
    eng::Bitmap picture(3, 2, 0xFF102030);
    picture.savePng((first / "Idle.PNG").string());
    const eng::BitmapPtr once = resources.loadBitmap("idle");
    const eng::BitmapPtr again = resources.loadBitmap("IDLE");
    ASSERT_TRUE(once);
    EXPECT_EQ(once, again);
    EXPECT_EQ(once->width(), 3);
    EXPECT_EQ(once->pixel(2, 1), 0xFF102030u);
    resources.clearCache();
    EXPECT_NE(resources.loadBitmap("idle"), once);
}

// Level planes are decoded side by side ahead of the load; the load then finds them decoded and shared.
// A missing or broken picture in the list is left for the load to report at its own step.
TEST_F(ResourcesTest, PreloadedPicturesAreSharedAndFaultyOnesReportedLater) {
    eng::Bitmap(40, 30, 0xFF204060).savePng((first / "Plane1.png").string());
    eng::Bitmap(50, 20, 0x80FFFFFF).savePng((second / "plane2.PNG").string());
    write(first / "broken.png", "not a picture");
    resources.preloadBitmaps({"plane1", "PLANE2", "absent", "broken", "Plane1"});
    const eng::BitmapPtr plane1 = resources.loadBitmap("PLANE1");
    ASSERT_TRUE(plane1);
    EXPECT_EQ(plane1->pixel(39, 29), 0xFF204060u);
    EXPECT_EQ(resources.loadBitmap("plane2")->pixel(0, 0), 0x80FFFFFFu);
    resources.preloadBitmaps({"plane1"});   // already decoded: kept, not decoded again
    EXPECT_EQ(resources.loadBitmap("plane1"), plane1);
    EXPECT_THROW(resources.loadBitmap("absent"), eng::ResourceNotFound);
    EXPECT_THROW(resources.loadBitmap("broken"), eng::ResourceError);
}

TEST(ResourceNames, CaseHelpers) {
    EXPECT_EQ(eng::toLower("MixEd.PNG"), "mixed.png");
    EXPECT_TRUE(eng::equalsIgnoreCase("Position.X", "position.x"));
    EXPECT_FALSE(eng::equalsIgnoreCase("Position.X", "Position.Y"));
    EXPECT_FALSE(eng::equalsIgnoreCase("abc", "abcd"));
    EXPECT_TRUE(fs::is_directory(eng::programDir()));
}

}  // namespace
