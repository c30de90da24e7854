#pragma once

#include <cstdint>

#include "input/input_lines.h"
#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Reads the input data file from the title lines through the last loaded area (records 1
// to 11) into data, tracing to outputs.console and filling the two data-check lists.
// Returns 0 to go on, or the status of the stop: 11, 14 or 15 (the message already written).
std::int32_t readProblemThroughAreas(InputLines& input, ProblemData& data,
                                     const RunOutputs& outputs);

// Reads the pile count, the pile load-depth mode and the piles (records 12 to 14).
// Returns 0 to go on, or 14 or 15.
std::int32_t readPiles(InputLines& input, ProblemData& data, const RunOutputs& outputs);

}  // namespace veldor
