#include "input/soil_profile.h"

#include <cmath>
#include <limits>
#include <string>

#include "report/format/fixed_line.h"
#include "settlement/compressibility_curve.h"
#include "settlement/data_error_message.h"
#include "veldor/veldor.h"

namespace veldor {

namespace {

constexpr float kSublayerThickness = 0.5f;

// Halves away from zero, held within the 32-bit range so that any depth gives a number.
std::int32_t nearestWhole(float value) {
  constexpr float kLimit = 2147483648.0f;  // 2^31
  if (value >= kLimit) return std::numeric_limits<std::int32_t>::max();
  if (value <= -kLimit) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(std::lround(value));
}

// The number of whole 0.5-thick slices in a layer of thickness T: 2t, plus one when the
// fraction beyond the whole part t reaches 0.5. Kept as a float, as it can exceed any count.
float sliceCount(float thickness) {
  const float whole = std::trunc(thickness);
  const float fraction = thickness - whole;
  return 2.0f * whole + (fraction >= 0.5f ? 1.0f : 0.0f);
}

void writeTooManySublayers(const ProblemData& data, std::int32_t layer, const RunOutputs& outputs) {
  const std::string where = FixedLine()
                                .text("SOIL LAYER ")
                                .text(FreeRecord().add(layer))
                                .text(", DEPTH TO BOTTOM ")
                                .text(FreeRecord().add(data.layerBottom[layer]))
                                .text(":")
                                .str();
  const std::string what = FixedLine()
                               .text("THE PROFILE NEEDS MORE THAN ")
                               .text(FreeRecord().add(kMaxSublayers))
                               .text(" SUBLAYERS, WHICH IS ABOVE THE CAPACITY")
                               .str();
  writeDataErrorMessage(outputs, where, what);
}

// Stacks the sublayers from the ground surface at the fixed 0.5 pitch. Returns false, with
// the message written, before a sublayer beyond the capacity would be stored.
bool cutLayers(ProblemData& data, const RunOutputs& outputs) {
  data.sublayers[0].depthToBottom = 0.0f;
  std::int32_t count = 0;
  for (std::int32_t j = 1; j <= data.layerCount; ++j) {
    const float slices = sliceCount(data.layerBottom[j] - data.layerBottom[j - 1]);
    if (!(slices > 0.0f)) continue;
    if (slices > static_cast<float>(kMaxSublayers - count)) {
      writeTooManySublayers(data, j, outputs);
      return false;
    }
    const SoilLayer& layer = data.layers[j];
    for (auto n = static_cast<std::int32_t>(slices); n > 0; --n) {
      ++count;
      Sublayer& sublayer = data.sublayers[count];
      sublayer.number = count;
      sublayer.depthToBottom = data.sublayers[count - 1].depthToBottom + kSublayerThickness;
      sublayer.unitWeight = layer.unitWeight;
      sublayer.curveIndex = layer.curveIndex;
      sublayer.thicknessFactor = layer.thicknessFactor;
    }
  }
  data.sublayerCount = count;
  return true;
}

void fillDepthPoints(ProblemData& data) {
  const std::int32_t count = data.sublayerCount;
  for (std::int32_t s = 1; s <= count; ++s) {
    const float top = data.sublayers[s - 1].depthToBottom;
    const float bottom = data.sublayers[s].depthToBottom;
    data.sublayers[s].thickness = bottom - top;
    data.depthPoints[2 * s - 1] = top;
    data.depthPoints[2 * s] = (top + bottom) * 0.5f;
  }
  data.depthPoints[2 * count + 1] = data.sublayers[count].depthToBottom;
  data.depthPointCount = 2 * count + 1;
}

void fillOverburdenAndInitialStrain(ProblemData& data) {
  float pressure = 0.0f;
  for (std::int32_t s = 1; s <= data.sublayerCount; ++s) {
    Sublayer& sublayer = data.sublayers[s];
    const float half =
        sublayer.unitWeight * (0.5f * data.gravityFactor) * sublayer.thickness / 1000.0f;
    sublayer.overburden = pressure + half;
    pressure = sublayer.overburden + half;
    sublayer.initialStrain = initialStrain(data, sublayer.curveIndex, sublayer.overburden);
  }
}

}  // namespace

std::int32_t startSublayerOf(const ProblemData& data, std::int32_t startLayer) {
  if (data.layerCount <= 0) return 0;
  if (startLayer == 1) return 1;
  if (startLayer >= 2 && startLayer <= data.layerCount)
    return nearestWhole(2.0f * data.layerBottom[startLayer - 1]);
  return 0;
}

std::int32_t buildSoilProfile(ProblemData& data, const RunOutputs& outputs) {
  if (!cutLayers(data, outputs)) return VELDOR_STATUS_INPUT_OUT_OF_RANGE;
  fillDepthPoints(data);
  fillOverburdenAndInitialStrain(data);
  return 0;
}

}  // namespace veldor
