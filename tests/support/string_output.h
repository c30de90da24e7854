#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/format/text_output.h"

namespace veldor::testing {

// Collects the lines written to it, for comparison with expected lines.
class StringOutput final : public TextOutput {
 public:
  void writeLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// Four collecting outputs bundled as the destinations of a run.
struct CapturedRun {
  StringOutput report;
  StringOutput plot;
  StringOutput message;
  StringOutput console;
  RunOutputs outputs{report, plot, message, console};
};

}  // namespace veldor::testing
