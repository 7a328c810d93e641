// Playing one level from the command line, and checking a level headless with its listing on stdout.
// A document that is not a JSON object is a failed check, although the game itself loads it as empty.
#include "level/level_cli.h"
#include <ostream>
#include "app/TfMain.h"
#include "app/game_runner.h"
#include "engine/errors.h"
#include "engine/input.h"
#include "level/level_document.h"
#include "level/level_listing.h"
#include "screens/TGameIntro.h"

namespace {

TDifficulte difficulteDemandee(const CommandLine& options) {
    return static_cast<TDifficulte>(options.difficulty.value_or(static_cast<int>(TDifficulte::normal)));
}

}  // namespace

void demarrerNiveauDirect(TfMain& f, const CommandLine& options) {
    if (f.frmGameIntro) {   // the intro's end would switch to the menu: it does not run
        if (f.frmGameIntro->aniLibelle) f.frmGameIntro->aniLibelle->stopAtCurrent();
        f.frmGameIntro->MediaPlayerMusique.stop();
        f.frmGameIntro->visible = false;
    }
    f.codeToucheDroite = eng::keys::Right;
    f.codeToucheGauche = eng::keys::Left;
    f.codeToucheHaut = eng::keys::Up;
    f.codeToucheBas = eng::keys::Down;
    f.codeToucheSaut = eng::keys::Space;
    f.codeToucheAction = 'A';
    f.nbVie = 3;
    f.difficulte = difficulteDemandee(options);
    f.niveau.clear();   // no zone run: a failed load goes back to the menu
    f.nomNiveau = options.level;
    f.nomNiveauBonus.clear();
    f.saveTime = 0;
    f.tempsEcouleTotal = 0;
    f.afficherStage(TStage::jeu);
    // A bonus stage is only ever met as its zone's bonus stage: played on its own it stays that, so a win
    // records the zone's flag as it does after the zone.
    if (f.niveauBonus) f.nomNiveauBonus = f.nomNiveau;
    f.nbVieMaxOption = 3;
}

int verifierNiveau(const CommandLine& options, std::ostream& out, std::ostream& err) {
    CommandLine headless = options;
    headless.headless = true;
    GameRunner runner(headless);
    TfMain& f = runner.fenetre();
    f.difficulte = difficulteDemandee(options);
    try {
        const std::string text = f.resources.loadText(options.checkLevel);
        if (!LevelDocument::parse(options.checkLevel, text)) {
            err << "Error: Level \"" << options.checkLevel << "\" is not a JSON document with an object root\n";
            return 1;
        }
        f.chargerNiveau(options.checkLevel);
    } catch (const eng::GameError& error) {
        err << "Error: " << error.what() << "\n";
        return 1;
    }
    out << listerNiveau(f).dump() << "\n";
    return 0;
}
