#pragma once

#include "report/heading.h"

namespace veldor {

// The local date and time from the system clock.
LocalTime readLocalClock();

}  // namespace veldor
