#include "input/value_scanner.h"

namespace veldor {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void ValueScanner::skipBlanks() {
  while (at_ < line_.size() && isBlank(line_[at_])) ++at_;
}

bool ValueScanner::next(std::string_view& value) {
  skipBlanks();
  if (at_ == line_.size()) return false;
  if (line_[at_] == ',') {
    ++at_;
    value = {};
    return true;
  }
  const std::size_t start = at_;
  while (at_ < line_.size() && !isBlank(line_[at_]) && line_[at_] != ',') ++at_;
  value = line_.substr(start, at_ - start);
  // The comma that ends this value is part of its separator.
  skipBlanks();
  if (at_ < line_.size() && line_[at_] == ',') ++at_;
  return true;
}

}  // namespace veldor
