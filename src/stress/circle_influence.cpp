#include <cmath>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kOnAxisOffset = 1e-6;
constexpr double kRimDistance = 1e-6;

}  // namespace

float CircleInfluence(float radius, float offset, float depth) {
  const double R = radius;
  const double r = offset;
  const double z = depth;

  if (r < kOnAxisOffset) {
    const double c = z * z / (R * R + z * z);
    return static_cast<float>(1.0 - c * std::sqrt(c));
  }

  // Distances from the point to the nearest and farthest rim points in its radial plane.
  const double d = R - r;
  const double rho1 = d != 0.0 ? std::sqrt(d * d + z * z) : z;
  if (rho1 < kRimDistance) return 0.5f;  // on the rim at the loaded level
  const double far = R + r;
  const double rho2 = std::sqrt(far * far + z * z);

  const double ratio = rho1 / rho2;
  const double complementaryParameter = ratio * ratio;    // k'^2
  const double parameter = 1.0 - complementaryParameter;  // k^2
  const EllipticIntegralValues complete = CompleteEllipticIntegrals(parameter);

  double amplitude = kHalfPi;
  if (z != rho1) {
    const double sine = z / rho1;
    amplitude = std::atan2(sine, std::sqrt(1.0 - sine * sine));
  }
  const EllipticIntegralValues incomplete = EllipticIntegrals(amplitude, complementaryParameter);

  // One half of Heuman's Lambda function.
  const double lambda = (incomplete.secondKind * complete.firstKind -
                         (complete.firstKind - complete.secondKind) * incomplete.firstKind) /
                        kPi;
  const double areaTerm = d < 0.0 ? lambda : (d > 0.0 ? 1.0 - lambda : 0.5);
  return static_cast<float>(areaTerm - z * ((z * z - R * R + r * r) / (rho2 * rho1)) *
                                           complete.secondKind / (rho1 * kPi));
}

}  // namespace veldor
