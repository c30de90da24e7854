#include "report/format/file_output.h"

#include <filesystem>
#include <system_error>

namespace veldor {

FileOutput::~FileOutput() { close(); }

bool FileOutput::open(const std::string& name) {
  close();
  // Append mode creates a missing file and leaves an existing one as it is.
  file_ = std::fopen(name.c_str(), "a");
  name_ = name;
  written_ = false;
  return file_ != nullptr;
}

void FileOutput::writeLine(std::string_view line) {
  if (file_ == nullptr) return;
  if (!written_) {
    // The first line replaces the earlier content: empty the file, then append.
    std::error_code ignored;
    std::filesystem::resize_file(name_, 0, ignored);
    written_ = true;
  }
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
}

void FileOutput::close() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace veldor
