// Entering the game stage and launching levels by name: a level resource, or "map" to end the zone run.
// The end of the exit's pixelation transition launches the destination the information bubble holds.
#include <charconv>
#include "app/TfMain.h"
#include "engine/errors.h"

namespace {

std::vector<std::string> decouper(const std::string& texte, char separateur) {
    std::vector<std::string> parts;
    size_t debut = 0;
    for (size_t pos; (pos = texte.find(separateur, debut)) != std::string::npos; debut = pos + 1)
        parts.push_back(texte.substr(debut, pos - debut));
    parts.push_back(texte.substr(debut));
    return parts;
}

int entierOu(const std::string& texte, int defaut) {
    int valeur = 0;
    const char* fin = texte.data() + texte.size();
    auto [ptr, erreur] = std::from_chars(texte.data(), fin, valeur);
    return erreur == std::errc() && ptr == fin && !texte.empty() ? valeur : defaut;
}

}  // namespace

void TfMain::initialiserFrame() {
    viderListes();
    // TODO(bonus stages): empty the bonus-stage lists (enemies and gold items) too.
    vitesseXMax = 3.5f;
    vitesseXMaxCourt = 6.0f;
    vitesseXMaxEnMontee = 2.0f;
    vitesseXMaxEnMonteeCourt = 3.0f;
    vitesseYMax = 12.0f;
    if (joueur) demiJoueurW = joueur->width * 0.5f;
    chargerSonsJeu();
    layZoneJeu->scale = {SCALE, SCALE};
    ajusterZoneJeu();
}

void TfMain::chargerSonsJeu() {
    const std::pair<eng::MediaPlayer*, const char*> sonsJeu[] = {
        {&MediaSaut, "phaseJump1"},          {&MediaBonusDiamant, "coin2"},
        {&MediaBonusNourriture, "upgrade1"}, {&mpVie, "upgrade2"},
        {&MediaTomber, "fall2"},             {&mpJoueurMeurt, "fall5"},
        {&MediaTouche, "impactPunch_medium_000"}, {&mediaCoup, "woosh2"},
        {&MediaEnnemiTouche, "impactPlate_light_004"}, {&mpEnnemiMeurt, "hit5"},
        {&mpGetConsole, "upgrade5"},         {&mpUpgradePlayer, "coin2"},
        {&MediaMusiqueBoss, "BossTheme"},    {&mpMusiqueGameover, "GameOver"},
    };
    for (const auto& [player, nom] : sonsJeu) chargerSon(*player, nom);
}

void TfMain::lancerNiveau(const std::string& nom, int initX, int initY, int plan) {
    tempsEcouleTotal += tempsEcoule;
    if (eng::toLower(nom) != "map") {
        try {
            demarrerNiveau(nom, initX, initY, plan);
        } catch (const eng::GameError& erreur) {
            // Broken or missing level data: say so and leave the half-built level, keeping the progress.
            eng::reportError(erreur.what());
            quitterNiveauApresErreur();
        }
        return;
    }
    // The zone run ends.
    // TODO(saved games): save the progress under playerName.
    MediaMusique.stop();
    MediaMusiqueBoss.stop();
    tGameloop.setEnabled(false);
    initialiserConteneurs();
    const bool bonusGagne = consoleAttrapee && eng::toLower(lblChrono->text) != "bonus";
    // Every zone names a bonus stage; should one not, the map follows rather than an empty game zone.
    if (bonusGagne && !nomNiveauBonus.empty()) lancerNiveau(nomNiveauBonus, -1, -1, 1);
    else afficherStage(TStage::map);
}

void TfMain::demarrerNiveau(const std::string& nom, int initX, int initY, int plan) {
    chargerNiveau(nom);
    lblPlan->text = std::to_string(plan);
    chargerSon(MediaMusique, musique);
    switch (difficulte) {
    case TDifficulte::facile: maxTime = MaxTimeEasy; break;
    case TDifficulte::normal: maxTime = MaxTimeNormal; break;
    case TDifficulte::difficile: maxTime = MaxTimeDifficult; break;
    }
    if (!niveauBonus && saveTime != 0) maxTime = saveTime;
    initialiserNiveau(true, initX, initY, plan);
}

void TfMain::aniPixelFinish() {
    const std::string destination = recInfoSpecial->tagString;
    const std::vector<std::string> parts = decouper(destination, ';');
    if (parts.size() >= 4) {
        lancerNiveau(parts[0], entierOu(parts[1], -1), entierOu(parts[2], -1), entierOu(parts[3], 1));
    } else {
        // Two or three parts is broken level data: say so, and enter the level at its own start
        // rather than leaving the player stuck behind the transition.
        if (parts.size() > 1)
            eng::reportError("Invalid exit destination \"" + destination + "\": expected level;x;y;plane");
        lancerNiveau(parts[0], -1, -1, 1);
    }
    if (eng::toLower(destination) != "map") {
        aniPixel2->start();
    } else {
        PixelateEffect->enabled = false;
        recWaiting->visible = false;
    }
}

void TfMain::aniPixel2Finish() {
    PixelateEffect->enabled = false;
    recWaiting->visible = false;
}
