// The game state as one JSON object, written at the end of a headless run (--dump-state) so that
// replays can be checked against expected values.
#pragma once
#include <functional>
#include <string>
#include <nlohmann/json.hpp>

class TfMain;

using EtatJson = nlohmann::ordered_json;

// Adds one more key to every dump: other parts of the game register what they want checked
// ("aEpee", "recInfoSpecial", ...). The function receives the whole object to fill in.
void ajouterSectionEtat(std::function<void(const TfMain&, EtatJson&)> section);

// The level's per-container listing, as the level checker prints it; plugged in by the level code.
// Without it the dump's "level" key is null.
void definirListingNiveau(std::function<EtatJson(const TfMain&)> listing);

EtatJson etatPartie(const TfMain& fenetre);
// Writes etatPartie to `path` (pretty-printed). Throws std::runtime_error when the file cannot be written.
void ecrireEtatPartie(const TfMain& fenetre, const std::string& path);

std::string nomStage(int stage);
