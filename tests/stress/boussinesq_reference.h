#pragma once

#include <cmath>
#include <numbers>

// Independent reference values for the influence factors: the Boussinesq point-load
// solution, sigma_z = 3 P z^3 / (2 pi R^5), integrated numerically in double precision over a
// uniformly loaded area (stress over surface pressure).
namespace veldor::testing {

inline double boussinesqKernel(double planDistanceSquared, double z) {
  return 3.0 * z * z * z / (2.0 * std::numbers::pi) / std::pow(planDistanceSquared + z * z, 2.5);
}

// Composite Simpson weight of node i out of an even count of intervals.
inline double simpsonWeight(int i, int intervals) {
  if (i == 0 || i == intervals) return 1.0;
  return i % 2 == 1 ? 4.0 : 2.0;
}

// Over the rectangle [x0, x1] x [y0, y1], the point at the plan origin, depth z.
inline double rectangleByIntegration(double x0, double x1, double y0, double y1, double z) {
  constexpr int kIntervals = 400;
  const double hx = (x1 - x0) / kIntervals;
  const double hy = (y1 - y0) / kIntervals;
  double sum = 0.0;
  for (int i = 0; i <= kIntervals; ++i) {
    const double x = x0 + i * hx;
    for (int j = 0; j <= kIntervals; ++j) {
      const double y = y0 + j * hy;
      sum += simpsonWeight(i, kIntervals) * simpsonWeight(j, kIntervals) *
             boussinesqKernel(x * x + y * y, z);
    }
  }
  return sum * hx * hy / 9.0;
}

// Over the circle of the given radius, the point at the given offset from its centre.
inline double circleByIntegration(double radius, double offset, double z) {
  constexpr int kRadialIntervals = 400;
  constexpr int kAngles = 720;  // the periodic angle integrand: the trapezoid rule suffices
  const double hs = radius / kRadialIntervals;
  const double ht = 2.0 * std::numbers::pi / kAngles;
  double sum = 0.0;
  for (int i = 0; i <= kRadialIntervals; ++i) {
    const double s = i * hs;
    double ring = 0.0;
    for (int j = 0; j < kAngles; ++j) {
      const double planSquared = s * s + offset * offset - 2.0 * s * offset * std::cos(j * ht);
      ring += boussinesqKernel(planSquared, z);
    }
    sum += simpsonWeight(i, kRadialIntervals) * s * ring * ht;
  }
  return sum * hs / 3.0;
}

}  // namespace veldor::testing
