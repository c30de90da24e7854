#include "settlement/settlement_passes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "report/format/fixed_line.h"
#include "settlement/compressibility_curve.h"
#include "settlement/data_error_message.h"
#include "veldor/veldor.h"

namespace veldor {

namespace {

void writeUndefinedLogarithm(const ProblemData& data, std::int32_t point, std::int32_t s,
                             float stressIncrease, const RunOutputs& outputs) {
  const Sublayer& sublayer = data.sublayers[s];
  const std::string where = FixedLine()
                                .text("SETTLEMENT POINT ")
                                .text(FreeRecord().add(point).str())
                                .text(" (POINT NO. ")
                                .text(FreeRecord().add(data.points[point].number).str())
                                .text("), SUBLAYER ")
                                .text(FreeRecord().add(s).str())
                                .text(":")
                                .str();
  const float finalPressure = sublayer.overburden + stressIncrease;
  const std::string what = FixedLine()
                               .text("THE F-LOG P SLOPE OF CURVE ")
                               .text(FreeRecord().add(sublayer.curveIndex).str())
                               .text(" NEEDS PRESSURES ABOVE 0.0, FOUND OVERBURDEN ")
                               .text(FreeRecord().add(sublayer.overburden).str())
                               .text(" AND FINAL PRESSURE ")
                               .text(FreeRecord().add(finalPressure).str())
                               .str();
  writeDataErrorMessage(outputs, where, what);
}

}  // namespace

void computeAverageStressIncrease(ProblemData& data) {
  for (std::int32_t p = 1; p <= data.pointCount; ++p) {
    const auto& stress = data.stressIncrease[p];
    auto& average = data.averageStressIncrease[p];
    for (std::int32_t s = 1; s <= data.sublayerCount; ++s) {
      if (s < data.points[p].startSublayer) {
        average[s] = 0.0f;
        continue;
      }
      const float top = stress[2 * s - 1];
      const float centre = stress[2 * s];
      const float bottom = stress[2 * s + 1];
      average[s] = ((4.0f * centre) + top + bottom) / 6.0f;
    }
  }
}

std::int32_t computeSettlements(ProblemData& data, const RunOutputs& outputs) {
  for (std::int32_t p = 1; p <= data.pointCount; ++p) {
    data.totalSettlement[p] = 0.0f;
    for (std::int32_t s = 1; s <= data.sublayerCount; ++s) data.sublayerSettlement[p][s] = 0.0f;
  }
  for (std::int32_t p = 1; p <= data.pointCount; ++p) {
    // The point's layer number serves as its first sublayer number; below 1 it starts at the top.
    const std::int32_t first = std::max(data.points[p].startLayer, 1);
    for (std::int32_t s = first; s <= data.sublayerCount; ++s) {
      const Sublayer& sublayer = data.sublayers[s];
      const float stressIncrease = data.averageStressIncrease[p][s];
      const std::optional<float> strain = strainIncrement(data, sublayer, stressIncrease, outputs);
      if (!strain) {
        writeUndefinedLogarithm(data, p, s, stressIncrease, outputs);
        return VELDOR_STATUS_INPUT_OUT_OF_RANGE;
      }
      const float settlement =
          *strain * sublayer.thickness * sublayer.thicknessFactor * data.settlementUnitFactor;
      data.sublayerSettlement[p][s] = settlement;
      data.totalSettlement[p] += settlement;
    }
  }
  return 0;
}

}  // namespace veldor
