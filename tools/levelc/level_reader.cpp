// Reads the sections of a level source into the level model: header, scrollings, element tables,
// legend and grids. Every value is checked where it is written; the first fault stops the compile.
#include "level_reader.h"
#include <set>
#include "element_schema.h"
#include "terrain_cells.h"
#include "tile_catalog.h"
#include "value_parse.h"

namespace levelc {
namespace {

const KeyValue* findEntry(const Section& section, const std::string& key) {
    for (const auto& entry : section.entries)
        if (entry.key == key) return &entry;
    return nullptr;
}

void refuseUnknownKeys(const Section& section, const std::set<std::string>& known) {
    for (const auto& entry : section.entries)
        if (!known.count(entry.key))
            throw CompileError(entry.keyPos, "unknown key \"" + entry.key + "\" in [" + section.kind + "]");
}

Json convertField(const FieldRule& rule, const std::string& text, const SourcePos& pos) {
    switch (rule.type) {
    case FieldType::text: return text;
    case FieldType::integer: return parseInt(text, pos);
    case FieldType::number: return parseNumber(text, pos);
    case FieldType::boolean: return parseBool(text, pos);
    }
    return text;
}

ElementDef readElement(ElementKind kind, const Section& section) {
    ElementDef def{kind, section.id, section.pos, Json::object(), {}};
    if (section.id.empty()) throw CompileError(section.pos, std::string("[") + kindWord(kind) + "] needs a name: [" + kindWord(kind) + " name]");
    std::set<std::string> known;
    for (const auto& rule : fieldsOf(kind)) known.insert(rule.key);
    refuseUnknownKeys(section, known);
    for (const auto& rule : fieldsOf(kind)) {
        const KeyValue* entry = findEntry(section, rule.key);
        if (!entry && !rule.defaultValue)
            throw CompileError(section.pos, std::string("[") + kindWord(kind) + " " + section.id + "] needs \"" + rule.key + "\"");
        const SourcePos pos = entry ? entry->valuePos : section.pos;
        const std::string text = codeForWord(kind, rule.key, entry ? entry->value : rule.defaultValue);
        def.fields[rule.key] = convertField(rule, text, pos);
        if (entry) def.fieldPos[rule.key] = pos;
    }
    return def;
}

class ModelReader {
public:
    ModelReader(const SourceText& source, const std::string& name) : source_(source) { model_.header.name = name; }

    LevelModel read() {
        for (const auto& section : source_.sections) readSection(section);
        if (!sawLevel_) throw CompileError(SourcePos{source_.files.front(), 1, 1}, "the source has no [level] section");
        for (const auto& [section, entry] : pendingLegend_) resolveLegend(*section, *entry);
        for (const auto& [plane, section] : pendingGrids_) readGrid(plane, *section);
        resolvePlatformPictures();
        return std::move(model_);
    }

private:
    void readSection(const Section& section) {
        ElementKind kind;
        if (section.kind == "level") return readHeader(section);
        if (section.kind == "scrolling") return readScrolling(section);
        if (section.kind == "legend") {
            for (const auto& entry : section.entries) pendingLegend_.emplace_back(&section, &entry);
            return;
        }
        if (section.kind == "plane") {
            const int plane = section.id == "1" ? 0 : section.id == "2" ? 1 : -1;
            if (plane < 0) throw CompileError(section.pos, "planes are [plane 1] (front) and [plane 2] (back)");
            if (model_.planes[plane].present) throw CompileError(section.pos, "[plane " + section.id + "] is given twice");
            model_.planes[plane].present = true;
            pendingGrids_.emplace_back(plane, &section);
            return;
        }
        if (!kindFromWord(section.kind, kind)) throw CompileError(section.pos, "unknown section [" + section.kind + "]");
        auto& table = model_.tables[kind];
        for (const auto& def : table)
            if (def.id == section.id)
                throw CompileError(section.pos, std::string(kindWord(kind)) + " \"" + section.id + "\" is defined twice");
        table.push_back(readElement(kind, section));
    }

