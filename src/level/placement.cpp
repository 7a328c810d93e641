// Parsing placement strings and turning a placement into the element's pixel position.
// A field that is not a decimal integer counts as 0, as level designers' strings sometimes have stray text.
#include "level/placement.h"
#include "level/overlap.h"
#include "level/text_fields.h"

static void parseRandomColumn(Placement& placement) {
    const size_t open = placement.columnText.find("r(");
    if (open == std::string::npos) return;
    placement.randomColumn = true;
    const size_t close = placement.columnText.find(')', open);
    const std::string inside = placement.columnText.substr(open + 2, close == std::string::npos
                                                                         ? std::string::npos
                                                                         : close - open - 2);
    const auto parts = splitFields(inside, ',');
    placement.randomStart = parseIntOr(parts[0], 0);
    placement.randomWidth = parts.size() > 1 ? parseIntOr(parts[1], 0) : 0;
}

std::vector<Placement> parsePlacements(const std::string& text) {
    std::vector<Placement> placements;
    if (text.empty()) return placements;
    for (const std::string& entry : splitFields(text, ';')) {
        if (entry.empty()) continue;   // a trailing ";" names no element
        const auto fields = splitFields(entry, ':');
        Placement placement;
        placement.index = parseIntOr(fields[0], 0);
        placement.row = fields.size() > 1 ? parseIntOr(fields[1], 0) : 0;
        placement.columnText = fields.size() > 2 ? fields[2] : std::string();
        placement.column = parseIntOr(placement.columnText, 0);
        parseRandomColumn(placement);
        placements.push_back(placement);
    }
    return placements;
}

int placementLeft(const Placement& placement, int tileSize, int randomDraw) {
    if (!placement.randomColumn) return placement.column * tileSize;
    return placement.randomStart * tileSize + roundHalfEven(randomDraw * 0.5);
}

float placementTop(const Placement& placement, int tileSize, float height) {
    return static_cast<float>(placement.row * tileSize) - height;
}
