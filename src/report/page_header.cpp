#include "report/page_header.h"

#include <string>

#include "report/format/fixed_line.h"

namespace veldor {

namespace {
const std::string kBoxEdge = std::string(18, ' ') + std::string(42, '*');
const std::string kBoxSpace = std::string(18, ' ') + "*" + std::string(40, ' ') + "*";
const std::string kBoxName = std::string(18, ' ') + "*     FOUNDATION SETTLEMENT ANALYSIS     *";
}  // namespace

void writePageBreak(TextOutput& report) { report.writeLine("\f"); }

void writePageHeader(TextOutput& report, const ProblemData& data, PageHeaderForm form) {
  writePageBreak(report);
  if (form == PageHeaderForm::kMarked) report.writeLine("1");
  report.writeLine(kBoxEdge);
  report.writeLine(kBoxSpace);
  report.writeLine(kBoxName);
  report.writeLine(kBoxSpace);
  report.writeLine(kBoxEdge);
  report.writeLine("");
  report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text(data.title[0].view()));
  report.writeLine(FixedLine().blanks(8).text(data.title[1].view()));
  report.writeLine("");
  report.writeLine("");
}

}  // namespace veldor
