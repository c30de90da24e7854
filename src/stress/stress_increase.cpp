#include "stress/stress_increase.h"

namespace veldor {

void computeStressIncrease(ProblemData& data, TextOutput&) {
  data.loadCount = data.areaCount + data.pileCount;
}

}  // namespace veldor
