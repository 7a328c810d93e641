// The intro screen: "presents" fades in over six seconds while "Intro_Theme" plays once.
// The logo reveal mask that precedes the fade belongs to the intro's own scenery (not built yet).
#include "screens/TGameIntro.h"
#include "app/TfMain.h"

TGameIntro::TGameIntro() {
    name = "frmGameIntro";
    align = eng::Align::Client;
    visible = false;
    auto* fond = add<eng::Rectangle>();
    fond->name = "recFond";
    fond->align = eng::Align::Client;
    fond->fill.color = eng::colors::Black;
    fond->strokeVisible = false;

    lblPresents = add<eng::Label>();
    lblPresents->name = "lblPresents";
    lblPresents->text = "presents";
    lblPresents->color = eng::colors::White;
    lblPresents->fontSize = 28;
    lblPresents->textAlign = eng::TextAlign::Center;
    lblPresents->width = 200;
    lblPresents->height = 50;
    lblPresents->align = eng::Align::Center;
    lblPresents->opacity = 0;

    aniLibelle = lblPresents->add<eng::FloatAnimation>();
    aniLibelle->name = "aniLibelle";
    aniLibelle->propertyName = "Opacity";
    aniLibelle->startValue = 0;
    aniLibelle->stopValue = 1;
    aniLibelle->duration = 6;
    aniLibelle->interpolation = eng::Interpolation::Sinusoidal;
    aniLibelle->animationType = eng::AnimationType::InOut;
}

void TGameIntro::Initialiser() {
    TfMain::chargerSon(MediaPlayerMusique, "Intro_Theme");
    MediaPlayerMusique.setVolume(TfMain::VOLUME_MUSIQUE);
    MediaPlayerMusique.play();
    lblPresents->opacity = 0;
    aniLibelle->start();
}
