// The world map screen's skeleton: the forest's pulse and the nudging back-to-menu button.
// The map fills the window and stays hidden while another stage is shown.
#include "screens/TfMap.h"

TfMap::TfMap() {
    name = "frmMap";
    align = eng::Align::Client;
    visible = false;

    imgForet = add<eng::Image>();
    imgForet->name = "imgForet";
    aniZoom = imgForet->add<eng::FloatAnimation>();
    aniZoom->name = "aniZoom";
    aniZoom->propertyName = "Scale.X";
    aniZoom->startValue = 0.95f;
    aniZoom->stopValue = 1.05f;
    aniZoom->duration = 0.25f;
    aniZoom->autoReverse = true;
    aniZoom->loop = true;
    aniZoom->interpolation = eng::Interpolation::Sinusoidal;
    aniZoom->animationType = eng::AnimationType::InOut;
    aniZoom->onProcess = [](eng::Animation& a) {
        if (auto* image = a.parent()) image->scale.y = image->scale.x;
    };

    auto* layBas = add<eng::Layout>();
    layBas->name = "layBas";
    layBas->height = 76;
    layBas->align = eng::Align::Bottom;
    Image2 = layBas->add<eng::Image>();
    Image2->name = "Image2";
    Image2->width = 76;
    Image2->height = 76;
    Image2->opacity = 0.7f;
    aniBtnMenu = Image2->add<eng::FloatAnimation>();
    aniBtnMenu->name = "aniBtnMenu";
    aniBtnMenu->propertyName = "Position.X";
    aniBtnMenu->startValue = 0;
    aniBtnMenu->stopValue = 15;
    aniBtnMenu->duration = 0.25f;
    aniBtnMenu->autoReverse = true;
    aniBtnMenu->loop = true;
    aniBtnMenu->interpolation = eng::Interpolation::Sinusoidal;
    aniBtnMenu->animationType = eng::AnimationType::InOut;
}
