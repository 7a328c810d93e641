// Assembles the level document: header keys in the game's order, element tables with the generated
// platforms, strips and masks appended, and the "index:row:column" placement strings of both planes.
#include "level_document.h"
#include <map>
#include <tuple>
#include "foreground_strip.h"
#include "hero_sheets.h"
#include "terrain_cells.h"

namespace levelc {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string placement(int index, int row, int column) {
    return std::to_string(index) + ":" + std::to_string(row) + ":" + std::to_string(column);
}

void append(std::string& list, const std::string& entry) {
    if (!list.empty()) list += ";";
    list += entry;
}

// The element tables as the document holds them, growing as generated entries are needed.
class Tables {
public:
    explicit Tables(const LevelModel& model) {
        for (const auto kind : {ElementKind::platform, ElementKind::strip, ElementKind::decor, ElementKind::bonus,
                                ElementKind::enemy, ElementKind::special}) {
            Json& table = tables_[kind] = Json::array();
            const auto found = model.tables.find(kind);
            if (found == model.tables.end()) continue;
            for (const auto& def : found->second) table.push_back(entry(kind, def.fields, def.id));
        }
    }

    int platform(int width, int height, int style) {
        const auto key = std::make_tuple(width, height, style);
        const auto found = platforms_.find(key);
        if (found != platforms_.end()) return found->second;
        Json fields = {{"width", width}, {"height", height}, {"image", ""}, {"animation", "none"}, {"style", style}};
        const std::string name = style == 0 ? "ground" : style == 1 ? "slope down" : "slope up";
        return platforms_[key] = add(ElementKind::platform, fields, name);
    }

    int strip(int length, bool vertical) {
        const auto key = std::make_pair(length, vertical);
        const auto found = strips_.find(key);
        if (found != strips_.end()) return found->second;
        Json fields = {{"width", length}, {"vertical", vertical}, {"bloquer", true}, {"devant", false}};
        return strips_[key] = add(ElementKind::strip, fields, vertical ? "wall" : "ceiling");
    }

    int mask(const std::string& image) {
        Json fields = {{"image", image},   {"count", 1},           {"rowcount", 1},
                       {"duration", 1},    {"opacity", 1},         {"deplacement", "none"},
                       {"finNiveau", false}, {"musique", false},   {"niveauSuivant", "none"},
                       {"message", ""},    {"masquerPremierPlan", true}};
        return add(ElementKind::special, fields, "hidden room");
    }

    Json take(ElementKind kind) { return std::move(tables_[kind]); }

private:
    int add(ElementKind kind, const Json& fields, const std::string& name) {
        Json& table = tables_[kind];
        table.push_back(entry(kind, fields, name));
        return int(table.size()) - 1;
    }

    Json entry(ElementKind kind, const Json& fields, const std::string& name) {
        Json out = Json::object();
        out["indice"] = int(tables_[kind].size());
        if (kind == ElementKind::platform || kind == ElementKind::decor || kind == ElementKind::strip) out["name"] = name;
        for (const auto& [key, value] : fields.items()) {
            if (kind == ElementKind::enemy && key == "durationPath" && fields["path"] == "") continue;
            out[key] = value;
        }
        return out;
    }

