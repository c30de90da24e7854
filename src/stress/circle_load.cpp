#include "stress/circle_load.h"

#include <cmath>
#include <cstddef>

#include "stress/influence_factors.h"

namespace veldor {

namespace {

// A point this close to the rim in plan is taken as on it, and a depth point this close to
// the loaded level as at it.
constexpr float kSnapDistance = 1e-5f;

}  // namespace

CircleLoad::CircleLoad(const LoadedArea& area)
    : centreX_(area.x),
      centreY_(area.y),
      radius_(0.5f * area.xLength),
      loadScaled_(0.00001f * area.load),
      elevation_(area.elevation) {}

void CircleLoad::addStressBeneath(const SettlementPoint& point, std::span<const float> depthPoints,
                                  std::span<float> stressIncrease) const {
  const float dx = centreX_ - point.x;
  const float dy = centreY_ - point.y;
  const float distance = std::sqrt(dx * dx + dy * dy);
  const float radius = radius_;
  const float offset = std::fabs(radius - distance) < kSnapDistance ? radius : distance;
  const float elevation = elevation_;
  const float loadScaled = loadScaled_;
  for (std::size_t k = 0; k < depthPoints.size(); ++k) {
    float z = depthPoints[k] - elevation;
    if (std::fabs(z) < kSnapDistance) z = 0.0f;
    if (z < 0.0f) continue;
    stressIncrease[k] += loadScaled * std::trunc(100000.0f * CircleInfluence(radius, offset, z));
  }
}

}  // namespace veldor
