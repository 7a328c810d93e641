// The game tick: the normal frame in its fixed order, the end-of-life test and the restart after a lost life.
// Every speed here is per 16 ms tick; only the countdown reads the clock.
#include <cmath>
#include "app/TfMain.h"
#include "game/physics.h"

void TfMain::tGameloopTimer() {
    if (enPause) return;
    ++ticksJoues;
    boucleJeu();
}

void TfMain::boucleJeu() {
    // All changes of one frame are drawn together.
    layZoneJeu->beginUpdate();
    if (niveauBonus) boucleBonus();
    else boucleNiveau();
    layZoneJeu->endUpdate();
}

void TfMain::boucleNiveau() {
    if (layMeteo && layMeteo->visible) animerMeteo();
    if (recNuit && recNuit->visible) suivreNuit();
    layPlan->visible = true;
    layEnergie->visible = true;
    layVie->visible = true;
    gererAnimations();
    vitesseX = physique::appliquerFrottement(vitesseX);
    mettreAJourHUD();
    entretenirMusique();
    if (presenceBaril) declencherBaril();
    oldPosY = joueur->position.y;
    vitesseY = physique::appliquerGravite(vitesseY, gravite, vitesseYMax);
    joueur->position.y += vitesseY;
    if (sol.sautEnCours) orienterSaut();
    gererTouches();
    if (estFinDeJeu()) finDePartie();
    else deplacerJoueur();
}

void TfMain::mettreAJourHUD() {
    lblNbPoints->text = std::to_string(nbPoints);
    mettreAJourChrono();
    lblNbVie->text = std::to_string(nbVie);
    lblNbBonus->text = std::to_string(nbBonus);
}

double TfMain::maintenant() const {
    return static_cast<double>(engine.clock().nowMs()) / 86400000.0;
}

void TfMain::ajouterTempsEcoule() {
    tempsEcoule += maintenant() - heureDebut;
    // The stretch is counted once: a second call before the next start adds nothing.
    heureDebut = maintenant();
}

bool TfMain::estFinDeJeu() {
    if (nbVie == 0) {
        ajouterTempsEcoule();
        return true;
    }
    const bool horsDuNiveau = joueur->position.y > layNiveau->height + joueur->height;
    if (bornerEnBas && horsDuNiveau) {
        if (sons) jouerSon(MediaTomber, VOLUME_EFFET);
        tGameloop.setEnabled(false);
        tFPS.setEnabled(false);
        nbVie -= 1;
        ajouterTempsEcoule();
        initialiserNiveau(false, -1, -1, 1);
        return false;
    }
    if (nbEnergie <= 0) {
        mourir();
        return false;
    }
    return false;
}

void TfMain::mourir() {
    tGameloop.setEnabled(false);
    tFPS.setEnabled(false);
    nbVie -= 1;
    if (effetTouche) effetTouche->enabled = false;
    oneLife = false;
    if (sons) jouerSon(mpJoueurMeurt, VOLUME_EFFET);
    ajouterTempsEcoule();
    afficherSprite(direction == TDirection::droite ? playerMort : playerMortGauche, 6);
    aniPlayer->duration = 1.0f;
    aniPlayer->loop = false;
    aniPlayer->start();
    estMort = true;
    oldAnimation = TAnimationJoueur::mort;
}

void TfMain::aniPlayerFinish() {
    if (aniPlayer->loop) return;
    if (estMort) {
        const int colonne = static_cast<int>(std::nearbyint(playerStartPosX / TileSize));
        const int rangee = static_cast<int>(std::nearbyint(playerStartPosY / TileSize));
        initialiserNiveau(false, colonne, rangee, 1);
        return;
    }
    attaqueEncours = false;
    toucheAction = false;
    gestionAttaqueEncours = false;
    afficherSprite(direction == TDirection::droite ? playerIdle : playerIdleGauche, 8);
    aniPlayer->duration = 0.8f;
    aniPlayer->loop = true;
    aniPlayer->inverse = false;
    aniPlayer->start();
}

void TfMain::aniPoussiereFinish() {
    joueurPoussiere->visible = false;
}

void TfMain::tInvincibleTimer() {
    invincible = false;
    tInvincible.setEnabled(false);
    if (effetTouche) effetTouche->enabled = false;
}

void TfMain::tCourtTimer() {
    nbEnergie -= endurance;
    recMarqueurEnergie->width = nbEnergie;
}

void TfMain::tPeutCourirTimer() {
    countRight = 0;
    countLeft = 0;
    detecterPeutCourirDroite = false;
    detecterPeutCourirGauche = false;
}

void TfMain::afficherSprite(const eng::BitmapPtr& feuille, int images) {
    aniPlayer->animationBitmap = feuille;
    aniPlayer->animationCount = images;
}
