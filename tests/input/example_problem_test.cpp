#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "input/input_lines.h"
#include "input/problem_reader.h"
#include "input/soil_profile.h"
#include "model/problem_data.h"
#include "support/string_output.h"

namespace veldor {
namespace {

// The square footing of the examples folder: one 10 ft layer of 120 lb/ft3 on a five-pair
// curve, one point, one area, no piles.
TEST(ExampleProblem, ReadsAndCutsTheSquareFootingFile) {
  const std::string folder = VELDOR_EXAMPLES_DIR;
  std::ifstream file(folder + "/square_footing.dat", std::ios::binary);
  ASSERT_TRUE(file.is_open());
  InputLines lines(file);
  auto data = std::make_unique<ProblemData>();
  testing::CapturedRun run;
  ASSERT_EQ(readProblemThroughAreas(lines, *data, run.outputs), 0);
  EXPECT_EQ(data->badShapeAreas.count + data->offBoundaryAreas.count, 0);
  ASSERT_EQ(readPiles(lines, *data, run.outputs), 0);
  ASSERT_EQ(buildSoilProfile(*data, run.outputs), 0);

  EXPECT_EQ(data->curves[1].pairCount, 5);
  EXPECT_EQ(data->sublayerCount, 20);
  EXPECT_EQ(data->depthPointCount, 41);
  EXPECT_EQ(data->depthPoints[41], 10.0f);
  // 0.03 ksf at the first centre lies below P(1) = 0.05: F0 = F(1) = 0.
  EXPECT_FLOAT_EQ(data->sublayers[1].overburden, 0.03f);
  EXPECT_EQ(data->sublayers[1].initialStrain, 0.0f);
  // 0.03 + 19 x 0.06 = 1.17 ksf, between (0.8 %, 0.5) and (3.0 %, 2.0):
  // 0.008 + 0.022 / log10(4) x log10(1.17 / 0.5) = 0.008 + 0.022 / 0.60206 x 0.36922 = 0.021492.
  EXPECT_NEAR(data->sublayers[20].overburden, 1.17f, 1e-5f);
  EXPECT_NEAR(data->sublayers[20].initialStrain, 0.021492f, 1e-5f);
  EXPECT_TRUE(run.report.lines.empty());
}

// Cut anywhere before its last record, the file ends inside a record the run needs.
TEST(ExampleProblem, EveryShortenedFileStopsAsUnreadable) {
  const std::string folder = VELDOR_EXAMPLES_DIR;
  std::ifstream file(folder + "/square_footing.dat", std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(file), {}};
  ASSERT_EQ(whole.substr(whole.size() - 3), "\n1\n");  // the pile load-depth mode ends it
  auto data = std::make_unique<ProblemData>();
  for (std::size_t length = 0; length < whole.size() - 1; ++length) {
    std::istringstream stream(whole.substr(0, length));
    InputLines lines(stream);
    testing::CapturedRun run;
    std::int32_t status = readProblemThroughAreas(lines, *data, run.outputs);
    if (status == 0) status = readPiles(lines, *data, run.outputs);
    EXPECT_EQ(status, 14) << length;
    EXPECT_EQ(run.report.lines.size(), 5u) << length;
  }
}

}  // namespace
}  // namespace veldor
