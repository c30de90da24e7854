#include "stress/stress_increase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {
namespace {

using testing::StringOutput;

// A problem with depth points every 0.25 from the surface down to the given depth, as the
// profile of 0.5-thick sublayers lays them out.
class StressIncreaseTest : public ::testing::Test {
 protected:
  void SetUp() override { data = std::make_unique<ProblemData>(); }

  void depthPointsDownTo(float bottom) {
    const auto sublayers = static_cast<std::int32_t>(bottom / 0.5f);
    data->sublayerCount = sublayers;
    data->depthPointCount = 2 * sublayers + 1;
    for (std::int32_t k = 1; k <= data->depthPointCount; ++k) {
      data->depthPoints[k] = 0.25f * static_cast<float>(k - 1);
    }
  }

  void addPoint(float x, float y) {
    SettlementPoint& point = data->points[++data->pointCount];
    point.number = 100 + data->pointCount;
    point.x = x;
    point.y = y;
  }

  LoadedArea& addArea(std::int32_t shape, float xLength, float yLength, float load,
                      float elevation) {
    LoadedArea& area = data->loads[++data->areaCount];
    area.shape = shape;
    area.xLength = xLength;
    area.yLength = yLength;
    area.load = load;
    area.elevation = elevation;
    return area;
  }

  LoadedArea& addPile(float top, float tip, float load) {
    ++data->pileCount;
    LoadedArea& pile = data->loads[data->areaCount + data->pileCount];
    pile.shape = kPile;
    pile.xLength = 1.0f;
    pile.yLength = 1.0f;
    pile.pileTopDepth = top;
    pile.pileTipDepth = tip;
    pile.load = load;
    return pile;
  }

  float stressAt(std::int32_t point, float depth) const {
    return data->stressIncrease[point][static_cast<std::size_t>(depth / 0.25f) + 1];
  }

  void run() { computeStressIncrease(*data, messages); }

