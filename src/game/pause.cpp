// The pause toggle and the four option icons of the pause strip (music, sound, gamepad, frame rate).
// The pause freezes the frames, the countdown and the element animations; it touches no timer.
#include "app/TfMain.h"

void TfMain::basculerPause(bool avecImage) {
    enPause = !enPause;
    if (avecImage) {
        imgPause->bringToFront();
        imgPause->visible = enPause;
    }
    if (enPause) {
        griserIcone(imgJoypad, !useJoypad);
        griserIcone(imgMusics, !musiques);
        griserIcone(imgSound, !sons);
        griserIcone(imgFPS, !afficherFPS());
        ajouterTempsEcoule();  // the countdown stops
        composantActif = 10;
        // The player that is sounding is the one that stops; it is the one that resumes.
        if (musiques) {
            musiqueEnPause = musiqueChangee ? &MediaMusiqueBoss : &MediaMusique;
            musiqueEnPause->stop();
        }
    } else {
        heureDebut = maintenant();  // the countdown resumes from where it stopped
        if (musiques) {
            eng::MediaPlayer& musique = musiqueEnPause ? *musiqueEnPause : musiqueCourante();
            musique.setVolume(VOLUME_MUSIQUE);
            musique.play();
        }
        musiqueEnPause = nullptr;
        // The held keys were dropped when the pause began and their releases were ignored since: a run
        // under way would otherwise go on draining the energy of a hero standing still.
        if (joueurCourt) {
            joueurCourt = false;
            tCourt.setEnabled(false);
            peutCourirDroite = false;
            peutCourirGauche = false;
        }
    }
    initialiserTouches(true);
    if (aniPlayer) aniPlayer->pause = enPause;
    for (eng::Layout* conteneur : {recBonus, recEnnemi, recPlateforme, recPlateformeTournante, recDecorAnime,
                                   recSpeciaux, recBonus2, recEnnemi2, recPlateforme2, recDecorAnime2, recSpeciaux2})
        if (conteneur) pauserAnimations(*conteneur, enPause);
}

// The icon's grey fill marks its option as off.
void TfMain::griserIcone(eng::Image* icone, bool gris) {
    if (!icone) return;
    if (auto* effet = icone->firstChildOfType<eng::FillRGBEffect>()) effet->enabled = gris;
}

void TfMain::basculerGrisIcone(eng::Image* icone) {
    if (!icone) return;
    if (auto* effet = icone->firstChildOfType<eng::FillRGBEffect>()) effet->enabled = !effet->enabled;
}

void TfMain::imgMusicsClick() {
    musiques = !musiques;
    basculerGrisIcone(imgMusics);
}

void TfMain::imgSoundClick() {
    sons = !sons;
    basculerGrisIcone(imgSound);
}

void TfMain::imgJoypadClick() {
    useJoypad = !useJoypad;
    griserIcone(imgJoypad, !useJoypad);
}

void TfMain::imgFPSClick() {
    const bool montrer = !afficherFPS();
    changerAfficherFPS(montrer);
    griserIcone(imgFPS, !montrer);
    tFPS.setEnabled(montrer);
    lblFPS->visible = montrer;
}
