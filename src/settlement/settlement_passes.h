#pragma once

#include <cstdint>

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Simpson average of the stress increase over every sublayer beneath every point.
void computeAverageStressIncrease(ProblemData& data);

// Sublayer and total settlements of every point, with the curve-range warnings written to
// the report and the message file. Returns 0, or 15 when an F-log P sublayer has no
// defined logarithm (the message already written).
std::int32_t computeSettlements(ProblemData& data, const RunOutputs& outputs);

}  // namespace veldor
