#include <cstdio>

#include "report/format/text_output.h"

namespace veldor {

void ConsoleOutput::writeLine(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace veldor
