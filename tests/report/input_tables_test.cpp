#include "report/input_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "report/plot_file.h"
#include "report_lines.h"
#include "support/string_output.h"

namespace veldor {
namespace {

using testing::blanks;
using testing::expectedPageHeader;
using testing::padded;
using testing::StringOutput;

void setTabulated(CompressibilityCurve& curve, std::int32_t number, std::string_view title,
                  std::vector<std::pair<float, float>> pairs) {
  curve.number = number;
  curve.title.assign(title);
  curve.pairCount = static_cast<std::int32_t>(pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    curve.strain[k + 1] = pairs[k].first;
    curve.pressure[k + 1] = pairs[k].second;
  }
}

void setSlope(CompressibilityCurve& curve, std::int32_t number, std::string_view title,
              std::int32_t pairCount, float slope) {
  curve.number = number;
  curve.title.assign(title);
  curve.pairCount = pairCount;
  curve.slope = slope;
}

void setArea(LoadedArea& area, std::string_view id, std::int32_t shape, float x, float y,
             float xLength, float yLength, float slope, float load, float elevation) {
  area.id.assign(id);
  area = LoadedArea{area.id, shape, x, y, xLength, yLength, slope, load, elevation, 0.0f, 0.0f};
}

// One layer 1 ft thick cut into two sublayers, eight curves (two Table 3 pages), two points
// and two areas, in U.S. units.
std::unique_ptr<ProblemData> eightCurveProblem() {
  auto data = std::make_unique<ProblemData>();
  data->title[0].assign("SAMPLE PROBLEM");
  data->title[1].assign("TWO FOOTINGS ON CLAY");
  data->unitSystem = kUsGravitational;
  data->layerCount = 1;
  data->curveCount = 8;
  data->pointCount = 2;
  data->areaCount = 2;
  data->sublayerCount = 2;
  data->sublayers[1] = Sublayer{1, 0.5f, 0.5f, 120.0f, 1, 1.0f, 0.03f, 0.0125f};
  data->sublayers[2] = Sublayer{2, 1.0f, 0.5f, 120.0f, 1, 1.0f, 0.09f, 0.02f};
  data->depthPoints[2] = 0.25f;
  data->depthPoints[4] = 0.75f;
  setTabulated(data->curves[1], 1, "CLAY FROM BORING B-1",
               {{0.025f, 0.5f}, {0.05f, 1.0f}, {0.075f, 2.0f}});
  setSlope(data->curves[2], 2, "F-P SLOPE", 0, -0.005f);
  setSlope(data->curves[3], 3, "F-LOG P SLOPE", 1, 0.0f);
  setSlope(data->curves[4], 14, "SAND", 0, 0.012f);
  setSlope(data->curves[5], 100, "SILT", 0, 0.012f);
  setSlope(data->curves[6], 6, "", 0, 0.012f);
  setSlope(data->curves[7], 7, "STIFF CLAY", 0, -0.1f);
  setTabulated(data->curves[8], 8, "PEAT", {{0.01f, -1.0f}, {0.03f, 4.0f}});
  data->points[1] = SettlementPoint{1, 0.0f, 0.0f, 1, 1};
  data->points[2] = SettlementPoint{2, 10.5f, -3.25f, 1, 1};
  setArea(data->loads[1], "A1", kRectangle, 0.0f, 0.0f, 10.0f, 10.0f, 0.0f, 2.0f, 0.0f);
  setArea(data->loads[2], "CIR2", kCircle, -12.5f, 4.0f, 6.0f, 6.0f, 0.25f, 1.5f, 1.0f);
  return data;
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

std::vector<std::string> curveHeading(std::string_view number, std::string_view title) {
  return {"", blanks(6) + "SOIL COMPRESSIBILITY NO." + std::string(number),
          blanks(16) + padded(title, 60), ""};
}

std::vector<std::string> slopeCurve(std::string_view number, std::string_view title,
                                    std::string_view slopeLine) {
  std::vector<std::string> lines = curveHeading(number, title);
  append(lines, {blanks(13) + std::string(slopeLine), ""});
  return lines;
}

std::vector<std::string> pairHeadings() {
  return {"", "", blanks(6) + "     F              P", blanks(6) + "    (%)          KSF"};
}

TEST(InputTables, EightCurveProblemTablesOneToFive) {
  const auto data = eightCurveProblem();
  StringOutput report;
  StringOutput plot;
  ASSERT_FALSE(writeTables1To3(*data, report));
  writeTables4And5(*data, report, plot);

  const std::string title1 = "SAMPLE PROBLEM";
  const std::string title2 = "TWO FOOTINGS ON CLAY";
  std::vector<std::string> expected = expectedPageHeader(title1, title2, false);
  append(expected,
         {
             "      TABLE 1 - PROBLEM CONTROL PARAMETERS",
             "",
             "           COMPUTATION UNITS                   =   1",
             "                1 = U.S. GRAVITATIONAL SYSTEM",
             "                2 = S.I. ABSOLUTE SYSTEM",
             "           NUMBER OF SOIL LAYERS               =   1",
             "           NUMBER OF SOIL COMPRESSIBILITIES    =   8",
             "           NUMBER OF SETTLEMENT POINTS         =   2",
             "           NUMBER OF LOADED AREAS              =   2",
             "",
             "",
             "",
             "",
             "      TABLE 2 - SOIL AND LAYER INFORMATION",
             "",
             "      SOIL  DEPTH TO   LAYER   LAYER    UNIT   SOIL OVERBURDEN INIT VERTICAL",
             "   SUBLAYER  CENTER  THICKNESS THICK.  WEIGHT  COMP  PRESSURE   STRAIN (F0)",
             "       NO.     FT        FT    FACTOR LB/FT**3  NO.    KSF           %",
             "",
             // number 3 | centre 10.2 | thickness 10.2 | factor 7.2 | weight 10.2 |
             // curve 4 | overburden 10.3 | 4 blanks | F0 in percent 8.3
             "        1      0.25      0.50   1.00    120.00   1     0.030       1.250",
             "        2      0.75      0.50   1.00    120.00   1     0.090       2.000",
         });

  append(expected, expectedPageHeader(title1, title2, false));
  append(expected, {"      TABLE 3 - SOIL COMPRESSIBILITY SOURCE AND DATA      ", ""});
  append(expected, curveHeading("  1", "CLAY FROM BORING B-1"));
  append(expected, pairHeadings());
  // F in percent 10.3, four blanks, P 10.3; 0.025 as a fraction is 2.5 percent.
  append(expected, {"           2.500         0.500", "           5.000         1.000",
                    "           7.500         2.000"});
  // A negative slope of -0.5 percent is an F-P slope of 0.5.
  append(expected, slopeCurve("  2", "F-P SLOPE", "THE SLOPE OF THE F(%)-P CURVE IS  0.500"));
  append(expected,
         slopeCurve("  3", "F-LOG P SLOPE", "THE SLOPE OF THE F(%)-LOG P CURVE IS  0.000"));
  append(expected, slopeCurve(" 14", "SAND", "THE SLOPE OF THE F(%)-LOG P CURVE IS  1.200"));
  append(expected, slopeCurve("100", "SILT", "THE SLOPE OF THE F(%)-LOG P CURVE IS  1.200"));
  append(expected, slopeCurve("  6", "", "THE SLOPE OF THE F(%)-LOG P CURVE IS  1.200"));
  // -10 percent fills the 6-wide field exactly.
  append(expected, slopeCurve("  7", "STIFF CLAY", "THE SLOPE OF THE F(%)-P CURVE IS 10.000"));

  append(expected, expectedPageHeader(title1, title2, false));
  append(expected, {"      TABLE 3 - SOIL COMPRESSIBILITY SOURCE AND DATA(CONT)", ""});
  append(expected, curveHeading("  8", "PEAT"));
  append(expected, pairHeadings());
  // A negative pressure is printed and passes the zero test.
  append(expected, {"           1.000        -1.000", "           3.000         4.000"});

  append(expected, expectedPageHeader(title1, title2, false));
  append(expected, {
                       "      TABLE 4 - SETTLEMENT POINT DATA",
                       "",
                       "      POINT   POINT COORDINATES   LAYER",
                       "       NO,       X          Y      NO.*",
                       blanks(17) + "FT" + blanks(9) + "FT",
                       "",
                       // 7 blanks | number 2 | 3 blanks | x 8.2 | 2 blanks | y 8.2 | 5 blanks |
                       // start layer 2
                       "        1       0.00      0.00      1",
                       "        2      10.50     -3.25      1",
                       "",
                       "      * NUMBER OF SOIL LAYER AT WHICH SETTLEMENT COMPUTATION BEGINS",
                   });

  append(expected, expectedPageHeader(title1, title2, true));
  append(expected,
         {
             "      TABLE 5 - LOADED AREA INFORMATION       ",
             "",
             "      AREA AREA  LOADED AREA CENTER   AREA DIMEN.   AREA   SUSTAINED   AREA",
             "       ID  SHAPE  X-COORD  Y-COORD   XLEN    YLEN  SLOPE    LOADING    ELEV",
             blanks(21) + "FT" + blanks(7) + "FT" + blanks(6) + "FT" + blanks(6) + "FT" +
                 blanks(14) + "KSF" + blanks(7) + "FT",
             "",
             // 6 blanks | id | blank | shape 3 | 2 blanks | x 9.2 | y 9.2 | xlen 7.2 |
             // ylen 8.2 | slope 7.3 | 4 blanks | load 7.3 | elevation 8.2
             "      A1     1       0.00     0.00  10.00   10.00  0.000      2.000    0.00",
             "      CIR2   2     -12.50     4.00   6.00    6.00  0.250      1.500    1.00",
         });
  EXPECT_TRUE(testing::sameLines(report.lines, expected));

  const std::vector<std::string> expectedPlot{
      "LDS",  "2",
      "A1  ", "   1       0.00     0.00  10.00   10.00  0.000      2.000    0.00",
      "CIR2", "   2     -12.50     4.00   6.00    6.00  0.250      1.500    1.00",
  };
  EXPECT_EQ(plot.lines, expectedPlot);
  EXPECT_EQ(plot.lines[3].size(), 65u);
}

// A curve pair of pressure exactly 0.0 ends Table 3 with its own line and the error block.
TEST(InputTables, ZeroCurvePressureStopsAfterItsRow) {
  struct Case {
    const char* name;
    std::vector<std::pair<float, float>> pairs;
    std::vector<std::string> lastRows;  // the pair lines printed, the zero one last
    bool stops;
  };
  const std::vector<Case> cases{
      {"zero in the middle",
       {{0.01f, 1.0f}, {0.02f, 0.0f}, {0.03f, 2.0f}},
       {"           1.000         1.000", "           2.000         0.000"},
       true},
      {"zero in the last pair",
       {{0.01f, 1.0f}, {0.02f, 0.0f}},
       {"           1.000         1.000", "           2.000         0.000"},
       true},
      {"negative zero equals zero",
       {{0.01f, -0.0f}, {0.02f, 1.0f}},
       {"           1.000        -0.000"},
       true},
      // A pressure that prints as 0.000 but is not 0.0 passes.
      {"tiny positive pressure",
       {{0.01f, 1.0e-30f}, {0.02f, -2.0f}},
       {"           1.000         0.000", "           2.000        -2.000"},
       false},
  };
  const std::vector<std::string> errorBlock{
      "", "", "************ERROR**************", "THE VERTICAL PRESSURE SHOULD BE GREATER THAN 0.0",
      "", ""};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto data = std::make_unique<ProblemData>();
    data->unitSystem = kUsGravitational;
    data->curveCount = 2;
    setTabulated(data->curves[1], 1, "FIRST", c.pairs);
    setSlope(data->curves[2], 2, "SECOND", 0, 0.01f);
    StringOutput report;
    EXPECT_EQ(writeTables1To3(*data, report), c.stops);

    std::vector<std::string> tail = c.lastRows;
    if (c.stops) {
      append(tail, errorBlock);
    } else {
      append(tail, slopeCurve("  2", "SECOND", "THE SLOPE OF THE F(%)-LOG P CURVE IS  1.000"));
    }
    ASSERT_GE(report.lines.size(), tail.size());
    const std::vector<std::string> written(report.lines.end() - static_cast<long>(tail.size()),
                                           report.lines.end());
    EXPECT_EQ(written, tail);
  }
}

TEST(InputTables, NumbersTooWideForTheirFieldsPrintAsAsterisks) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kUsGravitational;
  data->pointCount = 2;
  data->points[1] = SettlementPoint{100, 1.0f, 2.0f, 3, 1};
  data->points[2] = SettlementPoint{7, 123456.0f, -1.5f, 100, 1};
  StringOutput report;
  StringOutput plot;
  writeTables4And5(*data, report, plot);
  const std::vector<std::string> rows(report.lines.begin() + 18, report.lines.begin() + 20);
  // 123456.00 needs 9 columns of the 8; start layer 100 needs 3 of 2.
  const std::vector<std::string> expected{"       **       1.00      2.00      3",
                                          "        7   ********     -1.50     **"};
  EXPECT_EQ(rows, expected);
}

TEST(InputTables, NoPointsNoAreasGiveHeadingsFootnoteAndAnEmptyAreaHeader) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kUsGravitational;
  StringOutput report;
  StringOutput plot;
  writeTables4And5(*data, report, plot);
  ASSERT_EQ(report.lines.size(), 12u + 8u);  // page header and Table 4 without rows
  EXPECT_EQ(report.lines[18], "");
  EXPECT_EQ(report.lines[19],
            "      * NUMBER OF SOIL LAYER AT WHICH SETTLEMENT COMPUTATION BEGINS");
  EXPECT_EQ(plot.lines, (std::vector<std::string>{"LDS", "0"}));
}

