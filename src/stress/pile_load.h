#pragma once

#include <cstdint>
#include <span>

#include "model/problem_data.h"

namespace veldor {

// A pile group whose load spreads 2:1 from the level the run's pile load-depth mode names.
class PileLoad {
 public:
  PileLoad(const LoadedArea& pile, std::int32_t loadDepthMode);
  // Adds the pile group's stress increase at each depth point beneath the settlement point.
  // The first depth point that the spread reaches, from the top, receives nothing.
  void addStressBeneath(const SettlementPoint& point, std::span<const float> depthPoints,
                        std::span<float> stressIncrease) const;

 private:
  LoadedArea pile_;
  std::int32_t loadDepthMode_;
};

}  // namespace veldor
