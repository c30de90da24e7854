#include <string>
#include <string_view>

#include "report/format/fixed_line.h"
#include "report/input_tables.h"

namespace veldor {

namespace {

constexpr std::string_view kBadShapeMessage = "THE SHAPE IS INCORRECT FOR THESE LOADED AREAS:";
constexpr std::string_view kOffBoundaryMessage =
    "THE FOLLOWING LOADED AREAS ARE NOT LOCATED AT A BOUNDARY LAYER:";

// Every listed area's identifier, in input order, on one line.
std::string listedAreaIds(const ProblemData& data, const AreaList& list) {
  FixedLine line;
  line.blanks(10);
  for (std::int32_t i = 1; i <= list.count; ++i)
    line.text(data.loads[list.index[i]].id.view()).blanks(2);
  return line.str();
}

void writeBlock(TextOutput& output, std::string_view message, std::string_view ids) {
  for (int i = 0; i < 4; ++i) output.writeLine("");
  output.writeLine(FixedLine().blanks(12).text(message));
  output.writeLine("");
  output.writeLine(ids);
}

void writeListBlocks(const ProblemData& data, const RunOutputs& outputs, const AreaList& list,
                     std::string_view message) {
  if (list.count <= 0) return;
  const std::string ids = listedAreaIds(data, list);
  writeBlock(outputs.report, message, ids);
  writeBlock(outputs.message, message, ids);
}

}  // namespace

void writeDataCheckMessages(const ProblemData& data, const RunOutputs& outputs) {
  writeListBlocks(data, outputs, data.badShapeAreas, kBadShapeMessage);
  writeListBlocks(data, outputs, data.offBoundaryAreas, kOffBoundaryMessage);
  outputs.report.writeLine("1");
}

}  // namespace veldor
