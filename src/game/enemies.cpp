// The enemy contact step of each frame: the hero hurt by monsters and hazards, the console caught, and
// the sword's hits on monsters with their stun, glow and health bar.
#include <algorithm>
#include <cmath>
#include "app/TfMain.h"
#include "engine/effects.h"

namespace {

constexpr int hautBoiteAccroupie = 17;   // top of the hero's box while crouching
constexpr float degatsContact = 25, degatsBaril = 50;

// The number after the first "_" of an enemy's name: its full hit points (1 when absent).
int pvComplets(const std::string& nom) {
    const size_t souligne = nom.find('_');
    if (souligne == std::string::npos) return 1;
    const int valeur = parseIntOr(nom.substr(souligne + 1), 1);
    return valeur;
}

void allumerLueurs(eng::Node& ennemi, bool allumer) {
    ennemi.forEachChildOfType<eng::InnerGlowEffect>([allumer](eng::InnerGlowEffect& lueur) { lueur.enabled = allumer; });
}

}  // namespace

int pvCompletsEnnemi(const std::string& nom) { return pvComplets(nom); }
void allumerLueursEnnemi(eng::Node& ennemi, bool allumer) { allumerLueurs(ennemi, allumer); }

bool TfMain::gererContactEnnemis() {
    IntRect boite = playerHitBox;
    if (attaqueEncours) {
        boite.width += attaqueHitBox;
        if (direction == TDirection::gauche) boite.left -= attaqueHitBox + 5;
    }
    if (toucheBas) {
        boite.height = boite.bottom() - hautBoiteAccroupie;
        boite.top = hautBoiteAccroupie;
    }
    const TResultatCollision touche =
        chercherCollision(getPositionJoueur(), boite, estSurPlan2 ? *recEnnemi2 : *recEnnemi, false);
    if (!touche.trouve || enCollisionAvecEnnemi) {
        enCollisionAvecEnnemi = touche.trouve && !invincible;
        return touche.trouve;
    }
    eng::Image& ennemi = *touche.image;
    if (const auto* bloquant = dynamic_cast<const TImageEnnemi*>(&ennemi); bloquant && bloquant->bloquer) {
        const bool pousse = (direction == TDirection::droite && vitesseX < 0) ||
                            (direction == TDirection::gauche && vitesseX > 0);
        if (pousse) vitesseX = 0;   // the hero cannot push into it
    }
    const int pv = static_cast<int>(std::lround(ennemi.tagFloat));
    if (!attaqueEncours || pv <= pvCode::danger) {
        if (pv == pvCode::console) attraperConsole(ennemi);   // frees the console
        else if (!invincible) blesserJoueur(ennemi, pv);
        return true;
    }
    if (gestionAttaqueEncours) return true;   // one hit per swing
    gestionAttaqueEncours = true;
    if (pv != pvCode::console) frapperEnnemi(ennemi);
    return true;
}

void TfMain::attraperConsole(eng::Image& console) {
    consoleAttrapee = true;
    const std::string nom = eng::toLower(nomNiveau);
    if (nom.find("foret") != std::string::npos) aNes = true;
    else if (nom.find("village") != std::string::npos) aMS = true;
    else if (nom.find("jungle") != std::string::npos) aPC = true;
    else if (nom.find("grotte") != std::string::npos) aMD = true;
    if (sons) jouerSon(mpGetConsole, VOLUME_EFFET);
    libererObjet(console);
    if (eng::Node* parent = console.parent()) parent->removeChild(&console);
}

void TfMain::blesserJoueur(const eng::Image& ennemi, int pv) {
    (void)ennemi;
    oldAnimation = TAnimationJoueur::touche;
    afficherSprite(direction == TDirection::gauche ? playerHitGauche : playerHit, 4);
    aniPlayer->duration = 0.5f;
    aniPlayer->loop = false;
    aniPlayer->start();
    if (pv != pvCode::eauMontante) enCollisionAvecEnnemi = true;   // the movement step holds the hero
    nbEnergie -= pv == pvCode::baril ? degatsBaril : degatsContact;
    recMarqueurEnergie->width = nbEnergie;
    if (effetTouche) effetTouche->enabled = true;
    invincible = true;
    tInvincible.setEnabled(true);
}

void TfMain::frapperEnnemi(eng::Image& ennemi) {
    puissanceEpee = aEpee3 ? 4 : aEpee2 ? 2 : aEpee ? 1 : 0;
    if (ennemi.tagFloat > 0)
        ennemi.tagFloat = std::max(0.0f, std::nearbyint(ennemi.tagFloat - static_cast<float>(puissanceEpee)));
    if (std::lround(ennemi.tagFloat) == 0) {
        tuerEnnemi(&ennemi, true);
    } else {
        // The bar sits over the enemy in the plane's layer, which clearing a level leaves alone.
        eng::Node* conteneur = ennemi.parent();
        recEnergieEnnemi->setParent(conteneur->parent());
        recEnergieEnnemi->position = {conteneur->position.x + ennemi.position.x +
                                          (ennemi.width - recEnergieEnnemi->width) * 0.5f,
                                      conteneur->position.y + ennemi.position.y - 15};
        recEnergieEnnemi->visible = true;
        recMarqueurEnergieEnnemi->width =
            std::lround(ennemi.tagFloat) * recEnergieEnnemi->width / static_cast<float>(pvComplets(ennemi.name));
        if (!tEnnemiTouche.enabled()) etourdirEnnemi(ennemi);
    }
    if (sons) jouerSon(MediaEnnemiTouche, VOLUME_EFFET);
}

// The hit monster glows and stands still until tEnnemiTouche fires.
void TfMain::etourdirEnnemi(eng::Image& ennemi) {
    objetAArreter = eng::NodeRef(&ennemi);
    animationAArreter.clear();
    allumerLueurs(ennemi, true);
    ennemi.forEachChildOfType<eng::FloatAnimation>([this](eng::FloatAnimation& mouvement) {
        if (eng::toLower(mouvement.propertyName).find("position") == std::string::npos) return;
        // Every movement is remembered: an enemy moving on both axes resumes on both.
        animationAArreter.emplace_back(&mouvement);
        mouvement.pause = true;
    });
    tEnnemiTouche.setInterval(tEnnemiToucheDelais);
    tEnnemiTouche.setEnabled(true);
}

void TfMain::tEnnemiToucheTimer() {
    tEnnemiTouche.setEnabled(false);
    recEnergieEnnemi->visible = false;
    recEnergieEnnemi->setParent(&engine.root());
    for (const eng::NodeRef& ref : animationAArreter) {
        if (auto* mouvement = dynamic_cast<eng::FloatAnimation*>(ref.get())) mouvement->pause = false;
    }
    animationAArreter.clear();
    if (eng::Node* ennemi = objetAArreter.get()) allumerLueurs(*ennemi, false);
    objetAArreter.reset();
}
