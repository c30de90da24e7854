#include "model/unit_system.h"

namespace veldor {

namespace {
constexpr UnitLabels kUsLabels{"UNIT", "WEIGHT ",     "FT",        "LB/FT**3",
                               "KSF",  "INCHES     ", "TOTAL(In.)"};
constexpr UnitLabels kSiLabels{"MASS", "DENSITY",     "M ",        " KG/M**3",
                               "KPA",  "MILLIMETRES", "TOTAL(mm) "};
}  // namespace

const UnitLabels& unitLabels(std::int32_t unitSystem) {
  return unitSystem == kSiAbsolute ? kSiLabels : kUsLabels;
}

}  // namespace veldor
