// The run of the game: everything is built in dependency order and torn down in reverse.
// Headless runs are exact: tick k happens at 16 k ms of game time, whatever the machine.
#include "app/game_runner.h"
#include <cmath>
#include <iostream>
#include "engine/errors.h"
#include "engine/media.h"
#include "engine/resources.h"
#include "level/level_cli.h"

GameRunner::GameRunner(const CommandLine& options) : options_(options) {
    if (options_.headless) {
        auto manual = std::make_unique<eng::ManualClock>();
        manualClock_ = manual.get();
        clock_ = std::move(manual);
        eng::setHeadlessMessages(true);
    } else {
        clock_ = std::make_unique<eng::SystemClock>();
    }
    if (!options_.dataDir.empty()) eng::setUserDataDirOverride(options_.dataDir);

    eng::WindowOptions window;
    window.width = options_.windowWidth;
    window.height = options_.windowHeight;
    window.fullscreen = options_.fullscreen;
    window.headless = options_.headless;
    platform_ = std::make_unique<eng::Platform>(window);
    if (!options_.headless) eng::AudioSystem::open();

    engine_ = std::make_unique<eng::Engine>(*clock_, options_.seed, platform_.get());
    suivreTailleFenetre();
    std::vector<std::string> resourceDirs;   // a designer's folder first, then the built-in one
    if (!options_.resourcesDir.empty()) resourceDirs.push_back(options_.resourcesDir);
    resourceDirs.push_back(eng::programDir() + "/resources");
    main_ = std::make_unique<TfMain>(*engine_, resourceDirs);

    if (options_.verbose) {
        std::cerr << "program folder: " << eng::programDir() << "\n"
                  << "user data folder: " << eng::userDataDir() << "\n";
        for (const std::string& dir : main_->resources.searchDirs()) std::cerr << "resources: " << dir << "\n";
    }
}

GameRunner::~GameRunner() {
    main_.reset();
    engine_.reset();
    platform_.reset();
    eng::AudioSystem::close();
}

int GameRunner::run() {
    main_->FormCreate();
    if (options_.fullscreen) {
        // The window's start-up leaves full screen; the command line asks for it again.
        platform_->setFullscreen(true);
        suivreTailleFenetre();
        main_->SCALE = main_->scalePourAffichage(true, engine_->root().width);
    }
    main_->FormShow();
    if (!options_.level.empty()) demarrerNiveauDirect(*main_, options_);   // --level NAME (level code)
    if (options_.headless) runHeadless(options_.frames.value_or(0));
    else runWindowed();
    if (afterRun) afterRun();
    if (!options_.screenshotFile.empty()) saveScreenshot();
    main_->FormDestroy();
    return 0;
}

void GameRunner::suivreTailleFenetre() {
    const eng::SizeF size = platform_->windowSize();
    if (size.width > 0 && size.height > 0) {
        engine_->root().width = size.width;
        engine_->root().height = size.height;
    }
}

void GameRunner::runHeadless(int ticks) {
    for (int k = 0; k < ticks; ++k) {
        if (beforeTick) beforeTick(k);
        manualClock_->advance(TICK_MS);
        engine_->step();
        if (engine_->quitting()) break;
    }
}

double GameRunner::periodeDuTick(double frequenceEcranHz, bool tickStrict) {
    constexpr double frequenceTick = 1000.0 / TICK_MS;
    constexpr double ecartAdmis = 0.05;
    if (tickStrict || !(frequenceEcranHz > 0)) return TICK_MS;
    if (std::abs(frequenceEcranHz - frequenceTick) > frequenceTick * ecartAdmis) return TICK_MS;
    return 1000.0 / frequenceEcranHz;
}

void GameRunner::runWindowed() {
    // The tick stays on the clock at the display's period: the game's speed never depends on vsync, and
    // the countdown, which reads the clock, stays exact.
    const double periode = periodeDuTick(platform_->displayRefreshHz(), options_.strictTick);
    main_->tGameloop.setPeriod(periode);
    if (options_.verbose) std::cerr << "game tick: every " << periode << " ms\n";
    if (!options_.frames) {
        engine_->run();
        return;
    }
    // A bounded windowed run (smoke tests with a real window): count the drawn frames.
    int shown = 0;
    const int wanted = *options_.frames;
    auto previousPaint = engine_->onPaint;
    engine_->onPaint = [&, previousPaint] {
        if (previousPaint) previousPaint();
        if (++shown >= wanted) engine_->quit();
    };
    if (wanted > 0) engine_->run();
    engine_->onPaint = previousPaint;
}

// --screenshot FILE: what the window shows after the last frame, as a PNG. A headless run draws into
// an offscreen surface of the window's size, so the picture is the same as in a window.
void GameRunner::saveScreenshot() {
    try {
        platform_->renderer().savePng(options_.screenshotFile);
    } catch (const std::exception& error) {
        eng::reportError("Cannot write the screenshot " + options_.screenshotFile + ": " + error.what());
    }
}
