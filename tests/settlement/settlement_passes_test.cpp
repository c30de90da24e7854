#include "settlement/settlement_passes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {
namespace {

enum Curve : std::int32_t {
  kTabulatedFromZero = 1,  // pairs (0 %, 1.0), (2 %, 10.0)
  kTabulatedFromOne = 2,   // pairs (1 %, 1.0), (5 %, 10.0)
  kStrainPressure = 3,     // F-P slope of 0.4 % per unit of pressure
  kStrainLogPressure = 4,  // F-log P slope of 5 % per tenfold pressure
};

// Four curves and one point over `sublayers` sublayers 0.5 thick on curve 1, each with
// overburden 1.0 and F0 = 0.
std::unique_ptr<ProblemData> problem(std::int32_t sublayers, std::int32_t unitSystem) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = unitSystem;
  data->settlementUnitFactor = settlementUnitFactorFor(unitSystem);
  data->curveCount = 4;
  data->curves[1].pairCount = 2;
  data->curves[1].strain = {0.0f, 0.0f, 0.02f};
  data->curves[1].pressure = {0.0f, 1.0f, 10.0f};
  data->curves[2].pairCount = 2;
  data->curves[2].strain = {0.0f, 0.01f, 0.05f};
  data->curves[2].pressure = {0.0f, 1.0f, 10.0f};
  data->curves[3].pairCount = 0;
  data->curves[3].slope = -0.004f;
  data->curves[4].pairCount = 1;
  data->curves[4].slope = 0.05f;
  data->sublayerCount = sublayers;
  data->depthPointCount = 2 * sublayers + 1;
  for (std::int32_t s = 1; s <= sublayers; ++s) {
    Sublayer& sublayer = data->sublayers[s];
    sublayer.number = s;
    sublayer.depthToBottom = 0.5f * static_cast<float>(s);
    sublayer.thickness = 0.5f;
    sublayer.thicknessFactor = 1.0f;
    sublayer.curveIndex = kTabulatedFromZero;
    sublayer.overburden = 1.0f;
  }
  data->pointCount = 1;
  data->points[1] = {7, 0.0f, 0.0f, 1, 1};
  return data;
}

TEST(AverageStressIncrease, IsSimpsonsRuleFromTheStartSublayerOn) {
  auto data = problem(3, kUsGravitational);
  data->pointCount = 2;
  data->points[2] = {8, 0.0f, 0.0f, 1, 3};
  // Depth points 1 to 7 for both points: 1.0, 0.7, 0.4 over sublayer 1 (average 0.7), then
  // 0.4, 2.0, 0.4 over sublayer 2 ((8.0 + 0.8) / 6) and 0.4, 0.2, 0.0 over sublayer 3 (0.2).
  const float stress[] = {0.0f, 1.0f, 0.7f, 0.4f, 2.0f, 0.4f, 0.2f, 0.0f};
  for (std::int32_t p = 1; p <= 2; ++p)
    for (std::int32_t k = 1; k <= 7; ++k) data->stressIncrease[p][k] = stress[k];
  data->averageStressIncrease[2][1] = 9.0f;  // left by an earlier run
  computeAverageStressIncrease(*data);
  EXPECT_FLOAT_EQ(data->averageStressIncrease[1][1], 0.7f);
  EXPECT_FLOAT_EQ(data->averageStressIncrease[1][2], 8.8f / 6.0f);
  EXPECT_FLOAT_EQ(data->averageStressIncrease[1][3], 0.2f);
  EXPECT_EQ(data->averageStressIncrease[2][1], 0.0f);
  EXPECT_EQ(data->averageStressIncrease[2][2], 0.0f);
  EXPECT_FLOAT_EQ(data->averageStressIncrease[2][3], 0.2f);
}

TEST(Settlements, FollowTheKindOfEachSublayersCurve) {
  struct Case {
    const char* name;
    std::int32_t unitSystem;
    std::int32_t curve;
    float initialStrain;
    float stressIncrease;
    float thicknessFactor;
    float settlement;
  };
  const Case cases[] = {
      // F 0.02 at Pf = 10 against F0 = 0: 0.02 x 0.5 x 1.0 x 12 = 0.12 in, or x 1000 = 10 mm.
      {"tabulated, U.S.", 1, kTabulatedFromZero, 0.0f, 9.0f, 1.0f, 0.12f},
      {"tabulated, S.I.", 2, kTabulatedFromZero, 0.0f, 9.0f, 1.0f, 10.0f},
      // (0.05 - 0.01) / (1 - 0.01) x 0.5 x 12 = 0.2424 in.
      {"tabulated from F0", 1, kTabulatedFromOne, 0.01f, 9.0f, 1.0f, 0.04f / 0.99f * 6.0f},
      // 0.004 x 2.0 x 0.5 x 12 = 0.048 in; a factor of 0.5 halves it.
      {"F-P slope", 1, kStrainPressure, 0.0f, 2.0f, 1.0f, 0.048f},
      {"F-P slope, factor 0.5", 1, kStrainPressure, 0.0f, 2.0f, 0.5f, 0.024f},
      {"F-P slope, stress decrease", 1, kStrainPressure, 0.0f, -0.5f, 1.0f, -0.012f},
      // 0.05 x log10(10 / 1) x 0.5 x 1000 = 25 mm.
      {"F-log P slope", 2, kStrainLogPressure, 0.0f, 9.0f, 1.0f, 25.0f},
      {"F-log P slope, no stress", 2, kStrainLogPressure, 0.0f, 0.0f, 1.0f, 0.0f},
  };
  for (const Case& c : cases) {
    auto data = problem(1, c.unitSystem);
    Sublayer& sublayer = data->sublayers[1];
    sublayer.curveIndex = c.curve;
    sublayer.initialStrain = c.initialStrain;
    sublayer.thicknessFactor = c.thicknessFactor;
    data->averageStressIncrease[1][1] = c.stressIncrease;
    testing::CapturedRun run;
    ASSERT_EQ(computeSettlements(*data, run.outputs), 0) << c.name;
    EXPECT_FLOAT_EQ(data->sublayerSettlement[1][1], c.settlement) << c.name;
    EXPECT_FLOAT_EQ(data->totalSettlement[1], c.settlement) << c.name;
    EXPECT_TRUE(run.report.lines.empty()) << c.name;
  }
}

