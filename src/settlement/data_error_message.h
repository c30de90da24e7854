#pragma once

#include <string_view>

#include "report/format/text_output.h"

namespace veldor {

// The block that explains why faulty data stopped a run, written alike to the report, the
// message file and the console:
//
//   ************ INPUT DATA ERROR ************
//    LINE 12, SOIL LAYER RECORD 3, FIELD 2 (DEPTH TO BOTTOM):
//    FOUND "1O.5", WHICH IS NOT A REAL NUMBER
//
// between two empty lines. `where` names the place of the fault and `what` what was found
// there; each is written after one blank.
void writeDataErrorMessage(const RunOutputs& outputs, std::string_view where,
                           std::string_view what);

}  // namespace veldor
