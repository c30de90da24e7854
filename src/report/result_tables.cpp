#include "report/result_tables.h"

namespace veldor {

void writeTable6(const ProblemData&, TextOutput&) {}

void writeTable7(const ProblemData&, TextOutput&, TextOutput&) {}

}  // namespace veldor
