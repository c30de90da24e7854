#include "stress/rectangle_load.h"

#include <cmath>
#include <cstddef>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

// Absolute tolerance (length unit) of the position tests.
constexpr float kPositionTolerance = 0.05f;
// At the loaded level a corner rectangle narrower than this in either direction carries nothing.
constexpr float kLoadedLevelMinimumSide = 0.05f;

float truncatedTo3Decimals(float length) { return std::trunc(1000.0f * length) / 1000.0f; }

float distance(PlanPoint from, PlanPoint to) {
  const float dx = to.x - from.x;
  const float dy = to.y - from.y;
  return std::sqrt(dx * dx + dy * dy);
}

bool withinTolerance(float value) { return std::fabs(value) <= kPositionTolerance; }

std::int32_t positionCase(const CornerRectangles& r) {
  const bool xWithin = withinTolerance(r.a1 + (r.a2 - r.sideA));
  const bool yWithin = withinTolerance(r.b2 - (r.sideB - r.b1));
  const bool beyondPlusY = withinTolerance((r.sideB - r.b1) + r.b2);
  const bool beyondMinusY = withinTolerance((r.sideB + r.b1) - r.b2);
  const bool beyondPlusX = withinTolerance((r.sideA + r.a2) - r.a1);
  const bool beyondMinusX = withinTolerance(r.a1 - (r.a2 - r.sideA));
  if (xWithin && yWithin) return 9;
  if (beyondPlusY) return beyondPlusX ? 3 : (xWithin ? 2 : 4);
  if (beyondMinusY) return beyondPlusX ? 6 : (beyondMinusX ? 7 : 5);
  return beyondMinusX ? 8 : 1;
}

float cornerValue(float a, float b, float z) {
  if (z == 0.0f) {
    return a > kLoadedLevelMinimumSide && b > kLoadedLevelMinimumSide ? 0.25f : 0.0f;
  }
  return CornerInfluence(a / z, b / z);
}

}  // namespace

RectanglePlan planOfRectangle(const LoadedArea& area) {
  const float t = area.slope;
  const float root = std::sqrt(t * t + 1.0f);
  const float c = 1.0f / root;
  const float s = t / root;
  const float hx = 0.5f * area.xLength;
  const float hy = 0.5f * area.yLength;
  const float xc = area.x;
  const float yc = area.y;
  return {t,
          {xc - hx * c + hy * s, yc - hx * s - hy * c},
          {xc + hx * c + hy * s, yc + hx * s - hy * c},
          {xc + hx * c - hy * s, yc + hx * s + hy * c},
          {xc - hx * c - hy * s, yc - hx * s + hy * c}};
}

CornerRectangles cornerRectanglesAt(const RectanglePlan& plan, float pointX, float pointY) {
  const PlanPoint& c1 = plan.c1;
  const PlanPoint& c2 = plan.c2;
  const PlanPoint& c3 = plan.c3;
  const PlanPoint& c4 = plan.c4;
  CornerRectangles r{};
  if (plan.slope == 0.0f) {
    r.a1 = std::fabs(c1.x - pointX);
    r.a2 = std::fabs(c2.x - pointX);
    r.b1 = std::fabs(pointY - c2.y);
    r.b2 = std::fabs(c3.y - pointY);
    r.sideA = std::fabs(c2.x - c1.x);
    r.sideB = std::fabs(c1.y - c4.y);
  } else {
    // Feet of the perpendiculars from the point: f1 on the line c1c2 (slope t), f2 on the
    // line c2c3 (slope p = -1/t).
    const float t = plan.slope;
    const float p = -1.0f / t;
    const float interceptC1 = c1.y - t * c1.x;
    const float interceptP = pointY - p * pointX;
    const float f1x = (interceptP - interceptC1) / (t - p);
    const PlanPoint f1{f1x, t * f1x + interceptC1};
    const float interceptQ = pointY - t * pointX;
    const float interceptC2 = c2.y - p * c2.x;
    const float f2x = (interceptC2 - interceptQ) / (t - p);
    const PlanPoint f2{f2x, p * f2x + interceptC2};
    r.a1 = distance(c1, f1);
    r.a2 = distance(c2, f1);
    r.b1 = distance(c2, f2);
    r.b2 = distance(c3, f2);
    r.sideA = distance(c1, c2);
    r.sideB = distance(c1, c4);
  }
  r.a1 = truncatedTo3Decimals(r.a1);
  r.a2 = truncatedTo3Decimals(r.a2);
  r.b1 = truncatedTo3Decimals(r.b1);
  r.b2 = truncatedTo3Decimals(r.b2);
  r.sideA = truncatedTo3Decimals(r.sideA);
  r.sideB = truncatedTo3Decimals(r.sideB);
  r.positionCase = positionCase(r);
  return r;
}

float rectangleInfluence(const CornerRectangles& r, float z) {
  const float i11 = cornerValue(r.a1, r.b1, z);
  const float i12 = cornerValue(r.a1, r.b2, z);
  const float i21 = cornerValue(r.a2, r.b1, z);
  const float i22 = cornerValue(r.a2, r.b2, z);
  switch (r.positionCase) {
    case 1:
      return i11 + i12 - i21 - i22;
    case 2:
      return i11 + i21 - i12 - i22;
    case 3:
    case 7:
      return i11 - i12 - i21 + i22;
    case 4:
    case 6:
      return i21 + i12 - i11 - i22;
    case 5:
      return i12 + i22 - i11 - i21;
    case 8:
      return i21 + i22 - i11 - i12;
    default:  // case 9: the point lies over the rectangle
      return i11 + i12 + i21 + i22;
  }
}

RectangleLoad::RectangleLoad(const LoadedArea& area)
    : plan_(planOfRectangle(area)), loadScaled_(0.00001f * area.load), elevation_(area.elevation) {}

void RectangleLoad::addStressBeneath(const SettlementPoint& point,
                                     std::span<const float> depthPoints,
                                     std::span<float> stressIncrease) const {
  const CornerRectangles corners = cornerRectanglesAt(plan_, point.x, point.y);
  const float elevation = elevation_;
  const float loadScaled = loadScaled_;
  for (std::size_t k = 0; k < depthPoints.size(); ++k) {
    const float z = depthPoints[k] - elevation;
    if (z < 0.0f) continue;
    stressIncrease[k] += loadScaled * std::trunc(100000.0f * rectangleInfluence(corners, z));
  }
}

}  // namespace veldor
