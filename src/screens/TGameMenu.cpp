// The main menu screen's skeleton: decoration animations, sound players and the option values.
// Each entry to the menu plays its music when the options' music switch is on.
#include "screens/TGameMenu.h"
#include "app/TfMain.h"

TGameMenu::TGameMenu() {
    name = "frmGameMenu";
    align = eng::Align::Contents;
    visible = false;
    auto* titre = add<eng::Image>();
    titre->name = "imgTitre";
    titre->width = 545;
    titre->height = 166;
    rippleTitre = titre->add<eng::RippleEffect>();
    rippleTitre->enabled = false;
    aniRippleTitre = rippleTitre->add<eng::FloatAnimation>();
    aniRippleTitre->name = "aniRippleTitre";
    aniRippleTitre->propertyName = "Frequency";
    aniRippleTitre->startValue = 0;
    aniRippleTitre->stopValue = 8;
    aniRippleTitre->duration = 1;
    aniRippleTitre->interpolation = eng::Interpolation::Sinusoidal;
    aniRippleTitre->autoReverse = true;
    aniRippleTitre->loop = true;

    // The moving background's animations; their targets come with the menu's scenery.
    aniMenu1 = add<eng::FloatAnimation>();
    aniMenu1->name = "aniMenu1";
    aniMenu2 = add<eng::FloatAnimation>();
    aniMenu2->name = "aniMenu2";
    for (size_t i = 0; i < FloatAnimation.size(); ++i) {
        FloatAnimation[i] = add<eng::FloatAnimation>();
        FloatAnimation[i]->name = "FloatAnimation" + std::to_string(i + 1);
    }
}

void TGameMenu::initialiser() {
    if (musics) {
        mpMusique.setVolume(TfMain::VOLUME_MUSIQUE);
        mpMusique.play();
    }
}
