#include "settlement/compressibility_curve.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {
namespace {

// Curve 3 of the store: pairs (1 %, 10), (3 %, 1000), (5 %, 10000).
std::unique_ptr<ProblemData> threePairCurve() {
  auto data = std::make_unique<ProblemData>();
  data->curveCount = 3;
  CompressibilityCurve& curve = data->curves[3];
  curve.pairCount = 3;
  curve.strain = {0.0f, 0.01f, 0.03f, 0.05f};
  curve.pressure = {0.0f, 10.0f, 1000.0f, 10000.0f};
  return data;
}

std::vector<std::string> warning(const std::string& pressureLine, const std::string& limitLine) {
  return {"",
          "",
          "*********** WARNING *************",
          pressureLine,
          limitLine,
          " ON THE SOIL COMPRESSIBILITY CURVE NUMBER    3",
          " ADD NEW PRESSURE DATA.",
          ""};
}

TEST(StrainAtPressure, ReturnsPairStrainsAndInterpolatesInLogPressure) {
  struct Case {
    float pressure;
    float strain;
  };
  const Case cases[] = {
      {10.0f, 0.01f},      {1000.0f, 0.03f},
      {10000.0f, 0.05f},   {100.0f, 0.02f},  // halfway in log between 10 and 1000
      {3162.2776f, 0.04f},                   // halfway in log between 1000 and 10000
  };
  auto data = threePairCurve();
  testing::CapturedRun run;
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(StrainAtPressure(*data, 3, c.pressure, &run.outputs), c.strain) << c.pressure;
  }
  EXPECT_EQ(StrainAtPressure(*data, 3, 1000.0f, &run.outputs), 0.03f);  // exactly the pair's
  EXPECT_TRUE(run.report.lines.empty());
  EXPECT_TRUE(run.message.lines.empty());
}

TEST(StrainAtPressure, HoldsTheEndStrainsOutsideTheCurveAndWarns) {
  auto data = threePairCurve();
  testing::CapturedRun run;
  EXPECT_EQ(StrainAtPressure(*data, 3, 5.0f, &run.outputs), 0.01f);
  const auto below = warning(" THE CALCULATED STRESS     5.0000",
                             " IS SMALLER THAN THE SMALLEST PRESSURE   10.0000");
  EXPECT_EQ(run.report.lines, below);
  EXPECT_EQ(run.message.lines, below);

  testing::CapturedRun above;
  EXPECT_EQ(StrainAtPressure(*data, 3, 20000.5f, &above.outputs), 0.05f);
  const auto expected = warning(" THE CALCULATED STRESS 20000.5000",
                                " IS HIGHER THAN THE LARGEST PRESSURE10000.0000");
  EXPECT_EQ(above.report.lines, expected);
  EXPECT_EQ(above.message.lines, expected);
  EXPECT_TRUE(above.console.lines.empty());
}

TEST(StrainAtPressure, WritesNothingWithWarningsOff) {
  auto data = threePairCurve();
  EXPECT_EQ(StrainAtPressure(*data, 3, 5.0f, nullptr), 0.01f);
  EXPECT_EQ(StrainAtPressure(*data, 3, 20000.0f, nullptr), 0.05f);
}

TEST(StrainAtPressure, TakesTheUpperStrainAboveALowerPressureOfZero) {
  auto data = threePairCurve();
  data->curves[3].pressure[1] = 0.0f;
  EXPECT_EQ(StrainAtPressure(*data, 3, 5.0f, nullptr), 0.03f);
  EXPECT_EQ(StrainAtPressure(*data, 3, 0.0f, nullptr), 0.01f);
}

TEST(CurveKind, FollowsThePairCountAndTheSlopeSign) {
  struct Case {
    std::int32_t pairCount;
    float slope;
    CurveKind kind;
  };
  const Case cases[] = {
      {2, -1.0f, CurveKind::kTabulated},
      {48, 0.0f, CurveKind::kTabulated},
      {1, -0.005f, CurveKind::kStrainPressureSlope},
      {0, 0.0f, CurveKind::kStrainLogPressureSlope},
      {-1, 0.05f, CurveKind::kStrainLogPressureSlope},
  };
  for (const Case& c : cases) {
    CompressibilityCurve curve{};
    curve.pairCount = c.pairCount;
    curve.slope = c.slope;
    EXPECT_EQ(curveKind(curve), c.kind) << c.pairCount << " " << c.slope;
  }
}

TEST(InitialStrain, IsZeroForSlopeCurvesAndTheCurveStrainOtherwise) {
  auto data = threePairCurve();
  data->curves[1].pairCount = 0;
  data->curves[1].slope = 0.05f;
  data->curves[2].pairCount = 1;
  data->curves[2].slope = -0.005f;
  EXPECT_EQ(initialStrain(*data, 1, 100.0f), 0.0f);
  EXPECT_EQ(initialStrain(*data, 2, 100.0f), 0.0f);
  EXPECT_FLOAT_EQ(initialStrain(*data, 3, 100.0f), 0.02f);
}

}  // namespace
}  // namespace veldor
