// The game state dump: counters, the hero, the camera, the head-up display texts, the screens shown,
// and the level's element listing, as the scene stands at the end of the run.
#include "game/state_dump.h"
#include <fstream>
#include <stdexcept>
#include <vector>
#include "app/TfMain.h"
#include "level/level_listing.h"

namespace {

std::vector<std::function<void(const TfMain&, EtatJson&)>>& sectionsAjoutees() {
    static std::vector<std::function<void(const TfMain&, EtatJson&)>> sections;
    return sections;
}

std::function<EtatJson(const TfMain&)>& listingNiveau() {
    static std::function<EtatJson(const TfMain&)> listing;
    return listing;
}

EtatJson positionEtTaille(const eng::Node* noeud) {
    if (!noeud) return nullptr;
    return {{"x", noeud->position.x}, {"y", noeud->position.y}, {"width", noeud->width}, {"height", noeud->height}};
}

EtatJson visibilite(const eng::Node* noeud) {
    if (!noeud) return nullptr;
    return {{"visible", noeud->visible}};
}

void compteurs(const TfMain& f, EtatJson& etat) {
    etat["nbVie"] = f.nbVie;
    etat["nbEnergie"] = f.nbEnergie;
    etat["maxEnergie"] = f.maxEnergie;
    etat["nbBonus"] = f.nbBonus;
    etat["nbPoints"] = f.nbPoints;
    etat["oneLife"] = f.oneLife;
    etat["consoleAttrapee"] = f.consoleAttrapee;
}

void heros(const TfMain& f, EtatJson& etat) {
    etat["estSurPlan2"] = f.estSurPlan2;
    etat["sautEnCours"] = f.sol.sautEnCours;
    etat["enMontee"] = f.sol.enMontee;
    etat["enDescente"] = f.sol.enDescente;
    etat["enPause"] = f.enPause;
    etat["estMort"] = f.estMort;
    etat["invincible"] = f.invincible;
    etat["joueurCourt"] = f.joueurCourt;
    etat["enCollisionAvecPlateforme"] = f.enCollisionAvecPlateforme;
    etat["nomDecorTouche"] = f.nomDecorTouche;
    etat["direction"] = static_cast<int>(f.direction);
    etat["joueur"] = positionEtTaille(f.joueur);
    etat["vitesseX"] = f.vitesseX;
    etat["vitesseY"] = f.vitesseY;
}

void camera(const TfMain& f, EtatJson& etat) {
    etat["layNiveau"] = f.layNiveau ? EtatJson{{"x", f.layNiveau->position.x}, {"y", f.layNiveau->position.y},
                                               {"opacity", f.layNiveau->opacity}}
                                    : EtatJson(nullptr);
    etat["layNiveau2"] = f.layNiveau2 ? EtatJson{{"x", f.layNiveau2->position.x}, {"y", f.layNiveau2->position.y}}
                                      : EtatJson(nullptr);
    etat["bornes"] = {{"gauche", f.bornerAGauche}, {"droite", f.bornerADroite}, {"haut", f.bornerEnHaut},
                      {"bas", f.bornerEnBas}};
}

void ecran(const TfMain& f, EtatJson& etat) {
    etat["lblChrono"] = f.lblChrono ? EtatJson(f.lblChrono->text) : EtatJson(nullptr);
    etat["lblChronoStyle"] = f.lblChrono ? EtatJson{{"color", f.lblChrono->color}, {"bold", f.lblChrono->bold},
                                                    {"strikeOut", f.lblChrono->strikeOut},
                                                    {"blinking", f.aniChrono && f.aniChrono->running()}}
                                         : EtatJson(nullptr);
    etat["lblPlan"] = f.lblPlan ? EtatJson(f.lblPlan->text) : EtatJson(nullptr);
    etat["tempsEcouleMs"] = static_cast<long long>(f.tempsEcoule * 86400000.0 + 0.5);
    etat["layGameOver"] = visibilite(f.layGameOver);
    etat["imgPause"] = visibilite(f.imgPause);
    etat["layZoneJeu"] = visibilite(f.layZoneJeu);
}

}  // namespace

std::string nomStage(int stage) {
    static const char* const noms[] = {"intro", "menu", "map", "jeu", "history", "howToPlay"};
    return stage >= 0 && stage < 6 ? noms[stage] : "?";
}

void ajouterSectionEtat(std::function<void(const TfMain&, EtatJson&)> section) {
    sectionsAjoutees().push_back(std::move(section));
}

void definirListingNiveau(std::function<EtatJson(const TfMain&)> listing) {
    listingNiveau() = std::move(listing);
}

EtatJson etatPartie(const TfMain& f) {
    EtatJson etat;
    etat["activeStage"] = nomStage(static_cast<int>(f.activeStage));
    compteurs(f, etat);
    heros(f, etat);
    camera(f, etat);
    ecran(f, etat);
    for (const auto& section : sectionsAjoutees()) section(f, etat);
    etat["level"] = listingNiveau() ? listingNiveau()(f) : EtatJson::parse(listerNiveau(f).dump());
    return etat;
}

void ecrireEtatPartie(const TfMain& fenetre, const std::string& path) {
    std::ofstream out(path);
    if (!out) throw std::runtime_error(path + ": cannot write the state dump");
    out << etatPartie(fenetre).dump(2) << '\n';
    if (!out) throw std::runtime_error(path + ": cannot write the state dump");
}
