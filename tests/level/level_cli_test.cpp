// The command line of the level code: --check-level prints the built level as one JSON object or fails
// with the error on stderr; --level starts the game stage on a level with the first-start options.
#include <sstream>
#include "level/level_cli.h"
#include "level_fixture.h"

class LevelCli : public LevelFixture {
protected:
    int verifier(const std::string& nom, std::string& sortie, std::string& erreur, int difficulte = 1) {
        CommandLine options;
        options.checkLevel = nom;
        options.resourcesDir = resDir.string();
        options.difficulty = difficulte;
        options.dataDir = (tempDir / "data").string();
        std::ostringstream out, err;
        const int code = verifierNiveau(options, out, err);
        sortie = out.str();
        erreur = err.str();
        return code;
    }
};

TEST_F(LevelCli, CheckLevelListsTheBuiltLevel) {
    doc["niveau"]["decorImage"] = "level.png";
    doc["decorElementFromTileSet"] = {{{"name", "floor"}, {"width", 320}, {"vertical", false}, {"bloquer", true}, {"devant", false}}};
    doc["niveau"]["decorFromTileSet"] = "0:20:-2";
    doc["ennemiElement"] = {{{"image1", "sheet4.png"}, {"image2", ""}, {"count", 4}, {"duration", 1},
                             {"deplacement", "none"}, {"hitBox", "2:3:16:20"}, {"pv", 3}, {"tir", 0},
                             {"bloquer", false}, {"path", ""}, {"opacity", 1}}};
    doc["niveau2"]["ennemisNormal"] = "0:10:4";
    doc["niveau2"]["ennemisDifficile"] = "0:10:5";
    doc["scrollings"] = {{{"image", "back.png"}, {"vitesse", 0.25}, {"posY", 40}, {"foreground", true}, {"continueY", false}}};
    ecrireNiveau("Meadow", doc);
    std::string sortie, erreur;
    ASSERT_EQ(verifier("MEADOW", sortie, erreur), 0) << erreur;
    const auto listing = nlohmann::json::parse(sortie);
    for (const char* cle : {"nom", "niveauBonus", "tileSize", "tailleNiveauWidth", "tailleNiveauHeight", "meteo",
                            "meteoBack", "night", "needConsole", "nbEnnemi", "nbBonusMax", "presenceBaril"})
        EXPECT_TRUE(listing.contains(cle)) << cle;
    EXPECT_EQ(listing["nom"], "Test meadow");
    EXPECT_EQ(listing["tailleNiveauWidth"], 1280);
    EXPECT_EQ(listing["nbEnnemi"], 1);   // normal difficulty: "ennemisDifficile" is not built
    for (const char* c : {"recDecor", "recDecorAnime", "recDecorBloquant", "layDecorDevant", "recPlateforme",
                          "recPlateformeTournante", "recBonus", "recEnnemi", "recSpeciaux"})
        EXPECT_TRUE(listing["plane1"][c].is_array()) << c;
    for (const char* c : {"recDecor2", "recDecorAnime2", "recDecorBloquant2", "recDecorDevant2", "recPlateforme2",
                          "recBonus2", "recEnnemi2", "recSpeciaux2"})
        EXPECT_TRUE(listing["plane2"][c].is_array()) << c;
    const auto& sol = listing["plane1"]["recDecorBloquant"].at(0);
    EXPECT_EQ(sol["name"], "decorFromTileSet0");
    EXPECT_EQ(sol["x"], -64);
    EXPECT_EQ(sol["y"], 608);
    EXPECT_EQ(sol["width"], 320);
    const auto& ennemi = listing["plane2"]["recEnnemi2"].at(0);
    EXPECT_EQ(ennemi["name"], "ennemi0_3");
    EXPECT_EQ(ennemi["tagFloat"], 3);
    EXPECT_EQ(ennemi["hint"], "2:3:16:20");
    for (const char* cle : {"opacity", "tag", "tagString", "height"}) EXPECT_TRUE(ennemi.contains(cle)) << cle;
    ASSERT_EQ(listing["scrollings"].size(), 1u);
    EXPECT_EQ(listing["scrollings"][0]["vitesse"], 0.25);
    EXPECT_EQ(listing["scrollings"][0]["y"], 40);
    EXPECT_EQ(listing["scrollings"][0]["foreGround"], true);
    EXPECT_EQ(listing["scrollings"][0]["continueY"], false);
    EXPECT_TRUE(erreur.empty());
    ASSERT_EQ(verifier("meadow", sortie, erreur, 2), 0);
    EXPECT_EQ(nlohmann::json::parse(sortie)["nbEnnemi"], 2);
}

