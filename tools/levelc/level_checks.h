// The refusals that need the whole level: destinations that name no level or leave the level, messages
// the game would misread, malformed movement strings, and a start position that is not above ground.
#pragma once
#include "level_document.h"
#include "level_model.h"

namespace levelc {

void checkLevel(const LevelModel& model);
// Every placement index of the compiled document must name an entry of its table.
void checkPlacements(const LevelModel& model, const Json& document);

}  // namespace levelc
