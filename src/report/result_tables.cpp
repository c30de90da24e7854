#include "report/result_tables.h"

#include <algorithm>
#include <string_view>

#include "report/format/fixed_line.h"
#include "report/page_header.h"
#include "report/plot_file.h"

namespace veldor {

namespace {

constexpr std::int32_t kPointsPerBlock = 7;
constexpr std::int32_t kSublayersPerPage = 18;

// A block of points (first..last) on one page of sublayers (top..bottom).
struct GridPage {
  std::int32_t firstPoint;
  std::int32_t lastPoint;
  std::int32_t topSublayer;
  std::int32_t bottomSublayer;
};

std::int32_t lastOfBlock(const ProblemData& data, std::int32_t firstPoint) {
  return std::min(firstPoint + kPointsPerBlock - 1, data.pointCount);
}

std::int32_t bottomOfPage(const ProblemData& data, std::int32_t topSublayer) {
  return std::min(topSublayer + kSublayersPerPage - 1, data.sublayerCount);
}

// The title suffix of a table's next page; the flag is that table's own.
std::string_view nextPageSuffix(bool& firstPage) {
  const std::string_view suffix = firstPage ? kFirstPageSuffix : kContinuedPageSuffix;
  firstPage = false;
  return suffix;
}

// The headings common to both tables, after the title: two empty lines, "SETTLEMENT", the
// point numbers of the block and an empty line.
void writePointHeadings(const ProblemData& data, const GridPage& page, TextOutput& report) {
  report.writeLine("");
  report.writeLine("");
  report.writeLine(FixedLine().blanks(6).text("SETTLEMENT"));
  FixedLine numbers;
  numbers.blanks(7).text("POINT NO.").blanks(2);
  for (std::int32_t p = page.firstPoint; p <= page.lastPoint; ++p)
    numbers.blanks(6).integer(data.points[p].number, 2);
  report.writeLine(numbers);
  report.writeLine("");
}

// One row per sublayer of the page, each after an empty line: the centre depth with
// depthDecimals decimals, then the block's values of that sublayer.
void writeSublayerRows(const ProblemData& data, const GridPage& page, int depthDecimals,
                       const decltype(ProblemData::sublayerSettlement)& values,
                       TextOutput& report) {
  for (std::int32_t s = page.topSublayer; s <= page.bottomSublayer; ++s) {
    report.writeLine("");
    FixedLine row;
    row.blanks(8).real(data.depthPoints[2 * s], 7, depthDecimals).blanks(5);
    for (std::int32_t p = page.firstPoint; p <= page.lastPoint; ++p) row.real(values[p][s], 8, 3);
    report.writeLine(row);
  }
}

void writeStressPage(const ProblemData& data, const GridPage& page, std::string_view suffix,
                     TextOutput& report) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  writePageHeader(report, data, PageHeaderForm::kMarked);
  report.writeLine(FixedLine().blanks(6).text("TABLE 6 = AVERAGE STRESS INCREASE ").text(suffix));
  writePointHeadings(data, page, report);
  report.writeLine(FixedLine()
                       .blanks(8)
                       .text("DEPTH, ")
                       .text(labels.length)
                       .blanks(20)
                       .text("STRESS, ")
                       .text(labels.pressure));
  writeSublayerRows(data, page, 2, data.averageStressIncrease, report);
}

void writeSettlementPage(const ProblemData& data, const GridPage& page, std::string_view suffix,
                         TextOutput& report) {
  const UnitLabels& labels = unitLabels(data.unitSystem);
  writePageHeader(report, data, PageHeaderForm::kPlain);
  report.writeLine(FixedLine()
                       .blanks(6)
                       .text("TABLE 7 - COMPUTED SETTLEMENT IN ")
                       .text(labels.settlementUnit)
                       .text(suffix));
  writePointHeadings(data, page, report);
  report.writeLine(FixedLine().blanks(8).text("DEPTH, ").text(labels.length));
  writeSublayerRows(data, page, 3, data.sublayerSettlement, report);
}

// The block's total settlements, standing under the values of its rows.
void writeTotalLine(const ProblemData& data, std::int32_t firstPoint, std::int32_t lastPoint,
                    TextOutput& report) {
  report.writeLine("");
  FixedLine totals;
  totals.blanks(10).text(unitLabels(data.unitSystem).totalColumn);
  for (std::int32_t p = firstPoint; p <= lastPoint; ++p) totals.real(data.totalSettlement[p], 8, 3);
  report.writeLine(totals);
}

}  // namespace

void writeTable6(const ProblemData& data, TextOutput& report) {
  bool firstPage = true;
  for (std::int32_t first = 1; first <= data.pointCount; first += kPointsPerBlock) {
    for (std::int32_t top = 1; top <= data.sublayerCount; top += kSublayersPerPage) {
      const GridPage page{first, lastOfBlock(data, first), top, bottomOfPage(data, top)};
      writeStressPage(data, page, nextPageSuffix(firstPage), report);
    }
  }
}

void writeTable7(const ProblemData& data, TextOutput& report, TextOutput& plot) {
  bool firstPage = true;
  for (std::int32_t first = 1; first <= data.pointCount; first += kPointsPerBlock) {
    const std::int32_t last = lastOfBlock(data, first);
    for (std::int32_t top = 1; top <= data.sublayerCount; top += kSublayersPerPage) {
      const GridPage page{first, last, top, bottomOfPage(data, top)};
      writeSettlementPage(data, page, nextPageSuffix(firstPage), report);
    }
    writeTotalLine(data, first, last, report);
    writePointPlotRecords(plot, data, first, last);
  }
}

}  // namespace veldor
