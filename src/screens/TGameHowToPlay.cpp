// The tutorial screen's skeleton: hero figure, the two touch-button labels, the step timer and the music.
// The content layout keeps its design size unless the window is smaller.
#include "screens/TGameHowToPlay.h"
#include "app/TfMain.h"

TGameHowToPlay::TGameHowToPlay(eng::Engine& engine) : tChangementAction(engine.scheduler(), 2000) {
    name = "frmGameHowToPlay";
    align = eng::Align::Client;
    visible = false;
    Layout5 = add<eng::Layout>();
    Layout5->name = "Layout5";
    Layout5->width = 800;
    Layout5->height = 500;
    Layout5->align = eng::Align::Center;
    imgJoueur = Layout5->add<eng::Image>();
    imgJoueur->name = "imgJoueur";
    imgJoueur->width = 128;
    imgJoueur->height = 132;
    aniPlayer = imgJoueur->add<eng::BitmapListAnimation>();
    aniPlayer->name = "aniPlayer";
    lblBoutonA = Layout5->add<eng::Label>();
    lblBoutonA->name = "lblBoutonA";
    lblBoutonA->text = "A";
    lblBoutonB = Layout5->add<eng::Label>();
    lblBoutonB->name = "lblBoutonB";
    lblBoutonB->text = "B";
}

void TGameHowToPlay::Initialiser() {
    termine = false;
    if (musiques) {
        mpMusique.setVolume(TfMain::VOLUME_MUSIQUE);
        mpMusique.play();
    }
}
