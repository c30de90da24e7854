#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/library_state.h"

namespace veldor {

inline constexpr std::size_t kMaxCompletedNameLength = 260;

// The name made absolute against the current directory, with "." and ".." collapsed and
// repeated separators folded (symbolic links are not resolved). Empty when the current
// directory is unknown or the result is longer than 260 characters.
std::optional<std::string> completeFileName(std::string_view name);

// The drive, directory (through the last separator), base name and extension (from the
// last dot of the file name) of the completed name, each cut to its field; all blank when
// the name cannot be completed.
PathPieces splitFileName(std::string_view name);

}  // namespace veldor
