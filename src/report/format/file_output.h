#pragma once

#include <cstdio>
#include <string>

#include "report/format/text_output.h"

namespace veldor {

// An output file of a run. Opening uses an existing file or creates a missing one without
// touching its content; the first line written replaces the earlier content, so a file to
// which nothing is written keeps what it held.
class FileOutput final : public TextOutput {
 public:
  FileOutput() = default;
  FileOutput(const FileOutput&) = delete;
  FileOutput& operator=(const FileOutput&) = delete;
  ~FileOutput() override;

  // Opens the file under name; false when the system refuses (errno tells why).
  bool open(const std::string& name);
  bool isOpen() const { return file_ != nullptr; }
  void writeLine(std::string_view line) override;
  void close();

 private:
  std::FILE* file_ = nullptr;
  std::string name_;
  bool written_ = false;
};

}  // namespace veldor