TEST(InputTables, SiLabelsInTheHeadings) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kSiAbsolute;
  data->curveCount = 1;
  data->areaCount = 1;
  setTabulated(data->curves[1], 1, "CLAY", {{0.01f, 50.0f}, {0.02f, 100.0f}});
  setArea(data->loads[1], "A1", kRectangle, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 100.0f, 0.0f);
  StringOutput report;
  StringOutput plot;
  ASSERT_FALSE(writeTables1To3(*data, report));
  writeTables4And5(*data, report, plot);
  const std::vector<std::string> labelLines{
      "      SOIL  DEPTH TO   LAYER   LAYER    MASS   SOIL OVERBURDEN INIT VERTICAL",
      "   SUBLAYER  CENTER  THICKNESS THICK.  DENSITY COMP  PRESSURE   STRAIN (F0)",
      "       NO.     M         M     FACTOR  KG/M**3  NO.    KPA           %",
      "          (%)          KPA",
      blanks(17) + "M " + blanks(9) + "M ",
      blanks(21) + "M " + blanks(7) + "M " + blanks(6) + "M " + blanks(6) + "M " + blanks(14) +
          "KPA" + blanks(7) + "M ",
  };
  for (const std::string& line : labelLines) {
    EXPECT_NE(std::find(report.lines.begin(), report.lines.end(), line), report.lines.end())
        << "missing: \"" << line << "\"";
  }
}

