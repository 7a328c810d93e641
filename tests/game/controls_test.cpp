// The key handlers' flag logic: configured codes matched by key code or character, the bonus stage's
// arrows, the gamepad, the pause, the release rules and the double tap that starts a run.
#include <gtest/gtest.h>
#include <functional>
#include <sstream>
#include <string>
#include <vector>
#include "app/game_runner.h"

namespace {

CommandLine sansFenetre() {
    CommandLine o;
    o.headless = true;
    o.dataDir = testing::TempDir() + "zorlin-controls";
    return o;
}

// A window with the game zone shown and the first-start keys: arrows, Space to jump, "a" to act.
struct Fenetre {
    GameRunner runner{sansFenetre()};
    TfMain& f = runner.fenetre();
    Fenetre() {
        f.layZoneJeu->visible = true;
        f.codeToucheDroite = eng::keys::Right;
        f.codeToucheGauche = eng::keys::Left;
        f.codeToucheHaut = eng::keys::Up;
        f.codeToucheBas = eng::keys::Down;
        f.codeToucheSaut = eng::keys::Space;
        f.codeToucheAction = 'a';   // a character code: matched against the typed character
    }
    // "down Right; up Right; tick" — key events by SDL name, "tick" fires the double-tap window's reset.
    void jouer(const std::string& script) {
        std::istringstream pas(script);
        for (std::string mot; std::getline(pas, mot, ';');) {
            std::istringstream m(mot);
            std::string genre, nom;
            m >> genre >> nom;
            if (genre == "tick") f.tPeutCourirTimer();
            else if (genre == "down") f.FormKeyDown(eng::keyEventFromName(nom, true));
            else f.FormKeyUp(eng::keyEventFromName(nom, false));
        }
    }
    std::string drapeaux() const {
        std::string s;
        s += f.toucheDroite ? 'R' : '-';
        s += f.toucheGauche ? 'L' : '-';
        s += f.toucheHaut ? 'U' : '-';
        s += f.toucheBas ? 'D' : '-';
        s += f.toucheSauter ? 'J' : '-';
        s += f.toucheAction ? 'A' : '-';
        return s;
    }
};

struct CasTouches {
    const char* nom;
    std::function<void(TfMain&)> preparer;
    const char* script;
    const char* drapeaux;   // R L U D J A, '-' when clear
};

TEST(Touches, HeldKeyFlags) {
    const auto rien = [](TfMain&) {};
    const CasTouches cas[] = {
        {"each key sets its flag", rien, "down Right;down Up;down Space;down A", "R-U-JA"},
        {"left then right: both flags until a step", rien, "down Left;down Right", "RL----"},
        {"release right clears it", rien, "down Right;up Right", "------"},
        // Up held: the release settles the up pose and drops up too; right never stays set by itself.
        {"release right while up is held", rien, "down Up;down Right;up Right", "------"},
        {"release up clears up and down", rien, "down Up;down Down;up Up", "------"},
        {"release down clears the jump too", rien, "down Space;down Down;up Down", "------"},
        {"release action", rien, "down A;up A", "------"},
        {"two actions on one key both fire", [](TfMain& f) { f.codeToucheSaut = eng::keys::Up; }, "down Up", "--U-J-"},
        {"a code naming the key's virtual code", [](TfMain& f) { f.codeToucheAction = 'A'; }, "down A", "-----A"},
        {"unknown keys change nothing", rien, "down Z;down Return", "------"},
        {"with a gamepad the keys move nothing", [](TfMain& f) { f.useJoypad = true; }, "down Right;down Space", "------"},
        {"game zone hidden: nothing", [](TfMain& f) { f.layZoneJeu->visible = false; }, "down Right", "------"},
        {"paused: presses count, releases do not", [](TfMain& f) { f.enPause = true; }, "down Right;up Right", "R-----"},
        {"bonus stage: arrows whatever the codes",
         [](TfMain& f) { f.niveauBonus = true; f.codeToucheDroite = 'd'; }, "down Right;down Up", "R-U---"},
        {"bonus stage: an arrow drops its opposite", [](TfMain& f) { f.niveauBonus = true; }, "down Right;down Left", "-L----"},
        {"bonus stage: a release needs the configured key",
         [](TfMain& f) { f.niveauBonus = true; f.codeToucheDroite = 'd'; }, "down Right;up Right", "R-----"},
    };
    for (const CasTouches& c : cas) {
        Fenetre fenetre;
        c.preparer(fenetre.f);
        fenetre.jouer(c.script);
        EXPECT_EQ(fenetre.drapeaux(), c.drapeaux) << c.nom;
    }
}

TEST(Touches, EscapeTogglesThePauseAndClearsTheKeys) {
    Fenetre fenetre;
    fenetre.f.useJoypad = true;   // Escape pauses even with a gamepad
    fenetre.jouer("down Escape");
    EXPECT_TRUE(fenetre.f.enPause);
    EXPECT_TRUE(fenetre.f.imgPause->visible);
    fenetre.f.useJoypad = false;
    fenetre.jouer("down Right;down Escape");
    EXPECT_FALSE(fenetre.f.enPause);
    EXPECT_FALSE(fenetre.f.imgPause->visible);
    EXPECT_EQ(fenetre.drapeaux(), "------");   // a key held across the pause must be pressed again
}

// While the shop is open or a level exit pixelates, the game is held paused by them: Escape leaves that
// pause alone, so no frame runs behind them.
TEST(Touches, EscapeLeavesThePauseOfTheShopAndOfALevelExitAlone) {
    const std::pair<const char*, std::function<void(TfMain&)>> cas[] = {
        {"shop open", [](TfMain& f) { f.ouvrirBoutique("store:Food:Taste my fresh products !"); }},
        {"level exit under way", [](TfMain& f) { f.commencerSortieNiveau(); }},
    };
    for (const auto& [nom, tenir] : cas) {
        Fenetre fenetre;
        tenir(fenetre.f);
        ASSERT_TRUE(fenetre.f.enPause) << nom;
        fenetre.jouer("down Escape;down Escape;down Escape");
        EXPECT_TRUE(fenetre.f.enPause) << nom;
        EXPECT_FALSE(fenetre.f.imgPause->visible) << nom;
    }
}

struct CasCourse {
    const char* nom;
    bool bottes;
    const char* script;
    bool peutCourirDroite;
};

TEST(Touches, DoubleTapArmsTheRun) {
    const CasCourse cas[] = {
        {"double tap with the boots", true, "down Right;up Right;down Right", true},
        {"without the boots never", false, "down Right;up Right;down Right", false},
        {"the window's reset between the taps", true, "down Right;up Right;tick;down Right", false},
        {"a single press", true, "down Right", false},
    };
    for (const CasCourse& c : cas) {
        Fenetre fenetre;
        fenetre.f.aSuperBottes = c.bottes;
        fenetre.f.direction = TDirection::droite;   // the facing of the last step
        fenetre.jouer(c.script);
        EXPECT_EQ(fenetre.f.peutCourirDroite, c.peutCourirDroite) << c.nom;
    }
}

TEST(Touches, ReleasingTheJumpRestoresTheFacingBeforeAPlaneJump) {
    Fenetre fenetre;
    fenetre.f.oldDirection = TDirection::gauche;
    fenetre.f.direction = TDirection::fond;
    fenetre.jouer("down Space;up Space");
    EXPECT_EQ(fenetre.f.direction, TDirection::gauche);
}

}  // namespace