TEST(Settlements, SumFromTheStartLayerNumberAsTheFirstSublayer) {
  struct Case {
    std::int32_t startLayer;
    float total;
  };
  // Four F-P sublayers under stress increases 1, 2, 3, 4: 0.004 x D x 0.5 x 12 = 0.024 D in.
  const Case cases[] = {{1, 0.24f},  {0, 0.24f}, {-5, 0.24f}, {3, 0.168f},
                        {4, 0.096f}, {5, 0.0f},  {900, 0.0f}};
  for (const Case& c : cases) {
    auto data = problem(4, kUsGravitational);
    data->points[1].startLayer = c.startLayer;
    for (std::int32_t s = 1; s <= 4; ++s) {
      data->sublayers[s].curveIndex = kStrainPressure;
      data->averageStressIncrease[1][s] = static_cast<float>(s);
      data->sublayerSettlement[1][s] = 5.0f;  // left by an earlier run
    }
    testing::CapturedRun run;
    ASSERT_EQ(computeSettlements(*data, run.outputs), 0);
    EXPECT_FLOAT_EQ(data->totalSettlement[1], c.total) << c.startLayer;
    for (std::int32_t s = 1; s < c.startLayer && s <= 4; ++s)
      EXPECT_EQ(data->sublayerSettlement[1][s], 0.0f) << c.startLayer << " " << s;
  }
}

TEST(Settlements, WarnForEveryLookupOutsideItsCurveInSublayerOrder) {
  auto data = problem(3, kUsGravitational);
  data->sublayers[1].overburden = 0.5f;   // with no stress below P(1) = 1.0
  data->sublayers[2].overburden = 1.0f;   // on P(1), F0 = F(1) = 0
  data->sublayers[3].overburden = 20.0f;  // above P(2) = 10.0, F0 = F(2)
  data->sublayers[3].initialStrain = 0.02f;
  data->averageStressIncrease[1][3] = 5.0f;
  testing::CapturedRun run;
  ASSERT_EQ(computeSettlements(*data, run.outputs), 0);
  EXPECT_EQ(data->totalSettlement[1], 0.0f);
  ASSERT_EQ(run.report.lines.size(), 16u);
  EXPECT_EQ(run.report.lines[3], " THE CALCULATED STRESS     0.5000");
  EXPECT_EQ(run.report.lines[4], " IS SMALLER THAN THE SMALLEST PRESSURE    1.0000");
  EXPECT_EQ(run.report.lines[11], " THE CALCULATED STRESS    25.0000");
  EXPECT_EQ(run.report.lines[12], " IS HIGHER THAN THE LARGEST PRESSURE   10.0000");
  EXPECT_EQ(run.message.lines, run.report.lines);
}

TEST(Settlements, StopAtAnFLogPSublayerWithoutAPositivePressure) {
  struct Case {
    float overburden;
    float stressIncrease;
    const char* what;
  };
  const Case cases[] = {
      {0.0f, 1.0f,
       " THE F-LOG P SLOPE OF CURVE 4 NEEDS PRESSURES ABOVE 0.0, FOUND OVERBURDEN 0 AND FINAL "
       "PRESSURE 1"},
      {1.0f, -3.0f,
       " THE F-LOG P SLOPE OF CURVE 4 NEEDS PRESSURES ABOVE 0.0, FOUND OVERBURDEN 1 AND FINAL "
       "PRESSURE -2"},
  };
  for (const Case& c : cases) {
    auto data = problem(2, kSiAbsolute);
    data->sublayers[2].curveIndex = kStrainLogPressure;
    data->sublayers[2].overburden = c.overburden;
    data->averageStressIncrease[1][2] = c.stressIncrease;
    testing::CapturedRun run;
    EXPECT_EQ(computeSettlements(*data, run.outputs), 15);
    const std::vector<std::string> block = {
        "", "************ INPUT DATA ERROR ************",
        " SETTLEMENT POINT 1 (POINT NO. 7), SUBLAYER 2:", c.what, ""};
    EXPECT_EQ(run.report.lines, block);
    EXPECT_EQ(run.message.lines, block);
    EXPECT_EQ(run.console.lines, block);
  }
}

}  // namespace
}  // namespace veldor