std::vector<std::string> messageBlock(std::string_view message, std::string_view ids) {
  return {"", "", "", "", blanks(12) + std::string(message), "", blanks(10) + std::string(ids)};
}

TEST(DataCheckMessages, AreaInBothListsIsListedInBothBlocksOfBothFiles) {
  auto data = std::make_unique<ProblemData>();
  data->areaCount = 3;
  data->loads[1].id.assign("F1");
  data->loads[2].id.assign("F2");
  data->loads[3].id.assign("BAD3");
  data->badShapeAreas.append(3);
  data->offBoundaryAreas.append(1);
  data->offBoundaryAreas.append(3);
  testing::CapturedRun run;
  writeDataCheckMessages(*data, run.outputs);

  const std::vector<std::string> shape =
      messageBlock("THE SHAPE IS INCORRECT FOR THESE LOADED AREAS:", "BAD3  ");
  const std::vector<std::string> boundary = messageBlock(
      "THE FOLLOWING LOADED AREAS ARE NOT LOCATED AT A BOUNDARY LAYER:", "F1    BAD3  ");
  std::vector<std::string> expectedMessage = shape;
  append(expectedMessage, boundary);
  std::vector<std::string> expectedReport = expectedMessage;
  expectedReport.emplace_back("1");
  EXPECT_EQ(run.report.lines, expectedReport);
  EXPECT_EQ(run.message.lines, expectedMessage);
  EXPECT_TRUE(run.plot.lines.empty());
  EXPECT_TRUE(run.console.lines.empty());
}

TEST(DataCheckMessages, EveryFailingAreaIsListedOnTheOneLine) {
  auto data = std::make_unique<ProblemData>();
  data->areaCount = 12;
  std::string ids;
  for (std::int32_t i = 1; i <= 12; ++i) {
    const std::string id = std::string("A").append(std::to_string(i));
    data->loads[i].id.assign(id);
    data->offBoundaryAreas.append(i);
    ids += padded(id, 4) + "  ";
  }
  testing::CapturedRun run;
  writeDataCheckMessages(*data, run.outputs);
  std::vector<std::string> expected =
      messageBlock("THE FOLLOWING LOADED AREAS ARE NOT LOCATED AT A BOUNDARY LAYER:", ids);
  EXPECT_EQ(run.message.lines, expected);
  expected.emplace_back("1");
  EXPECT_EQ(run.report.lines, expected);
  // 10 blanks and 12 identifiers of 4 characters, each followed by two blanks.
  EXPECT_EQ(run.report.lines[6].size(), 10u + 12u * 6u);
}

}  // namespace
}  // namespace veldor
