#pragma once

#include <cmath>
#include <cstdint>

namespace veldor {

// The incomplete elliptic integrals E(phi, m) of the second kind and F(phi, m) of the first
// kind, m = k squared.
struct EllipticIntegralValues {
  double secondKind;  // E
  double firstKind;   // F
};

// E(phi, m) and F(phi, m) by the composite Weddle rule over 12 intervals, in double
// precision. An ordinate of exactly 0 counts 1.0E35 in F in place of its infinite reciprocal;
// m * sin^2 above 1 gives a not-a-number.
EllipticIntegralValues EllipticIntegrals(double phi, double m);

// The complete integrals E(m) and K(m): EllipticIntegrals(pi/2, m), bit for bit, with the
// sines of the fixed abscissae evaluated once.
EllipticIntegralValues CompleteEllipticIntegrals(double m);

// Vertical stress over surface pressure beneath a uniformly loaded circle (Boussinesq), at a
// horizontal offset from its centre and a depth below the loaded level. Evaluated in double
// precision, returned rounded to single.
float CircleInfluence(float radius, float offset, float depth);

// Newmark's influence value beneath the corner of a uniformly loaded rectangle whose sides,
// divided by the depth, are m and n. Single precision throughout. Defined here so that the
// four corner values of a rectangle's depth loop share their squares.
inline float CornerInfluence(float m, float n) {
  // The single-precision literals of the classical formula, not pi and 4 pi in full.
  constexpr float kPiLiteral = 3.141593f;
  constexpr float kFourPiLiteral = 12.56637f;
  constexpr float kNoArea = 1e-7f;
  const float v = 2.0f * m * n;
  if (v < kNoArea) return 0.0f;
  const float s = 1.0f + m * m + n * n;
  const float p = m * m * (n * n);
  const float w = v * std::sqrt(s);
  // Beyond m^2 n^2 = m^2 + n^2 + 1 the angle lies in (pi/2, pi).
  float angle = std::atan(w / (s - p));
  if (angle < 0.0f) angle = angle + kPiLiteral;
  return (w * (1.0f + s) / ((p + s) * s) + angle) / kFourPiLiteral;
}

// One over the area over which a pile group's load has spread (2:1) at the given depth, when
// the settlement point lies within that area; 0 otherwise. The mode names the level the load
// spreads from: 1 the pile top, 2 two thirds of the way down to the tip (rounded down to a
// multiple of 0.5), 3 the pile tip.
float SpreadFactor(std::int32_t mode, float pileTopDepth, float pileTipDepth, float yLength,
                   float xLength, float depth, float centreX, float centreY, float pointX,
                   float pointY);

}  // namespace veldor
