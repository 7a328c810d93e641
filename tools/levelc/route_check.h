// A coarse walk through a compiled level on the tile grid, with the reach a level designer relies on:
// walk, step up one tile, fall, jump two tiles up or three tiles across, switch planes, ride platforms.
// It answers which exits the hero can reach from the start; enemies are left out (they can be jumped).
#pragma once
#include <set>
#include <string>
#include "level_model.h"

namespace levelc {

// The destinations of the exits reachable from the level's start, without boots and without a sword.
std::set<std::string> reachableExits(const LevelModel& model);

}  // namespace levelc
