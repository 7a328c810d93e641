// The head-up display: energy gauge, points, lives and diamonds on the left; countdown, plane indicator,
// frame rate and level title along the top right. Pictures come from the resources when present.
#include <algorithm>
#include "app/TfMain.h"
#include "engine/errors.h"

namespace {

constexpr eng::AlphaColor blanc = eng::colors::White;

void ombrer(eng::Node& texte) {
    auto* ombre = texte.add<eng::ShadowEffect>();
    ombre->distance = 3;
    ombre->direction = 45;
    ombre->softness = 0.3f;
    ombre->opacity = 0.7f;
}

eng::Label* ajouterTexte(eng::Node& parent, const char* nom, float taille) {
    auto* texte = parent.add<eng::Label>();
    texte->name = nom;
    texte->hitTest = false;
    texte->fontSize = taille;
    texte->color = blanc;
    ombrer(*texte);
    return texte;
}

eng::Layout* ajouterBloc(eng::Node& parent, const char* nom, float y, float hauteur) {
    auto* bloc = parent.add<eng::Layout>();
    bloc->name = nom;
    bloc->hitTest = false;
    bloc->position = {0, y};
    bloc->width = 179;
    bloc->height = hauteur;
    return bloc;
}

}  // namespace

// A picture of the resources, or an empty one when the art is missing (the game runs without it).
eng::BitmapPtr TfMain::imageOptionnelle(const std::string& nom) {
    try {
        return resources.loadBitmap(nom);
    } catch (const eng::GameError&) {
        return std::make_shared<eng::Bitmap>();
    }
}

void TfMain::ajouterIcone(eng::Node& parent, const std::string& nomImage, float x, float y) {
    auto* icone = parent.add<eng::Image>();
    icone->name = nomImage;
    icone->hitTest = false;
    icone->setBitmap(imageOptionnelle(nomImage));
    icone->position = {x, y};
    icone->width = 24;
    icone->height = 24;
}

// One counter row of the head-up display: its icon, then its number beside it.
eng::Label* TfMain::ajouterCompteur(eng::Node& bloc, const std::string& nomIcone, const std::string& nomLabel) {
    ajouterIcone(bloc, nomIcone, 5, 3);
    eng::Label* compteur = ajouterTexte(bloc, nomLabel.c_str(), 16);
    compteur->position = {35, 0};
    compteur->width = 140;
    compteur->height = 30;
    return compteur;
}

void TfMain::construireHUD() {
    auto* gauche = layHUD->add<eng::Layout>();
    gauche->name = "layHUDGauche";
    gauche->hitTest = false;
    gauche->width = 179;
    gauche->height = layHUD->height;
    gauche->opacity = 0.8f;

    layEnergie = ajouterBloc(*gauche, "layEnergie", 0, 35);
    if (recEnergie) {
        recEnergie->setParent(layEnergie);
        recEnergie->position = {5, 5};
        recEnergie->height = 25;
        recMarqueurEnergie->position = {2, 2};
        recMarqueurEnergie->height = 21;
    }
    auto* points = ajouterBloc(*gauche, "layPoints", 35, 25);
    lblNbPoints = ajouterTexte(*points, "lblNbPoints", 16);
    lblNbPoints->position = {5, 0};
    lblNbPoints->width = 170;
    lblNbPoints->height = 25;
    layVie = ajouterBloc(*gauche, "layVie", 60, 30);
    lblNbVie = ajouterCompteur(*layVie, "hud_coeur", "lblNbVie");
    layDiamants = ajouterBloc(*gauche, "layDiamants", 90, 30);
    lblNbBonus = ajouterCompteur(*layDiamants, "hud_diamant", "lblNbBonus");

    // The plane indicator: a rounded square with a white outline around the plane number.
    auto* cadrePlan = layHUD->add<eng::Rectangle>();
    cadrePlan->name = "layPlan";
    cadrePlan->hitTest = false;
    cadrePlan->width = cadrePlan->height = 32;
    cadrePlan->fill.kind = eng::FillKind::None;
    cadrePlan->strokeColor = blanc;
    cadrePlan->strokeThickness = 3;
    cadrePlan->xRadius = cadrePlan->yRadius = 6;
    layPlan = cadrePlan;
    lblPlan->setParent(layPlan);
    lblPlan->align = eng::Align::Client;
    lblPlan->textAlign = eng::TextAlign::Center;
    lblPlan->fontSize = 16;
    lblPlan->color = blanc;
    if (lblPlan->text.empty()) lblPlan->text = "1";
    ombrer(*lblPlan);

    lblChrono->width = 96;
    lblChrono->height = 35;
    lblChrono->fontSize = 20;
    lblChrono->color = blanc;
    lblChrono->textAlign = eng::TextAlign::Center;
    ombrer(*lblChrono);
    aniChrono = lblChrono->add<eng::FloatAnimation>();
    aniChrono->name = "aniChrono";
    aniChrono->propertyName = "Opacity";
    aniChrono->startValue = 1;
    aniChrono->stopValue = 0.2f;
    aniChrono->duration = 0.2f;
    aniChrono->autoReverse = true;
    aniChrono->loop = true;

    lblFPS->textAlign = eng::TextAlign::Trailing;
    lblFPS->fontSize = 16;
    lblFPS->color = blanc;
    lblFPS->width = 120;
    lblFPS->height = 35;
    ombrer(*lblFPS);
    if (lblNomNiveau) {
        lblNomNiveau->fontSize = 18;
        ombrer(*lblNomNiveau);
    }
    placerHUD();
}

// The right part follows the band's width (window resizes, zoom changes).
// The band spans the game zone, which is laid out in zoomed units: the right-hand row follows the
// zone's own width, not the window's, or it would sit past the right edge of the view.
void TfMain::placerHUD() {
    layHUD->width = layZoneJeu->width;
    const float largeur = layHUD->width;
    if (largeur == largeurHUDPlacee) return;
    largeurHUDPlacee = largeur;
    lblChrono->position = {largeur - 96, 0};
    layPlan->position = {largeur - 96 - 32 - 5, 1.5f};
    lblFPS->position = {largeur - 96 - 32 - 10 - lblFPS->width, 0};
    // The level title is not in this row: at the default window the zone is 400 units wide and the row
    // has no room left between the gauge block and the countdown; the level start centres it below.
}
