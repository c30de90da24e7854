#include "runner_options.h"

#include <string_view>

const char* const kRunnerUsage =
    "usage: veldor [options] PROBLEM.dat\n"
    "       veldor --names-dir DIR\n"
    "\n"
    "Runs one foundation-settlement analysis of the input data file PROBLEM.dat and writes\n"
    "the report PROBLEM.out, the plot file PROBLEM.plt and the message file PROBLEM.msg\n"
    "beside it.\n"
    "\n"
    "options:\n"
    "  -o, --report FILE       write the report to FILE\n"
    "  -p, --plot FILE         write the plot file to FILE\n"
    "  -m, --messages FILE     write the message file to FILE\n"
    "  -l, --label TEXT        version label printed in the banner (12 characters)\n"
    "  -b, --prepared-by NAME  name printed under \"This model was prepared by:\"\n"
    "      --names-dir DIR     run the names.dat already in DIR, as a host application does\n"
    "  -h, --help              show this help\n"
    "      --version           show the runner's version\n"
    "\n"
    "exit status: 0 when the run completed, otherwise the engine's status word\n"
    "(10 files, 11 curve points, 12 area checks, 13 zero pressure, 14 unreadable input,\n"
    "15 input out of range), 2 for a command-line error, 3 when the runner cannot work.\n";

std::optional<RunnerOptions> parseRunnerOptions(int argc, char** argv, std::string& error) {
  RunnerOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= argc) {
        error = "option " + std::string(argument) + " needs a value";
        return false;
      }
      target = argv[++i];
      return true;
    };
    bool ok = true;
    if (argument == "-h" || argument == "--help") {
      options.action = RunnerOptions::Action::kHelp;
      return options;
    } else if (argument == "--version") {
      options.action = RunnerOptions::Action::kVersion;
      return options;
    } else if (argument == "-o" || argument == "--report") {
      ok = value(options.reportFile);
    } else if (argument == "-p" || argument == "--plot") {
      ok = value(options.plotFile);
    } else if (argument == "-m" || argument == "--messages") {
      ok = value(options.messageFile);
    } else if (argument == "-l" || argument == "--label") {
      ok = value(options.versionLabel);
    } else if (argument == "-b" || argument == "--prepared-by") {
      ok = value(options.preparedBy);
    } else if (argument == "--names-dir") {
      ok = value(options.namesDirectory);
      options.action = RunnerOptions::Action::kRunNamesDirectory;
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + std::string(argument);
      return std::nullopt;
    } else if (options.problemFile.empty()) {
      options.problemFile = argument;
    } else {
      error = "more than one input data file given";
      return std::nullopt;
    }
    if (!ok) return std::nullopt;
  }
  if (options.action == RunnerOptions::Action::kRunProblem && options.problemFile.empty()) {
    error = "no input data file given";
    return std::nullopt;
  }
  if (options.action == RunnerOptions::Action::kRunNamesDirectory && !options.problemFile.empty()) {
    error = "--names-dir takes no input data file";
    return std::nullopt;
  }
  return options;
}
