#pragma once

#include <cstdint>

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// The start sublayer of a settlement point that begins at layer startLayer: 1 for layer 1,
// the number of 0.5-thick sublayers above the top of a deeper layer (twice its top depth,
// halves rounded away from zero), and 0 when startLayer names no layer.
std::int32_t startSublayerOf(const ProblemData& data, std::int32_t startLayer);

// Cuts the layers into 0.5-thick sublayers and fills the depth points, overburden
// pressures and initial strains. Returns 0, or 15 when the profile needs more sublayers
// than the capacity (the message already written).
std::int32_t buildSoilProfile(ProblemData& data, const RunOutputs& outputs);

}  // namespace veldor
