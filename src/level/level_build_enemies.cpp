// Building enemy placements: hit box, facings, hit points, the hit flash, random columns, movement,
// path laps and the barrel launcher.
#include <cmath>
#include "app/TfMain.h"
#include "engine/effects.h"
#include "level/definition_lookup.h"
#include "level/placement.h"
#include "level/text_fields.h"

namespace {

// "x:y;x:y;..." relative to the start; the lap starts and ends at the start position itself.
std::vector<eng::PointF> lapPoints(const std::string& path) {
    std::vector<eng::PointF> points{{0, 0}};
    for (const std::string& point : splitFields(path, ';')) {
        if (point.empty()) continue;
        const auto xy = splitFields(point, ':');
        points.push_back({static_cast<float>(parseIntOr(xy[0], 0)),
                          static_cast<float>(xy.size() > 1 ? parseIntOr(xy[1], 0) : 0)});
    }
    points.push_back({0, 0});
    return points;
}

}  // namespace

void TfMain::genererEnnemis(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const Placement& placement = entries[n];
        const TEnnemi& e = definitionAt(listeEnnemis, placement, "ennemiElement", n, nomNiveauCharge, niveau2);
        ++nbEnnemi;
        auto* image = (niveau2 ? recEnnemi2 : recEnnemi)->add<TImageEnnemi>();
        image->hitTest = false;
        image->opacity = e.opacity;
        image->name = "ennemi" + std::to_string(n) + "_" + std::to_string(std::abs(e.pv));
        image->hint = e.hitBox;
        habillerElement(*image, e.image1, e.count, e.duration, 1, false, eng::Interpolation::Linear);
        image->tag = 0;   // facing index
        image->bloquer = e.bloquer;
        image->tagString = e.image1 + ";" + e.image2;
        image->tagFloat = static_cast<float>(e.pv);
        auto* flash = image->add<eng::InnerGlowEffect>();
        flash->enabled = false;
        flash->glowColor = eng::colors::White;
        flash->opacity = 0.9f;
        flash->softness = 2;
        const int bound = 2 * placement.randomWidth * TileSize;
        const int draw = placement.randomColumn ? engine.random().nextInt(bound) : 0;
        image->position.x = static_cast<float>(placementLeft(placement, TileSize, draw));
        image->position.y = placementTop(placement, TileSize, image->height);
        image->visible = true;
        CreerAnimation(e.deplacement, *image, true, placement.randomColumn, e.pv == pvCode::eauMontante);
        if (e.path == "baril") {
            presenceBaril = true;
            parentBaril = image;
        } else if (!e.path.empty()) {
            auto* lap = image->add<eng::PathAnimation>();
            lap->path = lapPoints(e.path);
            lap->loop = true;
            lap->interpolation = eng::Interpolation::Linear;
            lap->animationType = eng::AnimationType::In;
            lap->duration = e.durationPath;
            lap->start();
        }
    }
}
