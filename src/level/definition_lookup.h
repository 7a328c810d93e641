// Finding the definition a placement names, with the out-of-range error that names the level, the plane,
// the entry, the table and the index when the index lies outside the table.
#pragma once
#include <string>
#include "engine/errors.h"
#include "level/placement.h"

template <class List>
const auto& definitionAt(const List& list, const Placement& placement, const char* table, size_t entry,
                         const std::string& level, bool niveau2) {
    if (placement.index < 0 || static_cast<size_t>(placement.index) >= list.size()) {
        throw eng::OutOfRange("Level \"" + level + "\": entry " + std::to_string(entry) + " of plane " +
                              (niveau2 ? "2" : "1") + " names " + table + " index " +
                              std::to_string(placement.index) + ", but the table has " +
                              std::to_string(list.size()) + " entries");
    }
    return list[static_cast<size_t>(placement.index)];
}
