#pragma once

#include <cstdint>

namespace veldor {

// Fixed capacities of one problem; every array is numbered from 1 as the report numbers it.
inline constexpr std::int32_t kMaxLayers = 30;
inline constexpr std::int32_t kMaxCurves = 50;
inline constexpr std::int32_t kMaxCurvePairs = 48;
inline constexpr std::int32_t kMaxPoints = 250;
inline constexpr std::int32_t kMaxLoads = 250;  // loaded areas and piles together
inline constexpr std::int32_t kMaxSublayers = 775;
inline constexpr std::int32_t kMaxDepthPoints = 2 * kMaxSublayers + 1;

}  // namespace veldor
