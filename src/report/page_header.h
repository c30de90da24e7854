#pragma once

#include "model/problem_data.h"
#include "report/format/text_output.h"

namespace veldor {

enum class PageHeaderForm {
  kPlain,   // page break, then the box
  kMarked,  // page break, a line "1", then the box
};

// The page-break line: a single form feed.
void writePageBreak(TextOutput& report);

// The header at the top of every table page: page break, the report's box, the two title lines.
void writePageHeader(TextOutput& report, const ProblemData& data, PageHeaderForm form);

}  // namespace veldor
