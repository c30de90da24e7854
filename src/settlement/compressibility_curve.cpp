#include "settlement/compressibility_curve.h"

#include <cmath>
#include <string_view>

#include "report/format/fixed_line.h"

namespace veldor {

namespace {

void writeRangeWarning(TextOutput& output, float pressure, std::string_view limitText, float limit,
                       std::int32_t curveIndex) {
  output.writeLine("");
  output.writeLine("");
  output.writeLine("*********** WARNING *************");
  output.writeLine(FixedLine().text(" THE CALCULATED STRESS ").real(pressure, 10, 4));
  output.writeLine(FixedLine().text(limitText).real(limit, 10, 4));
  output.writeLine(
      FixedLine().text(" ON THE SOIL COMPRESSIBILITY CURVE NUMBER").integer(curveIndex, 5));
  output.writeLine(" ADD NEW PRESSURE DATA.");
  output.writeLine("");
}

void warnOutOfRange(const RunOutputs* warnings, float pressure, std::string_view limitText,
                    float limit, std::int32_t curveIndex) {
  if (warnings == nullptr) return;
  writeRangeWarning(warnings->report, pressure, limitText, limit, curveIndex);
  writeRangeWarning(warnings->message, pressure, limitText, limit, curveIndex);
}

}  // namespace

CurveKind curveKind(const CompressibilityCurve& curve) {
  if (curve.pairCount >= 2) return CurveKind::kTabulated;
  return curve.slope < 0.0f ? CurveKind::kStrainPressureSlope : CurveKind::kStrainLogPressureSlope;
}

float StrainAtPressure(const ProblemData& data, std::int32_t curveIndex, float pressure,
                       const RunOutputs* warnings) {
  const CompressibilityCurve& curve = data.curves[curveIndex];
  const auto& f = curve.strain;
  const auto& p = curve.pressure;
  for (std::int32_t k = 1; k <= curve.pairCount; ++k) {
    const float d = pressure - p[k];
    if (d < 0.0f && k == 1) {
      warnOutOfRange(warnings, pressure, " IS SMALLER THAN THE SMALLEST PRESSURE", p[1],
                     curveIndex);
      return f[1];
    }
    if (d < 0.0f) {
      // Toward a lower pressure of 0.0 the log-linear rule tends to the upper strain.
      if (p[k - 1] == 0.0f) return f[k];
      return f[k - 1] +
             (f[k] - f[k - 1]) / std::log10(p[k] / p[k - 1]) * std::log10(pressure / p[k - 1]);
    }
    if (d == 0.0f) return f[k];
  }
  const std::int32_t last = curve.pairCount;
  warnOutOfRange(warnings, pressure, " IS HIGHER THAN THE LARGEST PRESSURE", p[last], curveIndex);
  return f[last];
}

float initialStrain(const ProblemData& data, std::int32_t curveIndex, float overburden) {
  if (curveKind(data.curves[curveIndex]) != CurveKind::kTabulated) return 0.0f;
  return StrainAtPressure(data, curveIndex, overburden, nullptr);
}

std::optional<float> strainIncrement(const ProblemData& data, const Sublayer& sublayer,
                                     float stressIncrease, const RunOutputs& warnings) {
  const CompressibilityCurve& curve = data.curves[sublayer.curveIndex];
  const float finalPressure = sublayer.overburden + stressIncrease;
  switch (curveKind(curve)) {
    case CurveKind::kTabulated: {
      const float strain = StrainAtPressure(data, sublayer.curveIndex, finalPressure, &warnings);
      return (strain - sublayer.initialStrain) / (1.0f - sublayer.initialStrain);
    }
    case CurveKind::kStrainPressureSlope:
      return std::fabs(curve.slope) * stressIncrease;
    case CurveKind::kStrainLogPressureSlope:
      break;
  }
  if (!(sublayer.overburden > 0.0f) || !(finalPressure > 0.0f)) return std::nullopt;
  return curve.slope * std::log10(finalPressure / sublayer.overburden);
}

}  // namespace veldor
