// The forest's parallax backdrops (sky, far hills, mid trees, near bushes) and its foreground leaf strip.
// Every strip tiles horizontally: it is painted on a wider canvas with each shape repeated one width to
// either side, then the middle is cut out, so shading and outlines match across the seam.
#include <cmath>
#include <numbers>
#include "catalogue.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;
constexpr int margin = 48;

// Colours seen through morning haze: mixed towards the sky by `haze`.
Ramp hazed(const Ramp& r, float haze, Color sky) {
    return {mix(r.outline, sky, haze * 0.8f), mix(r.dark, sky, haze), mix(r.base, sky, haze), mix(r.light, sky, haze),
            mix(r.highlight, sky, haze)};
}

Canvas seamless(const Canvas& wide, int w) { return wide.crop(margin, 0, w, wide.height()); }

// Adds a shape three times (one strip width apart) so it wraps around.
template <typename MakeMask>
void addWrapped(Mask& m, int w, MakeMask make) {
    for (int k = -1; k <= 1; ++k) m.add(make(static_cast<float>(margin + k * w)));
}

Canvas sky() {
    const int w = 64, h = 480;
    Canvas c(w, h);
    // Sixteen clean bands from the deep blue zenith through pale blue to the warm morning horizon.
    std::vector<Color> bands;
    for (int i = 0; i < 16; ++i) {
        const float t = i / 15.0f;
        bands.push_back(t < 0.6f ? mix(forest::skyTop, forest::skyMiddle, t / 0.6f)
                                 : mix(forest::skyMiddle, forest::skyHorizon, (t - 0.6f) / 0.4f));
    }
    bandedGradient(c, rectMask(w, h, 0, 0, w, h), bands, 0, h);
    return c;
}

// A ridge line made of whole sine periods over the strip, so it wraps.
float ridge(float x, int w, float base, const std::vector<std::pair<int, float>>& waves, float phase) {
    float y = base;
    for (const auto& [cycles, amplitude] : waves) y += amplitude * std::sin(2 * pi * cycles * x / w + phase * cycles);
    return y;
}

Canvas farHills() {
    const int w = 640, h = 200;
    Canvas c(w, h);
    const Ramp far = {mix(forest::hillFar, forest::skyMiddle, 0.2f), mix(forest::hillFar, forest::skyMiddle, 0.15f),
                      mix(forest::hillFar, forest::skyMiddle, 0.3f), mix(forest::hillFar, forest::skyHorizon, 0.45f),
                      forest::skyHorizon};
    const Ramp near = {forest::hillNear, darken(forest::hillNear, 0.1f), forest::hillNear,
                       mix(forest::hillNear, forest::skyHorizon, 0.3f), mix(forest::hillNear, forest::skyHorizon, 0.5f)};
    for (int layer = 0; layer < 2; ++layer) {
        const Ramp& r = layer == 0 ? far : near;
        for (int x = 0; x < w; ++x) {
            const float top = layer == 0 ? ridge(x + 0.5f, w, 70, {{2, 22}, {5, 9}, {11, 3}}, 0.3f)
                                         : ridge(x + 0.5f, w, 120, {{3, 18}, {7, 7}, {13, 2.5f}}, 1.7f);
            const float slope = layer == 0 ? ridge(x + 1.5f, w, 70, {{2, 22}, {5, 9}, {11, 3}}, 0.3f) - top
                                           : ridge(x + 1.5f, w, 120, {{3, 18}, {7, 7}, {13, 2.5f}}, 1.7f) - top;
            for (int y = static_cast<int>(std::ceil(top)); y < h; ++y) {
                // Slopes facing the upper left catch the light near the ridge.
                Color tone = r.base;
                if (y < top + 3) tone = slope > 0 ? r.light : r.dark;
                if (y < top + 1) tone = r.highlight;
                c.set(x, y, tone);
            }
        }
    }
    return c;
}

