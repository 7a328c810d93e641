// --give KEY=VALUE: sets one game-state value before a run (the replays use it for lives, energy, boots).
// Only the keys listed here are known; any other key is refused before the run starts.
#pragma once
#include <string>

class TfMain;

// Throws std::invalid_argument naming the key or the value when either is not accepted.
void verifierDon(const std::string& cle, const std::string& valeur);
// Applies a checked key; what a level start derives from the value follows (the boots arm the double tap).
void appliquerDon(TfMain& fenetre, const std::string& cle, const std::string& valeur);
