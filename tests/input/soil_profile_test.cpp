#include "input/soil_profile.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {
namespace {

// Layers with the given bottoms, all of unit weight 120 lb/ft3 on curve 1, a slope curve.
std::unique_ptr<ProblemData> layered(std::initializer_list<float> bottoms) {
  auto data = std::make_unique<ProblemData>();
  data->unitSystem = kUsGravitational;
  data->gravityFactor = 1.0f;
  data->curveCount = 1;
  data->curves[1].pairCount = 0;
  for (const float bottom : bottoms) {
    const std::int32_t j = ++data->layerCount;
    data->layerBottom[j] = bottom;
    data->layers[j] = {j, bottom, 120.0f, 1, 1.0f};
  }
  return data;
}

std::vector<float> sublayerBottoms(const ProblemData& data) {
  std::vector<float> bottoms;
  for (std::int32_t s = 1; s <= data.sublayerCount; ++s)
    bottoms.push_back(data.sublayers[s].depthToBottom);
  return bottoms;
}

TEST(SoilProfile, CutsWholeHalfSlicesStackedFromTheSurface) {
  struct Case {
    std::initializer_list<float> bottoms;
    std::vector<float> sublayerBottoms;
  };
  const Case cases[] = {
      {{2.0f, 5.0f}, {0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f}},
      // 1.3 thick gives 2 slices (to 1.0); the 1.7 below gives 3, at 1.0 to 2.5.
      {{1.3f, 3.0f}, {0.5f, 1.0f, 1.5f, 2.0f, 2.5f}},
      {{2.5f}, {0.5f, 1.0f, 1.5f, 2.0f, 2.5f}},
      // 0.4 thick gives nothing; the 1.0 below it gives 2, from the surface down.
      {{0.4f, 1.4f}, {0.5f, 1.0f}},
      // The second layer's bottom lies above the first's: a negative thickness gives nothing.
      {{1.0f, 0.5f, 1.5f}, {0.5f, 1.0f, 1.5f, 2.0f}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    auto data = layered(c.bottoms);
    testing::CapturedRun run;
    ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);
    EXPECT_EQ(sublayerBottoms(*data), c.sublayerBottoms);
    EXPECT_EQ(data->depthPointCount, 2 * data->sublayerCount + 1);
    for (std::int32_t s = 1; s <= data->sublayerCount; ++s) {
      EXPECT_EQ(data->sublayers[s].number, s);
      EXPECT_EQ(data->sublayers[s].thickness, 0.5f);
    }
  }
}

TEST(SoilProfile, ListsTopsCentresAndTheLastBottomAsDepthPoints) {
  auto data = layered({2.0f, 5.0f});
  testing::CapturedRun run;
  ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);
  ASSERT_EQ(data->sublayerCount, 10);
  ASSERT_EQ(data->depthPointCount, 21);
  for (std::int32_t k = 1; k <= 21; ++k)
    EXPECT_EQ(data->depthPoints[k], 0.25f * static_cast<float>(k - 1)) << k;
}

TEST(SoilProfile, CopiesEachLayersPropertiesToItsSublayers) {
  auto data = layered({1.3f, 3.0f});
  data->curveCount = 2;
  data->curves[2].pairCount = 0;
  data->layers[2].unitWeight = 100.0f;
  data->layers[2].curveIndex = 2;
  data->layers[2].thicknessFactor = 0.7f;
  testing::CapturedRun run;
  ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);
  EXPECT_EQ(data->sublayers[2].curveIndex, 1);
  EXPECT_EQ(data->sublayers[3].curveIndex, 2);
  EXPECT_EQ(data->sublayers[5].unitWeight, 100.0f);
  EXPECT_EQ(data->sublayers[5].thicknessFactor, 0.7f);
}

TEST(SoilProfile, WithoutLayersHoldsOneDepthPointAtTheSurface) {
  auto data = layered({});
  data->depthPoints[1] = 9.0f;  // left by an earlier run
  testing::CapturedRun run;
  ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);
  EXPECT_EQ(data->sublayerCount, 0);
  EXPECT_EQ(data->depthPointCount, 1);
  EXPECT_EQ(data->depthPoints[1], 0.0f);
}

