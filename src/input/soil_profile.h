#pragma once

#include <cstdint>

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Cuts the layers into 0.5-thick sublayers and fills the depth points, overburden
// pressures and initial strains. Returns 0, or 15 when the profile needs more sublayers
// than the capacity (the message already written).
std::int32_t buildSoilProfile(ProblemData& data, const RunOutputs& outputs);

}  // namespace veldor
