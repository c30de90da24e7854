#pragma once

#include <cstdint>
#include <span>

#include "model/problem_data.h"

namespace veldor {

struct PlanPoint {
  float x;
  float y;
};

// A rectangle's corners in plan, named by their coordinates (u, v) on its own axes:
// c1 (-hx, -hy), c2 (+hx, -hy), c3 (+hx, +hy), c4 (-hx, +hy). The xLength side runs from
// c1 to c2 with the plan slope of the area.
struct RectanglePlan {
  float slope;
  PlanPoint c1;
  PlanPoint c2;
  PlanPoint c3;
  PlanPoint c4;
};

// Where a settlement point lies relative to a rectangle: the distances from its projection
// to the four sides and the two side lengths, each truncated to three decimals, and the
// position case (1 to 9) that says how the four corner rectangles combine.
struct CornerRectangles {
  float a1;  // to side c1c4, along the xLength side
  float a2;  // to side c2c3
  float b1;  // to side c1c2, along the yLength side
  float b2;  // to side c3c4
  float sideA;
  float sideB;
  std::int32_t positionCase;
};

RectanglePlan planOfRectangle(const LoadedArea& area);
CornerRectangles cornerRectanglesAt(const RectanglePlan& plan, float pointX, float pointY);
// The influence value of the whole rectangle at a depth z >= 0 below its loaded level.
float rectangleInfluence(const CornerRectangles& corners, float z);

// A loaded rectangle, its plan worked out once for all settlement points.
class RectangleLoad {
 public:
  explicit RectangleLoad(const LoadedArea& area);
  // Adds the rectangle's stress increase at each depth point beneath the settlement point.
  void addStressBeneath(const SettlementPoint& point, std::span<const float> depthPoints,
                        std::span<float> stressIncrease) const;

 private:
  RectanglePlan plan_;
  float loadScaled_;  // 0.00001 x load, the step of the five-decimal truncation
  float elevation_;
};

}  // namespace veldor
