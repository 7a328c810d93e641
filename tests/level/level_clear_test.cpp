// Clearing a level leaves nothing behind: no element image, animation, effect or parallax layer of either
// plane, empty definition lists, counters back to zero, and no end action fired during the clearing.
#include <algorithm>
#include "level_fixture.h"

namespace {

size_t elementsDuNiveau(TfMain& f) {
    size_t total = 0;
    for (eng::Node* c : {static_cast<eng::Node*>(f.recDecor), static_cast<eng::Node*>(f.recPlateforme), static_cast<eng::Node*>(f.recEnnemi),
                         static_cast<eng::Node*>(f.recBonus), static_cast<eng::Node*>(f.recDecorBloquant), static_cast<eng::Node*>(f.recDecorAnime),
                         static_cast<eng::Node*>(f.recSpeciaux), static_cast<eng::Node*>(f.recPlateformeTournante), static_cast<eng::Node*>(f.layDecorDevant),
                         static_cast<eng::Node*>(f.recBonus2), static_cast<eng::Node*>(f.recDecor2), static_cast<eng::Node*>(f.recDecorAnime2),
                         static_cast<eng::Node*>(f.recDecorBloquant2), static_cast<eng::Node*>(f.recEnnemi2), static_cast<eng::Node*>(f.recPlateforme2),
                         static_cast<eng::Node*>(f.recSpeciaux2), static_cast<eng::Node*>(f.recDecorDevant2)})
        total += c->childCount();
    return total;
}

}  // namespace

class LevelClear : public LevelFixture {
protected:
    void remplir() {
        const nlohmann::json decorAnime = {{"image", "sheet4.png"}, {"count", 4}, {"rowcount", 1}, {"duration", 1},
                                           {"opacity", 1}, {"devant", false}, {"bloquer", false}};
        doc["decorElement"] = {decorAnime};
        doc["plateformElement"] = {{{"width", 64}, {"height", 32}, {"image", "1:2"},
                                    {"animation", "x:2:3:linear:In:loop:autoreverse"}, {"style", 3}},
                                   {{"width", 32}, {"height", 32}, {"image", "1"},
                                    {"animation", "1:1:2:linear:In:loop:noautoreverse:0:360"}, {"style", 4}}};
        doc["bonusElement"] = {{{"image", "sheet4.png"}, {"count", 4}, {"duration", 1}, {"point", 10}, {"typeBonus", 1}}};
        doc["ennemiElement"] = {{{"image1", "sheet4.png"}, {"image2", "sheet4.png"}, {"count", 4}, {"duration", 1},
                                 {"deplacement", "x:1:2:linear:In:noloop:noautoreverse"}, {"hitBox", "0:0:20:30"},
                                 {"pv", 2}, {"tir", 0}, {"bloquer", false}, {"path", "32:0"}, {"durationPath", 2},
                                 {"opacity", 1}},
                                {{"image1", "still.png"}, {"image2", ""}, {"count", 1}, {"duration", 1},
                                 {"deplacement", "none"}, {"hitBox", "0:0:1:1"}, {"pv", -4}, {"tir", 0},
                                 {"bloquer", false}, {"path", "baril"}, {"durationPath", 1}, {"opacity", 1}}};
        doc["specialElement"] = {{{"image", "still.png"}, {"count", 1}, {"rowcount", 1}, {"duration", 1},
                                  {"opacity", 1}, {"deplacement", "none"}, {"finNiveau", true}, {"musique", false},
                                  {"niveauSuivant", "map"}, {"message", ""}, {"masquerPremierPlan", false}}};
        doc["scrollings"] = {{{"image", "back.png"}, {"vitesse", 0.5}, {"posY", 0}, {"foreground", false},
                              {"continueY", false}}};
        for (const char* plan : {"niveau", "niveau2"}) {
            doc[plan]["decor"] = "0:5:1";
            doc[plan]["plateformes"] = "0:6:1;1:6:4";
            doc[plan]["bonus"] = "0:4:1;0:4:2";
            doc[plan]["ennemis"] = "0:8:1;1:2:5";
            doc[plan]["speciaux"] = "0:8:9";
            doc[plan]["decorImage"] = "level.png";
        }
        doc["meteo"] = "neige";
        charger();
        ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    }
};

