// Game over and leaving a level: the level stops, the game-over tune and screen replace the game zone,
// and "Back to menu" returns to the main menu.
#include "app/TfMain.h"
#include "screens/TGameMenu.h"

void TfMain::arreterNiveau() {
    MediaMusique.stop();
    tGameloop.setEnabled(false);
    initialiserConteneurs();
}

void TfMain::finDePartie() {
    MediaMusique.stop();
    if (musiques) jouerSon(mpMusiqueGameover, VOLUME_MUSIQUE);
    arreterNiveau();
    MediaMusiqueBoss.stop();
    layZoneJeu->visible = false;
    layGameOver->bringToFront();
    layGameOver->visible = true;
    if (ajouterHighScore) ajouterHighScore();
    tGameloop.setEnabled(false);
    tFPS.setEnabled(false);
    // The running drain and the invincibility belong to the level that just ended.
    tCourt.setEnabled(false);
    joueurCourt = false;
}

void TfMain::btnBackToMenuClick() {
    layGameOver->visible = false;
    mpMusiqueGameover.stop();
    if (sons && frmGameMenu) jouerSon(frmGameMenu->mpClic, VOLUME_EFFET);
    afficherStage(TStage::menu);
}

bool TfMain::afficherFPS() const {
    return frmGameMenu && frmGameMenu->showFPS;
}

void TfMain::changerAfficherFPS(bool montrer) {
    if (frmGameMenu) frmGameMenu->showFPS = montrer;
}