  std::unique_ptr<ProblemData> data;
  StringOutput messages;
};

TEST_F(StressIncreaseTest, NoLoadsWritesOnlyTheCountLineAndClearsEarlierStress) {
  depthPointsDownTo(2.0f);
  addPoint(0.0f, 0.0f);
  addPoint(1.0f, 1.0f);
  data->stressIncrease[2][9] = 7.0f;  // left by an earlier run
  run();
  EXPECT_EQ(messages.lines, std::vector<std::string>{"0 0"});
  EXPECT_EQ(data->loadCount, 0);
  EXPECT_EQ(data->stressIncrease[2][9], 0.0f);
}

TEST_F(StressIncreaseTest, ProgressLinesNameEachLoadAndPointInOrder) {
  depthPointsDownTo(1.0f);
  addPoint(0.0f, 0.0f);
  addPoint(50.0f, 0.0f);
  addArea(kRectangle, 1.0f, 1.0f, 1.0f, 0.0f);
  addArea(kCircle, 1.0f, 1.0f, 1.0f, 0.0f);
  addPile(0.0f, 3.0f, 10.0f);
  data->pileLoadDepthMode = 1;
  run();
  const std::vector<std::string> expected{"2 1",
                                          "     COMPUTING AREA   1 AT POINT   1",
                                          "     COMPUTING AREA   1 AT POINT   2",
                                          "     COMPUTING AREA   2 AT POINT   1",
                                          "     COMPUTING AREA   2 AT POINT   2",
                                          "     COMPUTING PILE   1 AT POINT   1",
                                          "     COMPUTING PILE   1 AT POINT   2"};
  EXPECT_EQ(messages.lines, expected);
  EXPECT_EQ(data->loadCount, 3);
}

TEST_F(StressIncreaseTest, ProgressLineIndicesAreRightJustifiedInThreeColumns) {
  depthPointsDownTo(0.5f);
  for (int p = 0; p < 12; ++p) addPoint(0.0f, 0.0f);
  for (int i = 0; i < 105; ++i) addArea(kRectangle, 1.0f, 1.0f, 1.0f, 0.0f);
  run();
  ASSERT_EQ(messages.lines.size(), 1u + 105u * 12u);
  EXPECT_EQ(messages.lines[12], "     COMPUTING AREA   1 AT POINT  12");
  EXPECT_EQ(messages.lines.back(), "     COMPUTING AREA 105 AT POINT  12");
}

TEST_F(StressIncreaseTest, NegativePileCountKeepsEveryArea) {
  depthPointsDownTo(1.0f);
  addPoint(0.0f, 0.0f);
  addArea(kRectangle, 4.0f, 4.0f, 2.0f, 0.0f);
  data->pileCount = -2;
  run();
  EXPECT_EQ(messages.lines,
            (std::vector<std::string>{"1 -2", "     COMPUTING AREA   1 AT POINT   1"}));
  EXPECT_EQ(data->loadCount, 1);
  EXPECT_EQ(stressAt(1, 0.0f), 2.0f);
}

TEST_F(StressIncreaseTest, NegativeAreaCountKeepsEveryPile) {
  // The reader stores the piles from index 1 when the area count is negative.
  depthPointsDownTo(2.0f);
  addPoint(0.0f, 0.0f);
  addPile(0.0f, 1.0f, 5.0f);
  data->areaCount = -1;
  data->pileLoadDepthMode = 3;
  run();
  EXPECT_EQ(messages.lines,
            (std::vector<std::string>{"-1 1", "     COMPUTING PILE   1 AT POINT   1"}));
  EXPECT_EQ(data->loadCount, 1);
  EXPECT_EQ(stressAt(1, 2.0f), 1.25f);  // z = 1 below the tip: 5 / (2 x 2)
}

TEST_F(StressIncreaseTest, LoadsAddUpAndNothingReachesAboveTheirLevel) {
  // The square of side 4 under its centre: 1 at its level, 0.92986 per unit load at z = 1.
  depthPointsDownTo(3.0f);
  addPoint(0.0f, 0.0f);
  addArea(kRectangle, 4.0f, 4.0f, 1.0f, 1.0f);
  addArea(kRectangle, 4.0f, 4.0f, 2.0f, 1.0f);
  run();
  EXPECT_EQ(stressAt(1, 0.75f), 0.0f);
  EXPECT_EQ(stressAt(1, 1.0f), 3.0f);
  EXPECT_NEAR(stressAt(1, 2.0f), 3.0f * 0.92986f, 3e-6f);
}

TEST_F(StressIncreaseTest, CircleAtItsLevelLoadsInsideHalfOnTheRimNothingOutside) {
  depthPointsDownTo(2.0f);
  addPoint(0.5f, 0.0f);
  addPoint(0.0f, 1.0f);
  addPoint(0.0f, 1.0f + 8e-6f);  // within 1e-5 of the rim: taken as on it
  addPoint(1.2f, 0.0f);
  addArea(kCircle, 2.0f, 0.0f, 4.0f, 1.0f);
  run();
  EXPECT_EQ(stressAt(1, 0.75f), 0.0f);
  EXPECT_EQ(stressAt(1, 1.0f), 4.0f);
  EXPECT_EQ(stressAt(2, 1.0f), 2.0f);
  EXPECT_EQ(stressAt(3, 1.0f), 2.0f);
  EXPECT_EQ(stressAt(4, 1.0f), 0.0f);
  // One unit deeper: CircleInfluence(1, 1, 1) = 0.3322 and (1, 0.5, 1) = 0.5622.
  EXPECT_NEAR(stressAt(1, 2.0f), 4.0f * 0.5622f, 4.0f * 1e-4f);
  EXPECT_NEAR(stressAt(2, 2.0f), 4.0f * 0.3322f, 4.0f * 1e-4f);
}

TEST_F(StressIncreaseTest, CircleLevelJustBelowADepthPointCountsAsAtIt) {
  depthPointsDownTo(1.0f);
  addPoint(0.0f, 0.0f);
  addArea(kCircle, 2.0f, 0.0f, 1.5f, 0.500004f);
  run();
  EXPECT_EQ(stressAt(1, 0.5f), 1.5f);
}

TEST_F(StressIncreaseTest, FirstReachedDepthPointUnderAPileGetsNothing) {
  // Mode 1, top at 1.0 below the pile's level 0.5: at 1.0 the spread has not begun
  // (z < 1e-5); 1.25 is the first positive factor and gets nothing; 1.5 has z = 0.5 and the
  // 1 x 1 footprint spread to 1.5 x 1.5.
  depthPointsDownTo(3.0f);
  addPoint(0.3f, -0.2f);
  addPile(1.0f, 4.0f, 9.0f).elevation = 0.5f;
  data->pileLoadDepthMode = 1;
  run();
  EXPECT_EQ(stressAt(1, 1.0f), 0.0f);
  EXPECT_EQ(stressAt(1, 1.25f), 0.0f);
  EXPECT_EQ(stressAt(1, 1.5f), 9.0f / (1.5f * 1.5f));
  EXPECT_EQ(stressAt(1, 3.0f), 9.0f / (3.0f * 3.0f));
}

TEST_F(StressIncreaseTest, TwoThirdsModeStartsBelowTheReferenceLevel) {
  // Top 2, tip 6.5: the reference level is 5.0; the point under the footprint is first
  // reached there and gets nothing at 5.0, then q / (z + 1)^2.
  depthPointsDownTo(6.0f);
  addPoint(0.0f, 0.0f);
  addPile(2.0f, 6.5f, 4.0f);
  data->pileLoadDepthMode = 2;
  run();
  EXPECT_EQ(stressAt(1, 4.75f), 0.0f);
  EXPECT_EQ(stressAt(1, 5.0f), 0.0f);
  EXPECT_EQ(stressAt(1, 6.0f), 1.0f);
}

TEST_F(StressIncreaseTest, PileWhoseSpreadNeverReachesThePointGivesNothing) {
  depthPointsDownTo(2.0f);
  addPoint(30.0f, 0.0f);
  addPoint(0.0f, 0.0f);
  addPile(0.0f, 1.0f, 5.0f);
  data->pileLoadDepthMode = 3;
  run();
  for (std::int32_t k = 1; k <= data->depthPointCount; ++k) {
    EXPECT_EQ(data->stressIncrease[1][k], 0.0f) << "depth point " << k;
  }
  // Under the group: 1.25 is first reached, 2.0 has z = 1 and a 2 x 2 spread.
  EXPECT_EQ(stressAt(2, 1.25f), 0.0f);
  EXPECT_EQ(stressAt(2, 2.0f), 1.25f);
}

}  // namespace
}  // namespace veldor
