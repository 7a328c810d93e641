// Writing the loaded level as JSON: one object per element image with its geometry and its four data slots.
// A turning platform's pivot is listed through the platform image it carries.
#include "level/level_listing.h"
#include "app/TfMain.h"

namespace {

void listerImages(const eng::Node& conteneur, nlohmann::json& out) {
    for (const auto& child : conteneur.children()) {
        if (!child->isVisual()) continue;
        if (!dynamic_cast<const eng::Image*>(child.get())) {
            listerImages(*child, out);   // a pivot layout: its platform
            continue;
        }
        const eng::Node& image = *child;
        out.push_back({{"name", image.name},           {"x", image.position.x},
                       {"y", image.position.y},        {"width", image.width},
                       {"height", image.height},       {"opacity", image.opacity},
                       {"tag", image.tag},             {"tagFloat", image.tagFloat},
                       {"tagString", image.tagString}, {"hint", image.hint}});
    }
}

nlohmann::json listerPlan(std::initializer_list<std::pair<const char*, const eng::Node*>> conteneurs) {
    nlohmann::json plan = nlohmann::json::object();
    for (const auto& [nom, conteneur] : conteneurs) {
        nlohmann::json images = nlohmann::json::array();
        if (conteneur) listerImages(*conteneur, images);
        plan[nom] = std::move(images);
    }
    return plan;
}

}  // namespace

nlohmann::json listerNiveau(const TfMain& f) {
    nlohmann::json niveau = {
        {"nom", f.lblNomNiveau ? f.lblNomNiveau->text : std::string()},
        {"niveauBonus", f.niveauBonus},
        {"tileSize", f.TileSize},
        {"tailleNiveauWidth", f.tailleNiveauWidth},
        {"tailleNiveauHeight", f.tailleNiveauHeight},
        {"meteo", f.meteo},
        {"meteoBack", f.meteoBack},
        {"night", f.night},
        {"needConsole", f.needConsole},
        {"nbEnnemi", f.nbEnnemi},
        {"nbBonusMax", f.nbBonusMax},
        {"presenceBaril", f.presenceBaril},
    };
    niveau["plane1"] = listerPlan({{"recDecor", f.recDecor}, {"recDecorAnime", f.recDecorAnime},
                                   {"recDecorBloquant", f.recDecorBloquant}, {"layDecorDevant", f.layDecorDevant},
                                   {"recPlateforme", f.recPlateforme},
                                   {"recPlateformeTournante", f.recPlateformeTournante}, {"recBonus", f.recBonus},
                                   {"recEnnemi", f.recEnnemi}, {"recSpeciaux", f.recSpeciaux}});
    niveau["plane2"] = listerPlan({{"recDecor2", f.recDecor2}, {"recDecorAnime2", f.recDecorAnime2},
                                   {"recDecorBloquant2", f.recDecorBloquant2}, {"recDecorDevant2", f.recDecorDevant2},
                                   {"recPlateforme2", f.recPlateforme2}, {"recBonus2", f.recBonus2},
                                   {"recEnnemi2", f.recEnnemi2}, {"recSpeciaux2", f.recSpeciaux2}});
    nlohmann::json scrollings = nlohmann::json::array();
    for (const TScrolling* layer : f.listeScrollings) {
        scrollings.push_back({{"x", layer->position.x}, {"y", layer->position.y}, {"width", layer->width},
                              {"height", layer->height}, {"vitesse", layer->Vitesse},
                              {"foreGround", layer->foreGround}, {"continueY", layer->continueY}});
    }
    niveau["scrollings"] = std::move(scrollings);
    return niveau;
}
