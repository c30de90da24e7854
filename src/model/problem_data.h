#pragma once

#include <array>
#include <cstdint>

#include "model/capacities.h"
#include "model/fixed_text.h"
#include "model/unit_system.h"

namespace veldor {

struct SoilLayer {
  std::int32_t number;  // as written in the record; printed nowhere, used by nothing
  float depthToBottom;
  float unitWeight;         // lb/ft3 (U.S.) or kg/m3 (S.I., converted from kN/m3 when read)
  std::int32_t curveIndex;  // 1-based position of the layer's curve in the input
  float thicknessFactor;
};

struct Sublayer {
  std::int32_t number;
  float depthToBottom;
  float thickness;
  float unitWeight;
  std::int32_t curveIndex;
  float thicknessFactor;
  float overburden;     // pressure at the sublayer's centre
  float initialStrain;  // F0, a fraction
};

struct CompressibilityCurve {
  std::int32_t number;     // printed in Table 3 only
  std::int32_t pairCount;  // below 2: the curve is given by its slope
  FixedText<60> title;
  float slope;  // fraction; negative: F-P slope of its magnitude, else F-log P slope
  std::array<float, kMaxCurvePairs + 1> strain;    // [1..pairCount], fractions
  std::array<float, kMaxCurvePairs + 1> pressure;  // [1..pairCount]
};

struct SettlementPoint {
  std::int32_t number;
  float x;
  float y;
  std::int32_t startLayer;
  std::int32_t startSublayer;
};

inline constexpr std::int32_t kRectangle = 1;
inline constexpr std::int32_t kCircle = 2;
inline constexpr std::int32_t kPile = 3;

struct LoadedArea {
  FixedText<4> id;  // blank for piles
  std::int32_t shape;
  float x;
  float y;
  float xLength;
  float yLength;
  float slope;  // tangent of a rectangle's angle to the X axis
  float load;   // a pressure for areas, a force for piles
  float elevation;
  float pileTopDepth;
  float pileTipDepth;
};

// Indices of the area records that failed one data check, in input order. It holds every
// area the input can have, so that each failing area is listed.
struct AreaList {
  std::array<std::int32_t, kMaxLoads + 1> index;  // [1..count]
  std::int32_t count;

  void append(std::int32_t area) { index[++count] = area; }
};

// Every value of one run. One instance lives in static storage for the life of the library;
// it is zero at load and no run clears it: each run writes what it later reads.
struct ProblemData {
  std::array<FixedText<68>, 2> title;
  std::int32_t unitSystem;
  std::int32_t layerCount;
  std::int32_t curveCount;
  std::int32_t pointCount;
  std::int32_t areaCount;
  std::int32_t pileCount;
  std::int32_t loadCount;
  std::int32_t pileLoadDepthMode;
  std::int32_t sublayerCount;
  std::int32_t depthPointCount;
  float gravityFactor;
  float settlementUnitFactor;

  std::array<float, kMaxLayers + 1> layerBottom;  // [0] is the ground surface
  std::array<SoilLayer, kMaxLayers + 1> layers;
  std::array<CompressibilityCurve, kMaxCurves + 1> curves;
  std::array<SettlementPoint, kMaxPoints + 1> points;
  std::array<LoadedArea, kMaxLoads + 1> loads;        // areas, then piles
  std::array<Sublayer, kMaxSublayers + 1> sublayers;  // [0] is the ground surface
  std::array<float, kMaxDepthPoints + 1> depthPoints;
  AreaList badShapeAreas;
  AreaList offBoundaryAreas;

  std::array<std::array<float, kMaxDepthPoints + 1>, kMaxPoints + 1> stressIncrease;
  std::array<std::array<float, kMaxSublayers + 1>, kMaxPoints + 1> averageStressIncrease;
  std::array<std::array<float, kMaxSublayers + 1>, kMaxPoints + 1> sublayerSettlement;
  std::array<float, kMaxPoints + 1> totalSettlement;
};

}  // namespace veldor
