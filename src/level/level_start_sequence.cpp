// The level start in its order: a full start after a load, or a restart of the same level after the hero
// died or fell. The frame loop is started last, so no tick ever sees a half-started level.
#include <cmath>
#include <cstdio>
#include <algorithm>
#include "app/TfMain.h"

namespace {

std::string minutesSecondes(double jours) {
    const long total = std::lround(jours * 24 * 3600);
    char text[48];   // room for any long, so the text is never cut
    std::snprintf(text, sizeof text, "%02ld:%02ld", total / 60, total % 60);
    return text;
}

}  // namespace

void TfMain::reinitialiserEtatJoueur() {
    countLeft = 0;
    countRight = 0;
    lblChrono->opacity = 1;
    attaque = 1;
    layNiveau->bringToFront();
    estMort = false;
    basculePlanEnCours = false;
    enPause = false;
    if (niveauBonus) {
        chargerSon(MediaMusique, "Flowing-Rocks");
        joueurBonus->position = {static_cast<float>(playerStartPosX), (layZoneJeu->height - joueurBonus->height) / 2};
        joueur->visible = false;
        joueurBonus->visible = true;
        if (auto* sheet = joueurBonus->firstChildOfType<eng::Animation>()) sheet->start();
    } else {
        joueur->visible = true;
        joueurBonus->visible = false;
        if (aSuperBottes) tPeutCourir.setEnabled(true);
    }
    enCollisionAvecEnnemi = false;
    aniPlayer->animationBitmap = playerIdle;
    aniPlayer->animationCount = 8;
    aniPlayer->animationRowCount = 1;
    aniPlayer->duration = 0.8f;
    aniPlayer->loop = true;
    aniPlayer->start();
    aniPlayer->pause = false;
    peutCourirDroite = peutCourirGauche = detecterPeutCourirDroite = detecterPeutCourirGauche = false;
    invincible = false;
    joueurCourt = false;
    tCourt.setEnabled(false);
    aniPoussiereJouee = true;
    musiqueChangee = false;
    MediaMusiqueBoss.stop();
    layHUD->position = {0, 0};
    bornerADroite = bornerAGauche = bornerEnHaut = bornerEnBas = false;
    gestionAttaqueEncours = false;
}

void TfMain::placerPlan(int plan) {
    eng::Layout* couche = plan == 1 ? layNiveau : layNiveau2;
    estSurPlan2 = plan != 1;
    joueur->setParent(couche);
    joueurPoussiere->setParent(couche);
    const float transparence = plan == 1 ? 1.0f : opacity;
    layNiveau->opacity = transparence;
    layDecorDevant->opacity = transparence;
}

void TfMain::demarrerComplet(int initX, int initY) {
    consoleAttrapee = false;
    lblChrono->text = minutesSecondes(maxTime);
    if (difficulte != TDifficulte::difficile && initX == -1 && initY == -1) remplirEnergie();
    lblChrono->color = eng::colors::White;
    if (aniChrono) aniChrono->stopAtCurrent();
    ajusterZoneAuNiveau();
}

void TfMain::placerJoueurEtCamera(int initX, int initY) {
    if (initX != -1 || initY != -1) {
        const float x0 = static_cast<float>(initX * TileSize);
        joueur->position = {x0, static_cast<float>(initY * TileSize)};
        layNiveau->position.x = -x0 + demiZoneJeuW;
    } else {
        if (!niveauBonus) joueur->position = {static_cast<float>(playerStartPosX), playerStartPosY - 4.0f};
        layNiveau->position.x = 0;
    }
    layNiveau2->position.x = layNiveau->position.x;
    layDecorDevant->position.x = layNiveau->position.x;
    oldPosY = joueur->position.y;
    if (night) suivreNuit();   // the overlay follows the hero from the first frame on
    if (!niveauBonus) {
        placerCameraVerticale();
        calculerDemiZoneJeu();
        deplacerJoueur();
    }
}

void TfMain::initialiserNiveau(bool complet, int initX, int initY, int plan) {
    placerNuit();
    reinitialiserEtatJoueur();
    layDecorDevant->bringToFront();
    if (recNuit->visible) recNuit->bringToFront();
    mettreScrollingPremierPlan();
    placerPlan(plan);
    mettreScrollingPremierPlan();
    joueurPoussiere->visible = false;
    attaqueEncours = false;
    layNomNiveau->opacity = 1;
    if (TileSize != 0) oldTileX = static_cast<int>(std::lround(joueur->position.x / TileSize));
    vitesseX = 0;
    vitesseY = 0;
    recEnergie->width = maxEnergie + 4;
    calculerDemiZoneJeu();
    if (complet) demarrerComplet(initX, initY);
    else {
        remplirEnergie();
        invincible = true;
        tInvincible.setEnabled(true);
    }
    if (!niveauBonus && nbEnnemi != 0) {
        relancerEauMontante(*recEnnemi);
        if (Niveau2Possible() && recEnnemi2->childCount() > 0) relancerEauMontante(*recEnnemi2);
    }
    placerJoueurEtCamera(initX, initY);
    heureDebut = maintenant();
    initialiserTouches(true);
    oldAnimation = TAnimationJoueur::idleDroite;
    if (musiques) jouerSon(MediaMusique, VOLUME_MUSIQUE);
    placerScrollings();
    direction = oldDirection = TDirection::droite;
    joueur->bringToFront();
    joueurBonus->bringToFront();
    layHUD->bringToFront();
    // The title shows over the level, centred, under the head-up display's top row; a low view (the
    // default window's zone is 230 units high) raises it so that it stays clear of the ground.
    layNomNiveau->bringToFront();
    layNomNiveau->position = {demiZoneJeuW - layNomNiveau->width * 0.5f, std::min(130.0f, demiZoneJeuH * 0.6f)};
    aniNomNiveau->start();
    lancerBoucle();
}

void TfMain::lancerBoucle() {
    if (niveauBonus) {
        // The bonus-stage code shows Ready and Go and starts the frame loop once Go has faded in.
        if (preparerNiveauBonus) preparerNiveauBonus();
        else tGameloop.setEnabled(true);
        return;
    }
    layBonus->visible = false;
    for (TScrolling* layer : listeScrollings) {
        if (layer->foreGround && !layer->continueY) layer->position.y = layNiveau->position.y;
    }
    tGameloop.setEnabled(true);
    if (lblFPS && lblFPS->visible) tFPS.setEnabled(true);
}
