// Leaving a level through an exit: the countdown left is kept for the next level, the game pauses behind
// the "Loading..." panel and the game zone pixelates; the end of the pixelation launches the destination.
#include "app/TfMain.h"

void TfMain::commencerSortieNiveau() {
    saveTime = (maxTime - tempsEcoule) - (maintenant() - heureDebut);
    basculerPause(false);
    recWaiting->visible = true;
    recWaiting->bringToFront();
    PixelateEffect->enabled = true;
    aniPixel->start();
}
