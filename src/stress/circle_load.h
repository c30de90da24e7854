#pragma once

#include <span>

#include "model/problem_data.h"

namespace veldor {

// A uniformly loaded circle of diameter xLength.
class CircleLoad {
 public:
  explicit CircleLoad(const LoadedArea& area);
  // Adds the circle's stress increase at each depth point beneath the settlement point.
  void addStressBeneath(const SettlementPoint& point, std::span<const float> depthPoints,
                        std::span<float> stressIncrease) const;

 private:
  float centreX_;
  float centreY_;
  float radius_;
  float loadScaled_;  // 0.00001 x load, the step of the five-decimal truncation
  float elevation_;
};

}  // namespace veldor
