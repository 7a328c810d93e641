// The level countdown in the head-up display: "nn:ss", red and blinking in the last 30 seconds,
// "Bonus" struck through once it has expired (the game goes on; only the bonus stage is lost).
#include "app/TfMain.h"
#include "game/chrono.h"

void TfMain::mettreAJourChrono() {
    if (lblChrono->text == texteChronoZero || lblChrono->text == texteChronoExpire) {
        aniChrono->stopAtCurrent();
        lblChrono->opacity = 1;
        lblChrono->bold = false;
        lblChrono->strikeOut = true;
        lblChrono->text = texteChronoExpire;
        return;
    }
    lblChrono->text = formaterChrono(tempsRestant());
    lblChrono->bold = true;
    if (lblChrono->text == texteChronoAlerte) {
        lblChrono->color = eng::colors::Red;
        if (!aniChrono->running()) aniChrono->start();
    }
}

double TfMain::tempsRestant() const {
    return maxTime - tempsEcoule - (maintenant() - heureDebut);
}
