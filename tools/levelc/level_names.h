// The levels of the game that an exit may name: the shipped ones, the ones the world plan adds
// ("grotte4", "montagneboss", "castle"), and "map". Names compare ignoring case, as the game looks them up.
#pragma once
#include <string>

namespace levelc {

bool isKnownLevel(const std::string& name);

}  // namespace levelc
