// Building a level: the container each kind of element goes to on each plane, image names, sizes and
// positions, sprite sheets, data slots, difficulty strings, random columns, paths, the barrel launcher.
#include "level_fixture.h"
#include "engine/effects.h"
#include "level/element_images.h"

namespace {

nlohmann::json decor(const char* image, int count, int rows, bool devant, bool bloquer, double opacity = 1) {
    return {{"indice", 0}, {"name", "d"}, {"image", image}, {"count", count}, {"rowcount", rows},
            {"duration", 1.0}, {"opacity", opacity}, {"devant", devant}, {"bloquer", bloquer}};
}

nlohmann::json ennemi(const char* deplacement, int pv, const char* path = "", const char* image2 = "") {
    nlohmann::json e = {{"indice", 0}, {"image1", "sheet4.png"}, {"image2", image2}, {"count", 4},
                        {"duration", 0.5}, {"deplacement", deplacement}, {"hitBox", "2:3:16:20"}, {"pv", pv},
                        {"tir", 0}, {"bloquer", pv == 7}, {"path", path}, {"opacity", 0.75}};
    if (*path) e["durationPath"] = 6.0;   // required whenever a path is given, the barrel's included
    return e;
}

}  // namespace

class LevelBuild : public LevelFixture {};

TEST_F(LevelBuild, DecorGoesToTheContainerOfItsKindAndPlane) {
    struct Cas {
        const char* quoi;
        nlohmann::json definition;
        bool plan2;
        const char* conteneur;
    };
    const Cas cas[] = {
        {"still", decor("still.png", 1, 1, false, false), false, "recDecor"},
        {"still, plane 2", decor("still.png", 1, 1, false, false), true, "recDecor2"},
        {"in front", decor("still.png", 1, 1, true, false), false, "layDecorDevant"},
        {"in front, plane 2", decor("still.png", 1, 1, true, false), true, "recDecorDevant2"},
        {"blocking", decor("still.png", 1, 1, true, true), false, "recDecorBloquant"},
        {"blocking, plane 2", decor("still.png", 1, 1, false, true), true, "recDecorBloquant2"},
        {"animated and blocking", decor("sheet4.png", 4, 1, false, true), false, "recDecorBloquant"},
        {"animated, in front", decor("sheet4.png", 4, 1, true, false), false, "recDecorAnime"},
        {"animated, plane 2", decor("sheet4.png", 2, 1, true, false), true, "recDecorAnime2"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        doc["decorElement"] = nlohmann::json::array({c.definition});
        doc[c.plan2 ? "niveau2" : "niveau"]["decor"] = "0:10:3";
        doc[c.plan2 ? "niveau" : "niveau2"]["decor"] = "";
        charger();
        ASSERT_TRUE(erreurs.empty()) << erreurs.front();
        eng::Node* attendu = engine->root().findChild("layZoneJeu");
        std::vector<eng::Node*> tous = {f->recDecor, f->recDecor2, f->layDecorDevant, f->recDecorDevant2,
                                        f->recDecorBloquant, f->recDecorBloquant2, f->recDecorAnime,
                                        f->recDecorAnime2};
        for (eng::Node* n : tous) {
            const bool ici = n->name == c.conteneur;
            EXPECT_EQ(n->childCount(), ici ? 1u : 0u) << n->name;
            if (ici) attendu = n;
        }
        auto* img = image(attendu, 0);
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->name, "decor0");
        EXPECT_FLOAT_EQ(img->position.x, 96);
        EXPECT_FLOAT_EQ(img->position.y, 320 - img->height);
    }
}

