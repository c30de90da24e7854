#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_lines.h"
#include "input/value_scanner.h"
#include "model/fixed_text.h"
#include "report/format/text_output.h"

namespace veldor {

// Reads the records of the input data file in order: fixed text records line by line and
// free-format records value by value, each free-format record from a new line and continued
// over further lines when its values run out. A value that cannot be read, or an input that
// ends early, writes its data-error message naming the line, the record and the field, and
// the read returns false.
class RecordReader {
 public:
  RecordReader(InputLines& lines, const RunOutputs& outputs) : lines_(lines), outputs_(outputs) {}

  // The next line as a fixed text record, cut or blank-filled to N characters. `record`
  // names the record in messages, e.g. "TITLE LINE 1".
  template <std::size_t N>
  bool text(std::string_view record, FixedText<N>& text) {
    std::string line;
    if (!textLine(record, line)) return false;
    text.assign(line);
    return true;
  }

  // Starts the next free-format record, e.g. "SOIL LAYER RECORD 3"; the values left on the
  // line of the previous record are passed over.
  void begin(std::string record);
  // The next value of the record; `field` names it in messages, e.g. "DEPTH TO BOTTOM".
  bool integer(std::string_view field, std::int32_t& value);
  bool real(std::string_view field, float& value);

  // Writes the data-error message for field number `field` (1-based) of the current record,
  // already read, whose value lies outside its range; `what` tells what was found.
  void rejectField(std::size_t field, std::string_view what);
  // The place of field number `field` of the current record as a data-error message names
  // it, e.g. "LINE 12, SOIL LAYER RECORD 3, FIELD 2 (DEPTH TO BOTTOM):", kept by a caller
  // that rejects the value only after further records.
  std::string placeOfField(std::size_t field) const;

 private:
  struct FieldPlace {
    std::string_view name;
    int line;
  };

  bool textLine(std::string_view record, std::string& line);
  bool nextValue(std::string_view field, std::string_view& value);
  void rejectValue(std::string_view found, std::string_view problem);

  InputLines& lines_;
  const RunOutputs& outputs_;
  std::string line_;
  ValueScanner values_;
  std::string record_;
  std::vector<FieldPlace> fields_;
};

}  // namespace veldor
