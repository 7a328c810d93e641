// Whole-level refusals: destinations, messages, movement strings, hit boxes, the start position, and the
// placement indices of the finished document. Each names the file, line and column that must change.
#include "level_checks.h"
#include <algorithm>
#include "element_schema.h"
#include "level_names.h"
#include "terrain.h"
#include "value_parse.h"

namespace levelc {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

SourcePos fieldPos(const ElementDef& def, const std::string& key) {
    const auto found = def.fieldPos.find(key);
    return found == def.fieldPos.end() ? def.pos : found->second;
}

int tileField(const std::string& text, const SourcePos& pos, const std::string& what) {
    try {
        return parseInt(text, pos);
    } catch (const CompileError&) {
        throw CompileError(pos, "the " + what + " of a destination must be an integer, found \"" + text + "\"");
    }
}

void checkPlane(const std::string& text, const SourcePos& pos) {
    if (text != "1" && text != "2") throw CompileError(pos, "the plane of a destination is 1 or 2, found \"" + text + "\"");
}

void checkDestination(const LevelModel& model, const ElementDef& def) {
    const std::string text = def.fields["niveauSuivant"];
    const SourcePos pos = fieldPos(def, "niveauSuivant");
    const std::string low = lower(text);
    const auto parts = splitOn(text, low.rfind("goto:", 0) == 0 || low.rfind("store:", 0) == 0 ? ':' : ';');
    if (low == "none" || low == "map") return;
    if (low.rfind("store:", 0) == 0) {
        if (parts.size() < 3) throw CompileError(pos, "a shop destination is \"store:title:greeting\"");
        return;
    }
    if (low.rfind("goto:", 0) == 0) {
        if (parts.size() != 4) throw CompileError(pos, "a teleport destination is \"goto:column:row:plane\"");
        const int column = tileField(parts[1], pos, "column"), row = tileField(parts[2], pos, "row");
        checkPlane(parts[3], pos);
        if (column < 0 || column >= model.header.width || row < 0 || row >= model.header.height)
            throw CompileError(pos, "teleport tile (" + parts[1] + ", " + parts[2] + ") is outside the level");
        if (parts[3] == "2" && !model.planes[1].present)
            throw CompileError(pos, "teleport to plane 2, but the level has no [plane 2]");
        return;
    }
    if (parts.size() != 1 && parts.size() != 4)
        throw CompileError(pos, "a level destination is \"level\" or \"level;column;row;plane\"");
    if (!isKnownLevel(parts[0])) throw CompileError(pos, "destination \"" + parts[0] + "\" names no level");
    if (parts.size() == 4) {
        tileField(parts[1], pos, "column");
        tileField(parts[2], pos, "row");
        checkPlane(parts[3], pos);
    }
}

void checkSpecial(const LevelModel& model, const ElementDef& def) {
    const std::string message = def.fields["message"];
    if (message.find(':') != std::string::npos)
        throw CompileError(fieldPos(def, "message"), "a message must not contain ':' (the game reads it as a hit box)");
    const bool speaks = !def.fields["masquerPremierPlan"].get<bool>() && !def.fields["musique"].get<bool>();
    if (!speaks) return;
    checkDestination(model, def);
    const bool leads = lower(def.fields["niveauSuivant"]) != "none";
    if (leads && message.empty())
        throw CompileError(def.pos, "special \"" + def.id + "\" leads somewhere but has no message: the hero could never use it");
}

void checkMovement(const std::string& text, const SourcePos& pos) {
    const auto fields = splitOn(text, ':');
    const std::string property = lower(fields[0]);
    if (property == "none") return;
    if (fields.size() < 7)
        throw CompileError(pos, "a movement is \"property:seconds:amount:interpolation:easing:loop:autoreverse\"");
    if (property != "x" && property != "y" && property != "xy" && property != "o" && property != "r")
        throw CompileError(pos, "movement property \"" + fields[0] + "\" is not one of none, x, y, xy, o, r");
    parseInt(fields[1], shifted(pos, int(fields[0].size()) + 1));
    parseInt(fields[2], shifted(pos, int(fields[0].size() + fields[1].size()) + 2));
}

void checkHitBox(const std::string& text, const SourcePos& pos) {
    const auto fields = splitOn(text, ':');
    if (fields.size() != 4) throw CompileError(pos, "a hit box is \"x:y:width:height\"");
    for (const auto& f : fields) parseInt(f, pos);
}

void checkEnemy(const ElementDef& def) {
    checkMovement(def.fields["deplacement"], fieldPos(def, "deplacement"));
    checkHitBox(def.fields["hitBox"], fieldPos(def, "hitBox"));
    const std::string path = def.fields["path"];
    if (path.empty() || path == "baril") return;
    for (const auto& point : splitOn(path, ';')) {
        const auto xy = splitOn(point, ':');
        if (xy.size() != 2) throw CompileError(fieldPos(def, "path"), "a path is points \"x:y\" joined by ';'");
        parseInt(xy[0], fieldPos(def, "path"));
        parseInt(xy[1], fieldPos(def, "path"));
    }
    if (def.fields["durationPath"].get<double>() <= 0)
        throw CompileError(fieldPos(def, "durationPath"), "an enemy on a path needs a durationPath above 0");
}

void checkStart(const LevelModel& model) {
    const Header& h = model.header;
    const SourcePos pos = h.pos.at("start");
    if (h.startX < 0 || h.startX >= h.width || h.startY < 0 || h.startY >= h.height)
        throw CompileError(pos, "start position (" + std::to_string(h.startX) + ", " + std::to_string(h.startY) +
                                    ") is outside the level");
    if (!model.planes[0].present || h.bonusHero) return;
    // The hero's body stands one column right of his picture's left edge (box "37:1:25:49").
    const int bodyColumn = h.startX + 1;
    bool blocked = false;
    const int surface = surfaceBelow(model.planes[0].rows, bodyColumn, h.startY, 1, blocked);
    if (blocked || surface < 0)
        throw CompileError(pos, "start position (" + std::to_string(h.startX) + ", " + std::to_string(h.startY) +
                                    ") is not above ground: column " + std::to_string(bodyColumn) +
                                    (blocked ? " is solid where the hero stands" : " has no ground below row " + std::to_string(h.startY)));
}

}  // namespace

