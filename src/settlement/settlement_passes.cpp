#include "settlement/settlement_passes.h"

namespace veldor {

void computeAverageStressIncrease(ProblemData&) {}

std::int32_t computeSettlements(ProblemData&, const RunOutputs&) { return 0; }

}  // namespace veldor
