// The frame's upkeep steps: animation culling, music upkeep, the night mask, the weather drift
// and the barrel launcher's trigger.
#include <cmath>
#include "app/TfMain.h"

void TfMain::gererAnimations() {
    if (needConsole) return;
    const float x = static_cast<float>(getPositionJoueur().x);
    const float largeur = layZoneJeu->width;
    const float de = x - 1.5f * largeur, a = x + 1.5f * largeur;
    for (eng::Node* conteneur : {static_cast<eng::Node*>(recDecorAnime), static_cast<eng::Node*>(recBonus),
                                 static_cast<eng::Node*>(recPlateforme), static_cast<eng::Node*>(recPlateformeTournante),
                                 static_cast<eng::Node*>(recDecorAnime2), static_cast<eng::Node*>(recBonus2),
                                 static_cast<eng::Node*>(recPlateforme2)}) {
        if (conteneur && conteneur->childCount() > 0) activerAnimationsProches(*conteneur, de, a);
    }
}

eng::MediaPlayer& TfMain::musiqueCourante() {
    return musiqueChangee ? MediaMusiqueBoss : MediaMusique;
}

void TfMain::entretenirMusique() {
    if (!musiques) return;
    eng::MediaPlayer& musique = musiqueCourante();
    // The music loops by being restarted from its beginning whenever it has ended.
    if (musique.state() == eng::MediaState::Stopped) {
        musique.setCurrentTime(0);
        musique.setVolume(VOLUME_MUSIQUE);
        musique.play();
    }
}

void TfMain::declencherBaril() {
    if (BarilExplosionEnCours) return;
    BarilExplosionEnCours = true;
    lancerBaril(parentBaril, 6, 1.0f);
}

void TfMain::suivreNuit() {
    recNuit->position.x = joueur->position.x - recNuit->width * 0.5f + joueur->width * 0.5f;
    recNuit->position.y = joueur->position.y - recNuit->height * 0.5f + joueur->height * 0.5f;
    recNuit->bringToFront();
}

void TfMain::animerMeteo() {
    if (meteoBack) {
        for (eng::Node* couche : {static_cast<eng::Node*>(layMeteo), static_cast<eng::Node*>(layNiveau2),
                                  static_cast<eng::Node*>(layNiveau), static_cast<eng::Node*>(layDecorDevant),
                                  static_cast<eng::Node*>(layHUD)})
            couche->bringToFront();
    } else {
        layMeteo->bringToFront();
    }
    layHUD->bringToFront();
    if (flocons) flocons->FSpeedX = deriveMeteo();
}

float TfMain::deriveMeteo() {
    if (meteo.find("brouillard") != std::string::npos) return static_cast<float>(engine.random().nextDouble());
    if (bornerAGauche || bornerADroite) return 0;
    // Rain drifts by 1.0 per tick, snow by 0.5, against the hero's motion.
    const float base = meteo.find("pluie") != std::string::npos ? 10000.0f : 5000.0f;
    if (vitesseX > 0) return base / 10000.0f;
    if (vitesseX < 0) return -base / 10000.0f;
    return 0;
}
