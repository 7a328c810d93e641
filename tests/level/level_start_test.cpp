// Starting a level: the hero's start, arrival through an exit on either plane, the energy refill rules,
// the restart after a death, the zone fitted to small levels, the vertical camera, the night overlay.
#include "level_fixture.h"

class LevelStart : public LevelFixture {
protected:
    // A level whose picture is `colonnes` x `lignes` tiles, started as the level launch does.
    void demarrer(int colonnes, int lignes, int departX, int departY, int initX = -1, int initY = -1, int plan = 1) {
        levelfix::ecrirePng(resDir / "plane.png", colonnes * 32, lignes * 32, 0xFF808080);
        doc["niveau"]["decorImage"] = "plane.png";
        doc["playerStartPosX"] = departX;
        doc["playerStartPosY"] = departY;
        f->activeStage = TStage::jeu;
        f->layZoneJeu->visible = true;
        charger();
        ASSERT_TRUE(erreurs.empty()) << erreurs.front();
        f->maxTime = f->MaxTimeNormal;
        f->initialiserNiveau(true, initX, initY, plan);
    }
};

TEST_F(LevelStart, FullStartPutsTheHeroOnHisStartTile) {
    demarrer(141, 49, 4, 25);
    EXPECT_FLOAT_EQ(f->joueur->position.x, 128);
    EXPECT_FLOAT_EQ(f->joueur->position.y, 796);   // 4 above the row line 800
    EXPECT_EQ(f->joueur->parent(), f->layNiveau);
    EXPECT_FALSE(f->estSurPlan2);
    EXPECT_EQ(f->direction, TDirection::droite);
    EXPECT_TRUE(f->tGameloop.enabled());
    EXPECT_EQ(f->lblChrono->text, "08:00");
    EXPECT_FALSE(f->consoleAttrapee);
    EXPECT_FLOAT_EQ(f->nbEnergie, f->maxEnergie);
    EXPECT_FLOAT_EQ(f->recEnergie->width, f->maxEnergie + 4);
    EXPECT_FLOAT_EQ(f->recMarqueurEnergie->width, f->maxEnergie);
    EXPECT_EQ(f->aniPlayer->animationBitmap, f->playerIdle);
    EXPECT_TRUE(f->aniPlayer->running());
}

TEST_F(LevelStart, ArrivalThroughAnExitOnPlaneTwoKeepsTheEnergy) {
    f->nbEnergie = 20;
    demarrer(141, 49, 4, 25, 74, 22, 2);
    EXPECT_FLOAT_EQ(f->joueur->position.x, 2368);
    EXPECT_FLOAT_EQ(f->joueur->position.y, 704);
    EXPECT_EQ(f->joueur->parent(), f->layNiveau2);
    EXPECT_EQ(f->joueurPoussiere->parent(), f->layNiveau2);
    EXPECT_TRUE(f->estSurPlan2);
    EXPECT_FLOAT_EQ(f->layNiveau->opacity, f->opacity);
    EXPECT_FLOAT_EQ(f->layDecorDevant->opacity, f->opacity);
    EXPECT_FLOAT_EQ(f->nbEnergie, 20);
}

TEST_F(LevelStart, EnergyRefillByDifficultyAndArrival) {
    struct Cas {
        TDifficulte difficulte;
        int initX, initY;
        bool rempli;
    };
    const Cas cas[] = {{TDifficulte::facile, -1, -1, true},
                       {TDifficulte::normal, -1, -1, true},
                       {TDifficulte::difficile, -1, -1, false},
                       {TDifficulte::normal, 10, 5, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.difficulte));
        f->difficulte = c.difficulte;
        f->nbEnergie = 12;
        demarrer(60, 20, 2, 10, c.initX, c.initY);
        EXPECT_FLOAT_EQ(f->nbEnergie, c.rempli ? f->maxEnergie : 12);
    }
}

TEST_F(LevelStart, RestartAfterADeathIsInvincibleAndKeepsTheCountdown) {
    demarrer(60, 20, 2, 10);
    f->lblChrono->text = "03:12";
    f->nbEnergie = 0;
    f->tGameloop.setEnabled(false);
    f->initialiserNiveau(false, 2, 10, 1);
    EXPECT_TRUE(f->invincible);
    EXPECT_TRUE(f->tInvincible.enabled());
    EXPECT_FLOAT_EQ(f->nbEnergie, f->maxEnergie);
    EXPECT_EQ(f->lblChrono->text, "03:12");
    EXPECT_FLOAT_EQ(f->joueur->position.y, 320);
    EXPECT_TRUE(f->tGameloop.enabled());
}

