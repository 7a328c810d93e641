// The blocking strips of every shipped level leave the ground walkable: none reaches into the foot of the
// box of a hero standing on a platform of the same plane.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>
#include "compile_level.h"
#include "level_fixture.h"

namespace {

using namespace levelc_test;
using Json = nlohmann::json;

constexpr int tile = 32;
// The hero's box below his feet: it ends a pixel under them, and gravity sinks him one more before the
// standing test puts him back.
constexpr int boxBelowFeet = 2;

struct Box {
    int left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct Placed {
    int index, row, column;
};

std::vector<Placed> placements(const std::string& text) {
    std::vector<Placed> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(';', at), text.size());
        Placed p{};
        if (std::sscanf(text.substr(at, end - at).c_str(), "%d:%d:%d", &p.index, &p.row, &p.column) == 3)
            out.push_back(p);
        at = end + 1;
    }
    return out;
}

Box placedBox(const Placed& p, int width, int height) { return {p.column * tile, p.row * tile - height, width, height}; }

// The strip of the hero's box under his feet while he stands anywhere on a still platform.
std::vector<Box> feetBands(const Json& doc, const Json& plane) {
    std::vector<Box> out;
    for (const Placed& p : placements(plane["plateformes"].get<std::string>())) {
        const Json& def = doc["plateformElement"][p.index];
        if (def["style"] != 0 || def["animation"] != "none") continue;
        const Box top = placedBox(p, def["width"], def["height"]);
        out.push_back({top.left, top.top, top.width, boxBelowFeet});
    }
    return out;
}

std::vector<Box> blockingStrips(const Json& doc, const Json& plane) {
    std::vector<Box> out;
    for (const Placed& p : placements(plane["decorFromTileSet"].get<std::string>())) {
        const Json& def = doc["decorElementFromTileSet"][p.index];
        if (!def["bloquer"].get<bool>()) continue;
        const int length = def["width"];
        out.push_back(def["vertical"].get<bool>() ? placedBox(p, tile, length) : placedBox(p, length, tile));
    }
    return out;
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

class ShippedLevel : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLevel, NoBlockingStripStandsInTheWayOfTheGroundItIsPartOf) {
    const std::string name = GetParam();
    levelc::compileLevel(shippedSource(name), scratch("clearance"));
    const Json doc = Json::parse(fileBytes(scratch("clearance") + "/" + name + ".json"));
    for (const char* planeKey : {"niveau", "niveau2"}) {
        const Json& plane = doc[planeKey];
        for (const Box& strip : blockingStrips(doc, plane))
            for (const Box& feet : feetBands(doc, plane)) {
                // A wall at the ground's edge starts below the surface; a strip on the surface line would
                // stop the hero walking at all.
                EXPECT_FALSE(overlap(strip, feet))
                    << name << " " << planeKey << ": the strip at x " << strip.left << ", y " << strip.top
                    << " blocks the hero standing on the platform at x " << feet.left << ", top " << feet.top;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Forest, ShippedLevel, ::testing::Values("foretOuest", "foretNord", "foretSud", "foretEst"));

}  // namespace
