// The headless run: exactly N ticks of 16 ms of game time, the replay hook before each tick,
// the after-run hook once, exit code 0, and the command line's folders and seed taken into account.
#include <gtest/gtest.h>
#include <filesystem>
#include <vector>
#include "app/game_runner.h"

namespace {

// In a window the tick follows a display close to 62.5 Hz frame by frame; any other rate, an unknown one
// or --strict-tick keeps the strict 16 ms.
TEST(GameRunner, TickPeriodFollowsDisplaysCloseTo62HzOnly) {
    const struct {
        double frequence;
        bool strict;
        double periode;
    } cas[] = {
        {60, false, 1000.0 / 60},   {59.94, false, 1000.0 / 59.94}, {62.5, false, 16},
        {65, false, 1000.0 / 65},   {66, false, 16},                {59, false, 16},
        {144, false, 16},           {50, false, 16},                {0, false, 16},
        {-60, false, 16},           {60, true, 16},
    };
    for (const auto& c : cas)
        EXPECT_DOUBLE_EQ(GameRunner::periodeDuTick(c.frequence, c.strict), c.periode) << c.frequence << " Hz";
}

TEST(GameRunner, HeadlessRunStepsExactlyTheAskedTicks) {
    const auto dataDir = std::filesystem::temp_directory_path() / "zorlin-runner-test";
    CommandLine options;
    options.headless = true;
    options.frames = 5;
    options.dataDir = dataDir.string();
    options.seed = 42;
    options.resourcesDir = "/tmp/zorlin-designer-levels";
    GameRunner runner(options);

    std::vector<std::pair<int, std::int64_t>> ticks;
    int apres = 0;
    runner.beforeTick = [&](int k) { ticks.emplace_back(k, runner.manualClock()->nowMs()); };
    runner.afterRun = [&] {
        ++apres;
        EXPECT_EQ(runner.manualClock()->nowMs(), 5 * GameRunner::TICK_MS);
    };
    EXPECT_EQ(runner.run(), 0);

    const std::vector<std::pair<int, std::int64_t>> attendus = {{0, 0}, {1, 16}, {2, 32}, {3, 48}, {4, 64}};
    EXPECT_EQ(ticks, attendus);
    EXPECT_EQ(apres, 1);
    EXPECT_EQ(eng::userDataDir().rfind(dataDir.string(), 0), 0u);
    const auto& dirs = runner.fenetre().resources.searchDirs();
    ASSERT_EQ(dirs.size(), 2u);
    EXPECT_EQ(dirs[0], "/tmp/zorlin-designer-levels");
    EXPECT_EQ(dirs[1], eng::programDir() + "/resources");
    eng::Random attendu(42);
    EXPECT_EQ(runner.engine().random().nextU64(), attendu.nextU64());
    eng::setUserDataDirOverride("");
}

TEST(GameRunner, HeadlessRunWithoutFramesStartsAndStops) {
    CommandLine options;
    options.headless = true;
    options.dataDir = (std::filesystem::temp_directory_path() / "zorlin-runner-test0").string();
    GameRunner runner(options);
    int ticks = 0;
    runner.beforeTick = [&](int) { ++ticks; };
    EXPECT_EQ(runner.run(), 0);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(runner.fenetre().activeStage, TStage::intro);
    eng::setUserDataDirOverride("");
}

}  // namespace
