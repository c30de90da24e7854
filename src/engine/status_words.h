#pragma once

#include <cstdint>
#include <string_view>

#include "veldor/veldor.h"

namespace veldor {

// The status words of IVELDOR with what each tells the user: the one table that the
// runner and the documentation follow.
struct StatusWord {
  std::int32_t value;
  std::string_view meaning;
};

inline constexpr StatusWord kStatusWords[] = {
    {VELDOR_STATUS_COMPLETED, "run completed"},
    {VELDOR_STATUS_REQUEST_REFUSED, "request refused: the request code is not 4"},
    {VELDOR_STATUS_FILES_NOT_SET_UP, "the run's files cannot be set up"},
    {VELDOR_STATUS_TOO_MANY_CURVE_POINTS, "a compressibility curve declares more than 48 points"},
    {VELDOR_STATUS_AREA_CHECKS_FAILED, "loaded areas with a bad shape or off the layer boundaries"},
    {VELDOR_STATUS_ZERO_CURVE_PRESSURE, "a compressibility-curve pressure is 0.0"},
    {VELDOR_STATUS_UNREADABLE_INPUT,
     "an input value cannot be read, or the input ends before a record the run needs"},
    {VELDOR_STATUS_INPUT_OUT_OF_RANGE, "input data outside the engine's capacities or ranges"},
};

inline std::string_view statusMeaning(std::int32_t status) {
  for (const StatusWord& word : kStatusWords)
    if (word.value == status) return word.meaning;
  return "unknown status";
}

}  // namespace veldor
