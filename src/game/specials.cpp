// The specials step of each frame: the information bubble over signs, doors and exits, foreground masks
// that fade while the hero stands behind them, and the trigger of the boss music.
#include <cmath>
#include "app/TfMain.h"

namespace {

constexpr float fonduMasque = 0.4f;   // seconds for a foreground mask to fade out

void fondreMasque(eng::Image& masque) {
    if (masque.opacity != 1.0f) return;
    auto* fondu = masque.add<eng::FloatAnimation>();
    fondu->name = "fonduMasque";
    fondu->propertyName = "Opacity";
    fondu->startValue = 1;
    fondu->stopValue = 0;
    fondu->duration = fonduMasque;
    fondu->onFinish = [](eng::Animation& fin) {
        // One fade per entry: the animation goes once it has done its work.
        if (eng::Node* parent = fin.parent()) parent->removeChild(&fin);
    };
    fondu->start();
}

}  // namespace

void TfMain::gererSpeciaux(const TResultatCollision& special) {
    eng::Layout& plan = estSurPlan2 ? *layNiveau2 : *layNiveau;
    if (!special.trouve) {
        recInfoSpecial->visible = false;
        if (recInfoSpecial->parent() != layZoneJeu) recInfoSpecial->setParent(layZoneJeu);
        // A faded mask comes back at once when the hero leaves it.
        for (const auto& enfant : (estSurPlan2 ? recSpeciaux2 : recSpeciaux)->children()) {
            if (enfant->opacity == 0.0f) enfant->opacity = 1;
        }
        return;
    }
    if (recInfoSpecial->parent() != &plan) recInfoSpecial->setParent(&plan);
    eng::Image& image = *special.image;
    const int genre = static_cast<int>(std::lround(image.tagFloat));
    if (genre == static_cast<int>(specialKind::masque)) {
        fondreMasque(image);
        return;
    }
    if (genre == static_cast<int>(specialKind::musique)) {
        if (!musiqueChangee) {
            MediaMusique.stop();
            musiqueChangee = true;
            if (musiques) jouerSon(MediaMusiqueBoss, VOLUME_MUSIQUE);
        }
        return;
    }
    if (image.hint.empty()) return;
    recInfoSpecial->position.x = std::nearbyint(joueur->position.x);
    const float audessus = joueur->position.y - 10 - recInfoSpecial->height;
    recInfoSpecial->position.y = audessus > 0 ? audessus : joueur->position.y + 10;
    recInfoSpecial->visible = true;
    recInfoSpecial->bringToFront();
    lblInfoSpecial->text = image.hint;
    recInfoSpecial->tagString = image.tagString;
    if (genre == static_cast<int>(specialKind::sortie) && needConsole && !consoleAttrapee)
        lblInfoSpecial->text = MESSAGE_CONSOLE;
}
