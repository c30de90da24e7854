#pragma once

#include <string_view>

namespace veldor {

// A destination of text lines: a run's file, the console, or a test's buffer.
class TextOutput {
 public:
  virtual ~TextOutput() = default;
  // Writes one line; the terminator is added by the destination.
  virtual void writeLine(std::string_view line) = 0;
};

// The console of a run: the process's standard error stream.
class ConsoleOutput final : public TextOutput {
 public:
  void writeLine(std::string_view line) override;
};

// The destinations a run writes to.
struct RunOutputs {
  TextOutput& report;
  TextOutput& plot;
  TextOutput& message;
  TextOutput& console;
};

}  // namespace veldor
