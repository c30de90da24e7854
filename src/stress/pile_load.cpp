#include "stress/pile_load.h"

#include <cstddef>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

constexpr float kBelowLoadedLevel = 1e-5f;

}  // namespace

PileLoad::PileLoad(const LoadedArea& pile, std::int32_t loadDepthMode)
    : pile_(pile), loadDepthMode_(loadDepthMode) {}

void PileLoad::addStressBeneath(const SettlementPoint& point, std::span<const float> depthPoints,
                                std::span<float> stressIncrease) const {
  bool reached = false;
  for (std::size_t k = 0; k < depthPoints.size(); ++k) {
    const float depth = depthPoints[k];
    if (depth - pile_.elevation < kBelowLoadedLevel) continue;
    const float factor =
        SpreadFactor(loadDepthMode_, pile_.pileTopDepth, pile_.pileTipDepth, pile_.yLength,
                     pile_.xLength, depth, pile_.x, pile_.y, point.x, point.y);
    float increment = pile_.load * factor;
    if (!reached && factor > 0.0f) {
      increment = 0.0f;
      reached = true;
    }
    stressIncrease[k] += increment;
  }
}

}  // namespace veldor
