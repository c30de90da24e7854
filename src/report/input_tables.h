#pragma once

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// The blocks listing the areas that failed the data checks, to the report and the message
// file, then the line "1" to the report.
void writeDataCheckMessages(const ProblemData& data, const RunOutputs& outputs);

// Tables 1, 2 and 3. Returns true when a curve pressure of 0.0 stopped the run in Table 3.
bool writeTables1To3(const ProblemData& data, TextOutput& report);

// Tables 4 and 5, with the loaded-data records of the plot file.
void writeTables4And5(const ProblemData& data, TextOutput& report, TextOutput& plot);

}  // namespace veldor
