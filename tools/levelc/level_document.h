// Builds the level document the game loads: top-level keys, the element tables (authored entries first,
// then the platforms, strips and masks made from the grids) and the placement strings of both planes.
#pragma once
#include <array>
#include <string>
#include <vector>
#include "level_model.h"
#include "terrain.h"

namespace levelc {

// A picture the compiler must draw beside the document.
struct PlanePicture {
    int plane = 0;          // 0 front, 1 back
    std::string fileName;   // "foretouest_front.png"
};
struct MaskPicture {
    int plane = 0;
    HiddenRoom room;
    std::string fileName;
};

struct ForegroundPicture {
    Scrolling layer;        // as written in the source
    std::string fileName;   // "foretnord_foret_avant.png"
};

struct CompiledLevel {
    Json document;
    std::array<Terrain, 2> terrain;
    std::vector<PlanePicture> planePictures;
    std::vector<MaskPicture> maskPictures;
    std::vector<ForegroundPicture> foregroundPictures;
};

CompiledLevel buildDocument(const LevelModel& model);

// The document as the game's resource text: ASCII, two-space indents, CRLF line ends, no byte-order mark.
std::string documentText(const Json& document);

}  // namespace levelc
