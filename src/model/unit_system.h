#pragma once

#include <cstdint>
#include <string_view>

namespace veldor {

inline constexpr std::int32_t kUsGravitational = 1;  // ft, lb/ft3, ksf, inches
inline constexpr std::int32_t kSiAbsolute = 2;       // m, kg/m3, kPa, millimetres

// Fixed-width unit labels of the report; each view has exactly the width the tables print.
struct UnitLabels {
  std::string_view densityWord1;    // 4
  std::string_view densityWord2;    // 7
  std::string_view length;          // 2
  std::string_view densityUnit;     // 8
  std::string_view pressure;        // 3
  std::string_view settlementUnit;  // 11
  std::string_view totalColumn;     // 10
};

// The labels of S.I. units for unit system 2, of U.S. units for any other value.
const UnitLabels& unitLabels(std::int32_t unitSystem);

// Suffix after a table title: blanks on a table's first page, "(CONT)" on later pages.
inline constexpr std::string_view kFirstPageSuffix = "      ";
inline constexpr std::string_view kContinuedPageSuffix = "(CONT)";

inline float gravityFactorFor(std::int32_t unitSystem) {
  return unitSystem == kSiAbsolute ? 9.80665f : 1.0f;
}
inline float settlementUnitFactorFor(std::int32_t unitSystem) {
  return unitSystem == kSiAbsolute ? 1000.0f : 12.0f;
}

}  // namespace veldor
