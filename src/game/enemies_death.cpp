// An enemy's end (explosion, score, sound) and the patrol turnaround at the end of each stretch.
#include <algorithm>
#include <cmath>
#include "app/TfMain.h"
#include "engine/effects.h"
#include "level/text_fields.h"

int pvCompletsEnnemi(const std::string& nom);
void allumerLueursEnnemi(eng::Node& ennemi, bool allumer);

void TfMain::tuerEnnemi(eng::Image* ennemi, bool liberer) {
    if (!ennemi) return;
    try {
        if (objetAArreter.get() == ennemi) {
            // Its stun ends with it; a stun of another enemy runs on to its own end.
            tEnnemiTouche.setEnabled(false);
            objetAArreter.reset();
            animationAArreter.clear();
        }
        allumerLueursEnnemi(*ennemi, false);
        nbPoints += 10 * pvCompletsEnnemi(ennemi->name);
        if (sons) jouerSon(mpEnnemiMeurt, VOLUME_EFFET);
        eng::Node* conteneur = ennemi->parent();
        iExplosion->setParent(estSurPlan2 ? layNiveau2 : layNiveau);
        iExplosion->position = {ennemi->position.x + (conteneur ? conteneur->position.x : 0),
                                ennemi->position.y + (conteneur ? conteneur->position.y : 0)};
        iExplosion->width = ennemi->width;
        iExplosion->height = ennemi->height;
        iExplosion->visible = true;
        aniExplosion->start();
        ennemi->forEachChildOfType<eng::Animation>([](eng::Animation& a) { a.stopAtCurrent(); });
        recEnergieEnnemi->visible = false;
        recEnergieEnnemi->setParent(&engine.root());
        if (std::lround(ennemi->tagFloat) == pvCode::baril) BarilExplosionEnCours = false;
        if (liberer) {
            libererObjet(*ennemi);
            if (conteneur) conteneur->removeChild(ennemi);
        }
    } catch (const std::exception&) {
        // A kill never fails outward: the game goes on whatever happened to the picture.
    }
}

void TfMain::aniExplosionFinish() {
    iExplosion->visible = false;
    if (iExplosion->parent() != &engine.root()) iExplosion->setParent(&engine.root());
}

void TfMain::DeplacerEnnemiFinish(eng::FloatAnimation& mouvement) {
    auto* ennemi = dynamic_cast<eng::Image*>(mouvement.parent());
    if (!ennemi) return;
    const int orientation = ennemi->tag == 0 ? 1 : 0;
    if (ennemi->childCount() > 0) {
        if (auto* feuille = dynamic_cast<eng::BitmapListAnimation*>(ennemi->child(0))) {
            const auto noms = splitFields(ennemi->tagString, ';');
            const std::string& nom = noms[std::min<size_t>(static_cast<size_t>(orientation), noms.size() - 1)];
            try {
                feuille->animationBitmap = chargerImage(nom);
            } catch (const std::exception&) {
                // A missing second facing keeps the first: the walk back still happens.
            }
        }
    }
    ennemi->tag = orientation;
    mouvement.inverse = !mouvement.inverse;
    mouvement.start();
}
