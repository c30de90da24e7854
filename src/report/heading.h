#pragma once

#include <string_view>

#include "report/format/text_output.h"

namespace veldor {

// Local date and time of an analysis.
struct LocalTime {
  int year;
  int month;  // 1..12
  int day;
  int hour;  // 0..23
  int minute;
  int second;
};

// The banner: the version label at its full 12 characters, the preparer without trailing blanks.
void writeBanner(TextOutput& report, std::string_view versionLabel, std::string_view preparedBy);

// The "Time and Date of Analysis" block.
void writeDateBlock(TextOutput& report, const LocalTime& time);

}  // namespace veldor
