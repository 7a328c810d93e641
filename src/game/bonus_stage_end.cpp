// The bonus stage's collisions and its end: a cloud touched, the time up with too few gold items, or the
// run won with the zone's flag; the result box, its "Ok" button and the bonus layer itself.
#include <cmath>
#include "app/TfMain.h"
#include "engine/effects.h"

namespace {

bool chevauche(float ax, float ay, float aw, float ah, float bx, float by, float bw, float bh) {
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}

eng::FloatAnimation* fondu(eng::Node& cible, float de, float a, float duree) {
    auto* animation = cible.add<eng::FloatAnimation>();
    animation->propertyName = "Opacity";
    animation->startValue = de;
    animation->stopValue = a;
    animation->duration = duree;
    animation->interpolation = eng::Interpolation::Sinusoidal;
    return animation;
}

eng::Label* etiquette(eng::Node& parent, const char* nom, float taille) {
    auto* label = parent.add<eng::Label>();
    label->name = nom;
    label->fontSize = taille;
    label->color = eng::colors::White;
    label->textAlign = eng::TextAlign::Center;
    return label;
}

}  // namespace

void TfMain::construireCoucheBonus() {
    imgReady = layBonus->add<eng::Image>();
    imgReady->name = "imgReady";
    imgGo = layBonus->add<eng::Image>();
    imgGo->name = "imgGo";
    for (eng::Image* titre : {imgReady, imgGo}) {
        titre->setBitmap(imageOptionnelle(titre == imgReady ? "ready" : "go"));
        titre->width = 460;
        titre->height = 132;
        titre->align = eng::Align::Center;
        titre->hitTest = false;
    }
    imgGo->opacity = 0;
    aniReady = fondu(*imgReady, 1, 0, 3);
    aniReady->delay = 1;
    aniReady->animationType = eng::AnimationType::Out;
    aniReady->onFinish = [this](eng::Animation&) { aniReadyFinish(); };
    aniGo = fondu(*imgGo, 0, 1, 1);
    aniGo->animationType = eng::AnimationType::InOut;
    aniGo->onFinish = [this](eng::Animation&) { aniGoFinish(); };

    lblMessageBonus = etiquette(*layBonus, "lblMessageBonus", 16);
    lblMessageBonus->align = eng::Align::Bottom;
    lblMessageBonus->height = 30;
    lblMessageBonus->text = texteMessageBonus;
    lblMessageBonus->add<eng::ShadowEffect>();
    aniLblMessageBonus = fondu(*lblMessageBonus, 1, 0, 2);
    aniLblMessageBonus->animationType = eng::AnimationType::InOut;
    aniLblMessageBonus->loop = true;

    rectangleBonusFin = layBonus->add<eng::Rectangle>();
    rectangleBonusFin->name = "rectangleBonusFin";
    rectangleBonusFin->width = 400;
    rectangleBonusFin->height = 250;
    rectangleBonusFin->align = eng::Align::Center;
    rectangleBonusFin->fill.color = 0xFF615F5F;
    rectangleBonusFin->opacity = 0.9f;
    rectangleBonusFin->visible = false;
    lblFinBonus = etiquette(*rectangleBonusFin, "lblFinBonus", 14);
    lblFinBonus->position = {0, 10};
    lblFinBonus->width = 400;
    lblFinBonus->height = 60;
    lblFinBonus->wordWrap = true;
    imgFinBonus = rectangleBonusFin->add<eng::Image>();
    imgFinBonus->name = "imgFinBonus";
    imgFinBonus->position = {168, 80};
    imgFinBonus->width = imgFinBonus->height = 64;
    btnFinBonus = rectangleBonusFin->add<eng::Rectangle>();
    btnFinBonus->name = "btnFinBonus";
    btnFinBonus->position = {150, 195};
    btnFinBonus->width = 100;
    btnFinBonus->height = 40;
    btnFinBonus->fill.color = 0xFF2CA5BE;
    btnFinBonus->xRadius = btnFinBonus->yRadius = 5;
    auto* ok = etiquette(*btnFinBonus, "lblOk", 16);
    ok->text = "Ok";
    ok->align = eng::Align::Client;
    ok->hitTest = false;
    btnFinBonus->onClick = [this](eng::Node&) { btnFinBonusClick(); };
    glowEffectJoypadBonus = btnFinBonus->add<eng::GlowEffect>();
    glowEffectJoypadBonus->enabled = false;
}

