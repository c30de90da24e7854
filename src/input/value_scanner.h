#pragma once

#include <cstddef>
#include <string_view>

namespace veldor {

// Splits one line of a free-format record into its values. Values are separated by blanks
// or tabs, or by a comma with optional blanks around it; two commas with nothing but blanks
// between them, or a comma that opens the line, enclose an empty value.
class ValueScanner {
 public:
  explicit ValueScanner(std::string_view line = {}) : line_(line) {}

  // The next value of the line; false when the line holds no further value.
  bool next(std::string_view& value);

 private:
  void skipBlanks();

  std::string_view line_;
  std::size_t at_ = 0;
};

}  // namespace veldor
