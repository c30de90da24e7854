#include "report/plot_file.h"

namespace veldor {

void writeLoadedDataHeader(TextOutput&, std::int32_t) {}
void writeAreaPlotRecords(TextOutput&, const ProblemData&, std::int32_t) {}
void writePointCountRecord(TextOutput&, const ProblemData&) {}
void writePointPlotRecords(TextOutput&, const ProblemData&, std::int32_t, std::int32_t) {}
void writePlotEnd(TextOutput&) {}

}  // namespace veldor
