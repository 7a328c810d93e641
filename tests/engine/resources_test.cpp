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

TEST(ResourceNames, CaseHelpers) {
    EXPECT_EQ(eng::toLower("MixEd.PNG"), "mixed.png");
    EXPECT_TRUE(eng::equalsIgnoreCase("Position.X", "position.x"));
    EXPECT_FALSE(eng::equalsIgnoreCase("Position.X", "Position.Y"));
    EXPECT_FALSE(eng::equalsIgnoreCase("abc", "abcd"));
    EXPECT_TRUE(fs::is_directory(eng::programDir()));
}

}  // namespace
