#pragma once

#include <array>

#include "model/fixed_text.h"
#include "model/problem_data.h"
#include "report/heading.h"

namespace veldor {

// The four file roles named by the control file, in the order of its lines 7 to 10.
enum class FileRole { kInput = 0, kReport = 1, kPlot = 2, kMessage = 3 };
inline constexpr int kFileRoleCount = 4;

// What the control file names.dat provides, blank-padded on the right.
struct RunControl {
  FixedText<12> versionLabel;
  std::array<FixedText<256>, 4> unusedLines;  // lines 2 to 5
  FixedText<256> preparedBy;
  std::array<FixedText<255>, kFileRoleCount> fileNames;  // lines 7 to 10, by FileRole
  // Which file names this run's control file supplied; a name left unread keeps an earlier
  // run's text, which is never used.
  std::array<bool, kFileRoleCount> fileNameRead;

  const FixedText<255>& fileName(FileRole role) const {
    return fileNames[static_cast<std::size_t>(role)];
  }
};

// The pieces of a file name completed to an absolute name, as the report echoes them.
struct PathPieces {
  FixedText<3> drive;
  FixedText<256> directory;
  FixedText<256> baseName;
  FixedText<5> extension;
};

using ClockReader = LocalTime (*)();

// All state the library keeps between calls: zero at load, overwritten by each run.
struct LibraryState {
  ProblemData problem;
  RunControl control;
  PathPieces pathPieces;
  ClockReader clock;  // null: the system's local clock
};

LibraryState& libraryState();

}  // namespace veldor
