// The frame's cost and the tick budget: one normal frame (boucleNiveau) on the largest fixture level
// with 100 enemies, and a 10-minute headless run of walking, jumping and running that must miss no tick.
#include <benchmark/benchmark.h>
#include <string>
#include "app/game_runner.h"

namespace {

CommandLine niveauSansFenetre(const std::string& niveau, int ticks) {
    CommandLine o;
    o.headless = true;
    o.level = niveau;
    o.resourcesDir = std::string(ZORLIN_FIXTURES) + "/replays";
    o.dataDir = "/tmp/zorlin-bench";
    o.frames = ticks;
    return o;
}

// The frames run inside the first tick of a real headless run, so the level is built and started exactly
// as the player gets it. The hero stands; the enemies patrol; the clock does not move between frames.
void BM_BoucleNiveau(benchmark::State& state) {
    GameRunner runner(niveauSansFenetre("fx_grand", 1));
    runner.beforeTick = [&](int) {
        TfMain& f = runner.fenetre();
        for (auto _ : state) f.boucleNiveau();
        state.counters["enemies"] = static_cast<double>(f.nbEnnemi);
    };
    runner.run();
}
BENCHMARK(BM_BoucleNiveau)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Ten minutes of game time (37500 ticks) on the largest level with a busy hero; reports the ticks the
// scheduler had to skip (the budget is 0) and how much faster than real time the run went.
void BM_DixMinutesSansFenetre(benchmark::State& state) {
    constexpr int dixMinutes = 10 * 60 * 1000 / GameRunner::TICK_MS;
    for (auto _ : state) {
        GameRunner runner(niveauSansFenetre("fx_grand", dixMinutes));
        runner.beforeTick = [&](int k) {
            eng::Engine& engine = runner.engine();
            const int phase = k % 400;   // walk right, jump, run back left, rest
            if (phase == 0) engine.queueKey(eng::keyEventFromName("Right", true));
            if (phase == 150) engine.queueKey(eng::keyEventFromName("Space", true));
            if (phase == 152) engine.queueKey(eng::keyEventFromName("Space", false));
            if (phase == 200) engine.queueKey(eng::keyEventFromName("Right", false));
            if (phase == 210) engine.queueKey(eng::keyEventFromName("Left", true));
            if (phase == 350) engine.queueKey(eng::keyEventFromName("Left", false));
            if (k == 0) runner.fenetre().nbVie = 1000;
        };
        runner.afterRun = [&] {
            state.counters["missedTicks"] = static_cast<double>(runner.engine().scheduler().missedTicks());
            state.counters["ticks"] = dixMinutes;
        };
        runner.run();
    }
}
BENCHMARK(BM_DixMinutesSansFenetre)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
