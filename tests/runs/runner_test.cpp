#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/scratch_directory.h"
#include "veldor/veldor.h"

namespace {

using veldor::testing::readFile;
using veldor::testing::ScratchDirectory;
using veldor::testing::writeFile;
namespace fs = std::filesystem;

// Runs the command-line runner with arguments; its output goes to runner.txt.
int runner(const std::string& arguments) {
  const std::string command =
      std::string(VELDOR_RUNNER_PATH) + " " + arguments + " > runner.txt 2>&1";
  const int result = std::system(command.c_str());
  return WIFEXITED(result) ? WEXITSTATUS(result) : -1;
}

TEST(ExportedRoutineTest, RefusesEveryRequestButFourWithoutTouchingFiles) {
  ScratchDirectory scratch;
  writeFile("names.dat", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\nplot.plt\nmsg.txt\n");
  for (const std::int32_t code : {0, 3, 5}) EXPECT_EQ(IVELDOR(code, 0), 1) << code;
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST(RunnerTest, AnswersHelpVersionAndCommandLineErrors) {
  ScratchDirectory scratch;
  EXPECT_EQ(runner("--version"), 0);
  EXPECT_EQ(readFile("runner.txt"), "veldor 1.0.0\n");
  EXPECT_EQ(runner("--help"), 0);
  EXPECT_NE(readFile("runner.txt").find("usage: veldor"), std::string::npos);
  EXPECT_EQ(runner("--no-such-option x.dat"), 2);
  EXPECT_EQ(runner(""), 2);
  EXPECT_EQ(runner("a.dat b.dat"), 2);
}

TEST(RunnerTest, AMissingInputStopsWithStatusTenAndIsNotCreated) {
  ScratchDirectory scratch;
  writeFile("names.dat", "mine\n");
  EXPECT_EQ(runner("missing.dat"), VELDOR_STATUS_FILES_NOT_SET_UP);
  EXPECT_FALSE(fs::exists("missing.dat"));
  EXPECT_EQ(readFile("names.dat"), "mine\n");  // the user's own control file is untouched
  const std::string output = readFile("runner.txt");
  EXPECT_NE(output.find("veldor: status 10: the run's files cannot be set up"), std::string::npos);
  EXPECT_NE(output.find("missing.dat CANNOT BE OPENED: IT DOES NOT EXIST"), std::string::npos);
}

TEST(RunnerTest, WritesTheOutputsBesideTheProblemOrWhereTheOptionsSay) {
  ScratchDirectory scratch;
  fs::create_directory("job");
  writeFile("job/site.dat", "");
  runner("job/site.dat");
  EXPECT_TRUE(fs::exists("job/site.out"));
  EXPECT_TRUE(fs::exists("job/site.msg"));
  EXPECT_TRUE(fs::exists("job/site.plt"));
  runner("-o report.txt -p plot.txt -m messages.txt -l LABEL -b 'A. Engineer' job/site.dat");
  const std::string report = readFile("report.txt");
  EXPECT_NE(report.find("  VELDOR Version LABEL       \n"), std::string::npos);
  EXPECT_NE(report.find("\n     A. Engineer\n"), std::string::npos);
  EXPECT_NE(report.find("Path to file locations      : " + (scratch.path() / "job/").string()),
            std::string::npos);
  EXPECT_TRUE(fs::exists("plot.txt"));
  EXPECT_TRUE(fs::exists("messages.txt"));
  // No private folder is left behind in the current directory.
  for (const auto& entry : fs::directory_iterator("."))
    EXPECT_NE(entry.path().filename(), "names.dat");
}

TEST(RunnerTest, RunsTheControlFileOfADirectoryAsAHostWould) {
  ScratchDirectory scratch;
  fs::create_directory("host");
  writeFile("host/names.dat", "1\n2\n3\n4\n5\n6\nin.dat\nout.txt\nplot.plt\nmsg.txt\n");
  EXPECT_EQ(runner("--names-dir host"), VELDOR_STATUS_FILES_NOT_SET_UP);  // no in.dat yet
  EXPECT_TRUE(fs::exists("host/out.txt"));
  EXPECT_EQ(runner("--names-dir no-such-directory"), 3);
}

}  // namespace
