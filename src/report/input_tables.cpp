#include "report/input_tables.h"

namespace veldor {

void writeDataCheckMessages(const ProblemData&, const RunOutputs&) {}

bool writeTables1To3(const ProblemData&, TextOutput&) { return false; }

void writeTables4And5(const ProblemData&, TextOutput&, TextOutput&) {}

}  // namespace veldor
