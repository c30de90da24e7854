#pragma once

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Table 3, the compressibility curves in pages of 7. Returns true when it stopped after
// the line of a pair whose pressure is exactly 0.0, with the error block written.
bool writeCurveTable(const ProblemData& data, TextOutput& report);

}  // namespace veldor
