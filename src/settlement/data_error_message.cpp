#include "settlement/data_error_message.h"

#include "report/format/fixed_line.h"

namespace veldor {

namespace {

void writeBlock(TextOutput& output, std::string_view where, std::string_view what) {
  output.writeLine("");
  output.writeLine("************ INPUT DATA ERROR ************");
  output.writeLine(FixedLine().blanks(1).text(where));
  output.writeLine(FixedLine().blanks(1).text(what));
  output.writeLine("");
}

}  // namespace

void writeDataErrorMessage(const RunOutputs& outputs, std::string_view where,
                           std::string_view what) {
  writeBlock(outputs.report, where, what);
  writeBlock(outputs.message, where, what);
  writeBlock(outputs.console, where, what);
}

}  // namespace veldor
