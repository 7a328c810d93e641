// The forest zone as shipped: every level and the bonus stage compile, carry the values of the level table,
// chain by their exits (west → north or south → east → map), teach with signs, and can be finished.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <map>
#include <set>
#include "compile_level.h"
#include "level_fixture.h"
#include "route_check.h"

namespace {

using namespace levelc_test;
using Json = nlohmann::json;

struct Shipped {
    const char* name;
    const char* nom;
    const char* musique;
    const char* meteo;
    bool needConsole;
    int times[3];
    int start[2];
    int size[2];
    double gravity;
    std::set<std::string> exits;
};

const Shipped shipped[] = {
    {"foretOuest", "West forest", "AAPMusic01_Looped", "none", false, {12, 8, 6}, {4, 27}, {141, 30}, 0.8, {"foretNord", "foretSud"}},
    {"foretNord", "North forest", "AAPMusic01_Looped", "none", false, {5, 4, 3}, {2, 25}, {141, 49}, 0.8, {"foretEst"}},
    {"foretSud", "South forest", "AAPMusic01_Looped", "none", false, {7, 6, 4}, {1, 20}, {130, 49}, 0.8, {"foretEst"}},
    {"foretEst", "East forest", "BossTheme", "pluie", true, {5, 4, 3}, {0, 0}, {80, 25}, 0.8, {"map"}},
    {"bonusnes", "Bonus stage", "Sad-Town", "none", false, {1, 1, 1}, {1, 9}, {6, 25}, 0, {}},
};

class ForestLevel : public ::testing::TestWithParam<Shipped> {
protected:
    // Each level is compiled once for all the tests that look at it.
    Json compile() {
        static std::map<std::string, Json> compiled;
        const std::string name = GetParam().name;
        if (!compiled.count(name)) {
            levelc::compileLevel(shippedSource(name), scratch("forest"));
            compiled[name] = Json::parse(fileBytes(scratch("forest") + "/" + name + ".json"));
        }
        return compiled[name];
    }
};

TEST_P(ForestLevel, CarriesTheValuesOfTheLevelTable) {
    const Shipped& s = GetParam();
    const Json doc = compile();
    EXPECT_EQ(doc["nom"], s.nom);
    EXPECT_EQ(doc["musique"], s.musique);
    EXPECT_EQ(doc["meteo"], s.meteo);
    EXPECT_EQ(doc["night"], false);
    EXPECT_EQ(doc["needConsole"], s.needConsole);
    EXPECT_EQ(doc["maxTimeEasy"], s.times[0]);
    EXPECT_EQ(doc["maxTimeNormal"], s.times[1]);
    EXPECT_EQ(doc["maxTimeDifficult"], s.times[2]);
    EXPECT_EQ(doc["playerStartPosX"], s.start[0]);
    EXPECT_EQ(doc["playerStartPosY"], s.start[1]);
    EXPECT_EQ(doc["width"], s.size[0]);
    EXPECT_EQ(doc["height"], s.size[1]);
    EXPECT_DOUBLE_EQ(doc["gravity"].get<double>(), s.gravity);
    EXPECT_EQ(doc["tileSize"], 32);
}

TEST_P(ForestLevel, IsAsciiWithCrlfLineEnds) {
    compile();
    const std::string text = fileBytes(scratch("forest") + "/" + GetParam().name + ".json");
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text[0], '\xEF') << "no byte-order mark";
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(text[i]), 128u) << "at byte " << i;
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at byte " << i;
        }
    }
}

TEST_P(ForestLevel, PlanePicturesSpanTheLevel) {
    const Json doc = compile();
    const Shipped& s = GetParam();
    for (const char* plane : {"niveau", "niveau2"}) {
        const std::string picture = doc[plane]["decorImage"];
        if (std::string(s.name) == "bonusnes") {
            EXPECT_EQ(picture, "");
            continue;
        }
        const auto [w, h] = pngSize(scratch("forest") + "/" + picture);
        EXPECT_EQ(w, s.size[0] * 32) << picture;
        EXPECT_EQ(h, s.size[1] * 32) << picture;
    }
}

TEST_P(ForestLevel, ExitsChainTheZoneAndCanBeReachedWithoutBootsOrSword) {
    const Shipped& s = GetParam();
    const Json doc = compile();
    std::set<std::string> exits;
    for (const auto& special : doc["specialElement"])
        if (special["finNiveau"].get<bool>()) exits.insert(special["niveauSuivant"].get<std::string>());
    EXPECT_EQ(exits, s.exits);
    EXPECT_EQ(levelc::reachableExits(modelOf(shippedSource(s.name), s.name)), s.exits);
}

INSTANTIATE_TEST_SUITE_P(Zone, ForestLevel, ::testing::ValuesIn(shipped),
                         [](const auto& info) { return std::string(info.param.name); });

// Every forest level (not the bonus stage) has what the zone promises the player.
class ForestPlayLevel : public ForestLevel {};

TEST_P(ForestPlayLevel, HasEnemiesOnEveryDifficultySignsDiamondsAndFood) {
    const Json doc = compile();
    for (const char* list : {"ennemis", "ennemisNormal", "ennemisDifficile"})
        EXPECT_FALSE(doc["niveau"][list].get<std::string>().empty()) << list;
    std::set<int> bonusKinds;
    for (const auto& bonus : doc["bonusElement"]) bonusKinds.insert(bonus["typeBonus"].get<int>());
    EXPECT_TRUE(bonusKinds.count(1) && bonusKinds.count(2)) << "diamonds and food";
    EXPECT_FALSE(doc["niveau"]["bonus"].get<std::string>().empty());
    int signs = 0;
    for (const auto& special : doc["specialElement"])
        if (!special["finNiveau"].get<bool>() && !special["message"].get<std::string>().empty()) ++signs;
    EXPECT_GE(signs, 3);
    EXPECT_FALSE(doc["niveau2"]["plateformes"].get<std::string>().empty()) << "a back plane";
}

INSTANTIATE_TEST_SUITE_P(Zone, ForestPlayLevel, ::testing::ValuesIn(shipped, shipped + 4),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ForestZone, EastForestKeepsTheConsole) {
    levelc::compileLevel(shippedSource("foretEst"), scratch("forest"));
    const Json doc = Json::parse(fileBytes(scratch("forest") + "/foretEst.json"));
    int consoleIndex = -1;
    for (const auto& enemy : doc["ennemiElement"])
        if (enemy["pv"] == -1) consoleIndex = enemy["indice"];
    ASSERT_GE(consoleIndex, 0);
    const std::string placed = doc["niveau"]["ennemis"];
    EXPECT_NE((";" + placed).find(";" + std::to_string(consoleIndex) + ":"), std::string::npos)
        << "the console is placed on every difficulty";
}

TEST(ForestZone, BonusStageHoldsTheBonusValues) {
    levelc::compileLevel(shippedSource("bonusnes"), scratch("forest"));
    const Json doc = Json::parse(fileBytes(scratch("forest") + "/bonusnes.json"));
    EXPECT_EQ(doc["playerHitBox"], "4:4:50:42");
    EXPECT_EQ(doc["attaqueHitBox"], 3);
    EXPECT_EQ(doc["tileImage"], "nesbonus.png");
    EXPECT_EQ(doc["player-idle"], "joueurbonus.png");
    EXPECT_EQ(doc["player-walk"], "walk.png");
}

}  // namespace