void checkLevel(const LevelModel& model) {
    checkHitBox(model.header.playerHitBox, model.header.pos.count("playerHitBox") ? model.header.pos.at("playerHitBox")
                                                                                   : model.header.pos.at("nom"));
    for (const auto& [kind, table] : model.tables)
        for (const auto& def : table) {
            if (kind == ElementKind::special) checkSpecial(model, def);
            if (kind == ElementKind::enemy) checkEnemy(def);
            if (kind == ElementKind::platform && def.fields["style"].get<int>() != 4)
                checkMovement(def.fields["animation"], fieldPos(def, "animation"));
        }
    checkStart(model);
}

void checkPlacements(const LevelModel& model, const Json& document) {
    const std::pair<const char*, const char*> strings[] = {
        {"decor", "decorElement"},           {"decorFromTileSet", "decorElementFromTileSet"},
        {"plateformes", "plateformElement"}, {"bonus", "bonusElement"},
        {"ennemis", "ennemiElement"},        {"ennemisNormal", "ennemiElement"},
        {"ennemisDifficile", "ennemiElement"}, {"speciaux", "specialElement"}};
    for (int p = 0; p < 2; ++p) {
        const Json& plane = document[p == 0 ? "niveau" : "niveau2"];
        const SourcePos pos = model.planes[p].rowPos.empty() ? model.header.pos.at("nom") : model.planes[p].rowPos[0];
        for (const auto& [key, table] : strings) {
            const std::string list = plane[key];
            if (list.empty()) continue;
            for (const auto& entry : splitOn(list, ';')) {
                const int index = std::stoi(entry.substr(0, entry.find(':')));
                if (index < 0 || index >= int(document[table].size()))
                    throw CompileError(pos, std::string("placement \"") + entry + "\" of \"" + key + "\" names entry " +
                                                std::to_string(index) + " of \"" + table + "\", which has " +
                                                std::to_string(document[table].size()) + " entries");
            }
        }
    }
}

}  // namespace levelc
