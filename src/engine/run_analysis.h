#pragma once

#include <cstdint>

#include "engine/library_state.h"

namespace veldor {

// The exported routine's work: 1 for any request code but 4, otherwise the status word of
// one complete run.
std::int32_t runRequest(std::int32_t requestCode);

// One run, from reading names.dat to closing the files. Writes status only at an early stop.
void RunAnalysis(std::int32_t& status);

// Replaces the clock that dates the report (null restores the system's local clock).
void setAnalysisClock(ClockReader clock);

}  // namespace veldor