TEST_F(LevelStart, TheZoneIsFittedToSmallLevels) {
    // The zone shows 400 x 230.4 level units (a 1000 x 576 window at zoom 2.5).
    struct Cas {
        const char* quoi;
        int colonnes, lignes;
        eng::Align alignement;
        float largeur, hauteur;
    };
    const Cas cas[] = {
        {"large level", 141, 49, eng::Align::Client, 400, 230.4f},
        {"house interior: shorter", 25, 5, eng::Align::VertCenter, 400, 160},
        {"narrow shaft: not shorter", 10, 60, eng::Align::HorzCenter, 400, 230.4f},
        {"small room: both", 10, 5, eng::Align::Center, 320, 160},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        demarrer(c.colonnes, c.lignes, 1, 4);
        EXPECT_EQ(f->layZoneJeu->align, c.alignement);
        EXPECT_NEAR(f->layZoneJeu->width, c.largeur, 0.01);
        EXPECT_NEAR(f->layZoneJeu->height, c.hauteur, 0.01);
        // The head-up display spans the zone: the countdown ends at the view's right edge, in view.
        EXPECT_NEAR(f->layHUD->width, c.largeur, 0.01);
        EXPECT_NEAR(f->lblChrono->position.x + f->lblChrono->width, c.largeur, 0.01);
        EXPECT_GE(f->layPlan->position.x, 0);
        // The title sits over the level, clear of the countdown row and above the view's middle.
        EXPECT_GE(f->layNomNiveau->position.y, 35);
        EXPECT_LE(f->layNomNiveau->position.y + f->layNomNiveau->height, c.hauteur * 0.5f + 40);
    }
}

TEST_F(LevelStart, VerticalCameraShowsTheTopTheBottomOrCentresTheHero) {
    // 49 rows: 1568 high; the zone is 230.4 high, half of it 115.2.
    struct Cas {
        int ligne;
        float attendu;
    };
    const Cas cas[] = {{3, 0},                         // hero y 92: top of the level in view
                       {48, -(1568 - 230.4f)},         // hero y 1532: within the last view height
                       {25, 115.2f - 796}};            // hero centred
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        demarrer(141, 49, 4, c.ligne);
        EXPECT_NEAR(f->layNiveau->position.y, c.attendu, 0.01);
        EXPECT_NEAR(f->layNiveau2->position.y, c.attendu - 16, 0.01);
        EXPECT_NEAR(f->layDecorDevant->position.y, f->layNiveau->position.y, 0.01);
    }
}

TEST_F(LevelStart, NightOverlayCoversTheViewAroundTheHero) {
    doc["night"] = true;
    demarrer(60, 20, 5, 10);
    ASSERT_TRUE(f->recNuit->visible);
    const float W = engine->root().width, H = engine->root().height;
    EXPECT_FLOAT_EQ(f->recNuitHaut->width, W * f->SCALE);
    EXPECT_FLOAT_EQ(f->recNuitHaut->height, H);
    EXPECT_FLOAT_EQ(f->recNuitHaut->position.y, -H);
    EXPECT_FLOAT_EQ(f->recNuitBas->position.y, f->recNuit->height);
    EXPECT_FLOAT_EQ(f->recNuitGauche->position.x, -W * 0.5f);
    EXPECT_FLOAT_EQ(f->recNuitDroite->position.x, f->recNuit->width);
    // Centred on the hero.
    EXPECT_NEAR(f->recNuit->position.x + f->recNuit->width / 2, f->joueur->position.x + f->joueur->width / 2, 0.5);
    doc["night"] = false;
    demarrer(60, 20, 5, 10);
    EXPECT_FALSE(f->recNuit->visible);
}

TEST_F(LevelStart, RisingWaterStartsAgainFromBelow) {
    doc["ennemiElement"] = {{{"image1", "still.png"}, {"image2", ""}, {"count", 1}, {"duration", 1},
                             {"deplacement", "y:120:-53:linear:InOut:noloop:noautoreverse"}, {"hitBox", "0:0:32:64"},
                             {"pv", -3}, {"tir", 0}, {"bloquer", false}, {"path", ""}, {"opacity", 1}}};
    doc["niveau"]["ennemis"] = "0:60:0";
    demarrer(25, 60, 7, 52);
    auto* eau = f->recEnnemi->child(0);
    auto* montee = eau->firstChildOfType<eng::FloatAnimation>();
    ASSERT_NE(montee, nullptr);
    EXPECT_TRUE(montee->running());
    EXPECT_FLOAT_EQ(montee->startValue, 60 * 32);
    EXPECT_FLOAT_EQ(eau->position.y, 60 * 32);
}
