// Weather pictures: the three fog patches that drift across foggy levels. Soft edges come from a few
// clean alpha steps (the patch eroded ring by ring), never from dithering.
#include "catalogue.h"

namespace art {

namespace {

Mask eroded(const Mask& m) {
    Mask out(m.width(), m.height());
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            out.set(x, y, m.at(x, y) && m.at(x - 1, y) && m.at(x + 1, y) && m.at(x, y - 1) && m.at(x, y + 1));
    return out;
}

Canvas fogPatch(int w, int h, std::uint64_t seed) {
    Canvas c(w, h);
    Rng rng(seed);
    Mask patch(w, h);
    const int puffs = 5 + w / 40;
    for (int k = 0; k < puffs; ++k) {
        const float rx = h * (0.22f + 0.12f * rng.unit()) * 1.6f, ry = h * (0.2f + 0.1f * rng.unit());
        const float x = rx + 2 + rng.unit() * (w - 2 * rx - 4), y = ry + 2 + rng.unit() * (h - 2 * ry - 4);
        patch.add(ellipseMask(w, h, {x, y}, rx, ry));
    }
    // Each ring inward adds a little more white: thin at the rim, dense in the middle.
    Mask ring = patch;
    for (int step = 0; step < 6 && !ring.empty(); ++step) {
        fillMask(c, ring, rgb(244, 246, 250, step == 0 ? 60 : 40));
        for (int k = 0; k < 3; ++k) ring = eroded(ring);
    }
    return c;
}

}  // namespace

std::vector<Picture> paintWeather() {
    return {stillPicture("brouillard1", fogPatch(160, 72, 11)), stillPicture("brouillard2", fogPatch(224, 88, 12)),
            stillPicture("brouillard3", fogPatch(128, 56, 13))};
}

}  // namespace art
