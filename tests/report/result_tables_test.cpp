#include "report/result_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "report_lines.h"
#include "support/string_output.h"

namespace veldor {
namespace {

using testing::blanks;
using testing::expectedPageHeader;
using testing::freeValues;
using testing::StringOutput;

// Values chosen to print exactly: point p carries the number 10p; sublayer s is centred at
// 0.5s - 0.25; stress 10p + 0.125s; sublayer settlement 0.5p + 0.125s; total 100p + 0.75.
std::unique_ptr<ProblemData> gridProblem(std::int32_t unitSystem, std::int32_t points,
                                         std::int32_t sublayers) {
  auto data = std::make_unique<ProblemData>();
  data->title[0].assign("GRID");
  data->title[1].assign("PAGES");
  data->unitSystem = unitSystem;
  data->pointCount = points;
  data->sublayerCount = sublayers;
  for (std::int32_t s = 1; s <= sublayers; ++s) data->depthPoints[2 * s] = 0.5f * s - 0.25f;
  for (std::int32_t p = 1; p <= points; ++p) {
    data->points[p] = SettlementPoint{10 * p, static_cast<float>(p), -0.5f * p, 1, 1};
    data->totalSettlement[p] = 100.0f * p + 0.75f;
    for (std::int32_t s = 1; s <= sublayers; ++s) {
      data->averageStressIncrease[p][s] = 10.0f * p + 0.125f * s;
      data->sublayerSettlement[p][s] = 0.5f * p + 0.125f * s;
    }
  }
  return data;
}

// The report cut at its page breaks; each page keeps its page-break line.
std::vector<std::vector<std::string>> pagesOf(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> pages;
  for (const std::string& line : lines) {
    if (line == "\f") pages.emplace_back();
    if (!pages.empty()) pages.back().push_back(line);
  }
  return pages;
}

struct ExpectedPage {
  std::string title;
  std::string pointNumbers;
  std::string firstRow;
  std::string lastRow;
  int rows;
  std::string total;  // the block's total line, when the page ends a Table 7 block
};

void expectPage(const std::vector<std::string>& page, const ExpectedPage& expected, bool marked,
                const std::string& depthHeading) {
  std::vector<std::string> head = expectedPageHeader("GRID", "PAGES", marked);
  for (const std::string& line :
       {expected.title, std::string(), std::string(), blanks(6) + "SETTLEMENT",
        expected.pointNumbers, std::string(), depthHeading})
    head.push_back(line);
  const std::size_t totalLines = expected.total.empty() ? 0 : 2;
  ASSERT_EQ(page.size(), head.size() + 2 * expected.rows + totalLines);
  EXPECT_TRUE(
      testing::sameLines({page.begin(), page.begin() + static_cast<long>(head.size())}, head));
  for (int row = 0; row < expected.rows; ++row) EXPECT_EQ(page[head.size() + 2 * row], "");
  EXPECT_EQ(page[head.size() + 1], expected.firstRow);
  EXPECT_EQ(page[head.size() + 2 * expected.rows - 1], expected.lastRow);
  if (!expected.total.empty()) {
    EXPECT_EQ(page[page.size() - 2], "");
    EXPECT_EQ(page.back(), expected.total);
  }
}

const std::string kFirstBlockNumbers =
    "       POINT NO.        10      20      30      40      50      60      70";
const std::string kSecondBlockNumbers = "       POINT NO.        80";

TEST(ResultTables, StressTablePagesEightPointsTwentySublayers) {
  const auto data = gridProblem(kUsGravitational, 8, 20);
  StringOutput report;
  writeTable6(*data, report);
  const auto pages = pagesOf(report.lines);
  ASSERT_EQ(pages.size(), 4u);
  ASSERT_EQ(report.lines.front(), "\f");
  const std::string first = "      TABLE 6 = AVERAGE STRESS INCREASE       ";
  const std::string later = "      TABLE 6 = AVERAGE STRESS INCREASE (CONT)";
  const std::string heading = "        DEPTH, FT" + blanks(20) + "STRESS, KSF";
  // 8 blanks, depth 7.2, 5 blanks, then 8.3 per point.
  const std::vector<ExpectedPage> expected{
      {first, kFirstBlockNumbers,
       "           0.25       10.125  20.125  30.125  40.125  50.125  60.125  70.125",
       "           8.75       12.250  22.250  32.250  42.250  52.250  62.250  72.250", 18, ""},
      {later, kFirstBlockNumbers,
       "           9.25       12.375  22.375  32.375  42.375  52.375  62.375  72.375",
       "           9.75       12.500  22.500  32.500  42.500  52.500  62.500  72.500", 2, ""},
      {later, kSecondBlockNumbers, "           0.25       80.125", "           8.75       82.250",
       18, ""},
      {later, kSecondBlockNumbers, "           9.25       82.375", "           9.75       82.500",
       2, ""},
  };
  for (std::size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE("page " + std::to_string(i + 1));
    expectPage(pages[i], expected[i], true, heading);
  }
}

TEST(ResultTables, SettlementTablePagesWithTotalsAndPlotRecordsAfterEachBlock) {
  const auto data = gridProblem(kUsGravitational, 8, 20);
  testing::Journal journal;
  writeTable7(*data, journal.report, journal.plot);
  const auto pages = pagesOf(journal.of(journal.report));
  ASSERT_EQ(pages.size(), 4u);
  const std::string first = "      TABLE 7 - COMPUTED SETTLEMENT IN INCHES           ";
  const std::string later = "      TABLE 7 - COMPUTED SETTLEMENT IN INCHES     (CONT)";
  const std::string heading = "        DEPTH, FT";
  // 8 blanks, depth 7.3, 5 blanks, then 8.3 per point; totals after 10 blanks and the label.
  const std::string firstTotals =
      "          TOTAL(In.) 100.750 200.750 300.750 400.750 500.750 600.750 700.750";
  const std::string secondTotals = "          TOTAL(In.) 800.750";
  const std::vector<ExpectedPage> expected{
      {first, kFirstBlockNumbers,
       "          0.250        0.625   1.125   1.625   2.125   2.625   3.125   3.625",
       "          8.750        2.750   3.250   3.750   4.250   4.750   5.250   5.750", 18, ""},
      {later, kFirstBlockNumbers,
       "          9.250        2.875   3.375   3.875   4.375   4.875   5.375   5.875",
       "          9.750        3.000   3.500   4.000   4.500   5.000   5.500   6.000", 2,
       firstTotals},
      {later, kSecondBlockNumbers, "          0.250        4.125", "          8.750        6.250",
       18, ""},
      {later, kSecondBlockNumbers, "          9.250        6.375", "          9.750        6.500",
       2, secondTotals},
  };
  for (std::size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE("page " + std::to_string(i + 1));
    expectPage(pages[i], expected[i], false, heading);
  }

  // Each block's plot records follow its total line directly, before the next page.
  const auto& lines = journal.lines;
  const auto firstTotal = std::find(lines.begin(), lines.end(), "R|" + firstTotals);
  ASSERT_NE(firstTotal, lines.end());
  const std::size_t start = static_cast<std::size_t>(firstTotal - lines.begin()) + 1;
  ASSERT_GE(lines.size(), start + 15);
  for (std::int32_t p = 1; p <= 7; ++p) {
    SCOPED_TRACE("point " + std::to_string(p));
    const std::size_t at = start + 2 * static_cast<std::size_t>(p - 1);
    EXPECT_EQ(lines[at], "P|#  " + std::to_string(p));
    EXPECT_EQ(freeValues(lines[at + 1].substr(2)),
              (std::vector<float>{static_cast<float>(p), -0.5f * p, 100.0f * p + 0.75f}));
  }
  EXPECT_EQ(lines[start + 14], "R|\f");
  const std::vector<std::string> ending(lines.end() - 3, lines.end());
  EXPECT_EQ(ending[0], "R|" + secondTotals);
  EXPECT_EQ(ending[1], "P|#  8");
  EXPECT_EQ(freeValues(ending[2].substr(2)), (std::vector<float>{8.0f, -4.0f, 800.75f}));
}

TEST(ResultTables, SiLabelsInTheTitlesAndHeadings) {
  const auto data = gridProblem(kSiAbsolute, 1, 19);
  StringOutput stress;
  writeTable6(*data, stress);
  const auto stressPages = pagesOf(stress.lines);
  ASSERT_EQ(stressPages.size(), 2u);
  EXPECT_EQ(stressPages[0][19], "        DEPTH, M " + blanks(20) + "STRESS, KPA");

  StringOutput report;
  StringOutput plot;
  writeTable7(*data, report, plot);
  const auto pages = pagesOf(report.lines);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0][12], "      TABLE 7 - COMPUTED SETTLEMENT IN MILLIMETRES      ");
  EXPECT_EQ(pages[1][12], "      TABLE 7 - COMPUTED SETTLEMENT IN MILLIMETRES(CONT)");
  EXPECT_EQ(pages[1][18], "        DEPTH, M ");
  EXPECT_EQ(report.lines.back(), "          TOTAL(mm)  100.750");
}

TEST(ResultTables, WithoutSublayersOnlyTheTotalLineOfEachBlock) {
  auto data = gridProblem(kUsGravitational, 3, 0);
  data->totalSettlement[1] = 1.5f;
  data->totalSettlement[2] = -0.25f;
  data->totalSettlement[3] = 0.0f;
  StringOutput stress;
  writeTable6(*data, stress);
  EXPECT_TRUE(stress.lines.empty());

  testing::Journal journal;
  writeTable7(*data, journal.report, journal.plot);
  const auto& lines = journal.lines;
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "R|");
  EXPECT_EQ(lines[1], "R|          TOTAL(In.)   1.500  -0.250   0.000");
  for (std::int32_t p = 1; p <= 3; ++p) {
    EXPECT_EQ(lines[2 * p], "P|#  " + std::to_string(p));
    EXPECT_EQ(freeValues(lines[2 * p + 1].substr(2)),
              (std::vector<float>{static_cast<float>(p), -0.5f * p, data->totalSettlement[p]}));
  }
}

}  // namespace
}  // namespace veldor
