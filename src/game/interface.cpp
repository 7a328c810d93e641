// The gameplay's screens and animations: the pause sign with its four option icons, the game-over screen,
// the plane cross-fades, the dust, the sparkle, and the wiring of timers, animation ends and keys.
#include "app/TfMain.h"

namespace {

eng::FloatAnimation* animationOpacite(eng::Node& cible, const char* nom, float de, float a, float duree) {
    auto* animation = cible.add<eng::FloatAnimation>();
    animation->name = nom;
    animation->propertyName = "Opacity";
    animation->startValue = de;
    animation->stopValue = a;
    animation->duration = duree;
    return animation;
}

// A gold glow that shows while the mouse is over the node.
void lueurAuSurvol(eng::Node& cible) {
    auto* lueur = cible.add<eng::GlowEffect>();
    lueur->glowColor = 0xFFFFD700;
    lueur->softness = 0.8f;
    lueur->opacity = 1;
    lueur->enabled = false;
    cible.onMouseEnter = [lueur](eng::Node&) { lueur->enabled = true; };
    cible.onMouseLeave = [lueur](eng::Node&) { lueur->enabled = false; };
}

}  // namespace

void TfMain::creerInterfaceJeu() {
    construireHUD();
    construirePause();
    construireGameOver();
    construireAnimationsJeu();
    brancherEvenementsJeu();
}

void TfMain::construirePause() {
    imgPause->setBitmap(imageOptionnelle("pause"));
    imgPause->width = imgPause->height = 64;
    imgPause->align = eng::Align::Center;
    recMenuPause->width = 270;
    recMenuPause->height = 64;
    recMenuPause->position = {-103, 68};
    recMenuPause->fill.kind = eng::FillKind::Solid;
    recMenuPause->fill.color = 0xFF2CA5BE;
    recMenuPause->strokeColor = 0xFF03739E;
    recMenuPause->strokeThickness = 5;
    recMenuPause->xRadius = recMenuPause->yRadius = 5;
    struct Icone { eng::Image*& image; const char* nom; int code; void (TfMain::*clic)(); };
    const Icone icones[] = {{imgMusics, "pause_musique", 10, &TfMain::imgMusicsClick},
                            {imgSound, "pause_son", 11, &TfMain::imgSoundClick},
                            {imgJoypad, "pause_manette", 12, &TfMain::imgJoypadClick},
                            {imgFPS, "pause_fps", 13, &TfMain::imgFPSClick}};
    float x = 5;
    for (const Icone& icone : icones) {
        icone.image = recMenuPause->add<eng::Image>();
        icone.image->name = icone.nom;
        icone.image->tag = icone.code;
        icone.image->setBitmap(imageOptionnelle(icone.nom));
        icone.image->position = {x, 5};
        icone.image->width = 60;
        icone.image->height = 54;
        lueurAuSurvol(*icone.image);
        auto* gris = icone.image->add<eng::FillRGBEffect>();
        gris->color = 0xFF808080;
        gris->enabled = false;
        const auto clic = icone.clic;
        icone.image->onClick = [this, clic](eng::Node&) { (this->*clic)(); };
        x += 65;
    }
    imgJoypad->visible = true;
}

void TfMain::construireGameOver() {
    imgGameover = layGameOver->add<eng::Image>();
    imgGameover->name = "imgGameover";
    imgGameover->setBitmap(imageOptionnelle("gameover"));
    imgGameover->width = 514;
    imgGameover->height = 198;
    imgGameover->align = eng::Align::Center;
    // The strip hangs below the artwork: aligned to its bottom with a bottom margin of -80.
    auto* bande = imgGameover->add<eng::Layout>();
    bande->name = "layBtnBackToMenu";
    bande->height = 75;
    bande->align = eng::Align::Bottom;
    bande->margins.bottom = -80;
    btnBackToMenu = bande->add<eng::Rectangle>();
    btnBackToMenu->name = "btnBackToMenu";
    btnBackToMenu->width = 279;
    btnBackToMenu->height = 60;
    btnBackToMenu->align = eng::Align::Center;
    btnBackToMenu->margins.top = 5;
    btnBackToMenu->xRadius = btnBackToMenu->yRadius = 10;
    btnBackToMenu->fill.kind = eng::FillKind::LinearGradient;
    btnBackToMenu->fill.stops = {{0xFF2CA5BE, 0}, {0xFF03739E, 1}};
    btnBackToMenu->strokeColor = 0xFFFFFFFF;
    btnBackToMenu->strokeThickness = 2;
    lueurAuSurvol(*btnBackToMenu);
    auto* libelle = btnBackToMenu->add<eng::Label>();
    libelle->name = "lblBackToMenu";
    libelle->text = "Back to menu";
    libelle->fontSize = 22;
    libelle->color = eng::colors::White;
    libelle->align = eng::Align::Client;
    libelle->textAlign = eng::TextAlign::Center;
    libelle->hitTest = false;
    btnBackToMenu->onClick = [this](eng::Node&) { btnBackToMenuClick(); };
}

void TfMain::construireAnimationsJeu() {
    aniBasculePlan2 = animationOpacite(*layNiveau, "aniBasculePlan2", 1.0f, opacity, 0.2f);
    aniBasculePlan1 = animationOpacite(*layNiveau, "aniBasculePlan1", opacity, 1.0f, 0.2f);
    aniApercuPlan = animationOpacite(*layNiveau, "aniApercuPlan", 1.0f, opacity, 0.2f);
    aniPoussiere = joueurPoussiere->add<eng::BitmapListAnimation>();
    aniPoussiere->name = "aniPoussiere";
    aniParticuleBonus = iParticuleBonus->add<eng::FloatAnimation>();
    aniParticuleBonus->name = "aniParticuleBonus";
    aniParticuleBonus->propertyName = "Width";
    aniParticuleBonus->startValue = 0;
    aniParticuleBonus->stopValue = 32;
    aniParticuleBonus->duration = 0.3f;
    aniParticuleBonus->interpolation = eng::Interpolation::Sinusoidal;
    aniParticuleBonus->animationType = eng::AnimationType::Out;
    iParticuleBonus->setBitmap(imageOptionnelle("particulebonus"));
}

void TfMain::brancherEvenementsJeu() {
    tGameloop.onTimer = [this] { tGameloopTimer(); };
    tInvincible.onTimer = [this] { tInvincibleTimer(); };
    tCourt.onTimer = [this] { tCourtTimer(); };
    tPeutCourir.onTimer = [this] { tPeutCourirTimer(); };
    aniPlayer->onFinish = [this](eng::Animation&) { aniPlayerFinish(); };
    aniPoussiere->onFinish = [this](eng::Animation&) { aniPoussiereFinish(); };
    aniParticuleBonus->onProcess = [this](eng::Animation&) { aniParticuleBonusProcess(); };
    aniParticuleBonus->onFinish = [this](eng::Animation&) { aniParticuleBonusFinish(); };
    aniBasculePlan1->onProcess = [this](eng::Animation&) { aniBasculePlanProcess(); };
    aniBasculePlan2->onProcess = [this](eng::Animation&) { aniBasculePlanProcess(); };
    aniApercuPlan->onProcess = [this](eng::Animation&) { aniBasculePlanProcess(); };
    aniBasculePlan1->onFinish = [this](eng::Animation&) { aniBasculePlan1Finish(); };
    aniBasculePlan2->onFinish = [this](eng::Animation&) { aniBasculePlan2Finish(); };
    engine.onKey = [this](const eng::KeyEvent& e) {
        if (e.down) FormKeyDown(e);
        else FormKeyUp(e);
    };
}
