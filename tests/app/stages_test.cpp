// The stage machine: each stage's entry shows its own screen and hides those that can precede it,
// the stage is stored before the entry runs, and the intro hands over to the menu by itself.
#include <map>
#include "app_fixture.h"
#include "screens/TGameHistory.h"
#include "screens/TGameHowToPlay.h"
#include "screens/TGameIntro.h"
#include "screens/TGameMenu.h"
#include "screens/TfMap.h"

namespace {

class StagesTest : public AppFixture {
protected:
    // The screens by name, as the table below refers to them.
    std::map<std::string, eng::Node*> ecrans() const {
        return {{"intro", fenetre->frmGameIntro},     {"menu", fenetre->frmGameMenu},
                {"map", fenetre->frmMap},             {"history", fenetre->frmGameHistory},
                {"howToPlay", fenetre->frmGameHowToPlay}, {"zone", fenetre->layZoneJeu},
                {"gameOver", fenetre->layGameOver}};
    }
    void toutMontrer() {
        for (auto& [nom, ecran] : ecrans()) ecran->visible = true;
    }
};

struct Entree {
    TStage stage;
    const char* montre;
    std::vector<const char*> caches;
};

TEST_F(StagesTest, EachEntryShowsItsScreenAndHidesThoseBeforeIt) {
    const Entree entrees[] = {
        {TStage::menu, "menu", {"map", "intro", "gameOver"}},
        {TStage::map, "map", {"history", "zone", "menu"}},
        {TStage::history, "history", {"zone", "howToPlay"}},
        {TStage::howToPlay, "howToPlay", {"zone", "menu"}},
    };
    demarrer();
    for (const Entree& entree : entrees) {
        SCOPED_TRACE(entree.montre);
        toutMontrer();
        fenetre->afficherStage(entree.stage);
        EXPECT_EQ(fenetre->activeStage, entree.stage);
        eng::Node* ecran = ecrans().at(entree.montre);
        EXPECT_TRUE(ecran->visible);
        for (const char* cache : entree.caches) EXPECT_FALSE(ecrans().at(cache)->visible) << cache;
    }
}

TEST_F(StagesTest, EnteredScreenIsBroughtInFrontOfTheOtherScreens) {
    demarrer();
    for (TStage stage : {TStage::menu, TStage::map, TStage::history, TStage::howToPlay}) {
        fenetre->afficherStage(stage);
        const std::map<TStage, eng::Node*> ecranDe = {{TStage::menu, fenetre->frmGameMenu},
                                                      {TStage::map, fenetre->frmMap},
                                                      {TStage::history, fenetre->frmGameHistory},
                                                      {TStage::howToPlay, fenetre->frmGameHowToPlay}};
        for (const auto& [autre, ecran] : ecranDe)
            if (autre != stage) {
                EXPECT_GT(ecranDe.at(stage)->indexInParent(), ecran->indexInParent());
            }
    }
}

TEST_F(StagesTest, TheIntroEndsOnTheMenuWhenItsTitleHasFadedIn) {
    demarrer();
    EXPECT_EQ(fenetre->activeStage, TStage::intro);
    EXPECT_TRUE(fenetre->frmGameIntro->visible);
    EXPECT_TRUE(fenetre->frmGameIntro->aniLibelle->running());
    avancer(5000);
    EXPECT_EQ(fenetre->activeStage, TStage::intro);
    avancer(1500);
    EXPECT_EQ(fenetre->activeStage, TStage::menu);
    EXPECT_TRUE(fenetre->frmGameMenu->visible);
    EXPECT_FALSE(fenetre->frmGameIntro->visible);
}

TEST_F(StagesTest, TheStageIsStoredBeforeItsEntryRuns) {
    demarrer();
    fenetre->afficherStage(TStage::menu);
    // Leaving the menu stops its title animation; its end sees the stage already changed.
    TStage vuALaFin = TStage::menu;
    fenetre->frmGameMenu->aniRippleTitre->start();
    fenetre->frmGameMenu->aniRippleTitre->onFinish = [&](eng::Animation&) { vuALaFin = fenetre->activeStage; };
    fenetre->afficherStage(TStage::howToPlay);
    EXPECT_EQ(vuALaFin, TStage::howToPlay);
    EXPECT_FALSE(fenetre->frmGameMenu->aniRippleTitre->running());
}

TEST_F(StagesTest, MenuEntryTakesTheInputChoiceAndGamepadButtonsFromTheOptions) {
    demarrer();
    TGameMenu& menu = *fenetre->frmGameMenu;
    menu.cbTypeControl = 1;
    menu.btnJump = "0";
    menu.btnAction = "2";
    menu.btnPause = "7";
    fenetre->opacity = 0.7f;
    fenetre->mpMusiqueGameover.play();
    fenetre->afficherStage(TStage::menu);
    EXPECT_TRUE(fenetre->useJoypad);
    EXPECT_EQ(fenetre->bSaut, "0");
    EXPECT_EQ(fenetre->bAction, "2");
    EXPECT_EQ(fenetre->bPause, "7");
    EXPECT_FLOAT_EQ(menu.nbOpacity, 0.7f);
    EXPECT_TRUE(menu.aniMenu1->enabled);
    EXPECT_TRUE(menu.FloatAnimation[8]->running());
    EXPECT_FLOAT_EQ(menu.mpMusique.volume(), 0.7f);
}

TEST_F(StagesTest, MapEntryCopiesTheMusicAndSoundSwitchesAndStopsTheMenu) {
    demarrer();
    fenetre->afficherStage(TStage::menu);
    fenetre->frmGameMenu->musics = false;
    fenetre->frmGameMenu->sounds = false;
    fenetre->afficherStage(TStage::map);
    EXPECT_FALSE(fenetre->musiques);
    EXPECT_FALSE(fenetre->sons);
    EXPECT_FALSE(fenetre->frmGameMenu->aniMenu1->enabled);
    EXPECT_FALSE(fenetre->frmGameMenu->FloatAnimation[0]->running());
    EXPECT_TRUE(fenetre->frmMap->aniZoom->running());
    EXPECT_TRUE(fenetre->frmMap->aniBtnMenu->running());
}

TEST_F(StagesTest, StoryAndTutorialTakeTheOptionsSwitchesOnEntry) {
    demarrer();
    fenetre->frmGameMenu->musics = false;
    fenetre->frmGameMenu->sounds = true;
    fenetre->afficherStage(TStage::howToPlay);
    EXPECT_FALSE(fenetre->frmGameHowToPlay->musiques);
    EXPECT_TRUE(fenetre->frmGameHowToPlay->sons);
    fenetre->frmGameMenu->musics = true;
    fenetre->frmGameMenu->sounds = false;
    fenetre->frmGameHowToPlay->tChangementAction.setEnabled(true);
    fenetre->frmGameHowToPlaybtnPlayClick();
    EXPECT_EQ(fenetre->activeStage, TStage::history);
    EXPECT_FALSE(fenetre->frmGameHowToPlay->tChangementAction.enabled());
    EXPECT_TRUE(fenetre->frmGameHistory->musiques);
    EXPECT_FALSE(fenetre->frmGameHistory->sons);
    fenetre->frmGameHistorybtnPlayClick();
    EXPECT_EQ(fenetre->activeStage, TStage::map);
    EXPECT_FALSE(fenetre->frmGameHistory->aniConsoles->running());
}

TEST_F(StagesTest, ContentLargerThanASmallWindowIsFittedIntoIt) {
    demarrer();
    engine->root().width = 640;
    engine->root().height = 480;
    fenetre->afficherStage(TStage::history);
    EXPECT_EQ(fenetre->frmGameHistory->Layout7->align, eng::Align::Contents);
    engine->root().width = 1920;
    engine->root().height = 1080;
    fenetre->frmGameHowToPlay->Layout5->align = eng::Align::Center;
    fenetre->afficherStage(TStage::howToPlay);
    EXPECT_EQ(fenetre->frmGameHowToPlay->Layout5->align, eng::Align::Center);
}

TEST_F(StagesTest, GameStageEntryPreparesTheZoneFromTheOptions) {
    demarrer();
    fenetre->afficherStage(TStage::menu);
    fenetre->frmGameMenu->showFPS = false;
    fenetre->frmGameMenu->nbVie = 4;
    fenetre->frmGameMenu->cbTypeControl = 1;
    fenetre->nomNiveau = "map";   // the run ends at once: what the entry did stays visible
    fenetre->afficherStage(TStage::jeu);
    EXPECT_FALSE(fenetre->lblFPS->visible);
    EXPECT_EQ(fenetre->nbVieMaxOption, 4);
    EXPECT_TRUE(fenetre->useJoypad);
    EXPECT_FLOAT_EQ(fenetre->vitesseXMax, 3.5f);
    EXPECT_FLOAT_EQ(fenetre->vitesseXMaxCourt, 6.0f);
    EXPECT_FLOAT_EQ(fenetre->vitesseXMaxEnMontee, 2.0f);
    EXPECT_FLOAT_EQ(fenetre->vitesseXMaxEnMonteeCourt, 3.0f);
    EXPECT_FLOAT_EQ(fenetre->vitesseYMax, 12.0f);
    EXPECT_FLOAT_EQ(fenetre->layZoneJeu->scale.x, fenetre->SCALE);
    EXPECT_FLOAT_EQ(fenetre->layZoneJeu->scale.y, fenetre->SCALE);
    EXPECT_EQ(fenetre->activeStage, TStage::map);
}

}  // namespace
