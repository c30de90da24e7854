#pragma once

#include <cstdint>
#include <string_view>

namespace veldor {

enum class NumberText {
  kRead,
  kNotANumber,  // not of the field's form: letters, a decimal point in an integer, ...
  kOutOfRange,  // of the right form, but beyond the range of the field's type
};

// An optionally signed number with or without a decimal point and an exponent introduced by
// E, e, D or d: "10", "10.", ".5", "-2.5", "+3", "1.0E1", "1.0D1". It becomes the nearest
// float; a magnitude too small for any float becomes a zero of its sign.
NumberText readRealText(std::string_view text, float& value);

// An optionally signed whole number within the 32-bit range.
NumberText readIntegerText(std::string_view text, std::int32_t& value);

}  // namespace veldor
