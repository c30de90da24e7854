#include "engine/control_file.h"

#include <string>
#include <string_view>

namespace veldor {

namespace {

enum class LineRead { kRead, kEnd, kFailed };

LineRead readLine(std::istream& stream, std::string& line) {
  if (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::kRead;
  }
  return stream.bad() ? LineRead::kFailed : LineRead::kEnd;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The free-form value of a line: quoted text (a doubled quote stands for one), or text
// ending at the first blank, comma or slash. A leading comma or slash gives no text.
std::string freeFormValue(std::string_view line, std::size_t start) {
  const char first = line[start];
  std::string value;
  if (first == '\'' || first == '"') {
    for (std::size_t i = start + 1; i < line.size(); ++i) {
      if (line[i] == first) {
        if (i + 1 < line.size() && line[i + 1] == first) {
          value.push_back(first);
          ++i;
          continue;
        }
        break;
      }
      value.push_back(line[i]);
    }
    return value;
  }
  for (std::size_t i = start; i < line.size(); ++i) {
    if (isBlank(line[i]) || line[i] == ',' || line[i] == '/') break;
    value.push_back(line[i]);
  }
  return value;
}

LineRead readFreeFormLine(std::istream& stream, FixedText<256>& field) {
  std::string line;
  for (;;) {
    const LineRead read = readLine(stream, line);
    if (read != LineRead::kRead) return read;
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) ++start;
    if (start == line.size()) continue;  // a blank line holds no value: take the next one
    field.assign(freeFormValue(line, start));
    return LineRead::kRead;
  }
}

}  // namespace

ControlFileOutcome readControlFile(std::istream& stream, RunControl& control) {
  control.fileNameRead.fill(false);
  std::string line;
  auto headerLine = [&](auto& field) {
    const LineRead read = readLine(stream, line);
    if (read == LineRead::kRead) field.assign(line);
    return read;
  };
  const LineRead headerReads[] = {
      headerLine(control.versionLabel),   headerLine(control.unusedLines[0]),
      headerLine(control.unusedLines[1]), readFreeFormLine(stream, control.unusedLines[2]),
      headerLine(control.unusedLines[3]), headerLine(control.preparedBy)};
  for (const LineRead read : headerReads) {
    if (read == LineRead::kFailed) return ControlFileOutcome::kUnreadable;
    if (read == LineRead::kEnd) return ControlFileOutcome::kEndsEarly;
  }
  for (int role = 0; role < kFileRoleCount; ++role) {
    const LineRead read = readLine(stream, line);
    if (read == LineRead::kFailed) return ControlFileOutcome::kDataErrors;
    if (read == LineRead::kEnd) return ControlFileOutcome::kEndsEarly;
    control.fileNames[static_cast<std::size_t>(role)].assign(line);
    control.fileNameRead[static_cast<std::size_t>(role)] = true;
  }
  return ControlFileOutcome::kComplete;
}

}  // namespace veldor