    void readHeader(const Section& section) {
        sawLevel_ = true;
        refuseUnknownKeys(section, {"nom", "acte", "zone", "musique", "meteo", "night", "needConsole", "time", "start",
                                    "size", "gravity", "tileSize", "playerHitBox", "attaqueHitBox", "hero",
                                    "tileImage", "tilebackImage"});
        Header& h = model_.header;
        for (const auto& e : section.entries) {
            h.pos[e.key] = e.valuePos;
            const auto& v = e.value;
            if (e.key == "nom") h.nom = v;
            else if (e.key == "acte") h.acte = v;
            else if (e.key == "zone") h.zone = v;
            else if (e.key == "musique") h.musique = v;
            else if (e.key == "meteo") h.meteo = v;
            else if (e.key == "night") h.night = parseBool(v, e.valuePos);
            else if (e.key == "needConsole") h.needConsole = parseBool(v, e.valuePos);
            else if (e.key == "time") readTimes(v, e.valuePos);
            else if (e.key == "start") readPair(v, e.valuePos, h.startX, h.startY);
            else if (e.key == "size") readPair(v, e.valuePos, h.width, h.height);
            else if (e.key == "gravity") h.gravity = parseNumber(v, e.valuePos);
            else if (e.key == "tileSize") h.tileSize = parseInt(v, e.valuePos);
            else if (e.key == "playerHitBox") h.playerHitBox = v;
            else if (e.key == "attaqueHitBox") h.attaqueHitBox = parseInt(v, e.valuePos);
            else if (e.key == "hero") h.bonusHero = readHero(v, e.valuePos);
            else if (e.key == "tileImage") h.tileImage = v;
            else if (e.key == "tilebackImage") h.tilebackImage = v;
        }
        for (const char* key : {"nom", "musique", "time", "start", "size"})
            if (!h.pos.count(key)) throw CompileError(section.pos, std::string("[level] needs \"") + key + "\"");
        if (h.tileSize <= 0) throw CompileError(h.pos["tileSize"], "the tile size must be above 0");
        if (h.width <= 0 || h.height <= 0) throw CompileError(h.pos["size"], "the level size must be above 0 both ways");
    }

    void readTimes(const std::string& text, const SourcePos& pos) {
        const auto values = parseInts(text, 3, pos);
        size_t at = 0;
        for (int i = 0; i < 3; ++i) {
            at = text.find_first_not_of(' ', at);
            if (values[i] < 0 || values[i] > 59)
                throw CompileError(shifted(pos, int(at)), "time limit " + std::to_string(values[i]) +
                                                              " is out of range: minutes go from 0 to 59");
            model_.header.maxTime[i] = values[i];
            at = text.find(' ', at);
        }
    }

    static void readPair(const std::string& text, const SourcePos& pos, int& a, int& b) {
        const auto values = parseInts(text, 2, pos);
        a = values[0];
        b = values[1];
    }

    static bool readHero(const std::string& text, const SourcePos& pos) {
        if (text == "standard") return false;
        if (text == "bonus") return true;
        throw CompileError(pos, "hero is \"standard\" or \"bonus\"");
    }

    void readScrolling(const Section& section) {
        refuseUnknownKeys(section, {"image", "vitesse", "posY", "foreground", "continueY"});
        Scrolling layer;
        layer.pos = section.pos;
        const KeyValue* image = findEntry(section, "image");
        if (!image) throw CompileError(section.pos, "[scrolling] needs \"image\"");
        layer.image = image->value;
        for (const auto& e : section.entries) {
            if (e.key == "vitesse") layer.vitesse = parseNumber(e.value, e.valuePos);
            else if (e.key == "posY") layer.posY = parseInt(e.value, e.valuePos);
            else if (e.key == "foreground") layer.foreground = parseBool(e.value, e.valuePos);
            else if (e.key == "continueY") layer.continueY = parseBool(e.value, e.valuePos);
        }
        model_.scrollings.push_back(layer);
    }

