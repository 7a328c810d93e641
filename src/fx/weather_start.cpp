// Starting the level's weather and showing it: the layer's size and zoom, the particle system of the
// requested kind, and one weather step with its drawing per frame while the layer is shown.
#include <algorithm>
#include "app/TfMain.h"
#include "fx/weather_canvas.h"
#include "level/pictures.h"

namespace {

constexpr int flocons_neige = 200, gouttes_pluie = 400, nappes_brouillard = 20;

}  // namespace

void TfMain::dimensionnerMeteo() {
    layMeteo->visible = true;
    layMeteo->width = layZoneJeu->width;
    layMeteo->height = layZoneJeu->height;
    SCALE_METEO = std::min(SCALE, 2.0f);
    layMeteo->scale = {SCALE_METEO, SCALE_METEO};
}

void TfMain::demarrerMeteo(int nombre, TTypeGoutte type) {
    flocons.reset();
    const float width = layZoneJeu->width * 1.5f / SCALE_METEO, height = layZoneJeu->height / SCALE_METEO;
    flocons = std::make_unique<TMeteo>(width, height, nombre, type, engine.random(),
                                       [this](const std::string& nom) { return chargerImage(cheminImage(nom)); });
    imgMeteo->position = {0, 0};
    imgMeteo->width = width;
    imgMeteo->height = height;
    imgMeteo->setBitmap(std::make_shared<eng::Bitmap>(static_cast<int>(width), static_cast<int>(height)));
    tMeteo.setEnabled(true);
}

void TfMain::demarrerPluie() { demarrerMeteo(gouttes_pluie, TTypeGoutte::pluie); }
void TfMain::demarrerNeige() { demarrerMeteo(flocons_neige, TTypeGoutte::neige); }
void TfMain::demarrerBrouillard() { demarrerMeteo(nappes_brouillard, TTypeGoutte::brouillard); }

void TfMain::layMeteoPaint() {
    if (!flocons || !layMeteo->isVisibleInTree() || !imgMeteo->bitmap) return;
    layMeteo->beginUpdate();
    flocons->Update();
    WeatherCanvas canvas(*imgMeteo->bitmap);
    canvas.clear();
    flocons->Draw(canvas);
    layMeteo->endUpdate();
}
