// The hero's steps: walking and running left and right (slower uphill), the jump and its poses, the dust,
// and the free moves of the bonus-stage hero.
#include <algorithm>
#include <cmath>
#include "app/TfMain.h"
#include "game/physics.h"

IntPoint TfMain::getPositionJoueur() const {
    return {roundHalfEven(joueur->position.x), roundHalfEven(joueur->position.y)};
}

void TfMain::avancer() {
    if (attaqueEncours) return;
    toucheGauche = false;
    const float vitessePrecedente = vitesseX;
    vitesseX = sol.enMontee ? -vitesseXMaxEnMontee : -vitesseXMax;
    direction = TDirection::droite;
    oldDirection = TDirection::droite;
    if (sol.sautEnCours) {
        orienterSaut();  // in the air the hero always moves at the walking speed
        return;
    }
    if (joueurCourt || (peutCourirDroite && vitessePrecedente == 0)) {
        commencerCourse();
        vitesseX = sol.enMontee ? -vitesseXMaxEnMonteeCourt : -vitesseXMaxCourt;
        oldAnimation = TAnimationJoueur::courtDroite;
        afficherSprite(playerRun, 8);
    } else {
        oldAnimation = TAnimationJoueur::marcheDroite;
        afficherSprite(playerWalk, 8);
    }
}

void TfMain::reculer() {
    if (attaqueEncours) return;
    toucheDroite = false;
    const float vitessePrecedente = vitesseX;
    vitesseX = sol.enDescente ? vitesseXMaxEnMontee : vitesseXMax;
    direction = TDirection::gauche;
    oldDirection = TDirection::gauche;
    if (sol.sautEnCours) {
        orienterSaut();
        return;
    }
    if (joueurCourt || (peutCourirGauche && vitessePrecedente == 0)) {
        commencerCourse();
        vitesseX = sol.enDescente ? vitesseXMaxEnMonteeCourt : vitesseXMaxCourt;
        oldAnimation = TAnimationJoueur::courtGauche;
        afficherSprite(playerRunGauche, 8);
    } else {
        oldAnimation = TAnimationJoueur::marcheGauche;
        afficherSprite(playerWalkGauche, 8);
    }
}

// The running drain starts with the run; re-enabling it on every step would restart its 200 ms interval
// each tick and the run would never cost anything.
void TfMain::commencerCourse() {
    joueurCourt = true;
    if (!tCourt.enabled()) tCourt.setEnabled(true);
}

void TfMain::sauter() {
    if (attaqueEncours || !enCollisionAvecPlateforme) return;
    sol.enMontee = false;
    sol.enDescente = false;
    if (toucheHaut) {
        if (estSurPlan2) passerSurPlan1();
        else passerSurPlan2();
        return;
    }
    sol.sautEnCours = true;
    if (sons) jouerSon(MediaSaut, VOLUME_EFFET);
    afficherPoussiereSaut();
    orienterSaut();
    vitesseY = joueurCourt ? physique::vitesseSautCourse : physique::vitesseSautMarche;
}

void TfMain::afficherPoussiereSaut() {
    aniPoussiereJouee = false;
    jouerPoussiere(dustJump, 5, 0.4f, joueur->position);
}

void TfMain::jouerPoussiere(const eng::BitmapPtr& feuille, int images, float duree, eng::PointF position) {
    joueurPoussiere->position = position;
    joueurPoussiere->visible = true;
    joueurPoussiere->bringToFront();
    aniPoussiere->stopAtCurrent();
    aniPoussiere->animationBitmap = feuille;
    aniPoussiere->animationCount = images;
    aniPoussiere->duration = duree;
    aniPoussiere->loop = false;
    aniPoussiere->start();
}

void TfMain::orienterSaut() {
    if (!sol.sautEnCours) return;
    const bool tombe = joueur->position.y > oldPosY;
    switch (direction) {
        case TDirection::droite:
            if (!attaqueEncours) afficherSprite(tombe ? playerSauterFin : playerSauter, 3);
            break;
        case TDirection::gauche:
            if (!attaqueEncours) afficherSprite(tombe ? playerSauterFinGauche : playerSauterGauche, 3);
            break;
        case TDirection::fond:
            afficherSprite(playerSauterDerriere, 1);
            vitesseX = 0;
            break;
        case TDirection::devant:
            afficherSprite(playerSauterDevant, 1);
            vitesseX = 0;
            break;
        default:
            break;
    }
}

namespace {
// The bonus hero's speed grows by 0.4 per frame while below 6.0; the cap keeps float sums from
// stopping a hair under 6.0 and taking a sixteenth step.
float accelerer(float acceleration) {
    return acceleration < 6.0f ? std::min(acceleration + 0.4f, 6.0f) : acceleration;
}
}  // namespace

void TfMain::deplacerBonusDroite() {
    accelerationH = accelerer(accelerationH);
    if (layZoneJeu->width > joueurBonus->position.x + joueurBonus->width + accelerationH)
        joueurBonus->position.x += accelerationH;
}

void TfMain::deplacerBonusGauche() {
    accelerationH = accelerer(accelerationH);
    if (joueurBonus->position.x - accelerationH > 0) joueurBonus->position.x -= accelerationH;
}

void TfMain::deplacerBonusHaut() {
    accelerationV = accelerer(accelerationV);
    if (joueurBonus->position.y - accelerationV > 0) joueurBonus->position.y -= accelerationV;
}

void TfMain::deplacerBonusBas() {
    accelerationV = accelerer(accelerationV);
    if (layZoneJeu->height >= joueurBonus->position.y + joueurBonus->height + accelerationV)
        joueurBonus->position.y += accelerationV;
}
