#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "report/format/text_output.h"

namespace veldor::testing {

inline std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

// Text padded with blanks to its stored width.
inline std::string padded(std::string_view text, int width) {
  return std::string(text) + blanks(width - static_cast<int>(text.size()));
}

// The page header as a table page starts: page break, the optional "1", the box, the titles.
inline std::vector<std::string> expectedPageHeader(std::string_view title1, std::string_view title2,
                                                   bool marked) {
  const std::string edge = blanks(18) + std::string(42, '*');
  const std::string space = blanks(18) + "*" + blanks(40) + "*";
  std::vector<std::string> lines{"\f"};
  if (marked) lines.emplace_back("1");
  for (const std::string& line :
       {edge, space, blanks(18) + "*     FOUNDATION SETTLEMENT ANALYSIS     *", space, edge,
        std::string(), std::string(), blanks(6) + padded(title1, 68),
        blanks(8) + padded(title2, 68), std::string(), std::string()})
    lines.push_back(line);
  return lines;
}

// Compares line by line, so that a failure names the first lines that differ.
inline ::testing::AssertionResult sameLines(const std::vector<std::string>& actual,
                                            const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
    if (actual[i] != expected[i])
      return ::testing::AssertionFailure() << "line " << i << ":\n  actual   \"" << actual[i]
                                           << "\"\n  expected \"" << expected[i] << "\"";
  }
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure()
           << actual.size() << " lines written, " << expected.size() << " expected";
  return ::testing::AssertionSuccess();
}

// The numbers of a free-format record, split on blanks.
inline std::vector<float> freeValues(std::string_view record) {
  std::vector<float> values;
  while (!record.empty()) {
    const std::size_t start = record.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    record.remove_prefix(start);
    const std::size_t end = std::min(record.find(' '), record.size());
    float value = 0.0f;
    const auto result = std::from_chars(record.data(), record.data() + end, value);
    if (result.ptr != record.data() + end) return {};  // not a number: no values at all
    values.push_back(value);
    record.remove_prefix(end);
  }
  return values;
}

// Report and plot lines in the one order they were written, each tagged with its file.
class Journal {
 public:
  class Output final : public TextOutput {
   public:
    Output(std::vector<std::string>& lines, std::string tag) : lines_(lines), tag_(tag) {}
    void writeLine(std::string_view line) override { lines_.push_back(tag_ + std::string(line)); }
    const std::string& tag() const { return tag_; }

   private:
    std::vector<std::string>& lines_;
    std::string tag_;
  };

  // The lines of one file, without their tags.
  std::vector<std::string> of(const Output& output) const {
    std::vector<std::string> result;
    for (const std::string& line : lines)
      if (line.starts_with(output.tag())) result.push_back(line.substr(output.tag().size()));
    return result;
  }

  std::vector<std::string> lines;
  Output report{lines, "R|"};
  Output plot{lines, "P|"};
};

}  // namespace veldor::testing
