#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_lines.h"
#include "input/problem_reader.h"
#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {

// One problem store and captured outputs, fed with input texts as a run feeds its file.
class ReaderTest : public ::testing::Test {
 protected:
  // Records 1 to 11, then, as a run does, records 12 to 14 when nothing stopped and no area
  // failed a data check.
  std::int32_t read(const std::string& text) {
    std::istringstream stream(text);
    InputLines lines(stream);
    const std::int32_t status = readProblemThroughAreas(lines, *data, run.outputs);
    if (status != 0 || data->badShapeAreas.count > 0 || data->offBoundaryAreas.count > 0)
      return status;
    return readPiles(lines, *data, run.outputs);
  }

  // A fresh set of outputs for a further read into the same store.
  void clearOutputs() {
    run.report.lines.clear();
    run.message.lines.clear();
    run.console.lines.clear();
  }

  static std::vector<std::string> errorBlock(std::string_view where, std::string_view what) {
    return {"", "************ INPUT DATA ERROR ************", std::string(where), std::string(what),
            ""};
  }

  // The error block written to the report, the message file and the console alike.
  void expectErrorBlock(std::string_view where, std::string_view what) {
    const std::vector<std::string> block = errorBlock(where, what);
    EXPECT_EQ(run.report.lines, block);
    EXPECT_EQ(run.message.lines, block);
    ASSERT_GE(run.console.lines.size(), block.size());
    const std::vector<std::string> consoleEnd(run.console.lines.end() - 5, run.console.lines.end());
    EXPECT_EQ(consoleEnd, block);
  }

  std::unique_ptr<ProblemData> data = std::make_unique<ProblemData>();
  testing::CapturedRun run;
};

// A text padded with blanks to a fixed record width.
inline std::string padded(std::string_view text, std::size_t width) {
  std::string result(text);
  result.resize(width, ' ');
  return result;
}

}  // namespace veldor
