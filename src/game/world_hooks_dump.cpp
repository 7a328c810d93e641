// The world's keys in the state dump: equipment, sword and stun values, the carried countdown, the
// information bubble, the level loaded, the consoles and bonus flags, the bonus stage and the shop.
#include "app/TfMain.h"
#include "game/state_dump.h"
#include "screens/TfStore.h"

namespace {

void equipement(const TfMain& f, EtatJson& etat) {
    etat["aEpee"] = f.aEpee;
    etat["aEpee2"] = f.aEpee2;
    etat["aEpee3"] = f.aEpee3;
    etat["aSuperBottes"] = f.aSuperBottes;
    etat["aFreeze"] = f.aFreeze;
    etat["puissanceEpee"] = f.puissanceEpee;
    etat["endurance"] = f.endurance;
    etat["tEnnemiToucheDelais"] = f.tEnnemiToucheDelais;
    etat["tEnnemiToucheInterval"] = f.tEnnemiTouche.interval();
    etat["attaqueEncours"] = f.attaqueEncours;
    etat["attaque"] = f.attaque;
    etat["enCollisionAvecEnnemi"] = f.enCollisionAvecEnnemi;
    etat["enemyStunned"] = f.tEnnemiTouche.enabled();
    etat["BarilExplosionEnCours"] = f.BarilExplosionEnCours;
    etat["presenceBaril"] = f.presenceBaril;
    etat["iExplosion"] = {{"visible", f.iExplosion->visible}};
    etat["recEnergieEnnemi"] = {{"visible", f.recEnergieEnnemi->visible},
                                {"marker", f.recMarqueurEnergieEnnemi->width}};
    etat["effetTouche"] = f.effetTouche && f.effetTouche->enabled;
    etat["enemyCount"] = {{"plane1", f.recEnnemi ? f.recEnnemi->childCount() : 0},
                          {"plane2", f.recEnnemi2 ? f.recEnnemi2->childCount() : 0}};
}

void progression(const TfMain& f, EtatJson& etat) {
    etat["saveTimeMs"] = static_cast<long long>(f.saveTime * 86400000.0 + 0.5);
    etat["saveTime"] = f.saveTime;
    etat["maxTimeMs"] = static_cast<long long>(f.maxTime * 86400000.0 + 0.5);
    etat["recInfoSpecial"] = {{"visible", f.recInfoSpecial->visible},
                              {"text", f.lblInfoSpecial ? f.lblInfoSpecial->text : std::string()},
                              {"destination", f.recInfoSpecial->tagString}};
    etat["nomNiveau"] = f.nomNiveau;
    etat["niveauEnCours"] = f.nomNiveauCharge;
    etat["niveauBonus"] = f.niveauBonus;
    etat["needConsole"] = f.needConsole;
    etat["musiqueChangee"] = f.musiqueChangee;
    etat["joueurOpacity"] = f.joueur ? f.joueur->opacity : 0.0f;
    etat["recWaiting"] = {{"visible", f.recWaiting->visible}};
    etat["PixelateEffect"] = {{"enabled", f.PixelateEffect->enabled}};
    using Drapeau = std::pair<const char*, bool>;
    for (const auto& [cle, valeur] :
         std::initializer_list<Drapeau>{{"aNes", f.aNes}, {"aMS", f.aMS}, {"aPC", f.aPC}, {"aMD", f.aMD},
          {"aSNES", f.aSNES}, {"aSuper", f.aSuper}, {"aNeo", f.aNeo}, {"aNesBonus", f.aNesBonus},
          {"aMSBonus", f.aMSBonus}, {"aPCBonus", f.aPCBonus}, {"aMDBonus", f.aMDBonus},
          {"aSNESBonus", f.aSNESBonus}, {"aSuperBonus", f.aSuperBonus}})
        etat[cle] = valeur;
}

void bonus(const TfMain& f, EtatJson& etat) {
    etat["nbBonusOr"] = f.nbBonusOr;
    etat["bonusStage"] = {{"goldItems", f.listeBonusOrBonus.size()},
                          {"clouds", f.listeEnnemisBonus.size()},
                          {"goldNeeded", f.niveauBonus ? f.nbLg : 0},
                          {"layBonus", f.layBonus->visible},
                          {"message", f.lblMessageBonus ? f.lblMessageBonus->text : std::string()},
                          {"result", f.rectangleBonusFin && f.rectangleBonusFin->visible ? f.lblFinBonus->text
                                                                                         : std::string()},
                          {"imgFinBonus", f.imgFinBonus && f.imgFinBonus->visible},
                          {"joueurBonus", f.joueurBonus->visible}};
    // Where everything flies, so that a replay can be planned and checked frame by frame.
    EtatJson vol = {{"zone", {f.layZoneJeu->width, f.layZoneJeu->height}},
                    {"machine", {f.joueurBonus->position.x, f.joueurBonus->position.y}},
                    {"acceleration", {f.accelerationH, f.accelerationV}},
                    {"gold", EtatJson::array()}, {"clouds", EtatJson::array()}};
    for (const eng::Image* or_ : f.listeBonusOrBonus) vol["gold"].push_back({or_->position.x, or_->position.y});
    for (const auto& [nuage, vitesse] : f.listeEnnemisBonus)
        vol["clouds"].push_back({nuage->position.x, nuage->position.y, nuage->width, nuage->height, vitesse});
    etat["bonusFlight"] = std::move(vol);
}

}  // namespace

void TfMain::enregistrerEtatInteractions() {
    static bool enregistre = false;
    if (enregistre) return;
    enregistre = true;
    ajouterSectionEtat(equipement);
    ajouterSectionEtat(progression);
    ajouterSectionEtat(::bonus);   // the namespace function, not the level's placement string
    ajouterSectionEtat([](const TfMain& f, EtatJson& etat) {
        if (f.frmStore) etat["shop"] = f.frmStore->etat();
    });
}
