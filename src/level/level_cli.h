// The level code's command-line entry points: playing one level straight away (--level NAME) and
// checking a level headless (--check-level NAME), which prints the built level as one JSON object.
#pragma once
#include <iosfwd>
#include "app/command_line.h"

class TfMain;

// The game stage on `options.level` with the options' first-start values (arrow keys, Space to jump,
// "a" to act, 3 lives) and the difficulty given, normal by default. Call after FormCreate.
void demarrerNiveauDirect(TfMain& fenetre, const CommandLine& options);

// Loads `options.checkLevel` headless. Prints the listing on `out` and returns 0, or prints the error on
// `err` and returns 1.
int verifierNiveau(const CommandLine& options, std::ostream& out, std::ostream& err);
