#include "report/format/fixed_line.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace veldor {

namespace {

// Room for any float in fixed notation with the decimals a report field can ask for.
constexpr int kRealBufferSize = 128;
constexpr int kMaxDecimals = 60;

std::string_view nonFiniteText(float value, int width) {
  if (std::isnan(value)) return "NaN";
  if (value > 0) return width >= 8 ? "Infinity" : "Inf";
  return width >= 9 ? "-Infinity" : "-Inf";
}

}  // namespace

FixedLine& FixedLine::blanks(int count) {
  if (count > 0) line_.append(static_cast<std::size_t>(count), ' ');
  return *this;
}

FixedLine& FixedLine::text(std::string_view text) {
  line_.append(text);
  return *this;
}

FixedLine& FixedLine::trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  line_.append(text);
  return *this;
}

void FixedLine::field(std::string_view digits, int width) {
  if (width <= 0) return;
  const auto columns = static_cast<std::size_t>(width);
  if (digits.size() > columns) {
    line_.append(columns, '*');
    return;
  }
  line_.append(columns - digits.size(), ' ');
  line_.append(digits);
}

FixedLine& FixedLine::integer(std::int32_t value, int width, int minDigits) {
  char digits[16];
  const auto magnitude = static_cast<std::uint32_t>(value < 0 ? -static_cast<std::int64_t>(value)
                                                              : static_cast<std::int64_t>(value));
  const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
  const std::string_view written(digits, static_cast<std::size_t>(result.ptr - digits));
  std::string formatted = value < 0 ? "-" : "";
  if (static_cast<int>(written.size()) < minDigits)
    formatted.append(static_cast<std::size_t>(minDigits) - written.size(), '0');
  formatted.append(written);
  field(formatted, width);
  return *this;
}

FixedLine& FixedLine::real(float value, int width, int decimals) {
  if (!std::isfinite(value)) {
    field(nonFiniteText(value, width), width);
    return *this;
  }
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  char buffer[kRealBufferSize];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string formatted(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // Drop the leading 0 of "0.xxx" or "-0.xxx" when that is all that keeps it from fitting.
  if (static_cast<int>(formatted.size()) == width + 1) {
    const std::size_t zero = formatted[0] == '-' ? 1 : 0;
    if (formatted.size() > zero + 1 && formatted[zero] == '0' && formatted[zero + 1] == '.')
      formatted.erase(zero, 1);
  }
  field(formatted, width);
  return *this;
}

void FreeRecord::separate() {
  if (!line_.empty()) line_.push_back(' ');
}

FreeRecord& FreeRecord::add(std::int32_t value) {
  separate();
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  line_.append(digits, result.ptr);
  return *this;
}

FreeRecord& FreeRecord::add(float value) {
  separate();
  if (!std::isfinite(value)) {
    line_.append(nonFiniteText(value, 9));
    return *this;
  }
  char digits[64];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  line_.append(digits, result.ptr);
  return *this;
}

FreeRecord& FreeRecord::add(std::string_view text) {
  separate();
  line_.append(text);
  return *this;
}

}  // namespace veldor
