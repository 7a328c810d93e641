// Destinations of signs and doors acted on: broken level data is reported naming the destination and the
// game goes on (no pause, no transition, no shop); sound ones act. Also the shop's count line and the
// clearing of a level, which leaves no bonus item, cloud, open shop or pending stun behind.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "app/TfMain.h"
#include "engine/clock.h"
#include "engine/engine.h"
#include "engine/errors.h"
#include "screens/TfStore.h"

namespace {

class Destinations : public ::testing::Test {
protected:
    void SetUp() override {
        eng::setErrorHandler([this](const std::string& message) { erreurs.push_back(message); });
        engine = std::make_unique<eng::Engine>(clock, 1);
        fenetre = std::make_unique<TfMain>(*engine);
    }
    void TearDown() override {
        fenetre.reset();
        engine.reset();
        eng::setErrorHandler(nullptr);
    }
    // The bubble over a sign holding `destination`, and the action key.
    void agirSur(const std::string& destination) {
        fenetre->recInfoSpecial->visible = true;
        fenetre->lblInfoSpecial->text = "Door";
        fenetre->recInfoSpecial->tagString = destination;
        fenetre->toucheAction = true;
        fenetre->gererAction();
    }

    eng::ManualClock clock;
    std::unique_ptr<eng::Engine> engine;
    std::unique_ptr<TfMain> fenetre;
    std::vector<std::string> erreurs;
};

TEST_F(Destinations, BrokenOnesAreReportedAndTheLevelPlaysOn) {
    const char* const cassees[] = {
        "goto:42:18",        // three fields
        "goto:42:x:1",       // a row that is no integer
        "goto:42:18:1:5",    // five fields
        "GOTO:4.5:18:1",     // a column that is no integer, prefix in capitals
        "grotte2;3",         // two fields of a level exit
        "grotte2;3;4",       // three fields
        "store:Food",        // a shop without its greeting
        "",                  // no level named
    };
    for (const char* destination : cassees) {
        erreurs.clear();
        agirSur(destination);
        ASSERT_EQ(erreurs.size(), 1u) << destination;
        EXPECT_NE(erreurs[0].find("\"" + std::string(destination) + "\""), std::string::npos) << erreurs[0];
        EXPECT_FALSE(fenetre->enPause) << destination;
        EXPECT_FALSE(fenetre->recWaiting->visible) << destination;
        EXPECT_FALSE(fenetre->frmStore->visible) << destination;
        EXPECT_FALSE(fenetre->aniGoto->running()) << destination;
        EXPECT_FALSE(fenetre->toucheAction) << "a broken sign is reported once, not every frame";
    }
}

TEST_F(Destinations, TheConsoleMessageAndNoneDoNothing) {
    for (const char* texte : {"You need to get the console...", "Sign"}) {
        fenetre->recInfoSpecial->visible = true;
        fenetre->lblInfoSpecial->text = texte;
        fenetre->recInfoSpecial->tagString = std::string(texte) == "Sign" ? "NONE" : "grotte2";
        fenetre->gererAction();
        EXPECT_TRUE(erreurs.empty());
        EXPECT_FALSE(fenetre->enPause) << texte;
        EXPECT_FALSE(fenetre->recWaiting->visible) << texte;
    }
}

TEST_F(Destinations, AShopOpensPausedWithItsTitleGreetingAndCount) {
    struct Cas { int diamants; const char* ligne; };
    const Cas cas[] = {{0, "You have 0 diamond."}, {1, "You have 1 diamond."}, {2, "You have 2 diamonds."}};
    for (const Cas& c : cas) {
        fenetre->nbBonus = c.diamants;
        agirSur("store:Food:Taste my fresh products !|They are the best in the whole country !");
        EXPECT_TRUE(erreurs.empty());
        EXPECT_TRUE(fenetre->frmStore->visible);
        EXPECT_TRUE(fenetre->enPause);
        EXPECT_EQ(fenetre->frmStore->lblYouHave->text, c.ligne);
        EXPECT_EQ(fenetre->frmStore->lblTitle->text, "Food");
        EXPECT_EQ(fenetre->frmStore->lblMessage->text,
                  "Taste my fresh products !\r\nThey are the best in the whole country !");
        EXPECT_TRUE(fenetre->frmStore->layArticlesBoucher->visible);
        EXPECT_FALSE(fenetre->frmStore->layArticlesForge->visible);
        fenetre->frmStorebtnForgeBackClick();
        EXPECT_FALSE(fenetre->frmStore->visible);
        EXPECT_FALSE(fenetre->enPause);
    }
}

TEST_F(Destinations, AnExitPausesBehindTheLoadingPanelAndKeepsTheCountdown) {
    fenetre->maxTime = 480000.0 / 86400000.0;
    fenetre->tempsEcoule = 1000.0 / 86400000.0;
    fenetre->heureDebut = fenetre->maintenant();
    clock.advance(500);
    agirSur("foretOuest;139;25;2");
    EXPECT_TRUE(erreurs.empty());
    EXPECT_TRUE(fenetre->enPause);
    EXPECT_TRUE(fenetre->recWaiting->visible);
    EXPECT_TRUE(fenetre->PixelateEffect->enabled);
    EXPECT_TRUE(fenetre->aniPixel->running());
    // 480000 - 1000 - 500 ms left.
    EXPECT_NEAR(fenetre->saveTime * 86400000.0, 478500.0, 0.5);
}

}  // namespace

namespace {

TEST_F(Destinations, ClearingALevelLeavesNoBonusItemsCloudsOrShop) {
    const size_t avant = fenetre->layZoneJeu->childCount();
    fenetre->nbCol = 6;
    fenetre->nbLg = 25;
    fenetre->attaqueHitBox = 3;
    fenetre->layZoneJeu->width = 400;
    fenetre->layZoneJeu->height = 230;
    fenetre->preparerBonus();
    ASSERT_EQ(fenetre->listeBonusOrBonus.size(), 6u);
    ASSERT_EQ(fenetre->listeEnnemisBonus.size(), 4u);
    EXPECT_EQ(fenetre->lblMessageBonus->text, "Get 25 gold items and avoid the clouds");
    EXPECT_EQ(fenetre->layZoneJeu->childCount(), avant + 10);
    fenetre->frmStore->visible = true;
    fenetre->initialiserConteneurs();
    EXPECT_TRUE(fenetre->listeBonusOrBonus.empty());
    EXPECT_TRUE(fenetre->listeEnnemisBonus.empty());
    EXPECT_EQ(fenetre->layZoneJeu->childCount(), avant);
    EXPECT_FALSE(fenetre->layBonus->visible);
    EXPECT_FALSE(fenetre->frmStore->visible);
    EXPECT_FALSE(fenetre->tEnnemiTouche.enabled());
    EXPECT_FALSE(fenetre->BarilExplosionEnCours);
}

}  // namespace
