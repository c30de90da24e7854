#pragma once

#include <string>

#include "model/problem_data.h"

namespace veldor {

// The 65 columns that describe a loaded area in Table 5 and in the plot file: shape, centre,
// dimensions, slope, loading and elevation.
std::string areaDataLine(const LoadedArea& area);

}  // namespace veldor
