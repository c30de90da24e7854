#pragma once

#include <fstream>

#include "report/format/file_output.h"

namespace veldor {

// The four files of a run, open only during the call.
struct RunFiles {
  std::ifstream input;
  FileOutput report;
  FileOutput plot;
  FileOutput message;

  // The closing sequence: the input data file, the report, the plot file, the message file.
  void closeAll() {
    if (input.is_open()) input.close();
    report.close();
    plot.close();
    message.close();
  }
};

}  // namespace veldor
