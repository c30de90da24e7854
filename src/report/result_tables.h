#pragma once

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// Table 6, the average stress increases, block by block and page by page.
void writeTable6(const ProblemData& data, TextOutput& report);

// Table 7, the settlements, each block followed by its points' records in the plot file.
void writeTable7(const ProblemData& data, TextOutput& report, TextOutput& plot);

}  // namespace veldor
