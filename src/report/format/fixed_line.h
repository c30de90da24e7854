#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veldor {

// One line of a fixed-column file, built piece by piece from column 1.
//   FixedLine().blanks(6).text("NO.").integer(12, 3).real(0.5f, 10, 3).str()
// Integer and real fields are right-justified; a value that does not fit fills its
// field with asterisks.
class FixedLine {
 public:
  FixedLine& blanks(int count);
  // Literal or stored text at its full length, trailing blanks included.
  FixedLine& text(std::string_view text);
  // Text with its trailing blanks removed.
  FixedLine& trimmed(std::string_view text);
  // An integer right-justified in width columns, zero-padded to at least minDigits digits.
  FixedLine& integer(std::int32_t value, int width, int minDigits = 1);
  // A real rounded to decimals places as printf("%.*f") rounds the float's exact value.
  // The 0 before the decimal point is dropped when the field is one column too narrow
  // for it. Infinities and NaN print as words, shortened when the field is narrow.
  FixedLine& real(float value, int width, int decimals);

  const std::string& str() const { return line_; }
  operator std::string_view() const { return line_; }

 private:
  void field(std::string_view digits, int width);
  std::string line_;
};

// A free-format record: values separated by single blanks, integers as integers and reals
// in their shortest form that reads back to the same float.
class FreeRecord {
 public:
  FreeRecord& add(std::int32_t value);
  FreeRecord& add(float value);
  FreeRecord& add(std::string_view text);

  const std::string& str() const { return line_; }
  operator std::string_view() const { return line_; }

 private:
  void separate();
  std::string line_;
};

}  // namespace veldor