    std::map<ElementKind, Json> tables_;
    std::map<std::tuple<int, int, int>, int> platforms_;
    std::map<std::pair<int, bool>, int> strips_;
};

struct PlaneStrings {
    std::string decor, decorImage, decorFromTileSet, plateformes, bonus, ennemis, ennemisNormal, ennemisDifficile,
        speciaux;
    Json toJson() const {
        return Json{{"decor", decor},         {"decorImage", decorImage},     {"decorFromTileSet", decorFromTileSet},
                    {"plateformes", plateformes}, {"bonus", bonus},           {"ennemis", ennemis},
                    {"ennemisNormal", ennemisNormal}, {"ennemisDifficile", ennemisDifficile}, {"speciaux", speciaux}};
    }
};

// Elements from the legend, in reading order (row by row, left to right): the letter marks the cell at
// the element's bottom-left corner.
void placeLegendElements(const LevelModel& model, const Grid& grid, PlaneStrings& out) {
    for (int r = 0; r < int(grid.rows.size()); ++r)
        for (int c = 0; c < int(grid.rows[r].size()); ++c) {
            const auto found = model.legend.find(grid.rows[r][c]);
            if (found == model.legend.end()) continue;
            const LegendEntry& e = found->second;
            const std::string p = placement(e.index, r + 1, c);
            switch (e.kind) {
            case ElementKind::decor: append(out.decor, p); break;
            case ElementKind::platform: append(out.plateformes, p); break;
            case ElementKind::bonus: append(out.bonus, p); break;
            case ElementKind::special: append(out.speciaux, p); break;
            case ElementKind::enemy:
                append(e.difficulty == Difficulty::all      ? out.ennemis
                       : e.difficulty == Difficulty::normal ? out.ennemisNormal
                                                            : out.ennemisDifficile,
                       p);
                break;
            case ElementKind::strip: break;
            }
        }
}

void addHeader(const Header& h, Json& doc) {
    doc["nom"] = h.nom;
    if (!h.acte.empty()) doc["acte"] = h.acte;
    doc["tileImage"] = !h.tileImage.empty() ? h.tileImage : h.zone + "_tiles.png";
    doc["tilebackImage"] = !h.tilebackImage.empty() ? h.tilebackImage : h.zone + "_tiles_back.png";
    doc["musique"] = h.musique;
    doc["needConsole"] = h.needConsole;
    doc["tileSize"] = h.tileSize;
    doc["night"] = h.night;
    doc["meteo"] = h.meteo;
    doc["width"] = h.width;
    doc["height"] = h.height;
    doc["playerStartPosX"] = h.startX;
    doc["playerStartPosY"] = h.startY;
    doc["gravity"] = h.gravity;
    doc["maxTimeEasy"] = h.maxTime[0];
    doc["maxTimeNormal"] = h.maxTime[1];
    doc["maxTimeDifficult"] = h.maxTime[2];
    doc["playerHitBox"] = h.playerHitBox;
    doc["attaqueHitBox"] = h.attaqueHitBox;
    for (const auto& [key, sheet] : heroSheets())
        doc[key] = (h.bonusHero && std::string(key) == "player-idle") ? bonusHeroSheet : sheet;
}

// A foreground strip placed by its posY is replaced by its own picture, which holds that offset.
Json scrollingsJson(const std::vector<Scrolling>& layers, const std::string& levelBase,
                    std::vector<ForegroundPicture>& placed) {
    Json out = Json::array();
    for (const auto& s : layers) {
        std::string image = s.image;
        int posY = s.posY;
        if (isPlacedForeground(s)) {
            placed.push_back(ForegroundPicture{s, placedForegroundFile(levelBase, s)});
            image = placed.back().fileName;
            posY = 0;
        }
        out.push_back(Json{{"image", image}, {"vitesse", s.vitesse}, {"posY", posY},
                           {"foreground", s.foreground}, {"continueY", s.continueY}});
    }
    return out;
}

}  // namespace

CompiledLevel buildDocument(const LevelModel& model) {
    CompiledLevel out;
    Tables tables(model);
    std::array<PlaneStrings, 2> planes;
    const std::string base = lower(model.header.name);
    for (int p = 0; p < 2; ++p) {
        const Grid& grid = model.planes[p];
        if (!grid.present) continue;
        PlaneStrings& s = planes[p];
        Terrain& terrain = out.terrain[p] = analyseTerrain(grid.rows, model.header.tileSize);
        placeLegendElements(model, grid, s);
        // The flats at slope feet, the slopes, then the other flats (why: Terrain).
        const auto appendPlatform = [&](const PlatformRun& run) {
            append(s.plateformes, placement(tables.platform(run.width, run.height, run.style), run.row, run.column));
        };
        for (const auto& run : terrain.flats)
            if (run.atSlopeFoot) appendPlatform(run);
        for (const auto& run : terrain.slopes) appendPlatform(run);
        for (const auto& run : terrain.flats)
            if (!run.atSlopeFoot) appendPlatform(run);
        for (const auto& strip : terrain.strips)
            append(s.decorFromTileSet, placement(tables.strip(strip.length, strip.vertical), strip.row, strip.column));
        // Masks go last: the first special the hero touches is the one that speaks, and a mask never does.
        for (size_t i = 0; i < terrain.hiddenRooms.size(); ++i) {
            const HiddenRoom& room = terrain.hiddenRooms[i];
            const std::string file = base + (p == 0 ? "_front" : "_back") + "_mask" + std::to_string(i + 1) + ".png";
            append(s.speciaux, placement(tables.mask(file), room.bottom + 1, room.left));
            out.maskPictures.push_back(MaskPicture{p, room, file});
        }
        s.decorImage = base + (p == 0 ? "_front.png" : "_back.png");
        out.planePictures.push_back(PlanePicture{p, s.decorImage});
    }
    Json& doc = out.document = Json::object();
    addHeader(model.header, doc);
    doc["scrollings"] = scrollingsJson(model.scrollings, base, out.foregroundPictures);
    doc["plateformElement"] = tables.take(ElementKind::platform);
    doc["decorElementFromTileSet"] = tables.take(ElementKind::strip);
    doc["decorElement"] = tables.take(ElementKind::decor);
    doc["bonusElement"] = tables.take(ElementKind::bonus);
    doc["ennemiElement"] = tables.take(ElementKind::enemy);
    doc["specialElement"] = tables.take(ElementKind::special);
    doc["niveau"] = planes[0].toJson();
    doc["niveau2"] = planes[1].toJson();
    return out;
}

std::string documentText(const Json& document) {
    const std::string text = document.dump(2, ' ', true);
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 20);
    for (const char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf + "\r\n";
}

}  // namespace levelc
