#include <cmath>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

// The single-precision literals of the classical formula, not pi and 4 pi in full.
constexpr float kPiLiteral = 3.141593f;
constexpr float kFourPiLiteral = 12.56637f;
constexpr float kNoArea = 1e-7f;

}  // namespace

float CornerInfluence(float m, float n) {
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

}  // namespace veldor
