#include "report/heading.h"

#include <array>
#include <string>

#include "report/format/fixed_line.h"

namespace veldor {

namespace {

const std::string kDoubleRule = std::string(5, ' ') + std::string(73, '=');
const std::string kSingleRule = std::string(5, ' ') + std::string(73, '-');

constexpr std::array<std::string_view, 12> kMonthTexts = {
    "Date:  January ",   "Date:  February ", "Date:  March ",    "Date:  April ",
    "Date:  May ",       "Date:  June ",     "Date:  July ",     "Date:  August ",
    "Date:  September ", "Date:  October ",  "Date:  November ", "Date:  December "};

}  // namespace

void writeBanner(TextOutput& report, std::string_view versionLabel, std::string_view preparedBy) {
  report.writeLine(kDoubleRule);
  report.writeLine("");
  report.writeLine(FixedLine().blanks(20).text("  VELDOR Version ").text(versionLabel));
  report.writeLine("");
  report.writeLine("");
  report.writeLine(
      FixedLine().blanks(20).text("   A Program for Analysis of Foundation Settlement "));
  report.writeLine("");
  report.writeLine("");
  report.writeLine(kDoubleRule);
  report.writeLine("");
  report.writeLine("");
  report.writeLine(FixedLine().blanks(5).text("This model was prepared by:"));
  report.writeLine(FixedLine().blanks(5).trimmed(preparedBy));
  for (int i = 0; i < 3; ++i) report.writeLine("");
}

void writeDateBlock(TextOutput& report, const LocalTime& time) {
  report.writeLine(kSingleRule);
  report.writeLine(FixedLine().blanks(26).text("Time and Date of Analysis"));
  report.writeLine(kSingleRule);
  report.writeLine("");
  const int month = time.month >= 1 && time.month <= 12 ? time.month : 1;
  report.writeLine(FixedLine()
                       .blanks(15)
                       .text(kMonthTexts[static_cast<std::size_t>(month - 1)])
                       .integer(time.day, 2, 2)
                       .text(", ")
                       .integer(time.year, 4)
                       .blanks(5)
                       .text("Time:  ")
                       .integer(time.hour, 2, 2)
                       .text(":")
                       .integer(time.minute, 2, 2)
                       .text(":")
                       .integer(time.second, 2, 2));
}

}  // namespace veldor
