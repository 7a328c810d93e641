// Failures of a level load: each stops the load at its step with a message naming the resource, key or
// index; a document that is not JSON builds an empty level silently; after a reported failure the player
// is back on the map (or the menu) with the progress kept, never in a half-built level without a loop.
#include "level_fixture.h"

namespace {

struct Panne {
    const char* quoi;
    std::function<void(nlohmann::json&)> abimer;
    const char* typeAttendu;      // "json", "time", "resource", "range"
    std::vector<const char*> mots;   // words the message must contain
};

template <class E>
bool estDuType(const std::exception& e) {
    return dynamic_cast<const E*>(&e) != nullptr;
}

}  // namespace

class LevelErrors : public LevelFixture {};

TEST_F(LevelErrors, EachFailureNamesWhatIsWrong) {
    const std::vector<Panne> pannes = {
        {"missing key", [](nlohmann::json& d) { d.erase("gravity"); }, "json", {"test", "gravity", "missing"}},
        {"missing nested key", [](nlohmann::json& d) { d["niveau2"].erase("bonus"); }, "json", {"niveau2.bonus"}},
        {"wrong type", [](nlohmann::json& d) { d["tileSize"] = "32"; }, "json", {"tileSize", "integer"}},
        {"decimal for an integer", [](nlohmann::json& d) { d["playerStartPosX"] = 2.5; }, "json", {"playerStartPosX"}},
        {"string for a Boolean", [](nlohmann::json& d) { d["night"] = "false"; }, "json", {"night", "true or false"}},
        {"table entry key", [](nlohmann::json& d) {
             d["bonusElement"] = {{{"image", "still.png"}, {"count", 1}, {"duration", 1}, {"point", 1}}};
         }, "json", {"bonusElement[0].typeBonus"}},
        {"path without its lap time", [](nlohmann::json& d) {
             d["ennemiElement"] = {{{"image1", "still.png"}, {"image2", ""}, {"count", 1}, {"duration", 1},
                                    {"deplacement", "none"}, {"hitBox", "0:0:1:1"}, {"pv", 1}, {"tir", 0},
                                    {"bloquer", false}, {"path", "1:1"}, {"opacity", 1}}};
         }, "json", {"ennemiElement[0].durationPath"}},
        {"time limit 60", [](nlohmann::json& d) { d["maxTimeNormal"] = 60; }, "time", {"maxTimeNormal", "60"}},
        {"time limit -1", [](nlohmann::json& d) { d["maxTimeEasy"] = -1; }, "time", {"maxTimeEasy", "-1"}},
        {"missing tileset", [](nlohmann::json& d) { d["tileImage"] = "nowhere.png"; }, "resource", {"nowhere.png"}},
        {"missing hero sheet", [](nlohmann::json& d) { d["player-death-left"] = "gone.png"; }, "resource", {"gone.png"}},
        {"index out of range", [](nlohmann::json& d) {
             d["decorElement"] = {{{"image", "still.png"}, {"count", 1}, {"rowcount", 1}, {"duration", 1},
                                   {"opacity", 1}, {"devant", false}, {"bloquer", false}}};
             d["niveau2"]["decor"] = "0:1:1;3:1:2";
         }, "range", {"decorElement", "index 3", "entry 1", "plane 2"}},
        {"negative index", [](nlohmann::json& d) { d["niveau"]["ennemis"] = "-1:1:1"; }, "range",
         {"ennemiElement", "index -1"}},
    };
    for (const Panne& p : pannes) {
        SCOPED_TRACE(p.quoi);
        doc = levelfix::niveauDeBase();
        p.abimer(doc);
        ecrireNiveau("test", doc);
        try {
            f->chargerNiveau("test");
            ADD_FAILURE() << "the load did not fail";
        } catch (const eng::GameError& e) {
            const std::string type = p.typeAttendu;
            EXPECT_TRUE(type == "json" ? estDuType<eng::JsonError>(e)
                        : type == "time" ? estDuType<eng::TimeEncodingError>(e)
                        : type == "resource" ? estDuType<eng::ResourceNotFound>(e)
                                             : estDuType<eng::OutOfRange>(e)) << e.what();
            for (const char* mot : p.mots) EXPECT_NE(std::string(e.what()).find(mot), std::string::npos) << e.what();
        }
    }
}

