#include "report/input_tables.h"

#include <string_view>
#include <utility>

#include "report/area_line.h"
#include "report/curve_table.h"
#include "report/format/fixed_line.h"
#include "report/page_header.h"
#include "report/plot_file.h"

namespace veldor {

namespace {

void writeControlParameters(const ProblemData& data, TextOutput& report) {
  report.writeLine(FixedLine().blanks(6).text("TABLE 1 - PROBLEM CONTROL PARAMETERS"));
  report.writeLine("");
  report.writeLine(FixedLine()
                       .blanks(11)
                       .text("COMPUTATION UNITS                   =")
                       .integer(data.unitSystem, 4));
  report.writeLine(FixedLine().blanks(11).text("     1 = U.S. GRAVITATIONAL SYSTEM"));
  report.writeLine(FixedLine().blanks(11).text("     2 = S.I. ABSOLUTE SYSTEM"));
  const std::pair<std::string_view, std::int32_t> counts[] = {
      {"NUMBER OF SOIL LAYERS               =", data.layerCount},
      {"NUMBER OF SOIL COMPRESSIBILITIES    =", data.curveCount},
      {"NUMBER OF SETTLEMENT POINTS         =", data.pointCount},
      {"NUMBER OF LOADED AREAS              =", data.areaCount},
  };
  for (const auto& [label, count] : counts)
    report.writeLine(FixedLine().blanks(11).text(label).integer(count, 4));
  report.writeLine("");
}

void writeSublayerTable(const ProblemData& data, TextOutput& report) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  for (int i = 0; i < 3; ++i) report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text("TABLE 2 - SOIL AND LAYER INFORMATION"));
  report.writeLine("");
  report.writeLine(FixedLine()
                       .blanks(6)
                       .text("SOIL  DEPTH TO   LAYER   LAYER")
                       .blanks(4)
                       .text(labels.densityWord1)
                       .blanks(3)
                       .text("SOIL OVERBURDEN INIT VERTICAL"));
  report.writeLine(FixedLine()
                       .blanks(3)
                       .text("SUBLAYER  CENTER  THICKNESS")
                       .text(" THICK.")
                       .blanks(2)
                       .text(labels.densityWord2)
                       .text(" COMP  PRESSURE   STRAIN (F0)"));
  report.writeLine(FixedLine()
                       .blanks(7)
                       .text("NO.")
                       .blanks(5)
                       .text(labels.length)
                       .blanks(8)
                       .text(labels.length)
                       .blanks(4)
                       .text("FACTOR ")
                       .text(labels.densityUnit)
                       .text("  NO.")
                       .blanks(4)
                       .text(labels.pressure)
                       .blanks(11)
                       .text("%"));
  report.writeLine("");
  for (std::int32_t s = 1; s <= data.sublayerCount; ++s) {
    const Sublayer& sublayer = data.sublayers[s];
    report.writeLine(FixedLine()
                         .blanks(6)
                         .integer(sublayer.number, 3)
                         .real(data.depthPoints[2 * s], 10, 2)
                         .real(sublayer.thickness, 10, 2)
                         .real(sublayer.thicknessFactor, 7, 2)
                         .real(sublayer.unitWeight, 10, 2)
                         .integer(sublayer.curveIndex, 4)
                         .real(sublayer.overburden, 10, 3)
                         .blanks(4)
                         .real(sublayer.initialStrain * 100.0f, 8, 3));
  }
}

void writePointTable(const ProblemData& data, TextOutput& report) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  writePageHeader(report, data, PageHeaderForm::kPlain);
  report.writeLine(FixedLine().blanks(6).text("TABLE 4 - SETTLEMENT POINT DATA"));
  report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text("POINT   POINT COORDINATES   LAYER"));
  report.writeLine(FixedLine().blanks(6).text(" NO,       X          Y      NO.*"));
  report.writeLine(FixedLine().blanks(17).text(labels.length).blanks(9).text(labels.length));
  report.writeLine("");
  for (std::int32_t p = 1; p <= data.pointCount; ++p) {
    const SettlementPoint& point = data.points[p];
    report.writeLine(FixedLine()
                         .blanks(7)
                         .integer(point.number, 2)
                         .blanks(3)
                         .real(point.x, 8, 2)
                         .blanks(2)
                         .real(point.y, 8, 2)
                         .blanks(5)
                         .integer(point.startLayer, 2));
  }
  report.writeLine("");
  report.writeLine(
      FixedLine().blanks(6).text("* NUMBER OF SOIL LAYER AT WHICH SETTLEMENT COMPUTATION BEGINS"));
}

// Table 5 on its one page: a page holds 336 areas, more than a problem can have, so the
// page suffix is always that of a first page.
void writeAreaTable(const ProblemData& data, TextOutput& report, TextOutput& plot) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  writePageHeader(report, data, PageHeaderForm::kMarked);
  report.writeLine(FixedLine()
                       .blanks(6)
                       .text("TABLE 5 - LOADED AREA INFORMATION")
                       .blanks(1)
                       .text(kFirstPageSuffix));
  report.writeLine("");
  report.writeLine(FixedLine()
                       .blanks(6)
                       .text("AREA AREA  LOADED AREA CENTER   AREA DIMEN.   AREA")
                       .blanks(3)
                       .text("SUSTAINED   AREA"));
  report.writeLine(FixedLine().blanks(7).text(
      "ID  SHAPE  X-COORD  Y-COORD   XLEN    YLEN  SLOPE    LOADING    ELEV"));
  report.writeLine(FixedLine()
                       .blanks(21)
                       .text(labels.length)
                       .blanks(7)
                       .text(labels.length)
                       .blanks(6)
                       .text(labels.length)
                       .blanks(6)
                       .text(labels.length)
                       .blanks(14)
                       .text(labels.pressure)
                       .blanks(7)
                       .text(labels.length));
  report.writeLine("");
  writeLoadedDataHeader(plot, data.areaCount);
  for (std::int32_t i = 1; i <= data.areaCount; ++i) {
    const LoadedArea& area = data.loads[i];
    report.writeLine(FixedLine().blanks(6).text(area.id.view()).text(areaDataLine(area)));
    writeAreaPlotRecords(plot, data, i);
  }
}

}  // namespace

bool writeTables1To3(const ProblemData& data, TextOutput& report) {
  writePageHeader(report, data, PageHeaderForm::kPlain);
  writeControlParameters(data, report);
  writeSublayerTable(data, report);
  return writeCurveTable(data, report);
}

void writeTables4And5(const ProblemData& data, TextOutput& report, TextOutput& plot) {
  writePointTable(data, report);
  if (data.areaCount > 0) {
    writeAreaTable(data, report, plot);
  } else {
    writeLoadedDataHeader(plot, 0);
  }
}

}  // namespace veldor