TEST(SoilProfile, AddsHalfASublayersWeightAboveAndBelowEachCentre) {
  // U.S.: 120 lb/ft3 x 0.5 x 0.5 ft / 1000 = 0.03 ksf per half sublayer.
  auto us = layered({1.5f});
  testing::CapturedRun run;
  ASSERT_EQ(buildSoilProfile(*us, run.outputs), 0);
  EXPECT_FLOAT_EQ(us->sublayers[1].overburden, 0.03f);
  EXPECT_FLOAT_EQ(us->sublayers[2].overburden, 0.09f);
  EXPECT_FLOAT_EQ(us->sublayers[3].overburden, 0.15f);
  EXPECT_EQ(us->sublayers[3].initialStrain, 0.0f);  // a slope curve has F0 = 0

  // S.I.: 18 kN/m3 read as 18 x 101.972 kg/m3; x (0.5 x 9.80665) x 0.5 m / 1000 = 4.5 kPa.
  auto si = layered({1.5f});
  si->gravityFactor = 9.80665f;
  si->layers[1].unitWeight = 18.0f * 101.972f;
  ASSERT_EQ(buildSoilProfile(*si, run.outputs), 0);
  EXPECT_NEAR(si->sublayers[1].overburden, 4.5f, 1e-3f);
  EXPECT_NEAR(si->sublayers[2].overburden, 13.5f, 1e-3f);
  EXPECT_NEAR(si->sublayers[3].overburden, 22.5f, 1e-3f);
}

TEST(SoilProfile, ReadsTheInitialStrainFromTheCurveWithoutWarnings) {
  // Pairs (1 %, 1.0) and (2 %, 10.0); the unit weight sets the first centre's overburden:
  // w x 0.5 x 0.5 / 1000 = P0, so w = 4000 P0.
  struct Case {
    float overburden;
    float initialStrain;
  };
  const Case cases[] = {{0.5f, 0.01f}, {10.0f, 0.02f}, {3.1623f, 0.015f}, {20.0f, 0.02f}};
  for (const Case& c : cases) {
    auto data = layered({0.5f});
    data->curves[1].pairCount = 2;
    data->curves[1].strain = {0.0f, 0.01f, 0.02f};
    data->curves[1].pressure = {0.0f, 1.0f, 10.0f};
    data->layers[1].unitWeight = 4000.0f * c.overburden;
    testing::CapturedRun run;
    ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);
    EXPECT_FLOAT_EQ(data->sublayers[1].overburden, c.overburden);
    EXPECT_NEAR(data->sublayers[1].initialStrain, c.initialStrain, 1e-6f) << c.overburden;
    EXPECT_TRUE(run.report.lines.empty());
    EXPECT_TRUE(run.message.lines.empty());
  }
}

TEST(SoilProfile, StopsBeforeStoringASublayerBeyondTheCapacity) {
  // 387.5 is exactly 775 sublayers; one more half length unit needs the 776th.
  auto fits = layered({387.5f});
  testing::CapturedRun run;
  ASSERT_EQ(buildSoilProfile(*fits, run.outputs), 0);
  EXPECT_EQ(fits->sublayerCount, 775);
  EXPECT_TRUE(run.report.lines.empty());

  for (const std::initializer_list<float> bottoms :
       {std::initializer_list<float>{300.0f, 388.0f}, {-3.0e38f, 3.0e38f}}) {
    auto deep = layered(bottoms);
    testing::CapturedRun stopped;
    EXPECT_EQ(buildSoilProfile(*deep, stopped.outputs), 15);
    EXPECT_EQ(deep->sublayers[776].number, 0);
    ASSERT_EQ(stopped.report.lines.size(), 5u);
    EXPECT_EQ(stopped.report.lines[1], "************ INPUT DATA ERROR ************");
    EXPECT_EQ(stopped.report.lines[3],
              " THE PROFILE NEEDS MORE THAN 775 SUBLAYERS, WHICH IS ABOVE THE CAPACITY");
    EXPECT_EQ(stopped.message.lines, stopped.report.lines);
    EXPECT_EQ(stopped.console.lines, stopped.report.lines);
  }
}

TEST(StartSublayer, CountsTheHalfSlicesAboveTheStartLayer) {
  struct Case {
    float secondBottom;
    std::int32_t startLayer;
    std::int32_t expected;
  };
  const Case cases[] = {
      {4.0f, 1, 1},
      {4.0f, 3, 8},
      {1.25f, 3, 3},  // 2.5 rounds away from zero
      {1.2f, 3, 2},
      {4.0f, 0, 0},
      {4.0f, -1, 0},
      {4.0f, 4, 0},
      {-3.0e38f, 3, -2147483647 - 1},  // held within the integer range
  };
  for (const Case& c : cases) {
    auto data = layered({1.0f, c.secondBottom, 9.0f});
    EXPECT_EQ(startSublayerOf(*data, c.startLayer), c.expected)
        << c.secondBottom << " " << c.startLayer;
  }
  EXPECT_EQ(startSublayerOf(*layered({}), 1), 0);
}

}  // namespace
}  // namespace veldor
