// The barrel launcher: one barrel at a time falls from the launcher and explodes where it lands,
// which lets the next frame drop the next one.
#include "app/TfMain.h"

void TfMain::lancerBaril(eng::Image* lanceur, int tuiles, float duree) {
    if (!lanceur || !recEnnemi) {
        BarilExplosionEnCours = false;
        return;
    }
    auto* baril = recEnnemi->add<TImageEnnemi>();
    baril->opacity = lanceur->opacity;
    baril->name = "ennemiBaril" + lanceur->name + "_1";
    baril->hitTest = false;
    auto* feuille = baril->add<eng::BitmapListAnimation>();
    feuille->animationBitmap = imageOptionnelle("barilExplose");
    feuille->animationCount = 1;
    feuille->duration = 1.0f;
    feuille->loop = true;
    feuille->start();
    const int largeur = feuille->animationBitmap->width(), hauteur = feuille->animationBitmap->height();
    baril->hint = "0:0:" + std::to_string(largeur) + ":" + std::to_string(hauteur);
    baril->width = static_cast<float>(largeur);
    baril->height = static_cast<float>(hauteur);
    lanceur->bringToFront();
    baril->tagFloat = pvCode::baril;
    baril->position = {lanceur->position.x + 32, lanceur->position.y + 32};
    auto* chute = baril->add<eng::FloatAnimation>();
    chute->propertyName = "Position.Y";
    chute->startValue = baril->position.y;
    chute->stopValue = lanceur->position.y + static_cast<float>(tuiles * TileSize);
    chute->duration = duree;
    chute->interpolation = eng::Interpolation::Sinusoidal;
    chute->animationType = eng::AnimationType::In;
    chute->onFinish = [this](eng::Animation& fin) {
        if (!effacementEnCours) finChuteBaril(static_cast<eng::FloatAnimation&>(fin));
    };
    chute->start();
}

void TfMain::finChuteBaril(eng::FloatAnimation& chute) {
    auto* baril = dynamic_cast<eng::Image*>(chute.parent());
    if (!baril) return;
    baril->width = 48;
    baril->height = 48;
    baril->hint = "0:0:48:48";
    tuerEnnemi(baril, true);
}
