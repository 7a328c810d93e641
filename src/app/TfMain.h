// The main window: owner of the game state, every screen, the game zone, the timers and the players.
// One class split by concern across files (TfMain_*.cpp, level/*.cpp, game/*.cpp): each file one concern.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "engine/engine.h"

// Each subsystem owns one section of this class. Edit only your own section; keep sections in this order.
class TfMain {
public:
    explicit TfMain(eng::Engine& engine);
    ~TfMain();
    TfMain(const TfMain&) = delete;
    TfMain& operator=(const TfMain&) = delete;

    eng::Engine& engine;

    // ==== application shell: start-up, stages, scaling, sounds, game state (src/app) ====

    // ==== level: document, element model, scene construction, level start (src/level) ====

    // ==== gameplay: frame loop, controls, movement, collisions, planes, pause, game over (src/game) ====

    // ==== world interactions: specials, exits, enemies, sword, bonus stages, shop (src/game, src/screens) ====

    // ==== weather (src/fx) ====
};