TEST_F(LevelBuild, TileStripsArePicturelessRectanglesOneTileThick) {
    doc["decorElementFromTileSet"] = {
        {{"name", "floor"}, {"width", 320}, {"vertical", false}, {"bloquer", true}, {"devant", false}},
        {{"name", "wall"}, {"width", 96}, {"vertical", true}, {"bloquer", false}, {"devant", true}},
        {{"name", "rug"}, {"width", 64}, {"vertical", false}, {"bloquer", false}, {"devant", false}}};
    doc["niveau"]["decorFromTileSet"] = "0:20:-2;1:20:10;2:5:0";
    doc["niveau2"]["decorFromTileSet"] = "1:20:10;0:3:3";
    charger();
    ASSERT_TRUE(erreurs.empty());
    auto* sol = image(f->recDecorBloquant, 0);
    EXPECT_EQ(sol->name, "decorFromTileSet0");
    EXPECT_EQ(sol->bitmap, nullptr);
    EXPECT_FLOAT_EQ(sol->position.x, -64);
    EXPECT_FLOAT_EQ(sol->position.y, 608);
    EXPECT_FLOAT_EQ(sol->width, 320);
    EXPECT_FLOAT_EQ(sol->height, 32);
    auto* mur = image(f->layDecorDevant, 0);
    EXPECT_EQ(mur->name, "decorFromTileSet1");
    EXPECT_FLOAT_EQ(mur->width, 32);
    EXPECT_FLOAT_EQ(mur->height, 96);
    EXPECT_EQ(image(f->recDecor, 0)->name, "decorFromTileSet2");
    // On plane 2 a front strip that does not block is a plain decor strip.
    EXPECT_EQ(image(f->recDecor2, 0)->name, "decorFromTileSet0");
    EXPECT_EQ(image(f->recDecorBloquant2, 0)->name, "decorFromTileSet1");
}

TEST_F(LevelBuild, PlatformsCarryStyleTilesAndMovement) {
    doc["plateformElement"] = {
        {{"width", 96}, {"height", 32}, {"image", "1:2:6"}, {"animation", "NONE"}, {"style", 0}},
        {{"width", 64}, {"height", 20}, {"image", ""}, {"animation", "x:2:-5:sinusoidal:InOut:loop:autoreverse"},
         {"style", 3}},
        {{"width", 32}, {"height", 32}, {"image", "1"}, {"animation", "-2:0:4:linear:In:loop:noautoreverse:0:360"},
         {"style", 4}}};
    doc["niveau"]["plateformes"] = "0:10:2;1:12:10;2:5:5";
    doc["niveau2"]["plateformes"] = "0:10:2";
    charger();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    ASSERT_EQ(f->recPlateforme->childCount(), 2u);
    auto* tuiles = image(f->recPlateforme, 0);
    EXPECT_EQ(tuiles->name, "plateforme0");
    EXPECT_EQ(tuiles->tag, 0);
    EXPECT_FLOAT_EQ(tuiles->width, 96);
    ASSERT_NE(tuiles->bitmap, nullptr);
    ASSERT_EQ(tuiles->bitmap->width(), 96);
    EXPECT_EQ(tuiles->bitmap->pixel(5, 5), 0xFF000001u);    // tile 1, top-left of the tileset
    EXPECT_EQ(tuiles->bitmap->pixel(40, 5), 0xFF000002u);   // tile 2
    EXPECT_EQ(tuiles->bitmap->pixel(70, 5), 0xFF000006u);   // tile 6: second row, second column
    EXPECT_EQ(tuiles->childCount(), 0u);                    // "NONE": still
    EXPECT_EQ(image(f->recPlateforme2, 0)->bitmap->pixel(5, 5), 0xFF001001u);   // plane 2 cuts its own tileset
    auto* invisible = image(f->recPlateforme, 1);
    EXPECT_EQ(invisible->tag, 3);
    EXPECT_EQ(invisible->bitmap, nullptr);
    EXPECT_FLOAT_EQ(invisible->width, 64);
    EXPECT_FLOAT_EQ(invisible->height, 20);
    EXPECT_FLOAT_EQ(invisible->position.y, 12 * 32 - 20);
    auto* mouvement = invisible->firstChildOfType<eng::FloatAnimation>();
    ASSERT_NE(mouvement, nullptr);
    EXPECT_EQ(mouvement->propertyName, "Position.X");
    EXPECT_FLOAT_EQ(mouvement->startValue, 320);
    EXPECT_FLOAT_EQ(mouvement->stopValue, 320 - 160);
    EXPECT_TRUE(mouvement->loop && mouvement->autoReverse);
    EXPECT_EQ(f->listePlateformes[0]->animation, "none");   // stored lower-cased
    // The turning platform circles a pivot in its own container.
    ASSERT_EQ(f->recPlateformeTournante->childCount(), 1u);
    eng::Node* pivot = f->recPlateformeTournante->child(0);
    EXPECT_FLOAT_EQ(pivot->position.x, 160);
    auto* tournante = dynamic_cast<eng::Image*>(pivot->child(0));
    ASSERT_NE(tournante, nullptr);
    EXPECT_FLOAT_EQ(tournante->position.y, -2 * f->SCALE);
    auto* autour = pivot->firstChildOfType<eng::FloatAnimation>();
    auto* contre = tournante->firstChildOfType<eng::FloatAnimation>();
    ASSERT_TRUE(autour && contre);
    EXPECT_FLOAT_EQ(autour->stopValue, 360);
    EXPECT_FLOAT_EQ(contre->stopValue, -360);
}

