#pragma once

#include <istream>

#include "engine/library_state.h"

namespace veldor {

enum class ControlFileOutcome {
  kComplete,    // all ten lines read
  kDataErrors,  // a line 7 to 10 failed to read; the lines after it were not read
  kEndsEarly,   // the file ends before its tenth line
  kUnreadable,  // a line 1 to 6 failed to read
};

// Reads the ten lines of names.dat into control. Line 4 is one free-form value: quoted
// text, or text up to the first blank, comma or slash; a blank line 4 is passed over and
// the value taken from the next line. Line ends may be LF or CR LF.
ControlFileOutcome readControlFile(std::istream& stream, RunControl& control);

}  // namespace veldor
