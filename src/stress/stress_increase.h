#pragma once

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Fills stressIncrease for every settlement point and depth point from every loaded area
// and pile, and sets loadCount; writes the count line and progress lines to messageFile.
void computeStressIncrease(ProblemData& data, TextOutput& messageFile);

}  // namespace veldor
