#include "engine/path_pieces.h"

#include <filesystem>
#include <system_error>

namespace veldor {

namespace {

bool isSeparator(char c) {
#if defined(_WIN32)
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

}  // namespace

std::optional<std::string> completeFileName(std::string_view name) {
  std::filesystem::path path{std::string(name)};
  if (!path.is_absolute()) {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error) return std::nullopt;
    path = current / path;
  }
  std::string completed = path.lexically_normal().string();
  if (completed.size() > kMaxCompletedNameLength) return std::nullopt;
  return completed;
}

PathPieces splitFileName(std::string_view name) {
  PathPieces pieces;
  pieces.drive.assign("");
  pieces.directory.assign("");
  pieces.baseName.assign("");
  pieces.extension.assign("");
  const std::optional<std::string> completed = completeFileName(name);
  if (!completed) return pieces;
  std::string_view rest = *completed;

  const std::string drive = std::filesystem::path(*completed).root_name().string();
  if (drive.size() == 2 && drive[1] == ':') {
    pieces.drive.assign(drive);
    rest.remove_prefix(2);
  }
  std::size_t fileStart = 0;
  for (std::size_t i = 0; i < rest.size(); ++i)
    if (isSeparator(rest[i])) fileStart = i + 1;
  pieces.directory.assign(rest.substr(0, fileStart));
  const std::string_view fileName = rest.substr(fileStart);
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) {
    pieces.baseName.assign(fileName);
  } else {
    pieces.baseName.assign(fileName.substr(0, dot));
    pieces.extension.assign(fileName.substr(dot));
  }
  return pieces;
}

}  // namespace veldor
