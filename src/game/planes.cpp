// Switching between the front plane (layNiveau) and the back plane (layNiveau2): by a jump with up held,
// or directly for a teleport; a 0.2 s cross-fade of the front plane marks every change.
#include "app/TfMain.h"
#include "game/physics.h"

bool TfMain::Niveau2Possible() const {
    return recPlateforme2 && recPlateforme2->childCount() > 0;
}

void TfMain::deplacerHeroVersPlan(eng::Layout* plan) {
    joueur->setParent(plan);
    joueurPoussiere->setParent(plan);
}

void TfMain::sauterVersAutrePlan(TDirection versLa) {
    vitesseY = physique::vitesseSautMarche;  // a plane jump never takes the running speed
    toucheSauter = false;
    sol.sautEnCours = true;
    if (sons) jouerSon(MediaSaut, VOLUME_EFFET);
    direction = versLa;
    orienterSaut();
}

void TfMain::passerSurPlan2() {
    if (!Niveau2Possible() || estSurPlan2) return;
    if (sol.sautEnCours) {
        orienterSaut();
        return;
    }
    afficherPoussiereSaut();
    deplacerHeroVersPlan(layNiveau2);
    toucheHaut = false;
    sauterVersAutrePlan(TDirection::fond);
    commencerFonduPlan(*aniBasculePlan2);
    estSurPlan2 = true;
}

void TfMain::passerSurPlan1() {
    if (!estSurPlan2) return;
    if (sol.sautEnCours) {
        orienterSaut();
        return;
    }
    afficherPoussiereSaut();
    deplacerHeroVersPlan(layNiveau);
    toucheBas = false;  // up stays set until the cross-fade ends
    sauterVersAutrePlan(TDirection::devant);
    commencerFonduPlan(*aniBasculePlan1);
    estSurPlan2 = false;
}

void TfMain::basculerSurPlan2() {
    if (!Niveau2Possible() || estSurPlan2) return;
    deplacerHeroVersPlan(layNiveau2);
    commencerFonduPlan(*aniBasculePlan2);
    estSurPlan2 = true;
}

void TfMain::basculerSurPlan1() {
    if (!estSurPlan2) return;
    deplacerHeroVersPlan(layNiveau);
    commencerFonduPlan(*aniBasculePlan1);
    estSurPlan2 = false;
}

void TfMain::commencerFonduPlan(eng::FloatAnimation& fondu) {
    basculePlanEnCours = true;
    // The see-through value may have changed since the last switch (options, loaded game).
    aniBasculePlan2->stopValue = opacity;
    aniBasculePlan1->startValue = opacity;
    fondu.start();
}

void TfMain::aniBasculePlanProcess() {
    layDecorDevant->opacity = layNiveau->opacity;
}

void TfMain::aniBasculePlan1Finish() {
    layNiveau->opacity = 1;
    layDecorDevant->opacity = 1;
    layNiveau->bringToFront();
    joueur->bringToFront();
    layDecorDevant->bringToFront();
    if (recNuit && recNuit->visible) recNuit->bringToFront();
    mettreScrollingPremierPlan();
    layHUD->bringToFront();
    lblPlan->text = "1";
    lblPlan->opacity = 1;
    basculePlanEnCours = false;
    relacherHautBas();
}

void TfMain::aniBasculePlan2Finish() {
    joueur->bringToFront();
    layNiveau->bringToFront();
    layDecorDevant->bringToFront();
    if (recNuit && recNuit->visible) recNuit->bringToFront();
    mettreScrollingPremierPlan();
    layHUD->bringToFront();
    lblPlan->opacity = 1;
    lblPlan->text = "2";
    basculePlanEnCours = false;
    relacherHautBas();
}
