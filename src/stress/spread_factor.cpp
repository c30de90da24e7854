#include <cmath>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

constexpr float kBelowSpreadLevel = 1e-5f;
constexpr float kAtReferenceLevel = -1e-9f;

// Two thirds of the way from the pile top to the tip, rounded down to a multiple of 0.5.
float twoThirdsReferenceLevel(float pileTopDepth, float pileTipDepth) {
  const float length = pileTipDepth - pileTopDepth;
  const float twoThirds = pileTopDepth + (length + length) / 3.0f;
  const float whole = std::trunc(twoThirds);
  return twoThirds - whole >= 0.5f ? whole + 0.5f : whole;
}

}  // namespace

float SpreadFactor(std::int32_t mode, float pileTopDepth, float pileTipDepth, float yLength,
                   float xLength, float depth, float centreX, float centreY, float pointX,
                   float pointY) {
  float z = 0.0f;
  switch (mode) {
    case 1:
      z = depth - pileTopDepth;
      if (z < kBelowSpreadLevel) return 0.0f;
      break;
    case 2:
      z = depth - twoThirdsReferenceLevel(pileTopDepth, pileTipDepth);
      if (z < kAtReferenceLevel) return 0.0f;
      break;
    case 3:
      z = depth - pileTipDepth;
      if (z < kBelowSpreadLevel) return 0.0f;
      break;
    default:
      // The input reader stops a run with piles on any other mode, so no run gets here.
      return 0.0f;
  }
  const float spreadX = z + xLength;
  const float spreadY = z + yLength;
  const bool underSpread = centreX + 0.5f * spreadX >= pointX &&
                           pointX >= centreX - 0.5f * spreadX &&
                           centreY + 0.5f * spreadY >= pointY && pointY >= centreY - 0.5f * spreadY;
  return underSpread ? 1.0f / (spreadY * spreadX) : 0.0f;
}

}  // namespace veldor
