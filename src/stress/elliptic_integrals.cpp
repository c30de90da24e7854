#include <array>
#include <cmath>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

constexpr int kIntervals = 12;
// Two Weddle panels of six intervals; the ordinate they share counts twice.
constexpr std::array<double, kIntervals + 1> kWeddleWeights{1, 5, 1, 6, 1, 5, 2, 5, 1, 6, 1, 5, 1};
// The rule's factor 3/10, held as the single-precision 0.3 and widened.
constexpr double kWeddleFactor = static_cast<double>(0.3f);
// Stands for the reciprocal of an ordinate that is exactly 0 (F's integrand at m sin^2 = 1).
constexpr double kUnboundedReciprocal = 1.0E35;
constexpr double kHalfPi = 1.5707963267948966;

using SineSquares = std::array<double, kIntervals + 1>;

SineSquares sineSquaresOfAbscissae(double step) {
  SineSquares squares;
  for (int i = 0; i <= kIntervals; ++i) {
    const double sine = std::sin(i * step);
    squares[i] = sine * sine;
  }
  return squares;
}

EllipticIntegralValues weddleRule(double step, const SineSquares& squares, double m) {
  double ordinateSum = 0.0;
  double reciprocalSum = 0.0;
  for (int i = 0; i <= kIntervals; ++i) {
    const double ordinate = std::sqrt(1.0 - m * squares[i]);
    const double reciprocal = ordinate == 0.0 ? kUnboundedReciprocal : 1.0 / ordinate;
    ordinateSum += kWeddleWeights[i] * ordinate;
    reciprocalSum += kWeddleWeights[i] * reciprocal;
  }
  const double factor = step * kWeddleFactor;
  return {factor * ordinateSum, factor * reciprocalSum};
}

}  // namespace

EllipticIntegralValues EllipticIntegrals(double phi, double m) {
  const double step = phi / kIntervals;
  return weddleRule(step, sineSquaresOfAbscissae(step), m);
}

EllipticIntegralValues CompleteEllipticIntegrals(double m) {
  constexpr double step = kHalfPi / kIntervals;
  static const SineSquares squares = sineSquaresOfAbscissae(step);
  return weddleRule(step, squares, m);
}

}  // namespace veldor
