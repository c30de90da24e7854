#include "engine/file_setup.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "engine/path_pieces.h"
#include "report/format/fixed_line.h"

namespace veldor {

namespace {

constexpr std::array<std::string_view, kFileRoleCount> kRoleNames = {
    "INPUT DATA FILE", "OUTPUT FILE", "PLOT OUTPUT FILE", "MESSAGE FILE"};
constexpr std::string_view kControlFileName = "names.dat";

std::string_view roleName(FileRole role) { return kRoleNames[static_cast<std::size_t>(role)]; }

std::string fileName(const RunControl& control, FileRole role) {
  return std::string(control.fileName(role).trimmed());
}

void reportFailure(std::string_view reason, TextOutput& console, TextOutput* report) {
  const std::string line = "FILE ERROR: " + std::string(reason);
  console.writeLine(line);
  if (report != nullptr) report->writeLine(line);
}

// Whether two names denote one file: the same completed name, the same name once the
// symbolic links of its existing directories are resolved, or the same existing file.
bool sameFile(const std::string& first, const std::string& second) {
  const std::optional<std::string> a = completeFileName(first);
  const std::optional<std::string> b = completeFileName(second);
  if (a && b && *a == *b) return true;
  std::error_code error;
  const std::filesystem::path resolvedFirst = std::filesystem::weakly_canonical(first, error);
  if (!error && resolvedFirst == std::filesystem::weakly_canonical(second, error) && !error)
    return true;
  return std::filesystem::equivalent(first, second, error) && !error;
}

// The reason a role's name cannot be used at all, or nothing when it can.
std::optional<std::string> nameProblem(const RunControl& control, FileRole role) {
  const std::string lineText =
      " NAME ON LINE " + std::to_string(static_cast<int>(role) + 7) + " OF names.dat";
  if (!control.fileNameRead[static_cast<std::size_t>(role)])
    return "THE " + std::string(roleName(role)) + lineText + " WAS NOT READ";
  const std::string name = fileName(control, role);
  if (name.empty()) return "THE " + std::string(roleName(role)) + lineText + " IS BLANK";
  if (sameFile(name, std::string(kControlFileName)))
    return "THE " + std::string(roleName(role)) + " " + name + " IS THE CONTROL FILE names.dat";
  return std::nullopt;
}

std::optional<std::string> clash(const RunControl& control, FileRole role, FileRole other) {
  if (!control.fileNameRead[static_cast<std::size_t>(other)]) return std::nullopt;
  const std::string name = fileName(control, role);
  const std::string otherName = fileName(control, other);
  if (otherName.empty() || !sameFile(name, otherName)) return std::nullopt;
  return "THE " + std::string(roleName(role)) + " " + name + " IS ALSO THE " +
         std::string(roleName(other));
}

std::string openFailureReason(const std::string& name, int error) {
  const std::filesystem::path path(name);
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return "IT IS A DIRECTORY";
  const std::filesystem::path parent = std::filesystem::absolute(path, ignored).parent_path();
  if (!parent.empty() && !std::filesystem::is_directory(parent, ignored))
    return "ITS DIRECTORY DOES NOT EXIST";
  if (error == EACCES || error == EPERM || error == EROFS) return "PERMISSION DENIED";
  return "THE SYSTEM REFUSED TO OPEN IT";
}

std::int32_t openOutput(const RunControl& control, FileRole role, FileOutput& file,
                        TextOutput& console, TextOutput* report) {
  const std::string name = fileName(control, role);
  errno = 0;
  if (file.open(name)) return 0;
  reportFailure("THE " + std::string(roleName(role)) + " " + name +
                    " CANNOT BE OPENED: " + openFailureReason(name, errno),
                console, report);
  return 10;
}

std::int32_t openInput(const RunControl& control, RunFiles& files, TextOutput& console) {
  const std::string name = fileName(control, FileRole::kInput);
  std::error_code error;
  const auto status = std::filesystem::status(name, error);
  std::string reason;
  if (!std::filesystem::exists(status)) {
    reason = openFailureReason(name, ENOENT);
    if (reason == "THE SYSTEM REFUSED TO OPEN IT") reason = "IT DOES NOT EXIST";
  } else if (std::filesystem::is_directory(status)) {
    reason = "IT IS A DIRECTORY";
  } else {
    files.input.open(name, std::ios::in | std::ios::binary);
    if (files.input.is_open()) return 0;
    reason = "PERMISSION DENIED OR THE SYSTEM REFUSED TO OPEN IT";
  }
  reportFailure("THE INPUT DATA FILE " + name + " CANNOT BE OPENED: " + reason, console,
                &files.report);
  return 10;
}

}  // namespace

std::int32_t openReportFile(const RunControl& control, RunFiles& files, TextOutput& console) {
  std::optional<std::string> problem = nameProblem(control, FileRole::kReport);
  // The report must name no other role's file: writing its heading would destroy that file.
  for (const FileRole other : {FileRole::kInput, FileRole::kPlot, FileRole::kMessage}) {
    if (!problem) problem = clash(control, FileRole::kReport, other);
  }
  if (problem) {
    reportFailure(*problem, console, nullptr);
    return 10;
  }
  return openOutput(control, FileRole::kReport, files.report, console, nullptr);
}

void writeFileNameEcho(TextOutput& report, const RunControl& control, PathPieces& pieces) {
  pieces = splitFileName(control.fileName(FileRole::kInput).trimmed());
  report.writeLine(FixedLine()
                       .blanks(5)
                       .text("Path to file locations      : ")
                       .trimmed(pieces.drive.view())
                       .trimmed(pieces.directory.view()));
  report.writeLine(FixedLine()
                       .blanks(5)
                       .text("Name of input data file     : ")
                       .trimmed(pieces.baseName.view())
                       .trimmed(pieces.extension.view()));
  pieces = splitFileName(control.fileName(FileRole::kReport).trimmed());
  report.writeLine(FixedLine()
                       .blanks(5)
                       .text("Name of output file         : ")
                       .trimmed(pieces.baseName.view())
                       .trimmed(pieces.extension.view()));
  pieces = splitFileName(control.fileName(FileRole::kPlot).trimmed());
  report.writeLine(FixedLine()
                       .blanks(5)
                       .text("Name of plot output file    : ")
                       .trimmed(pieces.baseName.view())
                       .trimmed(pieces.extension.view()));
}

std::int32_t openDataFiles(const RunControl& control, RunFiles& files, TextOutput& console) {
  constexpr std::array<FileRole, 3> kOrder = {FileRole::kInput, FileRole::kPlot,
                                              FileRole::kMessage};
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    const FileRole role = kOrder[i];
    std::optional<std::string> problem = nameProblem(control, role);
    if (!problem) problem = clash(control, role, FileRole::kReport);
    for (std::size_t j = 0; j < i && !problem; ++j) problem = clash(control, role, kOrder[j]);
    if (problem) {
      reportFailure(*problem, console, &files.report);
      return 10;
    }
    const std::int32_t status =
        role == FileRole::kInput
            ? openInput(control, files, console)
            : openOutput(control, role, role == FileRole::kPlot ? files.plot : files.message,
                         console, &files.report);
    if (status != 0) return status;
  }
  return 0;
}

}  // namespace veldor
