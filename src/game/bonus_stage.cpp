// The bonus stage's run: Ready and Go, the gold items and clouds streaming in from the right, the
// countdown and the message line, one frame at a time while niveauBonus is set.
#include <cmath>
#include "app/TfMain.h"
#include "game/chrono.h"

namespace {

constexpr float vitesseOr = 6;   // pixels per frame

}  // namespace

void TfMain::preparerBonus() {
    rectangleBonusFin->visible = false;
    creerOrBonus();
    creerNuages();
    layBonus->visible = true;
    imgReady->opacity = 1;
    imgGo->opacity = 0;
    layBonus->bringToFront();
    aniReady->start();
}

void TfMain::aniReadyFinish() { aniGo->start(); }

void TfMain::aniGoFinish() {
    imgGo->opacity = 0;
    tGameloop.setEnabled(true);
}

void TfMain::creerOrBonus() {
    for (eng::Image* or_ : listeBonusOrBonus) layZoneJeu->removeChild(or_);
    listeBonusOrBonus.clear();
    nbBonusOr = 0;
    std::string texte = texteMessageBonus;
    if (const size_t x = texte.find('X'); x != std::string::npos) texte.replace(x, 1, std::to_string(nbLg));
    lblMessageBonus->text = texte;
    lblMessageBonus->opacity = 1;
    aniLblMessageBonus->start();
    if (!imageOrBonus) imageOrBonus = imageOptionnelle("bonusOr");
    for (int i = 1; i <= nbCol; ++i) {
        auto* or_ = layZoneJeu->add<eng::Image>();
        or_->name = "bonus_" + std::to_string(i);
        or_->hitTest = false;
        or_->width = 16;
        or_->height = 14;
        or_->position.x = layZoneJeu->width + 5 + static_cast<float>(engine.random().nextInt(500));
        or_->position.y = static_cast<float>(engine.random().nextInt(static_cast<int>(std::lround(layZoneJeu->height - 14))));
        auto* feuille = or_->add<eng::BitmapListAnimation>();
        feuille->animationBitmap = imageOrBonus;
        feuille->animationCount = 7;
        feuille->duration = 0.8f;
        feuille->loop = true;
        listeBonusOrBonus.push_back(or_);
    }
}

namespace {

// A cloud takes one of the five pictures at its natural size.
void habillerNuage(eng::Image& nuage, eng::BitmapPtr image) {
    nuage.width = static_cast<float>(image->width());
    nuage.height = static_cast<float>(image->height());
    nuage.setBitmap(std::move(image));
}

}  // namespace

void TfMain::creerNuages() {
    for (auto& [nuage, vitesse] : listeEnnemisBonus) layZoneJeu->removeChild(nuage);
    listeEnnemisBonus.clear();
    for (int i = 0; i <= attaqueHitBox; ++i) {
        auto* nuage = layZoneJeu->add<eng::Image>();
        nuage->name = "bonusennemi_" + std::to_string(i);
        nuage->hitTest = false;
        habillerNuage(*nuage, imageOptionnelle("cloud" + std::to_string(engine.random().range(1, 5))));
        nuage->position.x = layZoneJeu->width + 5;
        nuage->position.y = static_cast<float>(
            engine.random().nextInt(static_cast<int>(std::lround(layZoneJeu->height - nuage->height))));
        listeEnnemisBonus.emplace_back(nuage, engine.random().range(0, 7));
    }
}

void TfMain::boucleBonus() {
    lblNbPoints->text.clear();
    layPlan->visible = false;
    layEnergie->visible = false;
    layVie->visible = false;
    lblChrono->text = formaterChrono(tempsRestant());
    if (lblChrono->text == "00:15") {
        lblChrono->color = eng::colors::Red;
        if (!aniChrono->running()) aniChrono->start();
    }
    lblNbBonus->text = std::to_string(nbBonusOr);
    const int manque = nbLg - nbBonusOr;
    lblMessageBonus->text =
        manque < 1 ? "Stay focused until the end !" : "Get " + std::to_string(manque) + " gold items and avoid the clouds";
    deplacerScrollings(TAxes::x, -vitesseXMax, 0, false);
    deplacerOrBonus();
    deplacerNuages();
    gererTouches();
    layHUD->bringToFront();
    entretenirMusique();
    if (verifierFinBonus()) terminerBonus();
}

void TfMain::deplacerOrBonus() {
    for (eng::Image* or_ : listeBonusOrBonus) {
        if (or_->position.x <= -or_->width) {
            or_->position.x = layZoneJeu->width + 5 + static_cast<float>(engine.random().nextInt(500));
            or_->position.y =
                static_cast<float>(engine.random().nextInt(static_cast<int>(std::lround(layZoneJeu->height - 14))));
        }
        if (auto* feuille = or_->firstChildOfType<eng::BitmapListAnimation>(); feuille && !feuille->running())
            feuille->start();
        or_->position.x -= vitesseOr;
    }
}

void TfMain::deplacerNuages() {
    for (auto& [nuage, vitesse] : listeEnnemisBonus) {
        if (nuage->position.x <= -nuage->width) {
            habillerNuage(*nuage, imageOptionnelle("cloud" + std::to_string(engine.random().range(1, 5))));
            nuage->position.x = layZoneJeu->width + nuage->width;
            nuage->position.y = static_cast<float>(
                engine.random().nextInt(static_cast<int>(std::lround(layZoneJeu->height - nuage->height))));
            vitesse = engine.random().range(0, 7);
        }
        nuage->position.x -= static_cast<float>(vitesse);
    }
}
