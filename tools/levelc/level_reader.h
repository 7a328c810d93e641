// Gives meaning to a level source: header keys, element sections, scrollings, the legend and the grids.
// Unknown keys, bad values and malformed grids are refused with their file, line and column.
#pragma once
#include "level_model.h"
#include "source_text.h"

namespace levelc {

// `levelName` is the resource name the level is compiled to (the source file name without extension).
LevelModel readLevel(const SourceText& source, const std::string& levelName);

}  // namespace levelc
