// Starting a built level: the hero's and the frame's state, the night overlay, the zone fitted to the level,
// the camera, the energy, the music and the title, then the frame loop (or the bonus stage's Ready and Go).
#include <cmath>
#include "app/TfMain.h"

void TfMain::remplirEnergie() {
    recMarqueurEnergie->width = maxEnergie;
    nbEnergie = recMarqueurEnergie->width;
    recMarqueurEnergie->width = recEnergie->width - 4;
}

void TfMain::relancerEauMontante(eng::Node& conteneur) {
    for (const auto& child : conteneur.children()) {
        if (std::lround(child->tagFloat) != pvCode::eauMontante) continue;
        auto* montee = child->firstChildOfType<eng::FloatAnimation>();
        if (!montee) continue;
        montee->stop();
        montee->startValue = 60.0f * TileSize;
        child->position.y = 60.0f * TileSize;
        montee->start();
    }
}

// The dark overlay around the hero: a picture with a clear centre and four black sides covering the view.
void TfMain::placerNuit() {
    if (!night) {
        recNuit->visible = false;
        return;
    }
    recNuit->position = {0, 0};
    recNuit->visible = true;
    const float W = engine.root().width, H = engine.root().height;
    for (eng::Rectangle* side : {recNuitHaut, recNuitBas}) {
        side->height = H;
        side->width = W * SCALE;
        side->position.x = -side->width * 0.5f;
    }
    recNuitHaut->position.y = recNuit->position.y - recNuitHaut->height;
    recNuitBas->position.y = recNuit->position.y + recNuit->height;
    for (eng::Rectangle* side : {recNuitGauche, recNuitDroite}) {
        side->height = H;
        side->width = W * 0.5f;
        side->position.y = recNuit->position.y;
    }
    // The sides are children of the overlay: their positions are relative to it.
    recNuitHaut->position.y -= recNuit->position.y;
    recNuitBas->position.y -= recNuit->position.y;
    recNuitGauche->position.x = -recNuitGauche->width;
    recNuitDroite->position.x = recNuit->width;
    recNuitGauche->position.y = recNuitDroite->position.y = 0;
    suivreNuit();
}

// The game zone fitted to the level: a level smaller than the view is centred and its scrolling locked.
void TfMain::ajusterZoneAuNiveau() {
    const float W = engine.root().width, H = engine.root().height;
    const float zoomX = layZoneJeu->scale.x != 0 ? layZoneJeu->scale.x : 1;
    const float zoomY = layZoneJeu->scale.y != 0 ? layZoneJeu->scale.y : 1;
    // Compare with the zone filling the window, whatever the previous level made of it.
    const float fullW = W / zoomX, fullH = H / zoomY;
    const float levelW = layNiveau->width, levelH = layNiveau->height;
    layZoneJeu->position = {0, 0};
    layZoneJeu->width = fullW;
    layZoneJeu->height = fullH;
    if (niveauBonus) {
        layZoneJeu->align = eng::Align::Client;
    } else if (fullH > levelH) {
        const bool plusLarge = fullW > levelW;
        layZoneJeu->align = plusLarge ? eng::Align::Center : eng::Align::VertCenter;
        layZoneJeu->height = levelH;
        layZoneJeu->width = plusLarge ? levelW : fullW;
        layZoneJeu->position.y = (H - levelH * zoomY) * 0.5f;
        if (plusLarge) layZoneJeu->position.x = (W - levelW * zoomX) * 0.5f;
    } else {
        layZoneJeu->align = fullW > levelW ? eng::Align::HorzCenter : eng::Align::Client;
    }
    placerHUD();   // the head-up display spans the zone
}

// The vertical camera: the level's top in view, its bottom in view, or the hero centred.
void TfMain::placerCameraVerticale() {
    const float y = joueur->position.y;
    const float d = layNiveau->height - layZoneJeu->height;
    if (y <= demiZoneJeuH) layNiveau->position.y = 0;
    else if (d <= y) layNiveau->position.y = -d;
    else layNiveau->position.y = demiZoneJeuH - y;
    layNiveau2->position.y = layNiveau->position.y - demiTile;
    layDecorDevant->position.y = layNiveau->position.y;
}

void TfMain::placerScrollings() {
    const float H = engine.root().height;
    for (TScrolling* layer : listeScrollings) {
        layer->position = {0, static_cast<float>(layer->posY)};
        const auto& picture = layer->Rectangle->fill.bitmap;
        if (picture && picture->height() > H) layer->position.y = H - static_cast<float>(picture->height());
    }
}
