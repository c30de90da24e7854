#pragma once

#include <istream>
#include <string>

namespace veldor {

// The lines of the input data file, read once from the first line on. Line ends may be
// LF or CR LF; the terminator is not part of the line.
class InputLines {
 public:
  explicit InputLines(std::istream& stream) : stream_(stream) {}

  // Reads the next line; false at the end of the input.
  bool next(std::string& line);
  // The number of the last line read (1 for the first line), 0 before any.
  int lineNumber() const { return lineNumber_; }

 private:
  std::istream& stream_;
  int lineNumber_ = 0;
};

}  // namespace veldor
