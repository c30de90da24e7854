#include "input/problem_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_fixture.h"

namespace veldor {
namespace {

// Two layers, a tabulated and a slope curve, one point, one area and one pile.
constexpr const char* kTwoLayerProblem =
    "SETTLEMENT OF A SQUARE FOOTING\n"
    "SECOND TITLE LINE\n"
    "1\n"
    "2 2 1 1\n"
    "1 4.0 120.0 1 1.0\n"
    "2 10.0 110.0 2 0.8\n"
    "1 3\n"
    "SAND\n"
    "1.0 1.0\n"
    "12.5 10.0\n"
    "20 100\n"
    "7 -1\n"
    "CLAY BY SLOPE\n"
    "2.5\n"
    "5 1.5 -2.0 2\n"
    "A1\n"
    "1 0.0 0.0 10.0 10.0 0.0 2.0 4.0\n"
    "1\n"
    "2\n"
    "9 1.0 2.0 3.0 4.0 5.0 6.0 7.0 800.0\n";

TEST_F(ReaderTest, StoresEveryRecordAndTracesIt) {
  ASSERT_EQ(read(kTwoLayerProblem), 0);
  EXPECT_EQ(data->title[0].view(), padded("SETTLEMENT OF A SQUARE FOOTING", 68));
  EXPECT_EQ(data->title[1].view(), padded("SECOND TITLE LINE", 68));
  EXPECT_EQ(data->unitSystem, 1);
  EXPECT_EQ(data->gravityFactor, 1.0f);
  EXPECT_EQ(data->settlementUnitFactor, 12.0f);

  EXPECT_EQ(data->layerBottom[1], 4.0f);
  EXPECT_EQ(data->layerBottom[2], 10.0f);
  const SoilLayer& second = data->layers[2];
  EXPECT_EQ(second.number, 2);
  EXPECT_EQ(second.depthToBottom, 10.0f);
  EXPECT_EQ(second.unitWeight, 110.0f);
  EXPECT_EQ(second.curveIndex, 2);
  EXPECT_EQ(second.thicknessFactor, 0.8f);

  const CompressibilityCurve& sand = data->curves[1];
  EXPECT_EQ(sand.number, 1);
  EXPECT_EQ(sand.pairCount, 3);
  EXPECT_EQ(sand.title.view(), padded("SAND", 60));
  EXPECT_EQ(sand.strain[1], 0.01f);
  EXPECT_EQ(sand.strain[2], 12.5f * 0.01f);
  EXPECT_EQ(sand.strain[3], 20.0f * 0.01f);
  EXPECT_EQ(sand.pressure[3], 100.0f);
  EXPECT_EQ(data->curves[2].number, 7);
  EXPECT_EQ(data->curves[2].slope, 2.5f * 0.01f);

  const SettlementPoint& point = data->points[1];
  EXPECT_EQ(point.number, 5);
  EXPECT_EQ(point.x, 1.5f);
  EXPECT_EQ(point.y, -2.0f);
  EXPECT_EQ(point.startLayer, 2);
  EXPECT_EQ(point.startSublayer, 8);  // twice the 4.0 top of layer 2

  const LoadedArea& area = data->loads[1];
  EXPECT_EQ(area.id.view(), "A1  ");
  EXPECT_EQ(area.shape, kRectangle);
  EXPECT_EQ(area.load, 2.0f);
  EXPECT_EQ(area.elevation, 4.0f);
  EXPECT_EQ(data->badShapeAreas.count, 0);
  EXPECT_EQ(data->offBoundaryAreas.count, 0);

  EXPECT_EQ(data->pileCount, 1);
  EXPECT_EQ(data->pileLoadDepthMode, 2);
  const LoadedArea& pile = data->loads[2];  // right after the one area
  EXPECT_EQ(pile.shape, kPile);
  EXPECT_EQ(pile.id.view(), "    ");
  EXPECT_EQ(pile.x, 1.0f);
  EXPECT_EQ(pile.y, 2.0f);
  EXPECT_EQ(pile.xLength, 3.0f);
  EXPECT_EQ(pile.yLength, 4.0f);
  EXPECT_EQ(pile.elevation, 5.0f);
  EXPECT_EQ(pile.pileTopDepth, 6.0f);
  EXPECT_EQ(pile.pileTipDepth, 7.0f);
  EXPECT_EQ(pile.load, 800.0f);

  const std::vector<std::string> trace = {"0 4 0",
                                          "1 120 1 1",
                                          "0 4 10",
                                          "2 110 2 0.8",
                                          padded("SAND", 60),
                                          padded("CLAY BY SLOPE", 60),
                                          "5 1.5 -2 2",
                                          "A1   1 0 0 10 10 0 2 4",
                                          "1 2 1"};
  EXPECT_EQ(run.console.lines, trace);
  EXPECT_TRUE(run.report.lines.empty());
  EXPECT_TRUE(run.message.lines.empty());
}

TEST_F(ReaderTest, ConvertsSiUnitWeightsToMassDensities) {
  ASSERT_EQ(read("T\nT\n2\n1 1 0 0\n1 2.0 18.0 1 1.0\n1 0\nC\n-0.5\n0\n1\n"), 0);
  EXPECT_EQ(data->layers[1].unitWeight, 18.0f * 101.972f);  // about 1835.496
  EXPECT_EQ(data->gravityFactor, 9.80665f);
  EXPECT_EQ(data->settlementUnitFactor, 1000.0f);
  EXPECT_EQ(data->curves[1].slope, -0.5f * 0.01f);
}

// Layouts of the same layer record; the curve header after it must start on its own line.
TEST_F(ReaderTest, ReadsFreeFormatRecordsInAnyLayout) {
  const std::string layouts[] = {
      "1 4.0 120.0 3 0.5\n",       "1,4.0,120.0,3,0.5\n",     "1 , 4.0 ,120.0, 3 ,0.5\n",
      "\t1\t4.0\t120.0\t3\t0.5\n", "1 4.0\n120.0 3\n\n0.5\n", "1 4.0 120.0 3 0.5 99 EXTRA VALUES\n",
      "+1 4.0E0 1.2D2 +3 .5\n",
  };
  for (const std::string& layer : layouts) {
    data = std::make_unique<ProblemData>();
    const std::string text =
        "T\nT\n1\n1 3 0 0\n" + layer + "1 0\nC1\n1.0\n2 -1\nC2\n1.0\n3 1\nC3\n1.0\n0\n1\n";
    ASSERT_EQ(read(text), 0) << layer;
    const SoilLayer& stored = data->layers[1];
    EXPECT_EQ(stored.number, 1) << layer;
    EXPECT_EQ(stored.depthToBottom, 4.0f) << layer;
    EXPECT_EQ(stored.unitWeight, 120.0f) << layer;
    EXPECT_EQ(stored.curveIndex, 3) << layer;
    EXPECT_EQ(stored.thicknessFactor, 0.5f) << layer;
    EXPECT_EQ(data->curves[1].number, 1) << layer;
    EXPECT_EQ(data->curves[3].title.view(), padded("C3", 60)) << layer;
  }
}

TEST_F(ReaderTest, ReadsCrLfLineEndsAndALastLineWithoutEnd) {
  ASSERT_EQ(read("T1\r\nT2\r\n1\r\n1 1 0 1\r\n1 3.0 100 1 1\r\n1 0\r\nCURVE\r\n1.5\r\n"
                 "AB\r\n1 0 0 1 1 0 1.0 3.0\r\n0\r\n1"),
            0);
  EXPECT_EQ(data->title[1].view(), padded("T2", 68));
  EXPECT_EQ(data->curves[1].title.view(), padded("CURVE", 60));
  EXPECT_EQ(data->loads[1].id.view(), "AB  ");
  EXPECT_EQ(data->loads[1].elevation, 3.0f);
  EXPECT_EQ(data->pileLoadDepthMode, 1);
}

TEST_F(ReaderTest, KeepsFixedTextRecordsByColumn) {
  const std::string longTitle(80, 'X');
  ASSERT_EQ(read(longTitle + "\n  INDENTED  \n1\n0 0 0 1\nABCDEF\n1 0 0 1 1 0 1 0\n0\n1\n"), 0);
  EXPECT_EQ(data->title[0].view(), std::string(68, 'X'));
  EXPECT_EQ(data->title[1].view(), padded("  INDENTED", 68));
  EXPECT_EQ(data->loads[1].id.view(), "ABCD");
}

TEST_F(ReaderTest, ReadsSlopeCurvesForFewerThanTwoPairs) {
  for (const char* pairs : {"0", "1", "-3"}) {
    data = std::make_unique<ProblemData>();
    ASSERT_EQ(read(std::string("T\nT\n1\n0 2 0 0\n1 ") + pairs + "\nA\n2.5\n2 " + pairs +
                   "\nB\n-2.5\n0\n1\n"),
              0)
        << pairs;
    EXPECT_EQ(data->curves[1].slope, 2.5f * 0.01f) << pairs;
    EXPECT_EQ(data->curves[2].slope, -2.5f * 0.01f) << pairs;
  }
}

std::string curveWithPairs(int pairs) {
  std::string text = "T\nT\n1\n0 1 1 0\n1 " + std::to_string(pairs) + "\nLONG CURVE\n";
  for (int k = 1; k <= pairs; ++k) text += std::to_string(k) + " " + std::to_string(k) + "\n";
  return text + "1 0 0 1\n0\n1\n";
}

TEST_F(ReaderTest, ReadsACurveOfFortyEightPairs) {
  ASSERT_EQ(read(curveWithPairs(48)), 0);
  EXPECT_EQ(data->curves[1].pairCount, 48);
  EXPECT_EQ(data->curves[1].strain[48], 48.0f * 0.01f);
  EXPECT_EQ(data->curves[1].pressure[48], 48.0f);
  EXPECT_EQ(data->points[1].number, 1);
}

TEST_F(ReaderTest, StopsSilentlyAtACurveOfFortyNinePairs) {
  EXPECT_EQ(read(curveWithPairs(49)), 11);
  EXPECT_EQ(run.console.lines, std::vector<std::string>{padded("LONG CURVE", 60)});
  EXPECT_TRUE(run.report.lines.empty());
  EXPECT_TRUE(run.message.lines.empty());
  EXPECT_EQ(data->curves[1].pressure[1], 0.0f);  // no pair was read
}

// An area at elevation 10.0 against one layer whose bottom is written as given.
TEST_F(ReaderTest, TestsAreaElevationsForExactEqualityWithALayerBottom) {
  struct Case {
    const char* bottom;
    bool passes;
  };
  const Case cases[] = {{"10", true},     {"10.0", true},   {"1.0E1", true},   {"1.0D1", true},
                        {"10.000", true}, {"9.999", false}, {"10.0001", false}};
  for (const Case& c : cases) {
    data = std::make_unique<ProblemData>();
    ASSERT_EQ(read(std::string("T\nT\n1\n1 1 0 1\n1 ") + c.bottom +
                   " 100 1 1\n1 0\nC\n1\nA\n1 0 0 1 1 0 1 10.0\n0\n1\n"),
              0);
    EXPECT_EQ(data->offBoundaryAreas.count, c.passes ? 0 : 1) << c.bottom;
  }
}

TEST_F(ReaderTest, ListsEveryAreaThatFailsAShapeOrBoundaryTest) {
  // Area 1: the pile shape 3 at the ground surface; area 2: shape 5 between two layer
  // bottoms; area 3: a circle off the boundaries; area 4: a rectangle on the bottom of layer 1.
  ASSERT_EQ(read("T\nT\n1\n1 1 0 4\n1 10 100 1 1\n1 0\nC\n1\n"
                 "P3\n3 0 0 1 1 0 1 0\n"
                 "S5\n5 0 0 1 1 0 1 5.0\n"
                 "C2\n2 0 0 1 1 0 1 2.0\n"
                 "OK\n1 0 0 1 1 0 1 10\n"),
            0);
  const AreaList& shapes = data->badShapeAreas;
  const AreaList& boundaries = data->offBoundaryAreas;
  ASSERT_EQ(shapes.count, 2);
  EXPECT_EQ(shapes.index[1], 1);
  EXPECT_EQ(shapes.index[2], 2);
  ASSERT_EQ(boundaries.count, 2);
  EXPECT_EQ(boundaries.index[1], 2);
  EXPECT_EQ(boundaries.index[2], 3);
}

TEST_F(ReaderTest, ListsMoreThanTenFailingAreasAndClearsTheListsOnTheNextRead) {
  std::string text = "T\nT\n1\n0 0 0 12\n";
  for (int i = 1; i <= 12; ++i) text += "A\n0 0 0 1 1 0 1 2.0\n";
  ASSERT_EQ(read(text), 0);
  ASSERT_EQ(data->badShapeAreas.count, 12);
  ASSERT_EQ(data->offBoundaryAreas.count, 12);  // with no layers only elevation 0 passes
  EXPECT_EQ(data->badShapeAreas.index[12], 12);

  ASSERT_EQ(read("T\nT\n1\n0 0 0 1\nA\n1 0 0 1 1 0 1 0\n0\n1\n"), 0);
  EXPECT_EQ(data->badShapeAreas.count, 0);
  EXPECT_EQ(data->offBoundaryAreas.count, 0);
}

TEST_F(ReaderTest, TracesTheLayerBottomsLeftByAnEarlierRead) {
  const char* threeLayers =
      "T\nT\n1\n3 1 0 0\n1 1 100 1 1\n2 2 100 1 1\n3 3 100 1 1\n1 0\nC\n1\n0\n1\n";
  ASSERT_EQ(read(threeLayers), 0);
  EXPECT_EQ(run.console.lines[0], "0 1 0 0");
  clearOutputs();
  ASSERT_EQ(read("T\nT\n1\n3 1 0 0\n1 5 100 1 1\n2 6 100 1 1\n3 7 100 1 1\n1 0\nC\n1\n0\n1\n"), 0);
  EXPECT_EQ(run.console.lines[0], "0 5 2 3");
  EXPECT_EQ(run.console.lines[2], "0 5 6 3");
  EXPECT_EQ(run.console.lines[4], "0 5 6 7");
}

TEST_F(ReaderTest, StopsAtAnUnreadableValueNamingItsLineRecordAndField) {
  struct Case {
    std::string text;
    std::string where;
    std::string what;
  };
  const std::string head = "T\nT\n1\n1 1 0 0\n";
  const Case cases[] = {
      {"T\nT\n1.0\n", " LINE 3, UNIT SYSTEM RECORD, FIELD 1 (UNIT SYSTEM):",
       " FOUND \"1.0\", WHICH IS NOT AN INTEGER"},
      {"T\nT\n1\n1 1 0 1E2\n", " LINE 4, COUNTS RECORD, FIELD 4 (NUMBER OF LOADED AREAS):",
       " FOUND \"1E2\", WHICH IS NOT AN INTEGER"},
      {"T\nT\n1\n1 1 0\n3000000000\n", " LINE 5, COUNTS RECORD, FIELD 4 (NUMBER OF LOADED AREAS):",
       " FOUND \"3000000000\", WHICH IS BEYOND THE RANGE OF AN INTEGER"},
      {head + "1 1O.5 120 1 1\n", " LINE 5, SOIL LAYER RECORD 1, FIELD 2 (DEPTH TO BOTTOM):",
       " FOUND \"1O.5\", WHICH IS NOT A REAL NUMBER"},
      {head + "1 4.0\n\n12O 1 1\n", " LINE 7, SOIL LAYER RECORD 1, FIELD 3 (UNIT WEIGHT):",
       " FOUND \"12O\", WHICH IS NOT A REAL NUMBER"},
      {head + "1 1E39 120 1 1\n", " LINE 5, SOIL LAYER RECORD 1, FIELD 2 (DEPTH TO BOTTOM):",
       " FOUND \"1E39\", WHICH IS BEYOND THE RANGE OF A REAL NUMBER"},
      {head + "1 4,,120 1 1\n", " LINE 5, SOIL LAYER RECORD 1, FIELD 3 (UNIT WEIGHT):",
       " FOUND \"\", WHICH IS NOT A REAL NUMBER"},
      {head + "1 4 120 1 1\n1 2\nC\n1 1\ninf 10\n",
       " LINE 9, CURVE 1 PAIR RECORD 2, FIELD 1 (STRAIN F):",
       " FOUND \"inf\", WHICH IS NOT A REAL NUMBER"},
      {head + "1 4 120 1 1\n1 0\nC\n3*0.0\n", " LINE 8, CURVE 1 SLOPE RECORD, FIELD 1 (SLOPE):",
       " FOUND \"3*0.0\", WHICH IS NOT A REAL NUMBER"},
  };
  for (const Case& c : cases) {
    data = std::make_unique<ProblemData>();
    clearOutputs();
    EXPECT_EQ(read(c.text), 14) << c.where;
    expectErrorBlock(c.where, c.what);
  }
}

TEST_F(ReaderTest, StopsWhereTheInputEnds) {
  struct Case {
    std::string text;
    std::string where;
    std::string what;
  };
  const char* kLine = " THE INPUT ENDS BEFORE THIS LINE";
  const char* kValue = " THE INPUT ENDS BEFORE THIS VALUE";
  const std::string head = "T\nT\n1\n1 1 1 1\n1 4.0 120 1 1\n";
  const Case cases[] = {
      {"", " LINE 1, TITLE LINE 1:", kLine},
      {"T\n", " LINE 2, TITLE LINE 2:", kLine},
      {"T\nT\n1\n1 1", " LINE 5, COUNTS RECORD, FIELD 3 (NUMBER OF SETTLEMENT POINTS):", kValue},
      {"T\nT\n1\n1 1 1 1\n1 4.0\n", " LINE 6, SOIL LAYER RECORD 1, FIELD 3 (UNIT WEIGHT):", kValue},
      {head + "1 0\n", " LINE 7, CURVE TITLE RECORD 1:", kLine},
      {head + "1 0\nC\n1\n1 0 0\n",
       " LINE 10, SETTLEMENT POINT RECORD 1, FIELD 4 (START LAYER):", kValue},
      {head + "1 0\nC\n1\n1 0 0 1\n", " LINE 10, AREA IDENTIFIER RECORD 1:", kLine},
      {head + "1 0\nC\n1\n1 0 0 1\nA\n1 0 0 1 1 0 1 0\n",
       " LINE 12, PILE COUNT RECORD, FIELD 1 (NUMBER OF PILES):", kValue},
      {head + "1 0\nC\n1\n1 0 0 1\nA\n1 0 0 1 1 0 1 0\n1\n1\n1 1 1",
       " LINE 15, PILE RECORD 1, FIELD 4 (X LENGTH):", kValue},
  };
  for (const Case& c : cases) {
    data = std::make_unique<ProblemData>();
    clearOutputs();
    EXPECT_EQ(read(c.text), 14) << c.where;
    expectErrorBlock(c.where, c.what);
  }
}

TEST_F(ReaderTest, StopsAtAValueOutsideItsRangeRightAfterItsRecord) {
  struct Case {
    std::string text;
    std::string where;
    std::string what;
    std::vector<std::string> traceBefore;  // the console lines before the error block
  };
  const std::string head = "T\nT\n1\n1 1 0 0\n";
  const std::string oneArea = "T\nT\n1\n0 0 0 1\nA\n1 0 0 1 1 0 1 0\n";
  const Case cases[] = {
      // Nothing follows the record at fault: reading on would end in an unreadable-input stop.
      {"T\nT\n3\n",
       " LINE 3, UNIT SYSTEM RECORD, FIELD 1 (UNIT SYSTEM):",
       " FOUND 3, WHICH IS NEITHER 1 NOR 2",
       {}},
      {"T\nT\n1\n31 1 1 1\n",
       " LINE 4, COUNTS RECORD, FIELD 1 (NUMBER OF SOIL LAYERS):",
       " FOUND 31, WHICH IS ABOVE THE CAPACITY OF 30",
       {}},
      {"T\nT\n1\n1 51 1 1\n",
       " LINE 4, COUNTS RECORD, FIELD 2 (NUMBER OF SOIL COMPRESSIBILITIES):",
       " FOUND 51, WHICH IS ABOVE THE CAPACITY OF 50",
       {}},
      {"T\nT\n1\n1 1\n251 1\n",
       " LINE 5, COUNTS RECORD, FIELD 3 (NUMBER OF SETTLEMENT POINTS):",
       " FOUND 251, WHICH IS ABOVE THE CAPACITY OF 250",
       {}},
      {"T\nT\n1\n1 1 1 251\n",
       " LINE 4, COUNTS RECORD, FIELD 4 (NUMBER OF LOADED AREAS):",
       " FOUND 251, WHICH IS ABOVE THE CAPACITY OF 250",
       {}},
      {head + "1 4 120 2 1\n",
       " LINE 5, SOIL LAYER RECORD 1, FIELD 4 (CURVE INDEX):",
       " FOUND 2, WHICH NAMES NO CURVE: THE NUMBER OF CURVES IS 1",
       {"0 4", "1 120 2 1"}},
      {head + "1 4 120 0 1\n",
       " LINE 5, SOIL LAYER RECORD 1, FIELD 4 (CURVE INDEX):",
       " FOUND 0, WHICH NAMES NO CURVE: THE NUMBER OF CURVES IS 1",
       {"0 4", "1 120 0 1"}},
      {head + "1 4 120 1 1\n1 3\nC\n1 1\n2 -5\n3 -6\n",
       " LINE 9, CURVE 1 PAIR RECORD 2, FIELD 2 (PRESSURE P):",
       " FOUND -5, A NEGATIVE PRESSURE, WHICH HAS NO LOGARITHM",
       {"0 4", "1 120 1 1", padded("C", 60)}},
      {oneArea + "250\n1\n",
       " LINE 7, PILE COUNT RECORD, FIELD 1 (NUMBER OF PILES):",
       " FOUND 250, WHICH WITH THE 1 LOADED AREAS IS ABOVE THE CAPACITY OF 250 LOADS",
       {"A    1 0 0 1 1 0 1 0", "250 1 1"}},
      {oneArea + "1\n4\n",
       " LINE 8, PILE LOAD DEPTH MODE RECORD, FIELD 1 (PILE LOAD DEPTH MODE):",
       " FOUND 4, WHICH IS NOT 1, 2 OR 3",
       {"A    1 0 0 1 1 0 1 0", "1 4 1"}},
  };
  for (const Case& c : cases) {
    data = std::make_unique<ProblemData>();
    clearOutputs();
    EXPECT_EQ(read(c.text), 15) << c.where;
    expectErrorBlock(c.where, c.what);
    std::vector<std::string> expectedConsole = c.traceBefore;
    const std::vector<std::string> block = errorBlock(c.where, c.what);
    expectedConsole.insert(expectedConsole.end(), block.begin(), block.end());
    EXPECT_EQ(run.console.lines, expectedConsole) << c.where;
  }
}

TEST_F(ReaderTest, AcceptsAnyPileModeWithoutPilesAndPutsTheFirstPileFirstWithoutAreas) {
  ASSERT_EQ(read("T\nT\n1\n0 0 0 0\n0\n7\n"), 0);
  EXPECT_EQ(data->pileLoadDepthMode, 7);

  ASSERT_EQ(read("T\nT\n1\n0 0 0 0\n2\n3\n1 1 1 1 1 1 1 1 10\n2 2 2 2 2 2 2 2 20\n"), 0);
  EXPECT_EQ(data->loads[1].load, 10.0f);
  EXPECT_EQ(data->loads[2].load, 20.0f);
  EXPECT_EQ(data->loads[2].shape, kPile);
}

TEST_F(ReaderTest, TakesCountsOfZeroOrBelowAsReadAndSkipsTheirRecords) {
  ASSERT_EQ(read("T\nT\n1\n-1 0 -5 -2\n-3\n9\n"), 0);
  EXPECT_EQ(data->layerCount, -1);
  EXPECT_EQ(data->pointCount, -5);
  EXPECT_EQ(data->areaCount, -2);
  EXPECT_EQ(data->pileCount, -3);
}

}  // namespace
}  // namespace veldor
