// A JSON listing of the loaded level: its values, every element image of both planes by container, in
// child order, and the parallax layers. Used by --check-level and by the state dump.
#pragma once
#include <nlohmann/json.hpp>

class TfMain;

nlohmann::json listerNiveau(const TfMain& fenetre);
