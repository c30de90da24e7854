#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run_analysis.h"
#include "support/scratch_directory.h"
#include "veldor/veldor.h"

namespace veldor {
namespace {

using testing::linesOf;
using testing::readFile;
using testing::ScratchDirectory;
using testing::writeFile;
namespace fs = std::filesystem;

LocalTime seventhOfMarch() { return {2026, 3, 7, 9, 5, 3}; }

std::string namesFile(const std::string& input, const std::string& output, const std::string& plot,
                      const std::string& message) {
  return "1.0\n\n\nx\n\nTester\n" + input + "\n" + output + "\n" + plot + "\n" + message + "\n";
}

class RunSetupTest : public ::testing::Test {
 protected:
  void SetUp() override { setAnalysisClock(&seventhOfMarch); }
  void TearDown() override { setAnalysisClock(nullptr); }

  // Runs one analysis and returns its status word; the console text is kept in console_.
  std::int32_t run(std::int32_t requestCode = 4) {
    ::testing::internal::CaptureStderr();
    const std::int32_t status = runRequest(requestCode);
    console_ = ::testing::internal::GetCapturedStderr();
    return status;
  }

  ScratchDirectory scratch_;
  std::string console_;
};

TEST_F(RunSetupTest, RequestCodesOtherThanFourTouchNoFile) {
  const std::string names = namesFile("in.dat", "out.txt", "plot.plt", "msg.txt");
  writeFile("names.dat", names);
  const auto stamp = fs::last_write_time("names.dat");
  for (const std::int32_t code : {0, 3, 5, -4}) {
    EXPECT_EQ(run(code), VELDOR_STATUS_REQUEST_REFUSED) << code;
  }
  EXPECT_EQ(readFile("names.dat"), names);
  EXPECT_EQ(fs::last_write_time("names.dat"), stamp);
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  EXPECT_EQ(console_, "");
}

// The heading as the line layouts give it, for a relative input name, a version label longer
// than 12 characters, an output extension of six letters and a blank line 4.
TEST_F(RunSetupTest, TheReportOpensWithBannerFileEchoAndDate) {
  writeFile("names.dat",
            "2020.1-beta-long\nline 2\nline 3\n\n'line four'\nline 5\nJane Q. Engineer   \n"
            "problem.dat  \nresult.report\nresult.plt\nresult.msg\n");
  writeFile("problem.dat", "");
  run();
  const std::string rule(73, '=');
  const std::string dash(73, '-');
  const std::vector<std::string> expected = {
      "     " + rule,
      "",
      "                    "
      "  VELDOR Version "
      "2020.1-beta-",
      "",
      "",
      "                    "
      "   A Program for Analysis of Foundation Settlement ",
      "",
      "",
      "     " + rule,
      "",
      "",
      "     This model was prepared by:",
      "     Jane Q. Engineer",
      "",
      "",
      "",
      "     Path to file locations      : " + scratch_.path().string() + "/",
      "     Name of input data file     : problem.dat",
      "     Name of output file         : result.repo",
      "     Name of plot output file    : result.plt",
      "",
      "     " + dash,
      "                          Time and Date of Analysis",
      "     " + dash,
      "",
      "               Date:  March 07, 2026     Time:  09:05:03",
  };
  const std::vector<std::string> report = linesOf(readFile("result.report"));
  ASSERT_GE(report.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i], expected[i]) << i;
  EXPECT_NE(console_.find("          EXECUTION IN PROGRESS\n\n"), std::string::npos);
}

TEST_F(RunSetupTest, TheDateLinePadsEveryFieldToTwoDigits) {
  setAnalysisClock([] { return LocalTime{2027, 1, 1, 0, 0, 0}; });
  writeFile("names.dat", namesFile("in.dat", "out.txt", "plot.plt", "msg.txt"));
  writeFile("in.dat", "");
  run();
  const std::vector<std::string> report = linesOf(readFile("out.txt"));
  ASSERT_GT(report.size(), 25u);
  EXPECT_EQ(report[25], "               Date:  January 01, 2027     Time:  00:00:00");
}

// The message file cannot be opened, so the run stops after the heading with the plot
// file opened but never written.
TEST_F(RunSetupTest, AnExistingReportIsReplacedAndAnUnwrittenPlotFileKept) {
  writeFile("names.dat", namesFile("in.dat", "out.txt", "plot.plt", "none/msg.txt"));
  writeFile("in.dat", "");
  writeFile("out.txt", std::string(100000, 'x'));
  writeFile("plot.plt", "earlier plot\n");
  EXPECT_EQ(run(), VELDOR_STATUS_FILES_NOT_SET_UP);
  const std::string report = readFile("out.txt");
  EXPECT_EQ(report.find("xxx"), std::string::npos);
  EXPECT_EQ(report.rfind("     =", 0), 0u);
  EXPECT_NE(report.find("FILE ERROR: THE MESSAGE FILE none/msg.txt CANNOT BE OPENED"),
            std::string::npos);
  EXPECT_EQ(readFile("plot.plt"), "earlier plot\n");
}

struct SetupFailure {
  const char* name;
  const char* names;   // content of names.dat; null for no names.dat
  bool reportWritten;  // whether the failure line also goes to the report out.txt
  const char* consoleText;
};

TEST_F(RunSetupTest, FilesThatCannotBeSetUpStopTheRunWithStatusTen) {
  const SetupFailure cases[] = {
      {"no names.dat", nullptr, false, "THE CONTROL FILE names.dat IS NOT IN THE CURRENT"},
      {"names.dat ends early", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\nplot.plt\n", false,
       "THE CONTROL FILE names.dat ENDS BEFORE ITS TENTH LINE"},
      {"blank output name", "1\n2\n3\n4\n5\n6\nin.dat\n   \nplot.plt\nmsg.txt\n", false,
       "THE OUTPUT FILE NAME ON LINE 8 OF names.dat IS BLANK"},
      {"blank input name", "1\n2\n3\n4\n5\n6\n\nout.txt\nplot.plt\nmsg.txt\n", true,
       "THE INPUT DATA FILE NAME ON LINE 7 OF names.dat IS BLANK"},
      {"missing input", "1\n2\n3\n4\n5\n6\nmissing.dat\nout.txt\nplot.plt\nmsg.txt\n", true,
       "THE INPUT DATA FILE missing.dat CANNOT BE OPENED: IT DOES NOT EXIST"},
      {"input is a directory", "1\n2\n3\n4\n5\n6\nfolder\nout.txt\nplot.plt\nmsg.txt\n", true,
       "THE INPUT DATA FILE folder CANNOT BE OPENED: IT IS A DIRECTORY"},
      {"output in a missing directory", "1\n2\n3\n4\n5\n6\nin.dat\nnone/out.txt\np\nm\n", false,
       "THE OUTPUT FILE none/out.txt CANNOT BE OPENED: ITS DIRECTORY DOES NOT EXIST"},
      {"plot file is a directory", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\nfolder\nmsg.txt\n", true,
       "THE PLOT OUTPUT FILE folder CANNOT BE OPENED: IT IS A DIRECTORY"},
      {"report names the input", "1\n2\n3\n4\n5\n6\nin.dat\n./in.dat\nplot.plt\nmsg.txt\n", false,
       "THE OUTPUT FILE ./in.dat IS ALSO THE INPUT DATA FILE"},
      {"message file names the plot file", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\np.plt\np.plt\n",
       true, "THE MESSAGE FILE p.plt IS ALSO THE PLOT OUTPUT FILE"},
      {"message file is names.dat", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\nplot.plt\nnames.dat\n",
       true, "THE MESSAGE FILE names.dat IS THE CONTROL FILE names.dat"},
      // link is a symbolic link to the directory real: two names, one new file.
      {"report and plot through a link", "1\n2\n3\n4\n5\n6\nin.dat\nreal/r.out\nlink/r.out\nm\n",
       false, "THE OUTPUT FILE real/r.out IS ALSO THE PLOT OUTPUT FILE"},
      {"report at a missing input through a link",
       "1\n2\n3\n4\n5\n6\nlink/in.dat\nreal/in.dat\nplot.plt\nmsg.txt\n", false,
       "THE OUTPUT FILE real/in.dat IS ALSO THE INPUT DATA FILE"},
  };
  for (const SetupFailure& c : cases) {
    ScratchDirectory scratch;
    writeFile("in.dat", "input data\n");
    fs::create_directory("folder");
    fs::create_directory("real");
    fs::create_directory_symlink("real", "link");
    if (c.names != nullptr) writeFile("names.dat", c.names);
    EXPECT_EQ(run(), VELDOR_STATUS_FILES_NOT_SET_UP) << c.name;
    EXPECT_NE(console_.find(std::string("FILE ERROR: ") + c.consoleText), std::string::npos)
        << c.name << ": " << console_;
    EXPECT_EQ(console_.find("EXECUTION IN PROGRESS"), std::string::npos) << c.name;
    EXPECT_EQ(readFile("in.dat"), "input data\n") << c.name;
    EXPECT_FALSE(fs::exists("missing.dat")) << c.name;
    EXPECT_TRUE(fs::is_empty("real")) << c.name;
    if (c.names != nullptr) {
      EXPECT_EQ(readFile("names.dat"), c.names) << c.name;
    }
    const std::string report = readFile("out.txt");
    EXPECT_EQ(report.find(c.consoleText) != std::string::npos, c.reportWritten) << c.name;
  }
}

TEST_F(RunSetupTest, ADirectoryNamedNamesDatIsNoControlFile) {
  fs::create_directory("names.dat");
  EXPECT_EQ(run(), VELDOR_STATUS_FILES_NOT_SET_UP);
  EXPECT_EQ(console_, "FILE ERROR: THE CONTROL FILE names.dat IS NOT A REGULAR FILE\n");
}

}  // namespace
}  // namespace veldor
