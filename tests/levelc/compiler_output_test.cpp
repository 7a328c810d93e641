// The compiler's output for a small level: placements, generated tables, pictures and determinism.
// Compiling the same source twice gives the same bytes, so unchanged levels never churn.
#include <gtest/gtest.h>
#include <filesystem>
#include <nlohmann/json.hpp>
#include "compile_level.h"
#include "level_fixture.h"

namespace {

using namespace levelc_test;
using Json = nlohmann::json;

Json compileGood(const std::string& dir) {
    levelc::compileLevel(fixture("good.lvl"), dir);
    return Json::parse(fileBytes(dir + "/good.json"));
}

TEST(CompilerOutput, PlacesElementsOnTheirBottomLeftCell) {
    const Json doc = compileGood(scratch("good"));
    ASSERT_EQ(doc["bonusElement"].size(), 1u) << "the diamond from the included file";
    // The diamond in row 4, column 5 stands on row line 5; the hidden one in row 4, column 11 too.
    EXPECT_EQ(doc["niveau"]["bonus"], "0:5:5;0:5:11");
}

TEST(CompilerOutput, EveryPlacementNamesAnEntryOfItsTable) {
    const Json doc = compileGood(scratch("good"));
    const std::pair<const char*, const char*> lists[] = {{"plateformes", "plateformElement"},
                                                         {"decorFromTileSet", "decorElementFromTileSet"},
                                                         {"speciaux", "specialElement"}};
    for (const auto& [list, table] : lists) {
        const std::string text = doc["niveau"][list];
        ASSERT_FALSE(text.empty()) << list;
        std::stringstream entries(text);
        std::string entry;
        while (std::getline(entries, entry, ';'))
            EXPECT_LT(std::stoi(entry), int(doc[table].size())) << list << " " << entry;
    }
}

TEST(CompilerOutput, HiddenRoomGetsAMaskLastAmongTheSpecials) {
    const Json doc = compileGood(scratch("good"));
    const Json& mask = doc["specialElement"].back();
    EXPECT_EQ(mask["masquerPremierPlan"], true);
    EXPECT_EQ(mask["image"], "good_front_mask1.png");
    EXPECT_EQ(doc["niveau"]["speciaux"], std::to_string(mask["indice"].get<int>()) + ":5:9");
    EXPECT_EQ(pngSize(scratch("good") + "/good_front_mask1.png"), std::make_pair(96, 64));
}

TEST(CompilerOutput, SameSourceSameBytes) {
    compileGood(scratch("first"));
    compileGood(scratch("second"));
    levelc::compileLevel(shippedSource("foretOuest"), scratch("first"));
    levelc::compileLevel(shippedSource("foretOuest"), scratch("second"));
    levelc::writeTilesets("foret", scratch("first"));
    levelc::writeTilesets("foret", scratch("second"));
    int compared = 0;
    for (const auto& file : std::filesystem::directory_iterator(scratch("first"))) {
        const std::string other = scratch("second") + "/" + file.path().filename().string();
        EXPECT_EQ(fileBytes(file.path().string()), fileBytes(other)) << file.path().filename();
        ++compared;
    }
    EXPECT_GE(compared, 8);
}

TEST(CompilerOutput, UnchangedOutputKeepsItsTimeStamp) {
    compileGood(scratch("stamp"));
    const auto path = scratch("stamp") + "/good.json";
    const auto before = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, before - std::chrono::hours(1));
    compileGood(scratch("stamp"));
    EXPECT_EQ(std::filesystem::last_write_time(path), before - std::chrono::hours(1));
}

}  // namespace
