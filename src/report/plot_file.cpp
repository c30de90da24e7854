#include "report/plot_file.h"

#include <algorithm>

#include "report/area_line.h"
#include "report/format/fixed_line.h"

namespace veldor {

void writeLoadedDataHeader(TextOutput& plot, std::int32_t areaCount) {
  plot.writeLine("LDS");
  plot.writeLine(FreeRecord().add(areaCount));
}

void writeAreaPlotRecords(TextOutput& plot, const ProblemData& data, std::int32_t area) {
  const LoadedArea& record = data.loads[area];
  plot.writeLine(record.id.view());
  plot.writeLine(areaDataLine(record));
}

// A count below 0 means no points, like a count of 0: no point records follow it.
void writePointCountRecord(TextOutput& plot, const ProblemData& data) {
  plot.writeLine(FreeRecord().add(std::max(data.pointCount, 0)));
}

void writePointPlotRecords(TextOutput& plot, const ProblemData& data, std::int32_t first,
                           std::int32_t last) {
  for (std::int32_t p = first; p <= last; ++p) {
    // The position in the input identifies the point, not the number it carries.
    plot.writeLine(FixedLine().text("# ").integer(p, 2));
    const SettlementPoint& point = data.points[p];
    plot.writeLine(FreeRecord().add(point.x).add(point.y).add(data.totalSettlement[p]));
  }
}

void writePlotEnd(TextOutput& plot) { plot.writeLine("END"); }

}  // namespace veldor
