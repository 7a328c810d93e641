// Leaving a level whose load failed: the error has been reported; the half-built level is cleared and the
// player goes back to the world map (or the menu outside a zone run) with the progress kept.
#include "app/TfMain.h"

void TfMain::quitterNiveauApresErreur() {
    tGameloop.setEnabled(false);
    tInvincible.setEnabled(false);
    tMeteo.setEnabled(false);
    layMeteo->visible = false;
    MediaMusique.stop();
    MediaMusiqueBoss.stop();
    initialiserConteneurs();
    layZoneJeu->visible = false;   // the menu's entry leaves the game zone as it is
    // The progress fields are left as they are: the next save writes them.
    afficherStage(niveau.empty() ? TStage::menu : TStage::map);
}
