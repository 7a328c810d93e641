// Launching by name: "map" ends the zone run and leads to the zone's bonus stage only when the console was
// caught within the time limit; level exits split their destination into level, column, row and plane.
#include <vector>
#include "app_fixture.h"
#include "engine/errors.h"

namespace {

class LevelLaunchTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        eng::setErrorHandler([this](const std::string& message) { erreurs.push_back(message); });
        demarrer();
        fenetre->afficherStage(TStage::jeu);   // nomNiveau is empty: the failed load is reported
        erreurs.clear();
        fenetre->activeStage = TStage::jeu;
    }
    void TearDown() override {
        eng::setErrorHandler(nullptr);
        AppFixture::TearDown();
    }
    bool aTenteLeNiveau(const std::string& nom) const {
        for (const std::string& e : erreurs)
            if (e.find(nom) != std::string::npos) return true;
        return false;
    }
    std::vector<std::string> erreurs;
};

TEST_F(LevelLaunchTest, MapEndsTheRunThroughTheBonusStageOnlyWithTheConsoleInTime) {
    struct Cas {
        const char* destination;
        bool console;
        const char* chrono;
        const char* bonus;
        bool bonusLance;
    };
    const Cas cas[] = {
        {"map", true, "01:12", "bonusnes", true},
        {"MAP", true, "00:03", "bonusms", true},     // any letter case
        {"map", false, "01:12", "bonusnes", false},  // no console
        {"map", true, "Bonus", "bonusnes", false},   // the time limit ran out
        {"map", true, "BONUS", "bonusnes", false},
        {"Map", true, "01:12", "", false},           // no bonus stage named
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.destination) + " " + c.chrono + " " + c.bonus);
        erreurs.clear();
        fenetre->activeStage = TStage::jeu;
        fenetre->consoleAttrapee = c.console;
        fenetre->lblChrono->text = c.chrono;
        fenetre->nomNiveauBonus = c.bonus;
        fenetre->tGameloop.setEnabled(true);
        fenetre->MediaMusiqueBoss.play();
        fenetre->lancerNiveau(c.destination, 3, 4, 2);
        EXPECT_FALSE(fenetre->tGameloop.enabled());
        EXPECT_NE(fenetre->MediaMusiqueBoss.state(), eng::MediaState::Playing);
        if (c.bonusLance) {
            EXPECT_TRUE(aTenteLeNiveau(c.bonus)) << "the bonus stage was not launched";
        } else {
            EXPECT_TRUE(erreurs.empty());
            EXPECT_EQ(fenetre->activeStage, TStage::map);
        }
    }
}

TEST_F(LevelLaunchTest, WithoutABonusStageNameTheMapFollows) {
    fenetre->consoleAttrapee = true;
    fenetre->lblChrono->text = "00:40";
    fenetre->nomNiveauBonus.clear();
    fenetre->lancerNiveau("map", -1, -1, 1);
    EXPECT_EQ(fenetre->activeStage, TStage::map);
    EXPECT_TRUE(erreurs.empty());
}

TEST_F(LevelLaunchTest, EveryLaunchAddsTheLevelTimeToTheZoneTotal) {
    fenetre->tempsEcouleTotal = 0.25;
    fenetre->tempsEcoule = 0.125;
    fenetre->lancerNiveau("map", -1, -1, 1);
    EXPECT_DOUBLE_EQ(fenetre->tempsEcouleTotal, 0.375);
}

TEST_F(LevelLaunchTest, AMissingLevelIsReportedByName) {
    fenetre->lancerNiveau("nulle-part", -1, -1, 1);
    EXPECT_TRUE(aTenteLeNiveau("nulle-part"));
}

TEST_F(LevelLaunchTest, ExitToTheMapEndsTheTransitionAtOnce) {
    fenetre->PixelateEffect->enabled = true;
    fenetre->recWaiting->visible = true;
    fenetre->recInfoSpecial->tagString = "map";
    fenetre->consoleAttrapee = false;
    fenetre->aniPixelFinish();
    EXPECT_FALSE(fenetre->PixelateEffect->enabled);
    EXPECT_FALSE(fenetre->recWaiting->visible);
    EXPECT_FALSE(fenetre->aniPixel2->running());
    EXPECT_EQ(fenetre->activeStage, TStage::map);
}

TEST_F(LevelLaunchTest, ExitToALevelClearsThePixelsAfterTheNextLevelStarts) {
    fenetre->PixelateEffect->enabled = true;
    fenetre->recWaiting->visible = true;
    fenetre->recInfoSpecial->tagString = "village;x;7;z";
    fenetre->aniPixelFinish();
    EXPECT_TRUE(aTenteLeNiveau("village"));
    EXPECT_TRUE(fenetre->aniPixel2->running());
    EXPECT_TRUE(fenetre->PixelateEffect->enabled);
    avancer(1600);   // 0.5 s delay, then 1.0 s back to full resolution
    EXPECT_FALSE(fenetre->aniPixel2->running());
    EXPECT_FLOAT_EQ(fenetre->PixelateEffect->blockCount, 600);
    EXPECT_FALSE(fenetre->PixelateEffect->enabled);
    EXPECT_FALSE(fenetre->recWaiting->visible);
}

TEST_F(LevelLaunchTest, ABrokenDestinationIsReportedAndItsLevelEnteredAtItsStart) {
    fenetre->recInfoSpecial->tagString = "grotte4;3";
    fenetre->aniPixelFinish();
    ASSERT_GE(erreurs.size(), 1u);
    EXPECT_NE(erreurs.front().find("grotte4;3"), std::string::npos);
    EXPECT_TRUE(aTenteLeNiveau("grotte4"));
}

}  // namespace
