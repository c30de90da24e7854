#include "input/input_lines.h"

namespace veldor {

bool InputLines::next(std::string& line) {
  if (!std::getline(stream_, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNumber_;
  return true;
}

}  // namespace veldor