std::string TfMain::testerCollisionsBonus() {
    const float mx = joueurBonus->position.x + static_cast<float>(playerHitBox.left);
    const float my = joueurBonus->position.y + static_cast<float>(playerHitBox.top);
    const auto mw = static_cast<float>(playerHitBox.width), mh = static_cast<float>(playerHitBox.height);
    std::string resultat;
    for (const auto& [nuage, vitesse] : listeEnnemisBonus) {
        const eng::PointF p = nuage->position;
        if (chevauche(mx, my, mw, mh, p.x + 10, p.y + 15, nuage->width - 20, nuage->height - 30)) {
            resultat = "cloud";
            break;
        }
    }
    for (eng::Image* or_ : listeBonusOrBonus) {
        if (chevauche(mx, my, mw, mh, or_->position.x, or_->position.y, or_->width, or_->height)) {
            // A catch wins over a cloud met in the same frame.
            or_->position.x = layZoneJeu->width + 5 + static_cast<float>(engine.random().nextInt(500));
            or_->position.y =
                static_cast<float>(engine.random().nextInt(static_cast<int>(std::lround(layZoneJeu->height - 14))));
            return "gold";
        }
    }
    return resultat;
}

bool TfMain::verifierFinBonus() {
    if (lblChrono->text == "00:00") {
        aniLblMessageBonus->stopAtCurrent();
        return true;
    }
    const std::string touche = testerCollisionsBonus();
    if (touche == "cloud") {
        if (sons) jouerSon(mpJoueurMeurt, VOLUME_EFFET);
        return true;
    }
    if (touche == "gold") {
        if (sons) jouerSon(MediaBonusDiamant, VOLUME_EFFET);
        nbBonusOr += 1;
    }
    return false;
}

void TfMain::terminerBonus() {
    for (eng::Image* or_ : listeBonusOrBonus) {
        if (auto* feuille = or_->firstChildOfType<eng::BitmapListAnimation>()) {
            feuille->stopAtCurrent();
            or_->removeChild(feuille);
        }
    }
    tGameloop.setEnabled(false);
    tFPS.setEnabled(false);
    if (musiques) MediaMusique.stop();
    imgFinBonus->visible = false;
    if (lblChrono->text != "00:00") {
        lblFinBonus->text = "You touched a cloud.\r\nTry again...";
    } else if (lblMessageBonus->text.find("Get") != std::string::npos) {
        lblFinBonus->text = "Not enough gold diamond.\r\nTry again...";
    } else {
        if (sons) jouerSon(mpGetConsole, VOLUME_EFFET);
        lblFinBonus->text = "You won the bonus !\r\nWell done !";
        const std::string bonus = eng::toLower(nomNiveauBonus);
        if (bonus == "bonusnes") aNesBonus = true;
        else if (bonus == "bonusms") aMSBonus = true;
        else if (bonus == "bonuspc") aPCBonus = true;
        else if (bonus == "bonusmd") aMDBonus = true;
        else if (bonus == "bonussnes") aSNESBonus = true;
        else if (bonus == "bonussupergraphx") aSuperBonus = true;
        imgFinBonus->visible = true;
    }
    imgFinBonus->setBitmap(tileSet ? tileSet : imageOptionnelle(""));
    imgFinBonus->width = imgFinBonus->height = 64;
    rectangleBonusFin->visible = true;
    glowEffectJoypadBonus->enabled = useJoypad;
}

void TfMain::btnFinBonusClick() {
    libererBonus();
    rectangleBonusFin->visible = false;
    afficherStage(TStage::map);
}

void TfMain::libererBonus() {
    for (eng::Image* or_ : listeBonusOrBonus) layZoneJeu->removeChild(or_);
    listeBonusOrBonus.clear();
    for (auto& [nuage, vitesse] : listeEnnemisBonus) layZoneJeu->removeChild(nuage);
    listeEnnemisBonus.clear();
    if (aniReady) aniReady->stopAtCurrent();
    if (aniGo) aniGo->stopAtCurrent();
    if (aniLblMessageBonus) aniLblMessageBonus->stopAtCurrent();
    if (layBonus) layBonus->visible = false;
    if (rectangleBonusFin) rectangleBonusFin->visible = false;
    for (TScrolling* bande : listeScrollings) {
        if (eng::Node* parent = bande->parent()) parent->removeChild(bande);
    }
    listeScrollings.clear();
}
