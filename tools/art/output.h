// Writing the painted pictures: one PNG per picture into the resources folder, and the contact sheet
// (every picture on a grid, enlarged) that lets a painter check the whole set at a glance.
#pragma once
#include <string>
#include <vector>
#include "catalogue.h"

namespace art {

// Paints a group and writes <dir>/<name>.png for each of its pictures; returns how many files changed.
int writeGroup(const Group& group, const std::string& dir);
// All pictures of all groups on labelled rows, each enlarged `scale` times, on a neutral checkerboard.
Canvas contactSheet(const std::vector<Picture>& pictures, int scale);

}  // namespace art
