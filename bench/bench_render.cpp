// Drawing cost with SDL's software renderer at 1920 x 1080, headless: many sprites drawn straight to
// the window, and the game zone's path (a 768 x 432 layer drawn once, then scaled 2.5x in one copy).
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include "engine/controls.h"
#include "engine/platform.h"

namespace {

using namespace eng;

constexpr int outputW = 1920, outputH = 1080;

std::unique_ptr<Platform> headlessPlatform() {
    WindowOptions options;
    options.headless = true;
    options.width = outputW;
    options.height = outputH;
    return std::make_unique<Platform>(options);
}

// A round sprite with transparent corners and a soft edge, tinted by `hue`.
BitmapPtr sprite(int size, AlphaColor hue) {
    auto b = std::make_shared<Bitmap>(size, size);
    const float r = size / 2.f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = std::hypot(x + 0.5f - r, y + 0.5f - r);
            const float a = std::clamp(r - d, 0.f, 1.f);
            b->setPixel(x, y, (static_cast<AlphaColor>(a * 255) << 24) | (hue & 0xFFFFFF));
        }
    return b;
}

// Deterministic positions: a small linear congruential sequence.
struct Scatter {
    std::uint32_t state = 12345;
    float next(float range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24) * range;
    }
};

void addSprites(Node& parent, int count, int size, float spanX, float spanY, float offX, float offY) {
    const BitmapPtr pictures[] = {sprite(size, 0xFF3060C0), sprite(size, 0xFFC04030), sprite(size, 0xFF40B050),
                                  sprite(size, 0xFFE0C020)};
    Scatter scatter;
    for (int i = 0; i < count; ++i) {
        auto* image = parent.add<Image>();
        image->setBitmap(pictures[i % 4]);
        image->width = image->height = static_cast<float>(size);
        image->position = {scatter.next(spanX) + offX, scatter.next(spanY) + offY};
    }
}

void BM_Draw2000SpritesAt1080p(benchmark::State& state) {
    auto platform = headlessPlatform();
    Layout root;
    root.width = outputW;
    root.height = outputH;
    // Spread over a field wider than the window: about a fifth of the sprites are off screen.
    addSprites(root, 2000, 64, outputW * 1.25f, outputH, -outputW * 0.125f, 0);
    platform->renderer().draw(root, colors::Black);  // textures uploaded once
    for (auto _ : state) platform->renderer().draw(root, colors::Black);
}
BENCHMARK(BM_Draw2000SpritesAt1080p)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// The game zone: an opaque backdrop and 300 sprites drawn at level-unit size, then one copy scaled 2.5x.
void BM_OffscreenLayerScaledTo1080p(benchmark::State& state) {
    auto platform = headlessPlatform();
    Layout root;
    root.width = outputW;
    root.height = outputH;
    auto* zone = root.add<Layout>();
    zone->width = 768;
    zone->height = 432;
    zone->scale = {2.5f, 2.5f};
    zone->renderOffscreen = true;
    auto* backdrop = zone->add<Image>();
    backdrop->setBitmap(std::make_shared<Bitmap>(768, 432, 0xFF204060));
    backdrop->width = 768;
    backdrop->height = 432;
    if (state.range(0) == 0) backdrop->visible = false;  // a layer with holes must be blended when scaled
    addSprites(*zone, 300, 32, 800, 432, -16, 0);
    platform->renderer().draw(root, colors::Black);
    for (auto _ : state) platform->renderer().draw(root, colors::Black);
}
BENCHMARK(BM_OffscreenLayerScaledTo1080p)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace
