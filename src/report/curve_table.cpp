#include "report/curve_table.h"

#include <algorithm>

#include "report/format/fixed_line.h"
#include "report/page_header.h"

namespace veldor {

namespace {

constexpr std::int32_t kCurvesPerPage = 7;

void writeSlopeLine(const CompressibilityCurve& curve, TextOutput& report) {
  const float percent = curve.slope * 100.0f;
  if (percent < 0.0f) {
    report.writeLine(
        FixedLine().blanks(13).text("THE SLOPE OF THE F(%)-P CURVE IS ").real(-percent, 6, 3));
  } else {
    report.writeLine(
        FixedLine().blanks(13).text("THE SLOPE OF THE F(%)-LOG P CURVE IS ").real(percent, 6, 3));
  }
  report.writeLine("");
}

void writeZeroPressureError(TextOutput& report) {
  report.writeLine("");
  report.writeLine("");
  report.writeLine("************ERROR**************");
  report.writeLine("THE VERTICAL PRESSURE SHOULD BE GREATER THAN 0.0");
  report.writeLine("");
  report.writeLine("");
}

// The pairs of a tabulated curve; false when a zero pressure ended them.
bool writePairs(const CompressibilityCurve& curve, const UnitLabels& labels, TextOutput& report) {
  report.writeLine("");
  report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text("     F              P"));
  report.writeLine(FixedLine().blanks(6).text("    (%)          ").text(labels.pressure));
  for (std::int32_t k = 1; k <= curve.pairCount; ++k) {
    report.writeLine(FixedLine()
                         .blanks(6)
                         .real(curve.strain[k] * 100.0f, 10, 3)
                         .blanks(4)
                         .real(curve.pressure[k], 10, 3));
    if (curve.pressure[k] == 0.0f) return false;
  }
  return true;
}

// One curve's block; false when a zero pressure stopped the table.
bool writeCurveBlock(const CompressibilityCurve& curve, const UnitLabels& labels,
                     TextOutput& report) {
  report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text("SOIL COMPRESSIBILITY NO.").integer(curve.number, 3));
  report.writeLine(FixedLine().blanks(16).text(curve.title.view()));
  report.writeLine("");
  if (curve.pairCount < 2) {
    writeSlopeLine(curve, report);
    return true;
  }
  return writePairs(curve, labels, report);
}

}  // namespace

bool writeCurveTable(const ProblemData& data, TextOutput& report) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  for (std::int32_t first = 1; first <= data.curveCount; first += kCurvesPerPage) {
    writePageHeader(report, data, PageHeaderForm::kPlain);
    report.writeLine(FixedLine()
                         .blanks(6)
                         .text("TABLE 3 - SOIL COMPRESSIBILITY SOURCE AND DATA")
                         .text(first == 1 ? kFirstPageSuffix : kContinuedPageSuffix));
    report.writeLine("");
    const std::int32_t last = std::min(first + kCurvesPerPage - 1, data.curveCount);
    for (std::int32_t c = first; c <= last; ++c) {
      if (!writeCurveBlock(data.curves[c], labels, report)) {
        writeZeroPressureError(report);
        return true;
      }
    }
  }
  return false;
}

}  // namespace veldor