Canvas midTrees() {
    const int w = 512, h = 256, wide = w + 2 * margin;
    const Color sky = forest::skyMiddle;
    const Ramp leaves = hazed(forest::leafDark, 0.42f, sky), bark = hazed(forest::bark, 0.45f, sky);
    Canvas c(wide, h);
    Rng rng(2024);
    Mask trunks(wide, h), crowns(wide, h);
    std::vector<std::pair<Vec, float>> clumps;
    for (int t = 0; t < 9; ++t) {
        const float x = t * (w / 9.0f) + rng.range(-8, 8), top = 50.0f + rng.range(0, 40);
        addWrapped(trunks, w, [&](float o) {
            return polygonMask(wide, h, {{o + x - 4, top + 40}, {o + x + 4, top + 40}, {o + x + 7, 205}, {o + x - 7, 205}});
        });
        for (int k = 0; k < 10; ++k) {
            const Vec p{x + rng.range(-34, 34), top + rng.range(-4, 70)};
            const float r = 15.0f + rng.range(0, 12);
            clumps.push_back({p, r});
            addWrapped(crowns, w, [&](float o) { return circleMask(wide, h, p + Vec{o, 0}, r); });
        }
    }
    paintPart(c, trunks, bark, {1, 2});
    Canvas leafLayer(wide, h);
    shadeMask(leafLayer, crowns, leaves, {2, 3});
    for (const auto& [p, r] : clumps)
        for (int k = -1; k <= 1; ++k) {
            clumpLight(leafLayer, crowns, p + Vec{static_cast<float>(margin + k * w), 0}, r, leaves.light);
        }
    outline(leafLayer, leaves.outline);
    c.draw(leafLayer, 0, 0);
    // The forest floor behind the trees.
    Canvas ground(wide, h);
    fillMask(ground, rectMask(wide, h, 0, 200, wide, 56), leaves.dark);
    ground.draw(c, 0, 0);
    return seamless(ground, w);
}

Canvas nearBushes() {
    const int w = 512, h = 128, wide = w + 2 * margin;
    const Ramp leaves = hazed(forest::leaf, 0.12f, forest::skyMiddle);
    Canvas c(wide, h);
    Rng rng(77);
    Mask bushes(wide, h);
    std::vector<std::pair<Vec, float>> clumps;
    for (int k = 0; k < 34; ++k) {
        const Vec p{k * (w / 34.0f) + rng.range(-5, 5), 62.0f + rng.range(0, 30)};
        const float r = 12.0f + rng.range(0, 9);
        clumps.push_back({p, r});
        addWrapped(bushes, w, [&](float o) { return circleMask(wide, h, p + Vec{o, 0}, r); });
    }
    bushes.add(rectMask(wide, h, 0, 76, wide, h - 76));
    Canvas layer(wide, h);
    shadeMask(layer, bushes, leaves, {2, 3});
    for (const auto& [p, r] : clumps)
        for (int k = -1; k <= 1; ++k) {
            clumpLight(layer, bushes, p + Vec{static_cast<float>(margin + k * w), 0}, r,
                       static_cast<int>(p.x) % 5 == 0 ? leaves.highlight : leaves.light);
        }
    outline(layer, leaves.outline);
    c.draw(layer, 0, 0);
    return seamless(c, w);
}

Canvas foregroundLeaves() {
    const int w = 512, h = 64, wide = w + 2 * margin;
    const Ramp dark = {rgb(6, 24, 16), rgb(14, 44, 26), rgb(22, 62, 34), rgb(34, 84, 44), rgb(56, 110, 60)};
    Canvas c(wide, h);
    Rng rng(5150);
    Mask fronds(wide, h);
    for (int k = 0; k < 70; ++k) {
        // A grass blade: a curved, tapering stroke from the ground up.
        const float x = k * (w / 70.0f) + rng.range(-3, 3), tall = 18.0f + rng.range(0, 40);
        const float bend = static_cast<float>(rng.range(-16, 16)), width = 2.0f + rng.range(0, 2);
        for (int s = 0; s < 6; ++s) {
            const float t0 = s / 6.0f, t1 = (s + 1) / 6.0f;
            const Vec a{x + bend * t0 * t0, h - tall * t0}, b{x + bend * t1 * t1, h - tall * t1};
            addWrapped(fronds, w, [&](float o) {
                return taperMask(wide, h, a + Vec{o, 0}, b + Vec{o, 0}, width * (1 - t0) + 0.4f, width * (1 - t1) + 0.4f);
            });
        }
    }
    for (int k = 0; k < 9; ++k) {  // a few broad leaves among the grass
        const Vec at{k * (w / 9.0f) + rng.range(0, 20), h - 10.0f - rng.range(0, 14)};
        const float angle = static_cast<float>(rng.range(-60, -20));
        addWrapped(fronds, w, [&](float o) { return ellipseMask(wide, h, at + Vec{o, 0}, 11, 4, angle); });
    }
    fronds.add(rectMask(wide, h, 0, h - 6, wide, 6));
    paintPart(c, fronds, dark, {1, 2});
    return seamless(c, w);
}

}  // namespace

std::vector<Picture> paintBackdrops() {
    return {stillPicture("foret_ciel", sky()), stillPicture("foret_collines", farHills()),
            stillPicture("foret_arbres", midTrees()), stillPicture("foret_buissons", nearBushes()),
            stillPicture("foret_avant", foregroundLeaves())};
}

}  // namespace art
