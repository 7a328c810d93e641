// A fingerprint of everything a subtree draws, so an effect computed on its pixels is only
// recomputed when something visible in it changed.
#pragma once
#include <cstdint>
#include "node.h"

namespace eng {

std::uint64_t subtreeSignature(const Node& node);

}  // namespace eng
