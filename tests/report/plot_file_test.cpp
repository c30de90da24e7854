#include "report/plot_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "report/input_tables.h"
#include "report/result_tables.h"
#include "report_lines.h"
#include "support/string_output.h"

namespace veldor {
namespace {

using testing::freeValues;

// The plot-file calls of a run after Table 3, in the engine's order.
void writeRunAfterTable3(const ProblemData& data, testing::Journal& journal) {
  writeTables4And5(data, journal.report, journal.plot);
  if (data.pointCount > 0) writeTable6(data, journal.report);
  writePointCountRecord(journal.plot, data);
  if (data.pointCount > 0) writeTable7(data, journal.report, journal.plot);
  writePlotEnd(journal.plot);
}

TEST(PlotFile, NoAreasAndTwoPoints) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kUsGravitational;
  data->pointCount = 2;
  data->sublayerCount = 1;
  data->depthPoints[2] = 0.25f;
  // The first point carries the number 25; the plot file names it by its position, 1.
  data->points[1] = SettlementPoint{25, 1.5f, -2.0f, 1, 1};
  data->points[2] = SettlementPoint{3, 0.0f, 40.25f, 1, 1};
  data->totalSettlement[1] = 0.875f;
  data->totalSettlement[2] = 12.0f;
  testing::Journal journal;
  writeRunAfterTable3(*data, journal);

  const std::vector<std::string> plot = journal.of(journal.plot);
  ASSERT_EQ(plot.size(), 8u);
  EXPECT_EQ(plot[0], "LDS");
  EXPECT_EQ(freeValues(plot[1]), std::vector<float>{0.0f});
  EXPECT_EQ(freeValues(plot[2]), std::vector<float>{2.0f});
  EXPECT_EQ(plot[3], "#  1");
  EXPECT_EQ(freeValues(plot[4]), (std::vector<float>{1.5f, -2.0f, 0.875f}));
  EXPECT_EQ(plot[5], "#  2");
  EXPECT_EQ(freeValues(plot[6]), (std::vector<float>{0.0f, 40.25f, 12.0f}));
  EXPECT_EQ(plot[7], "END");

  // The empty loaded-data header follows Table 4's footnote directly.
  const auto& lines = journal.lines;
  const auto footnote =
      std::find(lines.begin(), lines.end(),
                "R|      * NUMBER OF SOIL LAYER AT WHICH SETTLEMENT COMPUTATION BEGINS");
  ASSERT_NE(footnote, lines.end());
  EXPECT_EQ(*(footnote + 1), "P|LDS");
}

TEST(PlotFile, ThreeAreasAndNoPoints) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kUsGravitational;
  data->areaCount = 3;
  data->loads[1] = LoadedArea{{}, kRectangle, 5.0f, 5.0f, 4.0f, 8.0f, 0.5f, 3.0f, 2.0f, 0, 0};
  data->loads[1].id.assign("N1");
  // A circle writes its two dimensions as read, like a rectangle.
  data->loads[2] = LoadedArea{{}, kCircle, -100.25f, 0.0f, 12.0f, 12.0f, 0.0f, 10.5f, 0.0f, 0, 0};
  data->loads[2].id.assign("C 2");
  data->loads[3] =
      LoadedArea{{}, kRectangle, 1234567.0f, 7.0f, 1.0f, 2.0f, -0.75f, 0.25f, 1.5f, 0, 0};
  data->loads[3].id.assign("BIG3");
  testing::Journal journal;
  writeRunAfterTable3(*data, journal);

  // blank | shape 3 | 2 blanks | x 9.2 | y 9.2 | xlen 7.2 | ylen 8.2 | slope 7.3 | 4 blanks |
  // load 7.3 | elevation 8.2; 1234567.00 needs 10 of the 9 columns.
  const std::vector<std::string> areaLines{
      "   1       5.00     5.00   4.00    8.00  0.500      3.000    2.00",
      "   2    -100.25     0.00  12.00   12.00  0.000     10.500    0.00",
      "   1  *********     7.00   1.00    2.00 -0.750      0.250    1.50",
  };
  const std::vector<std::string> ids{"N1  ", "C 2 ", "BIG3"};
  const std::vector<std::string> plot = journal.of(journal.plot);
  ASSERT_EQ(plot.size(), 10u);
  EXPECT_EQ(plot[0], "LDS");
  EXPECT_EQ(freeValues(plot[1]), std::vector<float>{3.0f});
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(plot[2 + 2 * i], ids[i]);
    EXPECT_EQ(plot[3 + 2 * i], areaLines[i]);
    EXPECT_EQ(plot[3 + 2 * i].size(), 65u);
  }
  EXPECT_EQ(freeValues(plot[8]), std::vector<float>{0.0f});
  EXPECT_EQ(plot[9], "END");

  // The header follows the column headings of Table 5, and each area's records its row.
  const auto& lines = journal.lines;
  const auto header = std::find(lines.begin(), lines.end(), "P|LDS");
  ASSERT_NE(header, lines.end());
  EXPECT_EQ(*(header - 1), "R|");
  EXPECT_TRUE((header - 2)->ends_with("FT"));
  for (std::size_t i = 0; i < 3; ++i) {
    const auto row = header + 2 + 3 * static_cast<long>(i);
    EXPECT_EQ(*row, "R|      " + ids[i] + areaLines[i]);
    EXPECT_EQ(*(row + 1), "P|" + ids[i]);
    EXPECT_EQ(*(row + 2), "P|" + areaLines[i]);
  }
}

TEST(PlotFile, PositionsTooWideForTheirFieldPrintAsAsterisks) {
  auto data = std::make_unique<ProblemData>();
  data->points[99] = SettlementPoint{1, 1.0f, 2.0f, 1, 1};
  data->points[100] = SettlementPoint{2, 3.0f, 4.0f, 1, 1};
  testing::StringOutput plot;
  writePointPlotRecords(plot, *data, 99, 100);
  ASSERT_EQ(plot.lines.size(), 4u);
  EXPECT_EQ(plot.lines[0], "# 99");
  EXPECT_EQ(plot.lines[2], "# **");
  EXPECT_EQ(freeValues(plot.lines[3]), (std::vector<float>{3.0f, 4.0f, 0.0f}));
}

// Negative counts mean none: the host reads each count as the number of records that follow.
TEST(PlotFile, NegativeCountsAreWrittenAsNone) {
  auto data = std::make_unique<ProblemData>();
  data->areaCount = -2;
  data->pointCount = -3;
  testing::Journal journal;
  writeRunAfterTable3(*data, journal);
  EXPECT_EQ(journal.of(journal.plot), (std::vector<std::string>{"LDS", "0", "0", "END"}));
}

}  // namespace
}  // namespace veldor
