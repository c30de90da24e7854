#include "input/record_reader.h"

#include <utility>

#include "input/number_text.h"
#include "report/format/fixed_line.h"
#include "settlement/data_error_message.h"

namespace veldor {

namespace {

std::string lineText(int line) {
  return FixedLine().text("LINE ").text(FreeRecord().add(line)).str();
}

}  // namespace

bool RecordReader::textLine(std::string_view record, std::string& line) {
  values_ = ValueScanner();
  if (lines_.next(line)) return true;
  writeDataErrorMessage(
      outputs_,
      FixedLine().text(lineText(lines_.lineNumber() + 1)).text(", ").text(record).text(":"),
      "THE INPUT ENDS BEFORE THIS LINE");
  return false;
}

void RecordReader::begin(std::string record) {
  record_ = std::move(record);
  fields_.clear();
  values_ = ValueScanner();
  // The record opens on a new line, even when that line turns out to hold no value.
  if (lines_.next(line_)) values_ = ValueScanner(line_);
}

bool RecordReader::nextValue(std::string_view field, std::string_view& value) {
  fields_.push_back({field, lines_.lineNumber()});
  while (!values_.next(value)) {
    if (!lines_.next(line_)) {
      fields_.back().line = lines_.lineNumber() + 1;
      writeDataErrorMessage(outputs_, placeOfField(fields_.size()),
                            "THE INPUT ENDS BEFORE THIS VALUE");
      return false;
    }
    values_ = ValueScanner(line_);
  }
  fields_.back().line = lines_.lineNumber();
  return true;
}

bool RecordReader::integer(std::string_view field, std::int32_t& value) {
  std::string_view found;
  if (!nextValue(field, found)) return false;
  switch (readIntegerText(found, value)) {
    case NumberText::kRead:
      return true;
    case NumberText::kNotANumber:
      rejectValue(found, "WHICH IS NOT AN INTEGER");
      return false;
    case NumberText::kOutOfRange:
      break;
  }
  rejectValue(found, "WHICH IS BEYOND THE RANGE OF AN INTEGER");
  return false;
}

bool RecordReader::real(std::string_view field, float& value) {
  std::string_view found;
  if (!nextValue(field, found)) return false;
  switch (readRealText(found, value)) {
    case NumberText::kRead:
      return true;
    case NumberText::kNotANumber:
      rejectValue(found, "WHICH IS NOT A REAL NUMBER");
      return false;
    case NumberText::kOutOfRange:
      break;
  }
  rejectValue(found, "WHICH IS BEYOND THE RANGE OF A REAL NUMBER");
  return false;
}

void RecordReader::rejectValue(std::string_view found, std::string_view problem) {
  writeDataErrorMessage(outputs_, placeOfField(fields_.size()),
                        FixedLine().text("FOUND \"").text(found).text("\", ").text(problem));
}

void RecordReader::rejectField(std::size_t field, std::string_view what) {
  writeDataErrorMessage(outputs_, placeOfField(field), what);
}

std::string RecordReader::placeOfField(std::size_t field) const {
  const FieldPlace& place = fields_[field - 1];
  return FixedLine()
      .text(lineText(place.line))
      .text(", ")
      .text(record_)
      .text(", FIELD ")
      .text(FreeRecord().add(static_cast<std::int32_t>(field)))
      .text(" (")
      .text(place.name)
      .text("):")
      .str();
}

}  // namespace veldor
