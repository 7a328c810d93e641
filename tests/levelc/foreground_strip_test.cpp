// Foreground strips placed by posY: the game keeps a foreground strip's top on the level's top edge, so the
// compiler gives such a strip a picture of its own with the leaves posY further down.
#include <gtest/gtest.h>
#include <filesystem>
#include <nlohmann/json.hpp>
#include "catalogue.h"
#include "compile_error.h"
#include "compile_level.h"
#include "foreground_strip.h"
#include "level_fixture.h"

namespace {

using namespace levelc_test;
using Json = nlohmann::json;

const art::Canvas& artLeaves() {
    static const art::Canvas leaves = [] {
        for (const art::Picture& p : art::paintBackdrops())
            if (p.name == "foret_avant") return p.sheet;
        return art::Canvas();
    }();
    return leaves;
}

TEST(ForegroundStrip, OnlyAPlacedForegroundGetsItsOwnPicture) {
    levelc::compileLevel(fixture("foreground.lvl"), scratch("foreground"));
    const Json doc = Json::parse(fileBytes(scratch("foreground") + "/foreground.json"));
    const Json& layers = doc["scrollings"];
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0]["image"], "foret_collines.png") << "a backdrop keeps its picture and posY";
    EXPECT_EQ(layers[0]["posY"], 140);
    EXPECT_EQ(layers[1]["image"], "foreground_foret_avant.png");
    EXPECT_EQ(layers[1]["posY"], 0) << "the offset is in the picture";
    EXPECT_EQ(layers[1]["foreground"], true);
    EXPECT_DOUBLE_EQ(layers[1]["vitesse"].get<double>(), 0.8);
    EXPECT_EQ(layers[2]["image"], "foret_avant.png") << "a strip that tiles vertically is not pinned to the top";
    EXPECT_EQ(layers[2]["posY"], 100);
    ASSERT_GT(artLeaves().height(), 0);
    EXPECT_EQ(pngSize(scratch("foreground") + "/foreground_foret_avant.png"),
              std::make_pair(artLeaves().width(), 100 + artLeaves().height()));
}

TEST(ForegroundStrip, LeavesStandPosYBelowAClearTop) {
    levelc::Scrolling layer;
    layer.image = "foret_avant.png";
    layer.foreground = true;
    layer.posY = 100;
    const art::Canvas placed = levelc::composePlacedForeground(layer);
    const art::Canvas& leaves = artLeaves();
    ASSERT_EQ(placed.height(), 100 + leaves.height());
    int clearTop = 0, sameLeaves = 0;
    for (int y = 0; y < placed.height(); ++y)
        for (int x = 0; x < placed.width(); ++x) {
            if (y < 100) clearTop += placed.at(x, y) == 0;
            else sameLeaves += placed.at(x, y) == leaves.at(x, y - 100);
        }
    EXPECT_EQ(clearTop, 100 * placed.width());
    EXPECT_EQ(sameLeaves, leaves.width() * leaves.height());
}

TEST(ForegroundStrip, RefusesAPictureTheArtDoesNotPaint) {
    std::filesystem::remove_all(scratch("foreground_unknown"));
    try {
        levelc::compileLevel(fixture("foreground_unknown.lvl"), scratch("foreground_unknown"));
        FAIL() << "compiled";
    } catch (const levelc::CompileError& e) {
        EXPECT_EQ(e.where().line, 10) << "the [scrolling] section";
        EXPECT_NE(std::string(e.what()).find("\"no_such_leaves.png\" is not a backdrop"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(scratch("foreground_unknown") + "/foreground_unknown.json"))
        << "nothing is written for a refused level";
}

}  // namespace