TEST_F(LevelBuild, BonusesCountAnimatedDiamondsOnly) {
    doc["bonusElement"] = {
        {{"image", "sheet4.png"}, {"count", 4}, {"duration", 1.0}, {"point", 10}, {"typeBonus", 1}},
        {{"image", "still.png"}, {"count", 1}, {"duration", 1.0}, {"point", 10}, {"typeBonus", 1}},
        {{"image", "sheet4.png"}, {"count", 4}, {"duration", 1.0}, {"point", 1}, {"typeBonus", 2}}};
    doc["niveau"]["bonus"] = "0:5:1;0:5:2;1:5:3;2:5:4";
    doc["niveau2"]["bonus"] = "0:5:1";
    charger();
    ASSERT_EQ(f->recBonus->childCount(), 4u);
    EXPECT_EQ(f->nbBonusMax, 3);   // two animated diamonds on plane 1, one on plane 2
    auto* diamant = image(f->recBonus, 0);
    EXPECT_EQ(diamant->tag, 10);
    EXPECT_EQ(diamant->tagString, "1");
    EXPECT_FLOAT_EQ(diamant->width, 20);    // one frame of the sheet
    EXPECT_FLOAT_EQ(diamant->height, 30);
    auto* feuille = diamant->firstChildOfType<eng::BitmapListAnimation>();
    ASSERT_NE(feuille, nullptr);
    EXPECT_TRUE(feuille->running());
    EXPECT_TRUE(feuille->autoReverse);
    EXPECT_EQ(feuille->interpolation, eng::Interpolation::Sinusoidal);
    EXPECT_EQ(image(f->recBonus, 3)->tagString, "2");
    EXPECT_EQ(image(f->recBonus, 3)->name, "bonus3");
}

TEST_F(LevelBuild, SpecialsCarryKindDestinationAndMessage) {
    auto special = [](bool fin, bool musique, bool masque, const char* message) {
        return nlohmann::json{{"image", "sheet2x2.png"}, {"count", 4}, {"rowcount", 2}, {"duration", 1.0},
                              {"opacity", 0.5}, {"deplacement", "none"}, {"finNiveau", fin}, {"musique", musique},
                              {"niveauSuivant", "foretNord;2;3;1"}, {"message", message},
                              {"masquerPremierPlan", masque}};
    };
    doc["specialElement"] = {special(false, false, false, "Hello"), special(true, false, false, ""),
                             special(true, true, false, ""), special(true, true, true, "")};
    doc["niveau"]["speciaux"] = "0:5:1;1:5:2;2:5:3;3:5:4";
    charger();
    ASSERT_EQ(f->recSpeciaux->childCount(), 4u);
    const float kinds[] = {0, 1, 2, 3};
    const char* destinations[] = {"foretNord;2;3;1", "foretNord;2;3;1", "", ""};
    for (size_t i = 0; i < 4; ++i) {
        auto* s = image(f->recSpeciaux, i);
        EXPECT_FLOAT_EQ(s->tagFloat, kinds[i]);
        EXPECT_EQ(s->tagString, destinations[i]);
        EXPECT_FLOAT_EQ(s->opacity, 0.5f);
        EXPECT_FLOAT_EQ(s->height, 30);   // two rows of 30
    }
    EXPECT_EQ(image(f->recSpeciaux, 0)->hint, "Hello");
}

