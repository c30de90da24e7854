#include "engine/run_analysis.h"
#include "veldor/veldor.h"

extern "C" VELDOR_EXPORT int32_t VELDOR_CALL IVELDOR(int32_t requestCode, int32_t /*unused*/) {
  return veldor::runRequest(requestCode);
}
