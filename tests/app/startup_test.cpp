// Start-up and shutdown of the main window: start values, empty bitmaps, hidden layers, disabled timers,
// the game font over every text, and the bitmaps freed at shutdown.
#include <functional>
#include "app_fixture.h"
#include "screens/TGameMenu.h"

namespace {

using StartupTest = AppFixture;

TEST_F(StartupTest, FormCreateSetsTheStartValues) {
    TfMain& f = *fenetre;
    // Values a previous game could have left behind are put back by the start-up.
    f.aNes = f.aSuperBonus = f.aSNES = true;
    f.musiques = f.sons = false;
    f.opacity = 0.9f;
    f.maxEnergie = 175;
    f.endurance = 0.2f;
    f.tEnnemiToucheDelais = 2500;
    f.configJoypad = 2;
    f.btnAppuyer = "3";
    f.directionJoypad = "haut";
    f.useJoypad = true;
    f.SCALE = 4;
    f.FormCreate();

    EXPECT_FALSE(f.aNes || f.aSuperBonus || f.aSNES);
    EXPECT_TRUE(f.musiques);
    EXPECT_TRUE(f.sons);
    EXPECT_FLOAT_EQ(f.opacity, 0.4f);
    EXPECT_FLOAT_EQ(f.maxEnergie, 75);
    EXPECT_FLOAT_EQ(f.nbEnergie, 75);   // the gauge is refilled
    EXPECT_FLOAT_EQ(f.endurance, 1.0f);
    EXPECT_EQ(f.tEnnemiToucheDelais, 1000);
    EXPECT_EQ(f.configJoypad, -1);
    EXPECT_TRUE(f.btnAppuyer.empty());
    EXPECT_TRUE(f.directionJoypad.empty());
    EXPECT_FALSE(f.useJoypad);
    EXPECT_FALSE(f.niveauBonus);
    EXPECT_FALSE(f.night);
    EXPECT_FLOAT_EQ(f.SCALE, 2.5f);
    EXPECT_FLOAT_EQ(f.SCALE_INITIALE, 2.5f);
    EXPECT_EQ(f.difficulte, TDifficulte::facile);
}

TEST_F(StartupTest, FormCreateHidesTheGameZoneAndLeavesEveryTimerOff) {
    fenetre->FormCreate();
    TfMain& f = *fenetre;
    EXPECT_FALSE(f.layZoneJeu->visible);
    EXPECT_FALSE(f.layZoneJeu->hitTest);
    EXPECT_FALSE(f.layBonus->visible);
    EXPECT_FALSE(f.layGameOver->visible);
    EXPECT_FALSE(f.recWaiting->visible);
    EXPECT_TRUE(f.lblFPS->visible);
    for (const eng::Timer* timer : {&f.tGameloop, &f.tInvincible, &f.tCourt, &f.tPeutCourir, &f.tEnnemiTouche, &f.tFPS})
        EXPECT_FALSE(timer->enabled());
    EXPECT_EQ(f.tGameloop.interval(), 16);
    EXPECT_EQ(f.tInvincible.interval(), 2000);
    EXPECT_EQ(f.tCourt.interval(), 200);
    EXPECT_EQ(f.tPeutCourir.interval(), 500);
    EXPECT_EQ(f.tFPS.interval(), 1000);
}

TEST_F(StartupTest, HeroBitmapsAreCreatedEmptyAndFreedAtShutdown) {
    fenetre->FormCreate();
    const auto bitmaps = fenetre->bitmapsJoueur();
    for (const eng::BitmapPtr* bitmap : bitmaps) {
        ASSERT_TRUE(*bitmap);
        EXPECT_TRUE((*bitmap)->isEmpty());
    }
    fenetre->FormDestroy();
    for (const eng::BitmapPtr* bitmap : bitmaps) EXPECT_FALSE(*bitmap);
}

TEST_F(StartupTest, HighScoreFileLiesInTheSavesFolder) {
    fenetre->FormCreate();
    const std::filesystem::path expected = tempDir / "data" / "saves" / "highscores.gdb";
    EXPECT_EQ(std::filesystem::path(fenetre->ficBDD).lexically_normal(), expected.lexically_normal());
}

TEST_F(StartupTest, FormShowGivesEveryTextTheGameFontAndOpensOnTheIntro) {
    fenetre->FormCreate();
    auto* perdu = fenetre->frmGameMenu->add<eng::Layout>()->add<eng::Label>();   // deep inside a screen
    perdu->fontFamily = "Sans";
    fenetre->lblChrono->fontFamily = "Serif";
    fenetre->FormShow();

    int labels = 0;
    std::function<void(const eng::Node&)> walk = [&](const eng::Node& node) {
        for (const auto& child : node.children()) {
            if (const auto* label = dynamic_cast<const eng::Label*>(child.get())) {
                ++labels;
                EXPECT_EQ(label->fontFamily, "Arlett Future") << label->name;
            }
            walk(*child);
        }
    };
    walk(engine->root());
    EXPECT_GT(labels, 2);
    EXPECT_EQ(fenetre->activeStage, TStage::intro);
}

}  // namespace
