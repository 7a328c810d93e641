// Builds the running game from the command line (clock, window, engine, resources, main window) and runs it:
// the real-time loop, or exactly N ticks of 16 ms under a manual clock when headless.
#pragma once
#include <functional>
#include <memory>
#include "app/command_line.h"
#include "app/TfMain.h"
#include "engine/clock.h"
#include "engine/engine.h"
#include "engine/platform.h"

class GameRunner {
public:
    static constexpr int TICK_MS = 16;

    // The game tick's period in a window: one tick per displayed frame when the display runs within 5 % of
    // 62.5 Hz (a 60 Hz screen then shows every tick once instead of doubling one frame in 24), else, or
    // with --strict-tick, or when the rate is unknown, the strict 16 ms.
    static double periodeDuTick(double frequenceEcranHz, bool tickStrict);

    explicit GameRunner(const CommandLine& options);
    ~GameRunner();
    GameRunner(const GameRunner&) = delete;
    GameRunner& operator=(const GameRunner&) = delete;

    // Hooks for the tools that ride on a run (replays, state dumps, screenshots).
    std::function<void(int tick)> beforeTick;   // headless: before tick k advances the clock and steps
    std::function<void()> afterRun;             // after the last step, before the window closes

    // FormCreate, FormShow, the loop, afterRun, FormDestroy. Returns the process exit code.
    int run();

    const CommandLine& options() const { return options_; }
    eng::Engine& engine() { return *engine_; }
    TfMain& fenetre() { return *main_; }
    eng::Platform* platform() { return platform_.get(); }
    eng::ManualClock* manualClock() { return manualClock_; }   // null unless headless

private:
    void suivreTailleFenetre();   // the window's content takes the window's size
    void runHeadless(int ticks);
    void runWindowed();
    void saveScreenshot();

    CommandLine options_;
    std::unique_ptr<eng::Clock> clock_;
    eng::ManualClock* manualClock_ = nullptr;
    std::unique_ptr<eng::Platform> platform_;
    std::unique_ptr<eng::Engine> engine_;
    std::unique_ptr<TfMain> main_;
};