TEST_F(LevelBuild, DifficultyChoosesTheEnemyStrings) {
    doc["ennemiElement"] = {ennemi("none", 2)};
    doc["niveau"]["ennemis"] = "0:5:1";
    doc["niveau"]["ennemisNormal"] = "0:5:2;0:5:3";
    doc["niveau"]["ennemisDifficile"] = "0:5:4";
    doc["niveau2"]["ennemisDifficile"] = "0:5:9";
    struct Cas {
        TDifficulte difficulte;
        std::vector<std::string> noms;
        size_t plan2;
    };
    const Cas cas[] = {{TDifficulte::facile, {"ennemi0_2"}, 0},
                       {TDifficulte::normal, {"ennemi0_2", "ennemi0_2", "ennemi1_2"}, 0},
                       {TDifficulte::difficile, {"ennemi0_2", "ennemi0_2", "ennemi1_2", "ennemi0_2"}, 1}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.difficulte));
        f->difficulte = c.difficulte;
        charger();
        ASSERT_EQ(f->recEnnemi->childCount(), c.noms.size());
        for (size_t i = 0; i < c.noms.size(); ++i) EXPECT_EQ(f->recEnnemi->child(i)->name, c.noms[i]);
        EXPECT_EQ(f->recEnnemi2->childCount(), c.plan2);
        EXPECT_EQ(f->nbEnnemi, static_cast<int>(c.noms.size() + c.plan2));
    }
}

