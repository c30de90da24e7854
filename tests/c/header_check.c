/* The public header must compile as C: a host written in C declares the routine from it. */
#include "veldor/veldor.h"

int32_t runFromC(void) {
  int32_t status = IVELDOR(VELDOR_REQUEST_RUN, 0);
  return status == VELDOR_STATUS_COMPLETED ? 0 : status;
}
