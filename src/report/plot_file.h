#pragma once

#include <cstdint>

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

// "LDS" and the number of loaded areas that follow.
void writeLoadedDataHeader(TextOutput& plot, std::int32_t areaCount);
// The identifier line and the data line of loaded area i.
void writeAreaPlotRecords(TextOutput& plot, const ProblemData& data, std::int32_t area);
// The number of settlement points.
void writePointCountRecord(TextOutput& plot, const ProblemData& data);
// The "# " line and the coordinates and total settlement of points first..last.
void writePointPlotRecords(TextOutput& plot, const ProblemData& data, std::int32_t first,
                           std::int32_t last);
// The closing "END".
void writePlotEnd(TextOutput& plot);

}  // namespace veldor
