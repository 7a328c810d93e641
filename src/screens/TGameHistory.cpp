// The story screen's skeleton: the console circle's turn and the story music.
// The content layout keeps its design size unless the window is smaller.
#include "screens/TGameHistory.h"
#include "app/TfMain.h"

TGameHistory::TGameHistory() {
    name = "frmGameHistory";
    align = eng::Align::Client;
    visible = false;
    Layout7 = add<eng::Layout>();
    Layout7->name = "Layout7";
    Layout7->width = 800;
    Layout7->height = 500;
    Layout7->align = eng::Align::Center;
    Layout1 = Layout7->add<eng::Layout>();
    Layout1->name = "Layout1";
    Layout1->width = 1;
    Layout1->height = 1;
    Layout1->align = eng::Align::Center;
    aniConsoles = Layout1->add<eng::FloatAnimation>();
    aniConsoles->name = "aniConsoles";
    aniConsoles->propertyName = "RotationAngle";
    aniConsoles->startValue = 0;
    aniConsoles->stopValue = 360;
    aniConsoles->duration = 5;
    aniConsoles->delay = 1;
    aniConsoles->autoReverse = true;
    aniConsoles->interpolation = eng::Interpolation::Sinusoidal;
    aniConsoles->animationType = eng::AnimationType::InOut;
}

void TGameHistory::initialiser() {
    if (musiques) {
        mpMusique.setVolume(TfMain::VOLUME_MUSIQUE);
        mpMusique.play();
    }
    aniConsoles->start();
}
