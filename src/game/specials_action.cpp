// The action key: act on the special under the bubble (shop, teleport, level exit) or swing the sword,
// and the teleport inside the level. Broken destinations are reported and the level plays on.
#include <charconv>
#include <cmath>
#include "app/TfMain.h"
#include "engine/errors.h"
#include "level/text_fields.h"

namespace {

bool commencePar(const std::string& texte, const std::string& debut) {
    return texte.compare(0, debut.size(), debut) == 0;
}

bool estEntier(const std::string& texte) {
    int valeur = 0;
    const char* fin = texte.data() + texte.size();
    const auto [ptr, erreur] = std::from_chars(texte.data(), fin, valeur);
    return !texte.empty() && erreur == std::errc() && ptr == fin;
}

// Why a destination cannot be acted on, or empty when it can.
std::string defautDestination(const std::string& destination) {
    const std::string d = eng::toLower(destination);
    if (commencePar(d, "store:")) {
        if (splitFields(destination, ':').size() < 3) return "a shop needs store:title:greeting";
        return {};
    }
    if (commencePar(d, "goto:")) {
        const auto parts = splitFields(destination, ':');
        if (parts.size() != 4 || !estEntier(parts[1]) || !estEntier(parts[2]) || !estEntier(parts[3]))
            return "a teleport needs goto:column:row:plane";
        return {};
    }
    if (d == "none" || d == "map") return {};
    const size_t champs = splitFields(destination, ';').size();
    if (destination.empty()) return "no level named";
    if (champs != 1 && champs != 4) return "a level exit needs level or level;column;row;plane";
    return {};
}

}  // namespace

void TfMain::gererAction() {
    if (recInfoSpecial->visible) {
        if (lblInfoSpecial->text == MESSAGE_CONSOLE) return;
        agirSurSpecial();
        return;
    }
    if (!attaqueEncours && aEpee) commencerAttaque();
}

void TfMain::agirSurSpecial() {
    if (lblInfoSpecial->text == MESSAGE_CONSOLE) return;
    const std::string destination = recInfoSpecial->tagString;
    const std::string d = eng::toLower(destination);
    if (const std::string defaut = defautDestination(destination); !defaut.empty()) {
        // Broken level data: say which sign, and let the player go on with the level.
        eng::reportError("Level \"" + nomNiveauCharge + "\": the destination \"" + destination +
                         "\" cannot be used: " + defaut);
        toucheAction = false;
        return;
    }
    if (commencePar(d, "store:")) {
        ouvrirBoutique(destination);
    } else if (commencePar(d, "goto:")) {
        if (aniGoto->running()) return;   // the key held over several frames fades once
        aniGoto->tagString = destination;
        aniGoto->setParent(joueur);
        aniGoto->startValue = 1;
        aniGoto->stopValue = 0;
        aniGoto->start();
    } else if (d != "none") {
        commencerSortieNiveau();
    }
}

void TfMain::aniGotoFinish() {
    if (aniGoto->tagString.empty()) return;
    if (aniGoto->stopValue == 0) {
        teleporterJoueur(splitFields(aniGoto->tagString, ':'));
    } else {
        aniGoto->tagString.clear();   // the fade back in is over
    }
}

void TfMain::teleporterJoueur(const std::vector<std::string>& parts) {
    const int colonne = parseIntOr(parts[1], 0), rangee = parseIntOr(parts[2], 0), plan = parseIntOr(parts[3], 1);
    joueur->position.x = static_cast<float>(colonne * TileSize);
    joueur->position.y = static_cast<float>(rangee * TileSize);
    if (plan == 2 && !estSurPlan2) basculerSurPlan2();
    else if (plan == 1 && estSurPlan2) basculerSurPlan1();
    layNiveau->position.x = demiZoneJeuW - joueur->position.x;
    layNiveau2->position.x = layDecorDevant->position.x = layNiveau->position.x;
    const float H = layNiveau->height, h = demiZoneJeuH, y = joueur->position.y;
    if (y >= H - h) {
        layNiveau->position.y = -(H - 2 * h);
    } else if (y > h) {
        layNiveau->position.y = -(y - h);
        oldPosY = y;
    } else {
        layNiveau->position.y = 0;
    }
    layNiveau2->position.y = layNiveau->position.y - demiTile;
    layDecorDevant->position.y = layNiveau->position.y;
    deplacerJoueur();
    toucheAction = false;
    aniGoto->startValue = 0;
    aniGoto->stopValue = 1;
    aniGoto->start();
}
