// The movement step: camera bounds, the collision pass, and the camera moves that scroll the level layers
// against the hero (or move the hero on screen at an edge of the level), with the parallax strips.
#include <cmath>
#include "app/TfMain.h"
#include "level/TScrolling.h"

void TfMain::calculerBornes() {
    const float x = joueur->position.x, y = joueur->position.y;
    const float W = layNiveau->width, H = layNiveau->height;
    if (layZoneJeu->align == eng::Align::Center) {
        bornerAGauche = bornerADroite = bornerEnHaut = bornerEnBas = true;
        return;
    }
    bornerAGauche = demiZoneJeuW > x + demiJoueurW;
    bornerADroite = x + demiJoueurW + 1 > W - demiZoneJeuW;
    if (layZoneJeu->align == eng::Align::VertCenter) {
        bornerEnHaut = bornerEnBas = true;
    } else if (layZoneJeu->align == eng::Align::HorzCenter) {
        bornerAGauche = bornerADroite = true;  // the vertical flags keep their values
    } else {
        bornerEnHaut = layNiveau->position.y - demiZoneJeuH <= 0 && demiZoneJeuH >= y;
        bornerEnBas = y + joueur->height > H - demiZoneJeuH - 5;
    }
}

void TfMain::deplacerJoueur() {
    if (!joueur || !layNiveau) return;
    calculerBornes();
    const TCollisionAvec collision = testerCollisions();
    if (collision == TCollisionAvec::avecDecor) {
        eng::Node& bloquants = estSurPlan2 ? *recDecorBloquant2 : *recDecorBloquant;
        if (decorPlusLargeQueHaut(nomDecorTouche, bloquants)) vitesseY = -vitesseY;  // bounce off a flat block
        const bool versLaDroite = nomDecorTouche.find('>') != std::string::npos && direction == TDirection::droite;
        const bool versLaGauche = nomDecorTouche.find('<') != std::string::npos && direction == TDirection::gauche;
        if (versLaDroite || versLaGauche) vitesseX = 0;
        if (layZoneJeu->align == eng::Align::Client || layZoneJeu->align == eng::Align::None) deplacementBornerX();
    } else if (enCollisionAvecEnnemi) {
        if (sons) jouerSon(MediaTouche, VOLUME_EFFET);
    } else {
        deplacerNiveaux();
    }
}

void TfMain::deplacerNiveaux() {
    layZoneJeu->beginUpdate();
    if (bornerAGauche || bornerADroite) {
        deplacementBornerX();
        if (bornerEnHaut || bornerEnBas) deplacementBornerHautBasEtGaucheDroite();
    } else if (bornerEnHaut || bornerEnBas) {
        deplacementBornerHautBas();
    } else {
        deplacementNormal();
    }
    layZoneJeu->endUpdate();
}

void TfMain::suivreNiveauEnY() {
    layNiveau2->position.y = layNiveau->position.y - demiTile;
    layDecorDevant->position.y = layNiveau->position.y;
}

void TfMain::deplacementNormal() {
    const float dy = oldPosY - joueur->position.y, vx = vitesseX;
    deplacerScrollings(TAxes::all, vx, dy, false);
    layNiveau->position.y += dy;
    suivreNiveauEnY();
    layNiveau->position.x += vx;
    joueur->position.x -= vx;
    layNiveau2->position.x += vx;
    layDecorDevant->position.x += vx;
}

void TfMain::deplacementBornerY() {
    if (bornerAGauche || bornerADroite) return;
    const float vx = vitesseX;
    deplacerScrollings(TAxes::x, vx, 0, false);
    layNiveau->position.x += vx;
    joueur->position.x -= vx;
    layNiveau2->position.x = layNiveau->position.x;
    layDecorDevant->position.x += vx;
}

void TfMain::deplacementBornerHautBas() {
    if (bornerEnHaut) layNiveau->position.y = 0;
    else layNiveau->position.y = -std::fabs(layNiveau->height - 2 * demiZoneJeuH);
    layNiveau2->position.y = layNiveau->position.y - demiTile;
    deplacementBornerY();
    layDecorDevant->position.y = layNiveau->position.y;
}

void TfMain::deplacementBornerX() {
    const float dy = oldPosY - joueur->position.y;
    const float W = layNiveau->width, H = layNiveau->height;
    joueur->position.x -= vitesseX;  // the hero moves on screen
    if (bornerEnBas) {
        layNiveau->position.y = -(H - 2 * demiZoneJeuH);
    } else if (bornerEnHaut) {
        layNiveau->position.y = 0;
    } else {
        layNiveau->position.y += dy;
        deplacerScrollings(TAxes::y, vitesseX, dy, false);
    }
    suivreNiveauEnY();
    if (bornerAGauche) {
        layNiveau->position.x = layNiveau2->position.x = layDecorDevant->position.x = 0;
    } else if (bornerADroite) {
        layNiveau->position.x = -(W - 2 * demiZoneJeuW);
        layNiveau2->position.x = layDecorDevant->position.x = layNiveau->position.x;
        const float xMax = W - static_cast<float>(playerHitBox.width);
        if (joueur->position.x > xMax) joueur->position.x = xMax;  // the hero cannot leave on the right
    }
}

void TfMain::deplacementBornerHautBasEtGaucheDroite() {
    if (bornerEnHaut) {
        layNiveau->position.y = 0;
        layNiveau2->position.y = -demiTile;
    }
    deplacementBornerY();  // no effect while the view is held horizontally
    layDecorDevant->position.y = layNiveau->position.y;
}

void TfMain::deplacerScrollings(TAxes axe, float vx, float vitesseYScrolling, bool deplacementPlateforme) {
    layZoneJeu->beginUpdate();
    for (TScrolling* bande : listeScrollings) {
        if (bande->Vitesse == 0) continue;
        const eng::BitmapPtr& image = bande->Rectangle ? bande->Rectangle->fill.bitmap : nullptr;
        const float w = image ? static_cast<float>(image->width()) : bande->width;
        const float h = image ? static_cast<float>(image->height()) : bande->height;
        if (axe == TAxes::x || axe == TAxes::all) {
            bande->position.x += vx * bande->Vitesse;
            if (bande->position.x <= -w) bande->position.x = 0;
            else if (!deplacementPlateforme && bande->position.x >= 0) bande->position.x = -w;
        }
        if (bande->continueY) {
            if (axe == TAxes::y || axe == TAxes::all) bande->position.y += vitesseYScrolling * bande->Vitesse;
            if (bande->position.y <= -h) bande->position.y = 0;
            else if (bande->position.y >= 0) bande->position.y = -h;
        } else if (bande->foreGround) {
            bande->position.y = layNiveau->position.y;
        }
    }
    layZoneJeu->endUpdate();
}

void TfMain::mettreScrollingPremierPlan() {
    for (TScrolling* bande : listeScrollings) {
        if (!bande->foreGround) continue;
        bande->opacity = layDecorDevant->opacity;
        bande->bringToFront();
    }
    layHUD->bringToFront();
}