TEST_F(LevelClear, NothingOfTheLevelSurvives) {
    remplir();
    ASSERT_EQ(elementsDuNiveau(*f), 18u);   // per plane: decor, 2 platforms, 2 bonuses, 2 enemies, special, picture
    ASSERT_TRUE(f->presenceBaril);
    ASSERT_EQ(f->nbEnnemi, 4);
    int finsPendantLeffacement = 0;
    f->onDeplacerEnnemiFinish = [&](eng::FloatAnimation&) { ++finsPendantLeffacement; };
    f->onFinChuteBaril = [&](eng::FloatAnimation&) { ++finsPendantLeffacement; };
    // A platform is falling with the shared drop animation, and an enemy is stunned.
    f->aniPlateforme->setParent(f->recPlateforme->child(0));
    f->aniPlateforme->start();
    f->tEnnemiTouche.setEnabled(true);
    f->initialiserConteneurs();
    EXPECT_EQ(elementsDuNiveau(*f), 0u);
    EXPECT_EQ(finsPendantLeffacement, 0);
    EXPECT_TRUE(f->listeScrollings.empty());
    EXPECT_EQ(f->layZoneJeu->firstChildOfType<TScrolling>(), nullptr);
    EXPECT_TRUE(f->listeDecor.empty() && f->listeDecorsTileset.empty() && f->listePlateformes.empty() &&
                f->listeBonus.empty() && f->listeEnnemis.empty() && f->listeSpecial.empty());
    EXPECT_EQ(f->nbEnnemi, 0);
    EXPECT_EQ(f->nbBonusMax, 0);
    EXPECT_FALSE(f->presenceBaril);
    EXPECT_EQ(f->parentBaril, nullptr);
    EXPECT_FALSE(f->tEnnemiTouche.enabled());
    // The shared drop survives, back in the game zone and not running.
    EXPECT_EQ(f->aniPlateforme->parent(), f->layZoneJeu);
    EXPECT_FALSE(f->aniPlateforme->running());
    // Time passing after the clearing runs nothing of the old level.
    for (int i = 0; i < 200; ++i) {
        clock.advance(16);
        engine->step();
    }
    EXPECT_EQ(finsPendantLeffacement, 0);
    EXPECT_EQ(elementsDuNiveau(*f), 0u);
}

TEST_F(LevelClear, ReloadingGivesTheSameSceneAndOneWeatherSystem) {
    remplir();
    const size_t avant = elementsDuNiveau(*f);
    ASSERT_NE(f->flocons, nullptr);
    f->flocons->FSpeedX = 99;   // marks the first system
    remplir();
    EXPECT_EQ(elementsDuNiveau(*f), avant);
    EXPECT_EQ(f->listeScrollings.size(), 1u);
    ASSERT_NE(f->flocons, nullptr);
    EXPECT_EQ(f->flocons->FSpeedX, 0);   // a new system replaced the first
    EXPECT_EQ(f->flocons->floconsCount(), 200);
    // Shown in the game zone, the snow steps and draws itself into the weather layer every frame.
    f->layZoneJeu->visible = true;
    const float y0 = f->flocons->gouttes()[0]->Position.y;
    for (int i = 0; i < 3; ++i) {
        clock.advance(16);
        engine->step();
    }
    EXPECT_NE(f->flocons->gouttes()[0]->Position.y, y0);
    const auto& pixels = f->imgMeteo->bitmap->pixels();
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](eng::AlphaColor p) { return eng::alphaOf(p) != 0; }));
}

TEST_F(LevelClear, TheReturnToTheMapEmptiesTheLevel) {
    remplir();
    f->activeStage = TStage::jeu;
    f->lancerNiveau("map", -1, -1, 1);
    EXPECT_EQ(elementsDuNiveau(*f), 0u);
    EXPECT_TRUE(f->listeEnnemis.empty());
    EXPECT_EQ(f->nbEnnemi, 0);
    EXPECT_EQ(f->nbBonusMax, 0);
    EXPECT_FALSE(f->presenceBaril);
}
