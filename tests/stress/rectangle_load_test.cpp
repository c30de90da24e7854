#include "stress/rectangle_load.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "boussinesq_reference.h"

namespace veldor {
namespace {

LoadedArea rectangle(float xLength, float yLength, float slope, float load) {
  LoadedArea area{};
  area.shape = kRectangle;
  area.xLength = xLength;
  area.yLength = yLength;
  area.slope = slope;
  area.load = load;
  return area;
}

// The stress increase beneath (x, y) at the given depths, the area loaded at depth 0.
std::vector<float> stressBeneath(const LoadedArea& area, float x, float y,
                                 std::vector<float> depths) {
  std::vector<float> stress(depths.size(), 0.0f);
  SettlementPoint point{};
  point.x = x;
  point.y = y;
  RectangleLoad(area).addStressBeneath(point, depths, stress);
  return stress;
}

TEST(RectangleLoad, SquareUnderItsCentre) {
  // Side 4, q = 1. At z = 1 each quarter is CornerInfluence(2, 2) = 0.2324663 and
  // 4 x 0.2324663 = 0.929865 truncates to 0.92986 (rounding would give 0.92987). At the
  // loaded level the four quarters count 0.25 each.
  const std::vector<float> stress =
      stressBeneath(rectangle(4.0f, 4.0f, 0.0f, 1.0f), 0.0f, 0.0f, {-0.25f, 0.0f, 1.0f});
  EXPECT_EQ(stress[0], 0.0f);  // above the loaded level
  EXPECT_EQ(stress[1], 1.0f);
  EXPECT_NEAR(stress[2], 0.92986f, 1e-6f);
}

TEST(RectangleLoad, PointBesideTheLongSide) {
  // 4 x 2 at the origin, point (3, 0.5): a1 = 5, a2 = 1, b1 = 1.5, b2 = 0.5, case 1;
  // at z = 1: I(5,1.5) + I(5,0.5) - I(1,1.5) - I(1,0.5) = 0.0531625, truncated 0.05316.
  const LoadedArea area = rectangle(4.0f, 2.0f, 0.0f, 1.0f);
  const CornerRectangles corners = cornerRectanglesAt(planOfRectangle(area), 3.0f, 0.5f);
  EXPECT_EQ(corners.positionCase, 1);
  EXPECT_EQ(corners.a1, 5.0f);
  EXPECT_EQ(corners.a2, 1.0f);
  EXPECT_EQ(corners.b1, 1.5f);
  EXPECT_EQ(corners.b2, 0.5f);
  EXPECT_NEAR(stressBeneath(area, 3.0f, 0.5f, {1.0f})[0], 0.05316f, 1e-6f);
}

TEST(RectangleLoad, TruncatedSideOfARotatedRectangleComesOutShort) {
  // Slope 0.5: the corners carry rounding, |C1C2| computes just below 4 and truncates to
  // 3.999. Unrotated, the centre gets 4 x I(2, 1) = 0.79976 at z = 1; the shortened lengths
  // lower it in the fourth decimal.
  const LoadedArea area = rectangle(4.0f, 2.0f, 0.5f, 1.0f);
  const CornerRectangles corners = cornerRectanglesAt(planOfRectangle(area), 0.0f, 0.0f);
  EXPECT_EQ(corners.positionCase, 9);
  EXPECT_EQ(corners.sideA, 3.999f);
  EXPECT_NEAR(stressBeneath(rectangle(4.0f, 2.0f, 0.0f, 1.0f), 0.0f, 0.0f, {1.0f})[0], 0.79976f,
              1e-6f);
  const float rotated = stressBeneath(area, 0.0f, 0.0f, {1.0f})[0];
  EXPECT_GT(0.79976f - rotated, 0.00005f);
  EXPECT_LT(0.79976f - rotated, 0.001f);
}

TEST(RectangleLoad, PointOnAnEdgeAtTheLoadedLevelGetsHalf) {
  // 4 x 2, q = 2: on the edge u = hx (a2 = 0) two corner rectangles have no width.
  const LoadedArea area = rectangle(4.0f, 2.0f, 0.0f, 2.0f);
  EXPECT_EQ(cornerRectanglesAt(planOfRectangle(area), 2.0f, 0.0f).positionCase, 9);
  EXPECT_EQ(stressBeneath(area, 2.0f, 0.0f, {0.0f})[0], 1.0f);
  EXPECT_EQ(stressBeneath(area, 2.5f, 0.0f, {0.0f})[0], 0.0f);
  EXPECT_EQ(stressBeneath(area, 1.0f, 0.5f, {0.0f})[0], 2.0f);
}

TEST(RectangleLoad, LargeAreaGivesItsLoadAtShallowDepth) {
  // 200 x 200 at z = 0.25: the influence value is 1 - 1e-8 under the centre and 1 - 1.3e-7
  // at (-70, -30); truncated to five decimals, 0.99999 at least.
  const LoadedArea area = rectangle(200.0f, 200.0f, 0.0f, 3.0f);
  EXPECT_NEAR(stressBeneath(area, 0.0f, 0.0f, {0.25f})[0], 3.0f, 3.0f * 1.1e-5f);
  EXPECT_NEAR(stressBeneath(area, -70.0f, -30.0f, {0.25f})[0], 3.0f, 3.0f * 1.1e-5f);
}

struct PositionCase {
  std::int32_t positionCase;
  float u;  // the point on the rectangle's own axes, 4 x 2 at the origin (hx = 2, hy = 1)
  float v;
};

constexpr std::array<PositionCase, 9> kPositionCases{{{1, 3.0f, 0.5f},
                                                      {2, 0.5f, 2.0f},
                                                      {3, 3.0f, 2.0f},
                                                      {4, -3.0f, 2.0f},
                                                      {5, 0.5f, -2.0f},
                                                      {6, 3.0f, -2.0f},
                                                      {7, -3.0f, -2.0f},
                                                      {8, -3.0f, 0.5f},
                                                      {9, 0.5f, 0.5f}}};

TEST(RectangleLoad, EveryPositionCaseAgreesWithTheIntegratedPointLoadSolution) {
  const LoadedArea area = rectangle(4.0f, 2.0f, 0.0f, 1.0f);
  for (const PositionCase& c : kPositionCases) {
    EXPECT_EQ(cornerRectanglesAt(planOfRectangle(area), c.u, c.v).positionCase, c.positionCase);
    for (const float z : {0.5f, 1.0f, 3.0f}) {
      // The rectangle relative to the point; the lengths are exact, only the five-decimal
      // truncation (1e-5) and single precision separate the two.
      const double reference =
          testing::rectangleByIntegration(-2.0 - c.u, 2.0 - c.u, -1.0 - c.v, 1.0 - c.v, z);
      EXPECT_NEAR(stressBeneath(area, c.u, c.v, {z})[0], reference, 1.2e-5)
          << "case " << c.positionCase << ", z " << z;
    }
  }
}

TEST(RectangleLoad, RotatingRectangleAndPointTogetherKeepsTheStress) {
  // Slope 0.75: cos 0.8, sin 0.6. The corners and the point carry rounding, so each of the
  // six truncated lengths may come out 0.001 short; a corner value changes by at most about
  // 0.16 per unit of m at z = 1, so the four together by up to 7e-4, plus the truncation.
  const LoadedArea unrotated = rectangle(4.0f, 2.0f, 0.0f, 1.0f);
  LoadedArea rotated = rectangle(4.0f, 2.0f, 0.75f, 1.0f);
  rotated.x = 10.0f;
  rotated.y = -5.0f;
  for (const PositionCase& c : kPositionCases) {
    const float x = 10.0f + (c.u * 0.8f - c.v * 0.6f);
    const float y = -5.0f + (c.u * 0.6f + c.v * 0.8f);
    EXPECT_EQ(cornerRectanglesAt(planOfRectangle(rotated), x, y).positionCase, c.positionCase);
    const std::vector<float> depths{0.0f, 0.5f, 1.0f, 4.0f};
    const std::vector<float> expected = stressBeneath(unrotated, c.u, c.v, depths);
    const std::vector<float> actual = stressBeneath(rotated, x, y, depths);
    for (std::size_t k = 0; k < depths.size(); ++k) {
      EXPECT_NEAR(actual[k], expected[k], 7.2e-4f)
          << "case " << c.positionCase << ", z " << depths[k];
    }
  }
}

}  // namespace
}  // namespace veldor
