// veldor: runs one foundation-settlement analysis from the command line, through the same
// exported routine a host application calls.
#include <cstdio>
#include <iostream>
#include <string>

#include "engine/status_words.h"
#include "problem_run.h"
#include "runner_options.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitRunnerFailure = 3;

int report(std::int32_t status, const RunFileNames* names) {
  std::ostream& out = status == VELDOR_STATUS_COMPLETED ? std::cout : std::cerr;
  out << "veldor: status " << status << ": " << veldor::statusMeaning(status) << '\n';
  if (names != nullptr && status != VELDOR_STATUS_FILES_NOT_SET_UP) {
    out << "  report:   " << names->report.string() << '\n'
        << "  plot:     " << names->plot.string() << '\n'
        << "  messages: " << names->message.string() << '\n';
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<RunnerOptions> options = parseRunnerOptions(argc, argv, error);
  if (!options) {
    std::cerr << "veldor: " << error << "\n\n" << kRunnerUsage;
    return kExitUsage;
  }
  switch (options->action) {
    case RunnerOptions::Action::kHelp:
      std::cout << kRunnerUsage;
      return 0;
    case RunnerOptions::Action::kVersion:
      std::cout << "veldor " << VELDOR_VERSION << '\n';
      return 0;
    case RunnerOptions::Action::kRunNamesDirectory: {
      const std::optional<std::int32_t> status = runInDirectory(options->namesDirectory, error);
      if (!status) break;
      return report(*status, nullptr);
    }
    case RunnerOptions::Action::kRunProblem: {
      const std::optional<RunFileNames> names = resolveFileNames(*options, error);
      if (!names) {
        std::cerr << "veldor: " << error << '\n';
        return kExitUsage;
      }
      const std::optional<std::int32_t> status = runInPrivateDirectory(*options, *names, error);
      if (!status) break;
      return report(*status, &*names);
    }
  }
  std::cerr << "veldor: " << error << '\n';
  return kExitRunnerFailure;
}
