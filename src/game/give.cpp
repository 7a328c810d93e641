// The game-state values --give can set, by name, with their text conversions.
// A table of setters, so that a new key is one line.
#include "game/give.h"
#include <functional>
#include <map>
#include <stdexcept>
#include "app/TfMain.h"

namespace {

float reel(const std::string& texte) {
    size_t lus = 0;
    const float valeur = std::stof(texte, &lus);
    if (lus != texte.size()) throw std::invalid_argument(texte);
    return valeur;
}

int entier(const std::string& texte) {
    size_t lus = 0;
    const int valeur = std::stoi(texte, &lus);
    if (lus != texte.size()) throw std::invalid_argument(texte);
    return valeur;
}

bool booleen(const std::string& texte) {
    if (texte == "1" || texte == "true") return true;
    if (texte == "0" || texte == "false") return false;
    throw std::invalid_argument(texte);
}

using Setter = std::function<void(TfMain&, const std::string&)>;

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table = {
        {"nbVie", [](TfMain& f, const std::string& v) { f.nbVie = entier(v); }},
        {"nbEnergie", [](TfMain& f, const std::string& v) {
             f.nbEnergie = reel(v);
             if (f.recMarqueurEnergie) f.recMarqueurEnergie->width = f.nbEnergie;
         }},
        {"endurance", [](TfMain& f, const std::string& v) { f.endurance = reel(v); }},
        {"nbBonus", [](TfMain& f, const std::string& v) { f.nbBonus = entier(v); }},
        {"nbPoints", [](TfMain& f, const std::string& v) { f.nbPoints = entier(v); }},
        {"oneLife", [](TfMain& f, const std::string& v) { f.oneLife = booleen(v); }},
        {"aSuperBottes", [](TfMain& f, const std::string& v) {
             f.aSuperBottes = booleen(v);
             f.tPeutCourir.setEnabled(f.aSuperBottes);   // as a level start with the boots does
         }},
        {"aEpee", [](TfMain& f, const std::string& v) { f.aEpee = booleen(v); }},
        {"musiques", [](TfMain& f, const std::string& v) { f.musiques = booleen(v); }},
        {"sons", [](TfMain& f, const std::string& v) { f.sons = booleen(v); }},
        {"useJoypad", [](TfMain& f, const std::string& v) { f.useJoypad = booleen(v); }},
        {"opacity", [](TfMain& f, const std::string& v) { f.opacity = reel(v); }},
        // ---- world interactions: swords, the freeze, a zone's bonus stage ----
        {"aEpee2", [](TfMain& f, const std::string& v) { f.aEpee2 = booleen(v); }},
        {"aEpee3", [](TfMain& f, const std::string& v) { f.aEpee3 = booleen(v); }},
        {"aFreeze", [](TfMain& f, const std::string& v) { f.aFreeze = booleen(v); }},
        {"tEnnemiToucheDelais", [](TfMain& f, const std::string& v) {
             f.tEnnemiToucheDelais = entier(v);
             f.tEnnemiTouche.setInterval(f.tEnnemiToucheDelais);
         }},
        {"nomNiveauBonus", [](TfMain& f, const std::string& v) { f.nomNiveauBonus = v; }},
        // ---- end of world interactions ----
    };
    return table;
}

}  // namespace

void verifierDon(const std::string& cle, const std::string& valeur) {
    const auto trouve = setters().find(cle);
    if (trouve == setters().end()) throw std::invalid_argument("--give: unknown key \"" + cle + "\"");
    // Try the conversion on a scratch value: the real window does not exist yet.
    try {
        if (cle == "nbEnergie" || cle == "endurance" || cle == "opacity") reel(valeur);
        else if (cle == "nbVie" || cle == "nbBonus" || cle == "nbPoints" || cle == "tEnnemiToucheDelais") entier(valeur);
        else if (cle == "nomNiveauBonus") return;   // any text
        else booleen(valeur);
    } catch (const std::exception&) {
        throw std::invalid_argument("--give: bad value \"" + valeur + "\" for " + cle);
    }
}

void appliquerDon(TfMain& fenetre, const std::string& cle, const std::string& valeur) {
    setters().at(cle)(fenetre, valeur);
}
