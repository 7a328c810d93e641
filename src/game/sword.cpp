// The sword attack: one swing of the hero's sheet, in the air or on the ground, where the two ground
// attacks alternate. The hero animation's end (aniPlayerFinish) closes the swing.
#include "app/TfMain.h"

void TfMain::commencerAttaque() {
    attaqueEncours = true;
    const bool aDroite = direction != TDirection::gauche;
    oldAnimation = aDroite ? TAnimationJoueur::actionDroite : TAnimationJoueur::actionGauche;
    if (sol.sautEnCours) {
        afficherSprite(aDroite ? playerAttaqueAir : playerAttaqueAirGauche, 5);
        attaque = 1;
    } else if (attaque == 1) {
        afficherSprite(aDroite ? playerAttaque1 : playerAttaque1Gauche, 5);
        attaque = 2;
    } else {
        afficherSprite(aDroite ? playerAttaque2 : playerAttaque2Gauche, 6);
        attaque = 1;
    }
    aniPlayer->duration = 0.5f;
    aniPlayer->loop = false;
    aniPlayer->start();
    if (sons) jouerSon(mediaCoup, VOLUME_EFFET);
}
