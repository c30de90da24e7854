#include "input/soil_profile.h"

namespace veldor {

std::int32_t buildSoilProfile(ProblemData&, const RunOutputs&) { return 0; }

}  // namespace veldor
