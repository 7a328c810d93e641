// Cost of one animation tick: 5,000 running animations advanced by the Animator, as a level full
// of moving platforms, spinning enemies and sprite sheets would have. Reports the median of runs.
#include <benchmark/benchmark.h>
#include <memory>
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/engine.h"

namespace {

constexpr int kAnimations = 5000;
constexpr std::int64_t kTickMs = 16;

// A level-like tree: containers of images, each image with one looping animation.
void populate(eng::Node& root, bool spriteSheets) {
    const auto sheet = std::make_shared<eng::Bitmap>(256, 64);
    const char* properties[] = {"Position.X", "Position.Y", "RotationAngle", "Opacity"};
    eng::Node* container = nullptr;
    for (int i = 0; i < kAnimations; ++i) {
        if (i % 500 == 0) container = root.add<eng::Layout>();
        auto* image = container->add<eng::Image>();
        image->position = {static_cast<float>(i % 100) * 32, static_cast<float>(i / 100) * 32};
        eng::Animation* ani = nullptr;
        if (spriteSheets) {
            auto* frames = image->add<eng::BitmapListAnimation>();
            frames->animationBitmap = sheet;
            frames->animationCount = 8;
            frames->animationRowCount = 2;
            ani = frames;
        } else {
            auto* move = image->add<eng::FloatAnimation>();
            move->propertyName = properties[i % 4];
            move->stopValue = 64;
            move->interpolation = eng::Interpolation::Sinusoidal;
            move->animationType = eng::AnimationType::InOut;
            move->autoReverse = true;
            ani = move;
        }
        ani->duration = 0.5f + static_cast<float>(i % 7) * 0.25f;
        ani->loop = true;
        ani->start();
    }
}

void advanceTicks(benchmark::State& state, bool spriteSheets) {
    eng::Layout root;
    populate(root, spriteSheets);
    eng::Animator animator;
    std::int64_t now = 0;
    animator.reset(now);
    for (auto _ : state) {
        now += kTickMs;
        animator.advance(root, now);
        benchmark::DoNotOptimize(root.child(0));
    }
    state.SetItemsProcessed(state.iterations() * kAnimations);
}

void BM_AnimatorTick_5000FloatAnimations(benchmark::State& state) { advanceTicks(state, false); }
void BM_AnimatorTick_5000SpriteSheets(benchmark::State& state) { advanceTicks(state, true); }

// The whole headless step around the same tree: a due 16 ms timer, the animations, the realign.
void BM_EngineStep_5000FloatAnimations(benchmark::State& state) {
    eng::ManualClock clock;
    eng::Engine engine(clock, 1);
    populate(engine.root(), false);
    eng::Timer tick(engine.scheduler(), static_cast<int>(kTickMs));
    int ticks = 0;
    tick.onTimer = [&] { ++ticks; };
    tick.setEnabled(true);
    for (auto _ : state) {
        clock.advance(kTickMs);
        engine.step();
    }
    benchmark::DoNotOptimize(ticks);
}

BENCHMARK(BM_AnimatorTick_5000FloatAnimations)->Unit(benchmark::kMicrosecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_AnimatorTick_5000SpriteSheets)->Unit(benchmark::kMicrosecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EngineStep_5000FloatAnimations)->Unit(benchmark::kMicrosecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
