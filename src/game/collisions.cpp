// The collision pass of each frame: platforms (landing, slopes, falling and moving platforms), bonus items,
// specials, blocking decor and enemies of the hero's plane, in that order.
#include <algorithm>
#include <cmath>
#include "app/TfMain.h"

namespace {
constexpr int hautBoiteAccroupie = 17;  // top of the hero's box while crouching
}

TCollisionAvec TfMain::testerCollisions() {
    TCollisionAvec resultat = TCollisionAvec::pasDeCollision;
    const IntPoint p = getPositionJoueur();
    if (collisionPlateformes(p)) resultat = TCollisionAvec::avecPlateforme;
    if (collisionBonus(p)) resultat = TCollisionAvec::avecBonus;
    const TResultatCollision special =
        chercherCollision(getPositionJoueur(), playerHitBox, estSurPlan2 ? *recSpeciaux2 : *recSpeciaux, false);
    if (special.trouve) resultat = TCollisionAvec::avecSpecial;
    gererSpeciaux(special);
    if (collisionDecor(getPositionJoueur())) resultat = TCollisionAvec::avecDecor;
    if (gererContactEnnemis()) resultat = TCollisionAvec::avecEnnemi;
    return resultat;
}

bool TfMain::collisionPlateformes(IntPoint p) {
    // While the hero rises he passes up through platforms.
    if (vitesseY < 0) {
        enCollisionAvecPlateforme = false;
        return false;
    }
    const TResultatCollision trouve =
        chercherPlateforme(p, playerHitBox, estSurPlan2 ? *recPlateforme2 : *recPlateforme, sol);
    enCollisionAvecPlateforme = trouve.trouve;
    if (trouve.trouve) poserSurPlateforme(*trouve.image);
    else oldPlateformePosX = 0;  // the next carry starts afresh
    return trouve.trouve;
}

void TfMain::poserSurPlateforme(eng::Image& plateforme) {
    direction = oldDirection;  // a plane-jump facing ends on landing
    setAnimationPrecedente();
    const bool tombante = plateforme.tag == static_cast<int>(TPlateformeStyle::tombe);
    if (plateforme.tagFloat == 0 || tombante) sol.sautEnCours = false;
    if (tombante && !aniPlateforme->running()) faireTomberPlateforme(plateforme);
    joueur->position.y = plateforme.position.y + plateforme.tagFloat - joueur->height;
    if (!aniPoussiereJouee) {
        jouerPoussiere(dustLand, 6, 0.6f, {joueur->position.x, joueur->position.y + 2});
        aniPoussiereJouee = true;
    }
    if (plateforme.childCount() > 0 && nomDecorTouche.empty()) porterParPlateforme(plateforme);
    vitesseY = 0;
}

void TfMain::faireTomberPlateforme(eng::Image& plateforme) {
    aniPlateforme->setParent(&plateforme);
    aniPlateforme->startValue = plateforme.position.y;
    aniPlateforme->stopValue = layNiveau->height + 64 + joueur->height;
    aniPlateforme->start();
}

void TfMain::porterParPlateforme(eng::Image& plateforme) {
    const auto* mouvement = dynamic_cast<const eng::FloatAnimation*>(plateforme.child(0));
    if (!mouvement) return;
    const std::string propriete = eng::toLower(mouvement->propertyName);
    if (propriete == "position.x") {
        if (oldPlateformePosX == 0) oldPlateformePosX = plateforme.position.x;
        const float d = plateforme.position.x - oldPlateformePosX;
        joueur->position.x += d;
        if (!bornerAGauche && !bornerADroite) {
            layNiveau->position.x -= d;
            layNiveau2->position.x = layDecorDevant->position.x = layNiveau->position.x;
            deplacerScrollings(TAxes::x, -d, 0, true);
        }
        oldPlateformePosX = plateforme.position.x;
    } else if (propriete == "position.y") {
        joueur->position.y = plateforme.position.y - joueur->height;
    }
}

bool TfMain::collisionBonus(IntPoint p) {
    const TResultatCollision trouve = chercherCollision(p, playerHitBox, estSurPlan2 ? *recBonus2 : *recBonus, true);
    if (!trouve.trouve) return false;
    eng::Image& bonus = *trouve.image;
    montrerEtincelle(bonus);
    if (bonus.tagString == "1") {
        if (sons) jouerSon(MediaBonusDiamant, VOLUME_EFFET);
        nbBonus += 1;
    } else if (bonus.tagString == "2") {
        if (sons) jouerSon(MediaBonusNourriture, VOLUME_EFFET);
        mangerNourriture(bonus.tag);
    } else if (bonus.tagString == "3") {
        nbVie += 1;
        if (sons) jouerSon(mpVie, VOLUME_EFFET);
    }
    bonus.parent()->removeChild(&bonus);  // the item leaves the level
    return true;
}

void TfMain::mangerNourriture(int points) {
    if (!(maxEnergie > nbEnergie)) return;
    nbEnergie += static_cast<float>(points) * 25;
    if (nbEnergie + 4 >= recEnergie->width) {
        recMarqueurEnergie->width = recEnergie->width - 4;  // the energy is capped at the gauge's size
        nbEnergie = recMarqueurEnergie->width;
    } else {
        recMarqueurEnergie->width = nbEnergie;
    }
}

bool TfMain::collisionDecor(IntPoint p) {
    IntRect boite = playerHitBox;
    if (toucheBas) {
        // Crouching lowers the box's top edge; its bottom stays on the ground.
        boite.height = boite.bottom() - hautBoiteAccroupie;
        boite.top = hautBoiteAccroupie;
    }
    eng::Node& bloquants = estSurPlan2 ? *recDecorBloquant2 : *recDecorBloquant;
    const TResultatCollision trouve = chercherCollision(p, boite, bloquants, false);
    if (!trouve.trouve || basculePlanEnCours) {
        nomDecorTouche.clear();
        return false;
    }
    const eng::Image& decor = *trouve.image;
    enCollisionAvecEnnemi = false;
    const std::string nombre = std::to_string(static_cast<int>(std::lround(decor.position.x - TileSize - boite.width)));
    const auto dejaTouche = [&](char marque) {
        return nomDecorTouche.empty() || nomDecorTouche.find(decor.name + marque) != std::string::npos;
    };
    if (direction == TDirection::gauche) {
        if (dejaTouche('<') && decor.position.x + decor.width >= p.x) {
            nomDecorTouche = decor.name + "<:" + nombre;
            return true;
        }
    } else if (dejaTouche('>') && p.x + joueur->width >= decor.position.x - TileSize + 1) {
        nomDecorTouche = decor.name + ">:" + nombre;
        return true;
    }
    return false;
}

void TfMain::setAnimationPrecedente() {
    switch (oldAnimation) {
        case TAnimationJoueur::idleDroite: afficherSprite(playerIdle, 8); break;
        case TAnimationJoueur::idleGauche: afficherSprite(playerIdleGauche, 8); break;
        case TAnimationJoueur::marcheDroite: afficherSprite(playerWalk, 8); break;
        case TAnimationJoueur::marcheGauche: afficherSprite(playerWalkGauche, 8); break;
        case TAnimationJoueur::haut: regarderHaut(); break;
        case TAnimationJoueur::bas: accroupir(); break;
        case TAnimationJoueur::actionDroite: if (!attaqueEncours) afficherSprite(playerIdle, 8); break;
        case TAnimationJoueur::actionGauche: if (!attaqueEncours) afficherSprite(playerIdleGauche, 8); break;
        default: break;  // running re-applies its own sheet; hurt and death run to their end
    }
}

// The pickup sparkle grows as a square around the item's centre, then hides.
void TfMain::montrerEtincelle(const eng::Image& bonus) {
    iParticuleBonus->setParent(estSurPlan2 ? layNiveau2 : layNiveau);
    iParticuleBonus->position = bonus.position;
    iParticuleBonus->width = bonus.width;
    iParticuleBonus->height = bonus.height;
    iParticuleBonus->visible = true;
    aniParticuleBonus->stopAtCurrent();
    aniParticuleBonus->start();
}

void TfMain::aniParticuleBonusProcess() {
    const float ecart = (iParticuleBonus->width - iParticuleBonus->height) * 0.5f;
    iParticuleBonus->position.x -= ecart;
    iParticuleBonus->position.y -= ecart;
    iParticuleBonus->height = iParticuleBonus->width;
}

void TfMain::aniParticuleBonusFinish() {
    iParticuleBonus->visible = false;
    iParticuleBonus->setParent(&engine.root());
}
