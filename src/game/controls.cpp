// The keyboard: key handlers that only set and clear the held-key flags, and the per-frame
// translation of those flags into steps, jumps, poses and actions.
#include "app/TfMain.h"
#include "screens/TfStore.h"

namespace {
// A configured code may name the key's virtual code or the character it types.
bool correspond(int code, const eng::KeyEvent& e) {
    return code != 0 && (code == e.keyCode || static_cast<char32_t>(code) == e.keyChar);
}
}  // namespace

void TfMain::FormKeyDown(const eng::KeyEvent& e) {
    if (!layZoneJeu || !layZoneJeu->visible) return;
    if (e.keyCode == eng::keys::Escape) {
        if (!pauseTenueAilleurs()) basculerPause(true);
        return;
    }
    if (niveauBonus) {
        if (e.keyCode == eng::keys::Left && !toucheGauche) { toucheGauche = true; toucheDroite = false; }
        if (e.keyCode == eng::keys::Up && !toucheHaut) { toucheHaut = true; toucheBas = false; }
        if (e.keyCode == eng::keys::Right && !toucheDroite) { toucheDroite = true; toucheGauche = false; }
        if (e.keyCode == eng::keys::Down && !toucheBas) { toucheBas = true; toucheHaut = false; }
        return;
    }
    if (useJoypad) return;
    if (correspond(codeToucheDroite, e)) { toucheDroite = true; verifierCourse(); }
    if (correspond(codeToucheGauche, e)) { toucheGauche = true; verifierCourse(); }
    if (correspond(codeToucheBas, e)) toucheBas = true;
    if (correspond(codeToucheHaut, e)) toucheHaut = true;
    if (correspond(codeToucheSaut, e)) toucheSauter = true;
    if (correspond(codeToucheAction, e)) toucheAction = true;
}

// The shop and a level exit hold the game paused themselves: a pause toggled over them would let the
// frames run behind the shop or the pixelation, and the hero walk off during his own exit.
bool TfMain::pauseTenueAilleurs() const {
    return (frmStore && frmStore->visible) || (recWaiting && recWaiting->visible);
}

void TfMain::FormKeyUp(const eng::KeyEvent& e) {
    if (enPause) return;
    const bool droite = correspond(codeToucheDroite, e), gauche = correspond(codeToucheGauche, e);
    const bool haut = correspond(codeToucheHaut, e), bas = correspond(codeToucheBas, e);
    const bool saut = correspond(codeToucheSaut, e), action = correspond(codeToucheAction, e);
    if (niveauBonus) {
        if (droite) { toucheDroite = false; accelerationH = 0; }
        if (gauche) { toucheGauche = false; accelerationH = 0; }
        if (bas) { toucheBas = false; accelerationV = 0; }
        if (haut) { toucheHaut = false; accelerationV = 0; }
        return;
    }
    // A released direction always drops its own flag, even while up or down is held (stopperMouvement then
    // only settles the pose): otherwise the hero would walk on by himself once up or down is released.
    if (droite) { stopperMouvement(true); toucheDroite = false; relacherDirection(); }
    if (gauche) { stopperMouvement(false); toucheGauche = false; relacherDirection(); }
    if (haut || bas) relacherHautBas();
    if (haut || bas || saut) toucheSauter = false;
    if (saut) direction = oldDirection;
    if (action) toucheAction = false;
}

void TfMain::gererTouches() {
    if (niveauBonus) {
        if (toucheDroite) deplacerBonusDroite();
        if (toucheGauche) deplacerBonusGauche();
        if (toucheHaut) deplacerBonusHaut();
        if (toucheBas) deplacerBonusBas();
        return;
    }
    if (attaqueEncours) return;
    if (toucheHaut) {
        if (!sol.sautEnCours && Niveau2Possible() && layNiveau->opacity == 1.0f) apercevoirPlanArriere();
        regarderHaut();
        vitesseX = 0;
    } else if (!estSurPlan2) {
        layNiveau->opacity = 1;
        layDecorDevant->opacity = 1;
        mettreScrollingPremierPlan();
    }
    if (toucheBas) {
        accroupir();
        vitesseX = 0;
        if (sol.sautEnCours) vitesseY = vitesseYMax;  // fast fall
    }
    if (toucheSauter) sauter();
    if (toucheDroite) avancer();
    if (toucheGauche) reculer();
    if (toucheAction) gererAction();
}

// The up-key preview: the front plane fades so that the player sees the back plane before jumping.
void TfMain::apercevoirPlanArriere() {
    aniApercuPlan->stopAtCurrent();
    aniApercuPlan->startValue = layNiveau->opacity;
    aniApercuPlan->stopValue = opacity;
    aniApercuPlan->start();
    mettreScrollingPremierPlan();
}

void TfMain::regarderHaut() {
    if (sol.sautEnCours) return;
    oldAnimation = TAnimationJoueur::haut;
    afficherSprite(estSurPlan2 ? playerSauterDevant : playerSauterDerriere, 1);
}

void TfMain::accroupir() {
    oldAnimation = TAnimationJoueur::bas;
    afficherSprite(direction == TDirection::droite ? playerCrouch : playerCrouchGauche, 6);
}

void TfMain::stopperMouvement(bool droite) {
    vitesseX = 0;
    if (toucheHaut) {
        regarderHaut();
        toucheHaut = false;
    } else if (toucheBas) {
        accroupir();
        toucheBas = false;
    } else {
        if (droite || oldDirection == TDirection::droite) {
            oldAnimation = TAnimationJoueur::idleDroite;
            toucheDroite = false;
        } else {
            oldAnimation = TAnimationJoueur::idleGauche;
        }
        toucheGauche = false;
    }
}

void TfMain::initialiserTouches(bool initierAction) {
    toucheDroite = toucheGauche = toucheHaut = toucheBas = toucheSauter = false;
    if (initierAction) toucheAction = false;
}

void TfMain::verifierCourse() {
    if (!aSuperBottes) return;
    peutCourirDroite = false;
    peutCourirGauche = false;
    if ((detecterPeutCourirDroite || countRight > 1) && direction == TDirection::droite) {
        peutCourirDroite = true;
        peutCourirGauche = false;
    }
    if ((detecterPeutCourirGauche || countLeft > 1) && direction == TDirection::gauche) {
        peutCourirDroite = false;
        peutCourirGauche = true;
    }
}

void TfMain::relacherDirection() {
    if (joueurCourt && !toucheDroite && !toucheGauche) {
        joueurCourt = false;
        tCourt.setEnabled(false);
        peutCourirDroite = false;
        peutCourirGauche = false;
        return;
    }
    if (!aSuperBottes) return;
    if (direction == TDirection::droite) {
        detecterPeutCourirDroite = true;
        detecterPeutCourirGauche = false;
    } else if (direction == TDirection::gauche) {
        detecterPeutCourirDroite = false;
        detecterPeutCourirGauche = true;
    } else {
        detecterPeutCourirDroite = false;
        detecterPeutCourirGauche = false;
        tPeutCourir.setEnabled(false);
        countRight = 0;
        countLeft = 0;
    }
}

void TfMain::relacherHautBas() {
    toucheHaut = false;
    toucheBas = false;
    stopperMouvement(direction == TDirection::droite);
}