TEST_F(LevelCli, CheckLevelFailsWithTheErrorOnStderr) {
    struct Cas {
        const char* quoi;
        const char* nom;
        std::function<void()> preparer;
        const char* message;
    };
    const Cas cas[] = {
        {"no such level", "nowhere", [] {}, "nowhere"},
        {"not JSON", "broken", [this] { std::ofstream(resDir / "broken.json") << "nope"; }, "not a JSON"},
        {"missing picture", "nopic", [this] { doc["tilebackImage"] = "lost.png"; ecrireNiveau("nopic", doc); }, "lost.png"},
        {"bad time", "late", [this] { doc = levelfix::niveauDeBase(); doc["maxTimeDifficult"] = 75; ecrireNiveau("late", doc); },
         "maxTimeDifficult"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        c.preparer();
        std::string sortie, erreur;
        EXPECT_EQ(verifier(c.nom, sortie, erreur), 1);
        EXPECT_TRUE(sortie.empty());
        EXPECT_NE(erreur.find(c.message), std::string::npos) << erreur;
    }
}

TEST_F(LevelCli, LevelOptionStartsTheGameStageWithFirstStartValues) {
    ecrireNiveau("meadow", doc);
    f->FormShow();
    CommandLine options;
    options.level = "Meadow";
    options.difficulty = 2;
    demarrerNiveauDirect(*f, options);
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_EQ(f->activeStage, TStage::jeu);
    EXPECT_EQ(f->difficulte, TDifficulte::difficile);
    EXPECT_EQ(f->nbVie, 3);
    EXPECT_EQ(f->codeToucheDroite, 39);
    EXPECT_EQ(f->codeToucheGauche, 37);
    EXPECT_EQ(f->codeToucheSaut, 32);
    EXPECT_EQ(f->codeToucheAction, 'A');
    EXPECT_TRUE(f->tGameloop.enabled());
    EXPECT_EQ(f->lblNomNiveau->text, "Test meadow");
    // The intro does not come back to send the player to the menu.
    for (int i = 0; i < 600; ++i) {
        clock.advance(16);
        engine->step();
    }
    EXPECT_EQ(f->activeStage, TStage::jeu);
    CommandLine parDefaut;
    parDefaut.level = "meadow";
    demarrerNiveauDirect(*f, parDefaut);
    EXPECT_EQ(f->difficulte, TDifficulte::normal);
}

// A bonus stage started on its own is played as its zone's bonus stage, so that a win records the zone's flag;
// an ordinary level started after it offers no bonus stage.
TEST_F(LevelCli, LevelOptionPlaysABonusStageAsItsZonesBonusStage) {
    struct Cas {
        const char* fichier;
        const char* nom;
        bool bonus;
        const char* nomNiveauBonus;
    };
    const Cas cas[] = {
        {"skybonus", "Sky bonus stage", true, "skybonus"},
        {"meadow", "Test meadow", false, ""},
    };
    f->FormShow();
    for (const Cas& c : cas) {
        doc["nom"] = c.nom;
        ecrireNiveau(c.fichier, doc);
        CommandLine options;
        options.level = c.fichier;
        demarrerNiveauDirect(*f, options);
        ASSERT_TRUE(erreurs.empty()) << erreurs.front();
        EXPECT_EQ(f->niveauBonus, c.bonus) << c.fichier;
        EXPECT_EQ(f->nomNiveauBonus, c.nomNiveauBonus) << c.fichier;
    }
}