TEST_F(LevelErrors, MissingLevelNamesTheResourceAndLeavesNothingOfTheOldLevel) {
    doc["decorElement"] = {{{"image", "still.png"}, {"count", 1}, {"rowcount", 1}, {"duration", 1},
                            {"opacity", 1}, {"devant", false}, {"bloquer", false}}};
    doc["niveau"]["decor"] = "0:1:1";
    charger();
    ASSERT_EQ(f->recDecor->childCount(), 1u);
    try {
        f->chargerNiveau("noSuchLevel");
        ADD_FAILURE();
    } catch (const eng::ResourceNotFound& e) {
        EXPECT_NE(std::string(e.what()).find("noSuchLevel"), std::string::npos);
    }
    EXPECT_EQ(f->recDecor->childCount(), 0u);
    EXPECT_TRUE(f->listeDecor.empty());
}

TEST_F(LevelErrors, ALoadStopsAtItsStepKeepingWhatWasBuilt) {
    doc["bonusElement"] = {{{"image", "still.png"}, {"count", 1}, {"duration", 1}, {"point", 1}, {"typeBonus", 2}}};
    doc["niveau"]["bonus"] = "0:1:1";
    doc["niveau"]["ennemis"] = "4:1:1";   // plane 1's enemies come after its bonuses
    ecrireNiveau("test", doc);
    EXPECT_THROW(f->chargerNiveau("test"), eng::OutOfRange);
    EXPECT_EQ(f->recBonus->childCount(), 1u);
    EXPECT_EQ(f->recSpeciaux->childCount(), 0u);
}

TEST_F(LevelErrors, NotJsonBuildsAnEmptyLevelSilently) {
    charger();
    for (const char* texte : {"this is not json", "[1, 2, 3]", "{\"nom\": "}) {
        SCOPED_TRACE(texte);
        std::ofstream(resDir / "broken.json") << texte;
        EXPECT_NO_THROW(f->chargerNiveau("broken"));
        EXPECT_TRUE(erreurs.empty());
        EXPECT_TRUE(f->listeDecor.empty());
        EXPECT_EQ(f->recDecor->childCount(), 0u);
    }
}

TEST_F(LevelErrors, AFailedLaunchReturnsToTheMapOrTheMenuKeepingTheProgress) {
    struct Cas {
        const char* zone;
        TStage attendu;
    };
    const Cas cas[] = {{"foret", TStage::map}, {"", TStage::menu}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.zone);
        erreurs.clear();
        doc = levelfix::niveauDeBase();
        ecrireNiveau("good", doc);
        doc["tileImage"] = "missing.png";
        doc["bonusElement"] = {{{"image", "still.png"}, {"count", 1}, {"duration", 1}, {"point", 1}, {"typeBonus", 2}}};
        ecrireNiveau("bad", doc);
        f->niveau = c.zone;
        f->nbBonus = 42;
        f->nbVie = 2;
        f->aSuperBottes = true;
        f->nomNiveau = "good";
        f->afficherStage(TStage::jeu);
        ASSERT_TRUE(erreurs.empty());
        ASSERT_TRUE(f->tGameloop.enabled());
        f->lancerNiveau("bad", -1, -1, 1);   // an exit leads into a broken level
        ASSERT_EQ(erreurs.size(), 1u);
        EXPECT_NE(erreurs[0].find("missing.png"), std::string::npos);
        EXPECT_EQ(f->activeStage, c.attendu);
        EXPECT_FALSE(f->tGameloop.enabled());
        EXPECT_FALSE(f->layZoneJeu->visible);
        EXPECT_NE(f->MediaMusique.state(), eng::MediaState::Playing);
        EXPECT_EQ(f->nbBonus, 42);
        EXPECT_EQ(f->nbVie, 2);
        EXPECT_TRUE(f->aSuperBottes);
        EXPECT_EQ(f->recBonus->childCount(), 0u);
    }
}
