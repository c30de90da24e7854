#pragma once

#include <optional>
#include <string>

// What the command line asks the runner to do.
struct RunnerOptions {
  enum class Action { kRunProblem, kRunNamesDirectory, kHelp, kVersion };
  Action action = Action::kRunProblem;
  std::string problemFile;  // the input data file
  std::string namesDirectory;
  std::string reportFile;   // blank: beside the problem, extension .out
  std::string plotFile;     // blank: extension .plt
  std::string messageFile;  // blank: extension .msg
  std::string versionLabel = VELDOR_VERSION;
  std::string preparedBy;
};

// The options of argv, or nothing with the reason in error.
std::optional<RunnerOptions> parseRunnerOptions(int argc, char** argv, std::string& error);

extern const char* const kRunnerUsage;
