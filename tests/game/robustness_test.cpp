// The game under abuse, headless on the real program path: every key held at once, an hour of random key
// mashing, and a pause in every state of the hero. Nothing may crash, stick or drift.
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>
#include "app/game_runner.h"
#include "level/level_cli.h"

namespace {

const std::vector<std::string> touches = {"Right", "Left", "Up", "Down", "Space", "A", "Escape"};

// The game as the headless runner plays it (same level start, same step), without drawing, so that an hour
// of play runs in seconds.
class Partie {
public:
    explicit Partie(const std::string& niveau) {
        fenetre_ = std::make_unique<TfMain>(engine_);
        fenetre_->resources.addSearchDir(std::string(ZORLIN_FIXTURES) + "/replays");
        fenetre_->FormCreate();
        fenetre_->FormShow();
        CommandLine options;
        options.level = niveau;
        demarrerNiveauDirect(*fenetre_, options);
    }
    void tick() {
        horloge_.advance(GameRunner::TICK_MS);
        engine_.step();
    }
    TfMain& fenetre() { return *fenetre_; }
    eng::Engine& engine() { return engine_; }

private:
    eng::ManualClock horloge_;
    eng::Engine engine_{horloge_, 7};
    std::unique_ptr<TfMain> fenetre_;
};

// Releases every key and leaves the pause, so that the hero must come to rest.
void toutRelacher(Partie& runner) {
    for (const std::string& nom : touches) runner.engine().queueKey(eng::keyEventFromName(nom, false));
    if (runner.fenetre().enPause) {
        runner.engine().queueKey(eng::keyEventFromName("Escape", true));
        runner.engine().queueKey(eng::keyEventFromName("Escape", false));
    }
}

// After every key is released the hero stands, or the game is over; no flag is left behind.
void verifierAuRepos(TfMain& f) {
    EXPECT_FALSE(f.enPause);
    EXPECT_FALSE(f.toucheDroite || f.toucheGauche || f.toucheHaut || f.toucheBas || f.toucheSauter);
    EXPECT_FALSE(f.joueurCourt);
    EXPECT_FALSE(f.tCourt.enabled());
    EXPECT_FALSE(f.basculePlanEnCours);
    EXPECT_TRUE(std::isfinite(f.joueur->position.x) && std::isfinite(f.joueur->position.y));
    EXPECT_LE(f.nbEnergie, f.maxEnergie);
    if (f.layGameOver->visible) return;
    EXPECT_EQ(f.vitesseX, 0.0f);
    EXPECT_FALSE(f.sol.sautEnCours);
    EXPECT_FALSE(f.estMort);
}

// Runs `ticks` ticks: `avant(k)` before tick k; at `repos` every key is released; checks the rest at the end.
void jouer(const std::string& niveau, int ticks, int repos, const std::function<void(Partie&, int)>& avant) {
    Partie partie(niveau);
    partie.fenetre().nbVie = 1000000;   // deaths and falls go on all hour
    partie.fenetre().aSuperBottes = true;
    partie.fenetre().tPeutCourir.setEnabled(true);
    for (int k = 0; k < ticks; ++k) {
        if (k < repos) avant(partie, k);
        else if (k == repos) toutRelacher(partie);
        partie.tick();
    }
    verifierAuRepos(partie.fenetre());
}

TEST(Robustesse, EveryKeyHeldAtOnce) {
    jouer("fx_plat", 900, 600, [](Partie& runner, int k) {
        if (k != 0) return;
        for (const std::string& nom : touches) runner.engine().queueKey(eng::keyEventFromName(nom, true));
        // Escape paused the game: leave the pause with everything else still held down.
        runner.engine().queueKey(eng::keyEventFromName("Escape", true));
    });
}

TEST(Robustesse, AnHourOfRandomKeyMashing) {
    constexpr int uneHeure = 60 * 60 * 1000 / GameRunner::TICK_MS;
    std::mt19937 hasard(20261211);
    jouer("fx_plat", uneHeure + 600, uneHeure, [&](Partie& runner, int) {
        if (hasard() % 4 != 0) return;
        const std::string& nom = touches[hasard() % touches.size()];
        runner.engine().queueKey(eng::keyEventFromName(nom, hasard() % 2 == 0));
    });
}

struct Appui {
    int tick;
    const char* touche;
    bool bas;
};

struct EtatEnPause {
    const char* nom;
    const char* niveau;
    std::vector<Appui> appuis;
    int pause;             // tick of the pause; it lasts 200 ticks
    float energie = 75;    // 1: the run ends in a death animation within a few ticks
};

TEST(Robustesse, PauseInEveryState) {
    const std::vector<Appui> course = {{0, "Right", true}, {1, "Right", false}, {2, "Right", true}};
    const EtatEnPause cas[] = {
        {"standing", "fx_plat", {}, 10},
        {"walking", "fx_plat", {{0, "Right", true}}, 10},
        {"running", "fx_plat", course, 10},
        {"rising", "fx_plat", {{5, "Space", true}, {6, "Space", false}}, 12},
        {"falling", "fx_plat", {{5, "Space", true}, {6, "Space", false}}, 30},
        {"switching planes", "fx_plat", {{0, "Up", true}, {1, "Space", true}}, 3},
        {"crouching", "fx_plat", {{0, "Down", true}}, 5},
        {"falling out of the level", "fx_trou", {}, 24},
        {"dying", "fx_plat", course, 30, 1},
        {"on a falling platform", "fx_tombe", {}, 40},
        {"carried", "fx_ascenseur", {}, 20},
        {"against a wall", "fx_mur", {{0, "Right", true}}, 60},
    };
    for (const EtatEnPause& c : cas) {
        SCOPED_TRACE(c.nom);
        jouer(c.niveau, 700, 400, [&](Partie& runner, int k) {
            eng::Engine& engine = runner.engine();
            if (k == 0) runner.fenetre().nbEnergie = c.energie;
            for (const Appui& appui : c.appuis)
                if (appui.tick == k) engine.queueKey(eng::keyEventFromName(appui.touche, appui.bas));
            if (k == c.pause || k == c.pause + 200) {
                engine.queueKey(eng::keyEventFromName("Escape", true));
                engine.queueKey(eng::keyEventFromName("Escape", false));
            }
            if (k == c.pause + 100) {
                EXPECT_TRUE(runner.fenetre().enPause);
            }
        });
    }
}

}  // namespace
