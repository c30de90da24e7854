#include "stress/influence_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "boussinesq_reference.h"

namespace veldor {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

// Complete integrals by the arithmetic-geometric mean, an independent check of the rule.
struct CompleteByMean {
  double e;
  double k;
};

CompleteByMean completeByMean(double m) {
  double a = 1.0;
  double g = std::sqrt(1.0 - m);
  double c = std::sqrt(m);
  double sum = 0.5 * c * c;
  double power = 0.5;
  for (int step = 0; step < 8; ++step) {  // converges quadratically: 8 steps are plenty
    const double an = 0.5 * (a + g);
    c = 0.5 * (a - g);
    g = std::sqrt(a * g);
    a = an;
    power *= 2.0;
    sum += power * c * c;
  }
  const double k = std::numbers::pi / (2.0 * a);
  return {k * (1.0 - sum), k};
}

TEST(EllipticIntegrals, CompleteIntegralsAgreeWithTheArithmeticGeometricMean) {
  struct Case {
    double m;
    double relativeError;  // of the 12-interval rule, growing as m nears 1
  };
  for (const Case c : {Case{0.1, 1e-7}, Case{0.5, 1e-6}, Case{0.8, 3e-5}}) {
    const EllipticIntegralValues rule = EllipticIntegrals(kHalfPi, c.m);
    const CompleteByMean exact = completeByMean(c.m);
    EXPECT_NEAR(rule.secondKind, exact.e, c.relativeError * exact.e) << "m = " << c.m;
    EXPECT_NEAR(rule.firstKind, exact.k, c.relativeError * exact.k) << "m = " << c.m;
  }
}

TEST(EllipticIntegrals, ZeroParameterGivesTheAmplitude) {
  const EllipticIntegralValues values = EllipticIntegrals(kHalfPi, 0.0);
  EXPECT_NEAR(values.secondKind, kHalfPi, 1e-7);
  EXPECT_NEAR(values.firstKind, kHalfPi, 1e-7);
}

TEST(EllipticIntegrals, ZeroAmplitudeGivesZero) {
  const EllipticIntegralValues values = EllipticIntegrals(0.0, 0.7);
  EXPECT_EQ(values.secondKind, 0.0);
  EXPECT_EQ(values.firstKind, 0.0);
}

TEST(EllipticIntegrals, ZeroOrdinateCountsAsAHugeButFiniteReciprocal) {
  // The last ordinate sqrt(1 - sin^2(pi/2)) is 0: F = 0.3 (pi/24) 1.0E35 plus finite terms.
  const EllipticIntegralValues values = EllipticIntegrals(kHalfPi, 1.0);
  ASSERT_TRUE(std::isfinite(values.firstKind));
  EXPECT_NEAR(values.firstKind, 0.3 * std::numbers::pi / 24.0 * 1.0E35, 1e-6 * 3.9e33);
  EXPECT_NEAR(values.secondKind, 1.0, 1e-3);  // E(1) = 1
}

TEST(EllipticIntegrals, IncompleteIntegralsAgreeWithAFineSimpsonRule) {
  const double phi = 1.1;
  const double m = 0.6;
  constexpr int kIntervals = 2000;
  double e = 0.0;
  double f = 0.0;
  for (int i = 0; i <= kIntervals; ++i) {
    const double s = std::sin(i * phi / kIntervals);
    const double y = std::sqrt(1.0 - m * s * s);
    e += testing::simpsonWeight(i, kIntervals) * y;
    f += testing::simpsonWeight(i, kIntervals) / y;
  }
  e *= phi / kIntervals / 3.0;
  f *= phi / kIntervals / 3.0;
  const EllipticIntegralValues values = EllipticIntegrals(phi, m);
  EXPECT_NEAR(values.secondKind, e, 1e-6 * e);
  EXPECT_NEAR(values.firstKind, f, 1e-6 * f);
}

TEST(EllipticIntegrals, PrecomputedSinesGiveTheSameBits) {
  for (int i = 0; i <= 1000; ++i) {
    const double m = i / 1000.0;
    const EllipticIntegralValues plain = EllipticIntegrals(kHalfPi, m);
    const EllipticIntegralValues complete = CompleteEllipticIntegrals(m);
    ASSERT_EQ(plain.secondKind, complete.secondKind) << "m = " << m;
    ASSERT_EQ(plain.firstKind, complete.firstKind) << "m = " << m;
  }
  for (const double m : {std::nextafter(1.0, 0.0), 0.2, 1.0 / 3.0}) {
    EXPECT_EQ(EllipticIntegrals(kHalfPi, m).firstKind, CompleteEllipticIntegrals(m).firstKind);
  }
}

TEST(CircleInfluence, ValuesOfTheWorkedExamples) {
  EXPECT_NEAR(CircleInfluence(1.0f, 1.0f, 1.0f), 0.3322f, 1e-4f);
  EXPECT_NEAR(CircleInfluence(1.0f, 2.0f, 0.5f), 0.01047f, 1e-5f);
  EXPECT_NEAR(CircleInfluence(1.0f, 0.5f, 1.0f), 0.5622f, 1e-4f);
}

TEST(CircleInfluence, AtTheLoadedLevelFullInsideHalfOnTheRimNoneOutside) {
  EXPECT_EQ(CircleInfluence(2.0f, 0.0f, 0.0f), 1.0f);
  EXPECT_FLOAT_EQ(CircleInfluence(2.0f, 1.3f, 0.0f), 1.0f);
  EXPECT_EQ(CircleInfluence(2.0f, 2.0f, 0.0f), 0.5f);
  EXPECT_FLOAT_EQ(CircleInfluence(2.0f, 2.7f, 0.0f), 0.0f);
}

TEST(CircleInfluence, OnTheAxisFollowsTheClassicalClosedForm) {
  // sigma/q = 1 - 1 / (1 + (R/z)^2)^1.5
  for (const float z : {0.25f, 1.0f, 3.0f, 12.0f}) {
    const double ratio = 1.5 / z;
    const double closedForm = 1.0 - 1.0 / std::pow(1.0 + ratio * ratio, 1.5);
    EXPECT_NEAR(CircleInfluence(1.5f, 0.0f, z), closedForm, 1e-7) << "z = " << z;
  }
}

TEST(CircleInfluence, OffTheAxisAgreesWithTheIntegratedPointLoadSolution) {
  struct Case {
    float offset;
    float depth;
  };
  // Inside, on and outside the rim of a circle of radius 1, shallow and deep.
  for (const Case c : {Case{0.3f, 0.5f}, Case{0.9f, 1.0f}, Case{1.0f, 0.5f}, Case{1.0f, 2.0f},
                       Case{1.5f, 0.75f}, Case{3.0f, 2.0f}}) {
    EXPECT_NEAR(CircleInfluence(1.0f, c.offset, c.depth),
                testing::circleByIntegration(1.0, c.offset, c.depth), 2e-5)
        << "offset " << c.offset << ", depth " << c.depth;
  }
}

TEST(CornerInfluence, ValuesOfTheWorkedExamples) {
  EXPECT_NEAR(CornerInfluence(1.0f, 1.0f), 0.1752f, 1e-4f);
  EXPECT_NEAR(CornerInfluence(2.0f, 2.0f), 0.23247f, 1e-5f);
}

TEST(CornerInfluence, NoWidthGivesZeroAndUnboundedSidesGiveAQuarter) {
  EXPECT_EQ(CornerInfluence(0.0f, 3.0f), 0.0f);
  EXPECT_EQ(CornerInfluence(3.0f, 0.0f), 0.0f);
  EXPECT_NEAR(CornerInfluence(1000.0f, 1000.0f), 0.25f, 1e-5f);
}

TEST(CornerInfluence, AgreesWithTheClosedFormInDoubleOnBothSidesOfTheArctangentBranch) {
  // Below m n = 1 (roughly) the arctangent lies in (0, pi/2), beyond it in (pi/2, pi);
  // the two-argument arctangent of the closed form covers both.
  for (const float m : {0.1f, 0.5f, 1.0f, 1.7f, 4.0f, 25.0f}) {
    for (const float n : {0.2f, 1.0f, 2.5f, 10.0f}) {
      const double md = m;
      const double nd = n;
      const double s = 1.0 + md * md + nd * nd;
      const double w = 2.0 * md * nd * std::sqrt(s);
      const double p = md * md * nd * nd;
      const double closedForm =
          (w / (s + p) * (s + 1.0) / s + std::atan2(w, s - p)) / (4.0 * std::numbers::pi);
      EXPECT_NEAR(CornerInfluence(m, n), closedForm, 1e-6) << "m " << m << ", n " << n;
      EXPECT_EQ(CornerInfluence(m, n), CornerInfluence(n, m)) << "m " << m << ", n " << n;
    }
  }
}

TEST(CornerInfluence, AgreesWithTheIntegratedPointLoadSolution) {
  // Sides 2 and 3 at depth 1.5 beneath the corner.
  EXPECT_NEAR(CornerInfluence(2.0f / 1.5f, 3.0f / 1.5f),
              testing::rectangleByIntegration(0.0, 2.0, 0.0, 3.0, 1.5), 1e-6);
}

TEST(SpreadFactor, TwoThirdsModeRoundsTheReferenceLevelDownToAHalf) {
  struct Case {
    float top;
    float tip;
    float level;  // t = top + 2 (tip - top) / 3, rounded down to a multiple of 0.5
  };
  for (const Case c : {Case{2.0f, 5.5f, 4.0f},      // t = 4.333
                       Case{2.0f, 6.5f, 5.0f},      // t = 5.0
                       Case{2.0f, 7.25f, 5.5f},     // t = 5.5
                       Case{2.0f, 7.7f, 5.5f},      // t = 5.8
                       Case{0.0f, 10.0f, 6.5f}}) {  // t = 6.667
    // At the level z = 0: the spread area is the footprint, 2 x 4.
    EXPECT_EQ(SpreadFactor(2, c.top, c.tip, 4.0f, 2.0f, c.level, 0.0f, 0.0f, 0.0f, 0.0f),
              1.0f / 8.0f)
        << "tip " << c.tip;
    EXPECT_EQ(SpreadFactor(2, c.top, c.tip, 4.0f, 2.0f, std::nextafter(c.level, 0.0f), 0.0f, 0.0f,
                           0.0f, 0.0f),
              0.0f)
        << "tip " << c.tip;
  }
}

TEST(SpreadFactor, TopAndTipModesStartJustBelowTheirLevel) {
  struct Case {
    std::int32_t mode;
    float level;
  };
  for (const Case c : {Case{1, 3.0f}, Case{3, 9.0f}}) {
    EXPECT_EQ(SpreadFactor(c.mode, 3.0f, 9.0f, 1.0f, 1.0f, c.level, 0, 0, 0, 0), 0.0f);
    EXPECT_EQ(SpreadFactor(c.mode, 3.0f, 9.0f, 1.0f, 1.0f, c.level + 0.000009f, 0, 0, 0, 0), 0.0f);
    // z = 1: the 1 x 1 footprint has spread to 2 x 2.
    EXPECT_EQ(SpreadFactor(c.mode, 3.0f, 9.0f, 1.0f, 1.0f, c.level + 1.0f, 0, 0, 0, 0), 0.25f);
  }
}

TEST(SpreadFactor, EdgesOfTheSpreadRectangleCount) {
  // Mode 1, z = 2: the 2 x 4 footprint centred at (10, 20) has spread to 4 x 6.
  const auto at = [](float x, float y) {
    return SpreadFactor(1, 0.0f, 5.0f, 4.0f, 2.0f, 2.0f, 10.0f, 20.0f, x, y);
  };
  for (const auto& [x, y] :
       {std::pair{12.0f, 20.0f}, std::pair{8.0f, 20.0f}, std::pair{10.0f, 23.0f},
        std::pair{10.0f, 17.0f}, std::pair{12.0f, 23.0f}}) {
    EXPECT_EQ(at(x, y), 1.0f / 24.0f) << x << ", " << y;
  }
  for (const auto& [x, y] : {std::pair{12.01f, 20.0f}, std::pair{7.99f, 20.0f},
                             std::pair{10.0f, 23.01f}, std::pair{10.0f, 16.99f}}) {
    EXPECT_EQ(at(x, y), 0.0f) << x << ", " << y;
  }
}

TEST(SpreadFactor, UnknownModeGivesNothing) {
  for (const std::int32_t mode : {0, 4, -1}) {
    EXPECT_EQ(SpreadFactor(mode, 0.0f, 5.0f, 1.0f, 1.0f, 8.0f, 0, 0, 0, 0), 0.0f);
  }
}

}  // namespace
}  // namespace veldor
