// The world's shared pieces built once with the window (the bubble's label, the enemy health bar, the
// explosion, the hurt glow, the teleport fade, the flying machine, the bonus layer) and their callbacks.
#include "app/TfMain.h"
#include "engine/effects.h"
#include "screens/TfStore.h"

namespace {

template <class T>
T* nomme(T* noeud, const char* nom) {
    noeud->name = nom;
    return noeud;
}

}  // namespace

void TfMain::creerInteractions() {
    lblInfoSpecial = nomme(recInfoSpecial->add<eng::Label>(), "lblInfoSpecial");
    lblInfoSpecial->color = eng::colors::White;
    lblInfoSpecial->textAlign = eng::TextAlign::Center;
    lblInfoSpecial->wordWrap = true;
    lblInfoSpecial->position = {10, 5};
    recInfoSpecial->width = 120;
    recInfoSpecial->height = 56;
    recInfoSpecial->opacity = 0.8f;
    recInfoSpecial->xRadius = recInfoSpecial->yRadius = 10;
    lblInfoSpecial->width = recInfoSpecial->width - 20;
    lblInfoSpecial->height = recInfoSpecial->height - 10;

    aniPixel->startValue = 600;
    aniPixel->stopValue = 10;
    aniPixel->duration = 1.5f;
    aniPixel->interpolation = eng::Interpolation::Sinusoidal;
    aniPixel->animationType = eng::AnimationType::Out;

    aniGoto = nomme(layZoneJeu->add<eng::FloatAnimation>(), "aniGoto");
    aniGoto->propertyName = "Opacity";
    aniGoto->duration = 0.3f;
    aniGoto->onFinish = [this](eng::Animation&) { aniGotoFinish(); };

    // The hurt glow lives on the hero image, which stays the same from level to level.
    auto* glow = nomme(joueur->add<eng::InnerGlowEffect>(), "effetTouche");
    glow->glowColor = eng::colors::White;
    glow->softness = 2;
    glow->opacity = 0.9f;
    glow->enabled = false;
    effetTouche = glow;

    recEnergieEnnemi = nomme(engine.root().add<eng::Rectangle>(), "recEnergieEnnemi");
    recEnergieEnnemi->width = 40;
    recEnergieEnnemi->height = 10;
    recEnergieEnnemi->xRadius = recEnergieEnnemi->yRadius = 2.5f;
    recEnergieEnnemi->visible = false;
    recEnergieEnnemi->hitTest = false;
    recMarqueurEnergieEnnemi = nomme(recEnergieEnnemi->add<eng::Rectangle>(), "recMarqueurEnergieEnnemi");
    recMarqueurEnergieEnnemi->fill.color = 0xFF2D5F9D;
    recMarqueurEnergieEnnemi->position = {2, 2};
    recMarqueurEnergieEnnemi->width = 20;
    recMarqueurEnergieEnnemi->height = 8;
    noeudsFenetre_.push_back(recEnergieEnnemi);

    aniExplosion = nomme(iExplosion->add<eng::BitmapListAnimation>(), "aniExplosion");
    aniExplosion->animationBitmap = imageOptionnelle("explosion");
    aniExplosion->animationCount = 9;
    aniExplosion->duration = 0.6f;
    aniExplosion->onFinish = [this](eng::Animation&) { aniExplosionFinish(); };
    iExplosion->hitTest = false;

    joueurBonus->width = 61;
    joueurBonus->height = 50;
    auto* helice = joueurBonus->add<eng::BitmapListAnimation>();
    helice->animationBitmap = imageOptionnelle("joueurbonus");
    helice->animationCount = 4;
    helice->duration = 0.2f;
    helice->loop = true;

    construireCoucheBonus();

    frmStore->onArticle = [this](const std::string& cle) { preparerAchat(cle); };
    frmStore->onBuy = [this] { frmStorebtnBuyClick(); };
    frmStore->onBack = [this] { frmStorebtnForgeBackClick(); };
    for (eng::Rectangle* tuile : frmStore->layArticle) {
        if (auto* image = tuile->firstChildOfType<eng::Image>()) image->setBitmap(imageOptionnelle(image->name));
    }

    tEnnemiTouche.onTimer = [this] { tEnnemiToucheTimer(); };
    tEnnemiTouche.setInterval(tEnnemiToucheDelais);
    onDeplacerEnnemiFinish = [this](eng::FloatAnimation& a) { DeplacerEnnemiFinish(a); };
    onFinChuteBaril = [this](eng::FloatAnimation& a) { finChuteBaril(a); };
    preparerNiveauBonus = [this] { preparerBonus(); };
    onNiveauEfface = [this, avant = onNiveauEfface] {
        if (avant) avant();
        oublierNiveauInteractions();
    };
    enregistrerEtatInteractions();
}

// Whatever the old level left running goes: nothing of it may act in the next one.
void TfMain::oublierNiveauInteractions() {
    tEnnemiTouche.setEnabled(false);
    objetAArreter.reset();
    animationAArreter.clear();
    recEnergieEnnemi->visible = false;
    recEnergieEnnemi->setParent(&engine.root());
    BarilExplosionEnCours = false;
    aniExplosion->stopAtCurrent();
    aniExplosionFinish();
    recInfoSpecial->visible = false;
    recInfoSpecial->setParent(layZoneJeu);
    recInfoSpecial->tagString.clear();
    lblInfoSpecial->text.clear();
    aniGoto->stopAtCurrent();
    joueur->opacity = 1;
    if (effetTouche) effetTouche->enabled = false;
    fermerBoutique();
    libererBonus();
}
