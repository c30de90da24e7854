#pragma once

#include <cstdint>
#include <optional>

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

enum class CurveKind {
  kTabulated,              // strain against log pressure, 2 to 48 pairs
  kStrainPressureSlope,    // the strain grows by |slope| per unit of pressure
  kStrainLogPressureSlope  // the strain grows by slope per tenfold increase of pressure
};

CurveKind curveKind(const CompressibilityCurve& curve);

// The strain of tabulated curve curveIndex at pressure: the first pair whose pressure is not
// below it decides, between pairs the strain is linear in log10 of the pressure, outside the
// curve it holds the end strain. With warnings, a pressure outside the curve writes its range
// warning to the report and then to the message file; without (nullptr) nothing is written.
float StrainAtPressure(const ProblemData& data, std::int32_t curveIndex, float pressure,
                       const RunOutputs* warnings);

// F0 of a sublayer of curve curveIndex under its overburden: the curve's strain there, read
// without warnings, or 0 for a curve given by a slope.
float initialStrain(const ProblemData& data, std::int32_t curveIndex, float overburden);

// The strain increment of a sublayer whose average stress increase is stressIncrease, with
// range warnings for a tabulated curve. Empty for an F-log P slope when the overburden or the
// final pressure is not above 0.0, where the logarithm has no value.
std::optional<float> strainIncrement(const ProblemData& data, const Sublayer& sublayer,
                                     float stressIncrease, const RunOutputs& warnings);

}  // namespace veldor
