#include "problem_run.h"

#include <fstream>
#include <random>
#include <system_error>

#include "veldor/veldor.h"

namespace fs = std::filesystem;

namespace {

// The control file holds each file name on one line of at most 255 characters, and the
// engine removes trailing blanks.
constexpr std::size_t kMaxControlFileName = 255;

bool usableName(const fs::path& path, std::string& error) {
  const std::string name = path.string();
  if (name.size() > kMaxControlFileName) {
    error = "file name longer than 255 characters: " + name;
    return false;
  }
  if (name.find_first_of("\r\n") != std::string::npos || name.back() == ' ') {
    error = "file name with a line break or a trailing blank: " + name;
    return false;
  }
  return true;
}

fs::path absoluteName(const std::string& name) { return fs::absolute(name).lexically_normal(); }

fs::path besideProblem(const fs::path& input, const char* extension) {
  fs::path name = input;
  name.replace_extension(extension);
  return name;
}

std::string oneLine(const std::string& text) {
  std::string line = text.substr(0, text.find_first_of("\r\n"));
  return line;
}

// Switches to a directory for one call and back afterwards.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const fs::path& directory, std::error_code& error)
      : previous_(fs::current_path(error)) {
    if (!error) fs::current_path(directory, error);
    entered_ = !error;
  }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;
  ~CurrentDirectory() {
    std::error_code ignored;
    if (entered_) fs::current_path(previous_, ignored);
  }

 private:
  fs::path previous_;
  bool entered_ = false;
};

std::optional<fs::path> createPrivateDirectory(std::string& error) {
  std::error_code status;
  const fs::path base = fs::temp_directory_path(status);
  if (status) {
    error = "no temporary directory: " + status.message();
    return std::nullopt;
  }
  std::random_device seed;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("veldor-run-" + std::to_string(seed()));
    if (fs::create_directory(candidate, status)) return candidate;
    if (status) break;
  }
  error = "cannot create a private directory under " + base.string();
  return std::nullopt;
}

}  // namespace

std::optional<RunFileNames> resolveFileNames(const RunnerOptions& options, std::string& error) {
  RunFileNames names;
  names.input = absoluteName(options.problemFile);
  names.report = options.reportFile.empty() ? besideProblem(names.input, ".out")
                                            : absoluteName(options.reportFile);
  names.plot = options.plotFile.empty() ? besideProblem(names.input, ".plt")
                                        : absoluteName(options.plotFile);
  names.message = options.messageFile.empty() ? besideProblem(names.input, ".msg")
                                              : absoluteName(options.messageFile);
  for (const fs::path* name : {&names.input, &names.report, &names.plot, &names.message}) {
    if (!usableName(*name, error)) return std::nullopt;
  }
  return names;
}

std::optional<std::int32_t> runInPrivateDirectory(const RunnerOptions& options,
                                                  const RunFileNames& names, std::string& error) {
  const std::optional<fs::path> directory = createPrivateDirectory(error);
  if (!directory) return std::nullopt;
  {
    std::ofstream control(*directory / "names.dat", std::ios::binary);
    // Line 4 must hold a value, or the engine would take it from line 5.
    control << oneLine(options.versionLabel) << "\n\n\n'veldor'\n\n"
            << oneLine(options.preparedBy) << '\n'
            << names.input.string() << '\n'
            << names.report.string() << '\n'
            << names.plot.string() << '\n'
            << names.message.string() << '\n';
  }
  std::optional<std::int32_t> status = runInDirectory(*directory, error);
  std::error_code ignored;
  fs::remove_all(*directory, ignored);
  return status;
}

std::optional<std::int32_t> runInDirectory(const fs::path& directory, std::string& error) {
  std::error_code status;
  const CurrentDirectory inside(directory, status);
  if (status) {
    error = "cannot enter " + directory.string() + ": " + status.message();
    return std::nullopt;
  }
  return IVELDOR(VELDOR_REQUEST_RUN, 0);
}
