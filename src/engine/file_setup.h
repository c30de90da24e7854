#pragma once

#include <cstdint>

#include "engine/library_state.h"
#include "engine/run_files.h"
#include "report/format/text_output.h"

namespace veldor {

// Opens the report under the control file's output name, after making sure that no other
// role names the same file. Returns 0, or 10 with a message on the console.
std::int32_t openReportFile(const RunControl& control, RunFiles& files, TextOutput& console);

// The echo of the input, output and plot file names below the banner.
void writeFileNameEcho(TextOutput& report, const RunControl& control, PathPieces& pieces);

// Opens the input data file (which must exist), the plot file and the message file, in this
// order. Returns 0, or 10 with a message on the console and in the report.
std::int32_t openDataFiles(const RunControl& control, RunFiles& files, TextOutput& console);

}  // namespace veldor
