#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_directory.h"
#include "veldor/veldor.h"

namespace {

using veldor::testing::linesOf;
using veldor::testing::readFile;
using veldor::testing::ScratchDirectory;
using veldor::testing::writeFile;

// A small problem: one 2 ft layer, the given curve records, one point, the given area records
// and the given pile records.
std::string problem(const std::string& curve, const std::string& areas, const std::string& piles,
                    int areaCount = 1) {
  return "STOP TEST\nSECOND TITLE LINE\n1\n1 1 1 " + std::to_string(areaCount) +
         "\n1 2.0 120.0 1 1.0\n" + curve + "1 0.0 0.0 1\n" + areas + piles;
}

const std::string kCurve = "1 2\nCLAY\n1.0 1.0\n2.0 10.0\n";
const std::string kArea = "A1\n1 0.0 0.0 2.0 2.0 0.0 1.0 0.0\n";
const std::string kNoPiles = "0\n1\n";

std::string withLetterInDepth() {
  std::string input = problem(kCurve, kArea, kNoPiles);
  input.replace(input.find("1 2.0 120.0"), 5, "1 2.O");
  return input;
}

struct RunResult {
  std::int32_t status;
  std::vector<std::string> report;
  std::string plot;
  std::string message;
  std::string console;
};

RunResult runProblem(const std::string& input) {
  ScratchDirectory scratch;
  writeFile("names.dat", "1.0\n\n\n'stop'\n\nTester\nin.dat\nout.txt\nplot.plt\nmsg.txt\n");
  writeFile("in.dat", input);
  ::testing::internal::CaptureStderr();
  RunResult result;
  result.status = IVELDOR(4, 0);
  result.console = ::testing::internal::GetCapturedStderr();
  result.report = linesOf(readFile("out.txt"));
  result.plot = readFile("plot.plt");
  result.message = readFile("msg.txt");
  return result;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The heading of a report ends with its date line, the 26th line.
constexpr std::size_t kHeadingLines = 26;

TEST(RunStopsTest, ACurveOfFortyNinePointsLeavesOnlyTheHeading) {
  std::string curve = "1 49\nLONG CURVE\n";
  for (int k = 1; k <= 49; ++k) curve += "1.0 " + std::to_string(k) + ".0\n";
  const RunResult run = runProblem(problem(curve, kArea, kNoPiles));
  EXPECT_EQ(run.status, VELDOR_STATUS_TOO_MANY_CURVE_POINTS);
  EXPECT_EQ(run.report.size(), kHeadingLines);
  EXPECT_EQ(run.plot, "");
  EXPECT_EQ(run.message, "");
}

TEST(RunStopsTest, FailedAreaChecksListTheAreasAndReadNoPiles) {
  // Area B2 has the pile shape 3 and an elevation between layer bottoms; what follows the
  // areas is not a pile record and is never read.
  const RunResult run =
      runProblem(problem(kCurve, kArea + "B2\n3 1.0 1.0 1.0 1.0 0.0 1.0 1.5\n", "garbage\n", 2));
  EXPECT_EQ(run.status, VELDOR_STATUS_AREA_CHECKS_FAILED);
  const std::vector<std::string> blocks = {
      "",
      "",
      "",
      "",
      "            THE SHAPE IS INCORRECT FOR THESE LOADED AREAS:",
      "",
      "          B2    ",
      "",
      "",
      "",
      "",
      "            THE FOLLOWING LOADED AREAS ARE NOT LOCATED AT A BOUNDARY LAYER:",
      "",
      "          B2    "};
  std::vector<std::string> reportTail(run.report.begin() + kHeadingLines, run.report.end());
  std::vector<std::string> expectedReport = blocks;
  expectedReport.push_back("1");
  EXPECT_EQ(reportTail, expectedReport);
  EXPECT_EQ(linesOf(run.message), blocks);
  EXPECT_EQ(run.plot, "");
}

TEST(RunStopsTest, AZeroCurvePressureEndsTableThreeWithTheErrorBlock) {
  const RunResult run = runProblem(problem("1 2\nCLAY\n1.0 1.0\n2.0 0.0\n", kArea, kNoPiles));
  EXPECT_EQ(run.status, VELDOR_STATUS_ZERO_CURVE_PRESSURE);
  const std::vector<std::string> tail(run.report.end() - 7, run.report.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "           2.000         0.000", "", "", "************ERROR**************",
                      "THE VERTICAL PRESSURE SHOULD BE GREATER THAN 0.0", "", ""}));
  EXPECT_FALSE(contains(run.report, "      TABLE 4 - SETTLEMENT POINT DATA"));
  EXPECT_EQ(run.plot, "");
  EXPECT_EQ(run.message, "");
}

TEST(RunStopsTest, BadInputStopsWithItsMessageInEveryOutput) {
  struct Case {
    const char* name;
    std::string input;
    std::int32_t status;
    const char* where;  // the start of the message line that names the place
  };
  const Case cases[] = {
      {"letters in a depth", withLetterInDepth(), VELDOR_STATUS_UNREADABLE_INPUT,
       " LINE 5, SOIL LAYER RECORD 1, FIELD 2"},
      {"input ends before the pile mode", problem(kCurve, kArea, "0\n"),
       VELDOR_STATUS_UNREADABLE_INPUT, " LINE 14, PILE LOAD DEPTH MODE RECORD"},
      {"unit system 3", "T\nT\n3\n", VELDOR_STATUS_INPUT_OUT_OF_RANGE, " LINE 3"},
      {"31 layers", "T\nT\n1\n31 1 1 1\n", VELDOR_STATUS_INPUT_OUT_OF_RANGE, " LINE 4"},
      {"pile mode 4", problem(kCurve, kArea, "1\n4\n1 0 0 1 1 0 0 5 10\n"),
       VELDOR_STATUS_INPUT_OUT_OF_RANGE, " LINE 14, PILE LOAD DEPTH MODE RECORD"},
  };
  for (const Case& c : cases) {
    const RunResult run = runProblem(c.input);
    EXPECT_EQ(run.status, c.status) << c.name;
    std::vector<std::string> message = linesOf(run.message);
    ASSERT_GE(message.size(), 3u) << c.name;
    EXPECT_EQ(message[2].rfind(c.where, 0), 0u) << c.name << ": " << message[2];
    for (const std::string& line : message) {
      EXPECT_TRUE(contains(run.report, line)) << c.name << ": " << line;
      EXPECT_NE(run.console.find(line), std::string::npos) << c.name << ": " << line;
    }
    EXPECT_EQ(run.plot, "") << c.name;
  }
}

TEST(RunStopsTest, AProblemWithoutPointsEndsAfterTableFive) {
  std::string input = problem(kCurve, kArea, kNoPiles);
  input.replace(input.find("1 1 1 1"), 7, "1 1 0 1");
  input.erase(input.find("1 0.0 0.0 1\n"), 12);
  const RunResult run = runProblem(input);
  ASSERT_EQ(run.status, VELDOR_STATUS_COMPLETED) << run.console;
  EXPECT_EQ(run.plot,
            "LDS\n1\nA1  \n   1       0.00     0.00   2.00    2.00  0.000      1.000    0.00\n0\n"
            "END\n");
  EXPECT_EQ(run.message, "1 0\n");
  EXPECT_FALSE(contains(run.report, "      TABLE 7 - COMPUTED SETTLEMENT IN INCHES           "));
  EXPECT_EQ(run.report.back(), "\f");
  EXPECT_EQ(run.report[run.report.size() - 2],
            "      A1     1       0.00     0.00   2.00    2.00  0.000      1.000    0.00");
}

}  // namespace