    void resolveLegend(const Section& section, const KeyValue& entry) {
        if (entry.key.size() != 1 || isTerrainSymbol(entry.key[0]))
            throw CompileError(entry.keyPos, "a legend symbol is one character other than the terrain symbols " +
                                                 std::string(terrainSymbols()));
        LegendEntry legend{entry.key[0], ElementKind::decor, 0, Difficulty::all, entry.valuePos};
        const auto words = splitOn(entry.value, ' ');
        std::vector<std::string> parts;
        for (const auto& w : words)
            if (!w.empty()) parts.push_back(w);
        if (parts.size() < 2 || parts.size() > 3 || !kindFromWord(parts[0], legend.kind) || legend.kind == ElementKind::strip)
            throw CompileError(entry.valuePos, "a legend entry is \"kind name\" (platform, decor, bonus, enemy, special), "
                                               "enemies may add \"normal\" or \"difficult\"");
        legend.index = resolveIndex(legend.kind, parts[1], shifted(entry.valuePos, int(entry.value.find(parts[1]))));
        if (parts.size() == 3) {
            const SourcePos at = shifted(entry.valuePos, int(entry.value.rfind(parts[2])));
            if (legend.kind != ElementKind::enemy) throw CompileError(at, "only enemies are placed by difficulty");
            if (parts[2] == "normal") legend.difficulty = Difficulty::normal;
            else if (parts[2] == "difficult") legend.difficulty = Difficulty::difficult;
            else throw CompileError(at, "difficulty is \"normal\" or \"difficult\"");
        }
        if (model_.legend.count(legend.symbol))
            throw CompileError(entry.keyPos, std::string("legend symbol '") + legend.symbol + "' is given twice");
        model_.legend[legend.symbol] = legend;
        (void)section;
    }

    // A legend names an element by its name, or by its position in the table (a number).
    int resolveIndex(ElementKind kind, const std::string& ref, const SourcePos& pos) {
        const auto& table = model_.tables[kind];
        if (!ref.empty() && (std::isdigit(static_cast<unsigned char>(ref[0])) || ref[0] == '-')) {
            const int index = parseInt(ref, pos);
            if (index < 0 || index >= int(table.size()))
                throw CompileError(pos, std::string(kindWord(kind)) + " index " + ref + " is out of range: the table has " +
                                            std::to_string(table.size()) + " entries");
            return index;
        }
        for (size_t i = 0; i < table.size(); ++i)
            if (table[i].id == ref) return int(i);
        throw CompileError(pos, std::string("no ") + kindWord(kind) + " is named \"" + ref + "\"");
    }

    void readGrid(int plane, const Section& section) {
        const Header& h = model_.header;
        Grid& grid = model_.planes[plane];
        if (int(section.rows.size()) != h.height)
            throw CompileError(section.pos, "[plane " + section.id + "] has " + std::to_string(section.rows.size()) +
                                                " rows; the level is " + std::to_string(h.height) + " rows high");
        for (const auto& row : section.rows) {
            if (int(row.cells.size()) > h.width)
                throw CompileError(shifted(row.pos, h.width), "the row is longer than the level width of " +
                                                                  std::to_string(h.width) + " tiles");
            for (size_t c = 0; c < row.cells.size(); ++c) {
                const char cell = row.cells[c];
                if (!isTerrainSymbol(cell) && !model_.legend.count(cell))
                    throw CompileError(shifted(row.pos, int(c)), std::string("'") + cell + "' is neither terrain nor in the legend");
            }
            std::string cells = row.cells;
            for (char& cell : cells)
                if (cell == ' ') cell = '.';
            cells.resize(size_t(h.width), '.');
            grid.rows.push_back(cells);
            grid.rowPos.push_back(row.pos);
        }
    }

    void resolvePlatformPictures() {
        for (auto& def : model_.tables[ElementKind::platform]) {
            const std::string image = def.fields["image"];
            const int width = def.fields["width"];
            const std::string tilesList = tiles::stripTiles(image, width / model_.header.tileSize);
            if (!tilesList.empty()) def.fields["image"] = tilesList;
        }
    }

    const SourceText& source_;
    LevelModel model_;
    bool sawLevel_ = false;
    std::vector<std::pair<const Section*, const KeyValue*>> pendingLegend_;
    std::vector<std::pair<int, const Section*>> pendingGrids_;
};

}  // namespace

LevelModel readLevel(const SourceText& source, const std::string& levelName) {
    return ModelReader(source, levelName).read();
}

}  // namespace levelc
