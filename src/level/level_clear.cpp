// Clearing a level: every element image, animation and effect of both planes, the parallax layers and the
// definition lists. End actions are silenced first, so nothing of the old level comes back to life.
#include "app/TfMain.h"
#include "engine/animation.h"
#include "engine/effects.h"

namespace {

// Halts an animation where it stands with its callbacks removed: freeing it must not run game code.
void silence(eng::Animation& animation) {
    animation.onFinish = nullptr;
    animation.onProcess = nullptr;
    animation.stopAtCurrent();
}

void silenceTree(eng::Node& node) {
    if (auto* animation = dynamic_cast<eng::Animation*>(&node)) silence(*animation);
    for (const auto& child : node.children()) silenceTree(*child);
}

}  // namespace

void TfMain::libererObjet(eng::Node& objet) {
    if (auto* glow = dynamic_cast<eng::InnerGlowEffect*>(&objet)) {
        glow->enabled = false;
    } else if (auto* animation = dynamic_cast<eng::Animation*>(&objet)) {
        silence(*animation);
    } else if (dynamic_cast<eng::Image*>(&objet)) {
        for (size_t i = objet.childCount(); i-- > 0;) libererObjet(*objet.child(i));
        objet.deleteChildren();
        return;   // the image itself stays
    }
    if (eng::Node* parent = objet.parent()) parent->removeChild(&objet);
}

void TfMain::SupprimerAnimations(eng::Node& unRec) {
    for (size_t i = unRec.childCount(); i-- > 0;) {
        eng::Node& child = *unRec.child(i);
        silenceTree(child);
        for (size_t j = child.childCount(); j-- > 0;) libererObjet(*child.child(j));
    }
    unRec.deleteChildren();
}

void TfMain::viderConteneur(eng::Node& conteneur) {
    silenceTree(conteneur);
    conteneur.deleteChildren();
}

void TfMain::initialiserConteneurs() {
    if (!recBonus) return;   // the level's scene was never created
    effacementEnCours = true;
    tEnnemiTouche.setEnabled(false);   // no stun of an old enemy may fire into the next level
    // The falling-platform drop may be lent to a platform about to be freed: take it back first.
    if (aniPlateforme) {
        aniPlateforme->stopAtCurrent();
        aniPlateformeFinish();
    }
    for (eng::Node* rec : {recBonus, recEnnemi}) SupprimerAnimations(*rec);
    nbEnnemi = 0;
    presenceBaril = false;
    parentBaril = nullptr;
    for (eng::Node* rec : {recPlateforme, recPlateformeTournante, recDecorAnime}) SupprimerAnimations(*rec);
    viderConteneur(*recDecor);
    viderConteneur(*recDecorBloquant);
    viderConteneur(*layDecorDevant);
    for (eng::Node* rec : {recSpeciaux, recBonus2, recEnnemi2, recPlateforme2, recDecorAnime2}) SupprimerAnimations(*rec);
    for (eng::Node* rec : {recDecor2, recDecorBloquant2, recDecorDevant2}) viderConteneur(*rec);
    SupprimerAnimations(*recSpeciaux2);
    for (TScrolling* layer : listeScrollings) {
        layer->Rectangle->fill.bitmap.reset();
        layer->Rectangle->fill.color = eng::colors::Black;
        if (eng::Node* parent = layer->parent()) parent->removeChild(layer);
    }
    listeScrollings.clear();
    listeDecor.clear();
    listeDecorsTileset.clear();
    listePlateformes.clear();
    listeBonus.clear();
    listeEnnemis.clear();
    listeSpecial.clear();
    nbBonusMax = 0;
    if (onNiveauEfface) onNiveauEfface();
    resources.clearCache();   // the old level's pictures go with it
    effacementEnCours = false;
}