TEST_F(LevelBuild, EnemySlotsFlashAndMovement) {
    doc["ennemiElement"] = {ennemi("x:4:6:sinusoidal:InOut:noloop:noautoreverse", 7, "", "")};
    doc["niveau"]["ennemis"] = "0:10:10";
    int demiTours = 0;
    f->onDeplacerEnnemiFinish = [&](eng::FloatAnimation&) { ++demiTours; };
    charger();
    auto* e = dynamic_cast<TImageEnnemi*>(f->recEnnemi->child(0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->name, "ennemi0_7");
    EXPECT_EQ(e->hint, "2:3:16:20");
    EXPECT_FLOAT_EQ(e->tagFloat, 7);
    EXPECT_EQ(e->tag, 0);
    EXPECT_TRUE(e->bloquer);
    EXPECT_FLOAT_EQ(e->opacity, 0.75f);
    EXPECT_NE(e->tagString.find("sheet4.png;"), std::string::npos);
    EXPECT_FLOAT_EQ(e->position.y, 320 - 30);
    auto* flash = e->firstChildOfType<eng::InnerGlowEffect>();
    ASSERT_NE(flash, nullptr);
    EXPECT_FALSE(flash->enabled);
    EXPECT_EQ(flash->glowColor, eng::colors::White);
    auto* marche = e->firstChildOfType<eng::FloatAnimation>();
    ASSERT_NE(marche, nullptr);
    EXPECT_FLOAT_EQ(marche->startValue, 320);
    EXPECT_FLOAT_EQ(marche->stopValue, 512);
    EXPECT_FLOAT_EQ(marche->duration, 4);
    marche->advance(4.01f);
    EXPECT_EQ(demiTours, 1);   // the turnaround takes over at the end
}

TEST_F(LevelBuild, EndActionsByHitPoints) {
    struct Cas {
        const char* quoi;
        const char* deplacement;
        int pv;
        int demiTours, chutes;
    };
    const Cas cas[] = {
        {"walker", "x:1:2:linear:In:noloop:noautoreverse", 3, 1, 0},
        {"rising water", "y:120:-53:linear:InOut:noloop:noautoreverse", -3, 0, 0},
        {"barrel", "y:1:5:linear:In:noloop:noautoreverse", -4, 0, 1},
        {"spinner", "r:1:360:linear:In:noloop:noautoreverse", 3, 0, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        doc["ennemiElement"] = {ennemi(c.deplacement, c.pv)};
        doc["niveau"]["ennemis"] = "0:10:10";
        int demiTours = 0, chutes = 0;
        f->onDeplacerEnnemiFinish = [&](eng::FloatAnimation&) { ++demiTours; };
        f->onFinChuteBaril = [&](eng::FloatAnimation&) { ++chutes; };
        charger();
        auto* a = f->recEnnemi->child(0)->firstChildOfType<eng::FloatAnimation>();
        ASSERT_NE(a, nullptr);
        a->stop();
        EXPECT_EQ(demiTours, c.demiTours);
        EXPECT_EQ(chutes, c.chutes);
    }
}

TEST_F(LevelBuild, RandomColumnsDelaysAndPaths) {
    doc["ennemiElement"] = {ennemi("x:4:6:linear:In:noloop:noautoreverse", 2),
                            ennemi("x:4:6:linear:In:noloop:noautoreverse:2", 2),
                            ennemi("none", 2, "64:0;64:-32"), ennemi("none", -4, "baril")};
    doc["niveau"]["ennemis"] = "0:10:r(14,13);0:10:r(14,13);1:10:r(5,3);2:8:4;3:2:6;3:2:7";
    charger();
    ASSERT_EQ(f->recEnnemi->childCount(), 6u);
    for (size_t i = 0; i < 2; ++i) {
        const float x = f->recEnnemi->child(i)->position.x;
        EXPECT_GE(x, 448);
        EXPECT_LE(x, 864);
        const float delai = f->recEnnemi->child(i)->firstChildOfType<eng::FloatAnimation>()->delay;
        EXPECT_TRUE(delai == 0 || delai == 1 || delai == 2 || delai == 3 || delai == 4 || delai == 5) << delai;
    }
    EXPECT_FLOAT_EQ(f->recEnnemi->child(2)->firstChildOfType<eng::FloatAnimation>()->delay, 2);
    auto* tour = f->recEnnemi->child(3)->firstChildOfType<eng::PathAnimation>();
    ASSERT_NE(tour, nullptr);
    const std::vector<eng::PointF> attendu = {{0, 0}, {64, 0}, {64, -32}, {0, 0}};
    EXPECT_EQ(tour->path, attendu);
    EXPECT_TRUE(tour->loop);
    EXPECT_FLOAT_EQ(tour->duration, 6);
    EXPECT_TRUE(f->presenceBaril);
    EXPECT_EQ(f->parentBaril, f->recEnnemi->child(5));   // the last launcher built wins
    EXPECT_EQ(f->recEnnemi->child(5)->firstChildOfType<eng::PathAnimation>(), nullptr);
}

TEST_F(LevelBuild, RisingWaterCoversTheOtherEnemies) {
    doc["ennemiElement"] = {ennemi("y:120:-53:linear:InOut:noloop:noautoreverse", -3), ennemi("none", 2)};
    doc["niveau"]["ennemis"] = "0:60:0;1:5:1;1:5:2";
    charger();
    ASSERT_EQ(f->recEnnemi->childCount(), 3u);
    EXPECT_EQ(f->recEnnemi->child(2)->name, "ennemi0_3");
}

TEST_F(LevelBuild, LevelPictureSetsTheLevelExtentAndContainersAreStacked) {
    doc["niveau"]["decorImage"] = "level.png";
    doc["niveau2"]["decorImage"] = "level2.png";
    doc["decorElement"] = {decor("sheet4.png", 4, 1, true, false), decor("still.png", 1, 1, false, false)};
    doc["niveau"]["decor"] = "1:3:3;0:3:4";
    charger();
    EXPECT_EQ(f->tailleNiveauWidth, 1280);
    EXPECT_EQ(f->tailleNiveauHeight, 640);
    EXPECT_FLOAT_EQ(f->layNiveau->width, 1280);
    EXPECT_EQ(f->recDecor->childCount(), 2u);   // the still decor, then the level picture
    EXPECT_EQ(f->recDecor->child(1)->name, "");
    EXPECT_TRUE(f->decorAnimeDevantDecor);
    EXPECT_GT(f->recDecorAnime->indexInParent(), f->recDecor->indexInParent());
    EXPECT_GT(f->recSpeciaux->indexInParent(), f->recEnnemi->indexInParent());
    EXPECT_GT(f->layNiveau->indexInParent(), f->layNiveau2->indexInParent());
    EXPECT_GT(f->layDecorDevant->indexInParent(), f->layNiveau->indexInParent());
    EXPECT_FLOAT_EQ(f->layNiveau2->position.y, -16);
}

TEST_F(LevelBuild, DocumentValuesTitleWeatherAndHeroPictures) {
    doc["nom"] = "Bonus stage";
    doc["meteo"] = "PluieBack";
    doc["night"] = true;
    doc["player-idle"] = "joueurbonus.png";
    levelfix::ecrirePng(resDir / "JOUEURBONUS.png", 64, 64, 0xFF123456);
    charger("ForetTest");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_TRUE(f->niveauBonus);
    EXPECT_EQ(f->meteo, "pluieback");
    EXPECT_TRUE(f->meteoBack);
    EXPECT_TRUE(f->layMeteo->visible);
    ASSERT_NE(f->flocons, nullptr);
    EXPECT_EQ(f->flocons->kind(), TTypeGoutte::pluie);
    EXPECT_EQ(f->playerIdle->width(), 64);
    EXPECT_EQ(f->playerWalk->width(), 800);
    EXPECT_EQ(f->TileSize, 32);
    EXPECT_FLOAT_EQ(f->demiTile, 16);
    EXPECT_EQ(f->nbTilePerLine, 4);
    EXPECT_EQ(f->playerStartPosY, 800);
    EXPECT_EQ(f->playerHitBox, (IntRect{37, 1, 25, 49}));
    EXPECT_DOUBLE_EQ(f->MaxTimeNormal, 8.0 / 1440);
    f->chargerNiveau("FORETTEST");   // the name is found whatever its case
    EXPECT_TRUE(erreurs.empty());
    doc["nom"] = "East forest";
    doc["meteo"] = "tempest";
    charger();
    EXPECT_FALSE(f->niveauBonus);
    EXPECT_TRUE(f->layMeteo->visible);    // an unknown weather shows the layer empty
    EXPECT_FALSE(f->meteoBack);
    doc["meteo"] = "none";
    charger();
    EXPECT_FALSE(f->layMeteo->visible);
}

TEST_F(LevelBuild, ParallaxLayers) {
    doc["scrollings"] = {{{"image", "back.png"}, {"vitesse", 0.5}, {"posY", 40}, {"foreground", false}, {"continueY", false}},
                         {{"image", "tall.png"}, {"vitesse", 0}, {"posY", 0}, {"foreground", true}, {"continueY", true}}};
    charger();
    ASSERT_EQ(f->listeScrollings.size(), 2u);
    TScrolling* fond = f->listeScrollings[0];
    EXPECT_EQ(fond->parent(), f->layZoneJeu);
    EXPECT_FLOAT_EQ(fond->Vitesse, 0.5f);
    EXPECT_EQ(fond->posY, 40);
    EXPECT_FLOAT_EQ(fond->Rectangle->height, 100);
    EXPECT_GE(fond->Rectangle->width, f->engine.root().width + 200);
    EXPECT_TRUE(f->listeScrollings[1]->foreGround);
    EXPECT_GE(f->listeScrollings[1]->Rectangle->height, f->engine.root().height);
    charger();   // a new load replaces the layers
    EXPECT_EQ(f->listeScrollings.size(), 2u);
    EXPECT_EQ(f->layZoneJeu->firstChildOfType<TScrolling>(), f->listeScrollings[0]);
}
