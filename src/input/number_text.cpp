#include "input/number_text.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace veldor {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

std::size_t skipSign(std::string_view text, std::size_t at) {
  return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// The text of a real rewritten in the form std::from_chars reads: no leading plus sign and
// an E exponent. Empty when the text is not a real number.
std::string normalisedReal(std::string_view text) {
  const std::size_t start = text.empty() || text[0] != '+' ? 0 : 1;
  std::size_t at = skipSign(text, 0);
  const std::size_t integerEnd = skipDigits(text, at);
  std::size_t fractionEnd = integerEnd;
  if (fractionEnd < text.size() && text[fractionEnd] == '.')
    fractionEnd = skipDigits(text, fractionEnd + 1);
  const std::size_t mantissaDigits = fractionEnd - at - (fractionEnd > integerEnd ? 1 : 0);
  if (mantissaDigits == 0) return {};
  at = fractionEnd;
  if (at < text.size() && isExponentLetter(text[at])) {
    const std::size_t exponentStart = skipSign(text, at + 1);
    const std::size_t exponentEnd = skipDigits(text, exponentStart);
    if (exponentEnd == exponentStart) return {};
    at = exponentEnd;
  }
  if (at != text.size()) return {};
  std::string normalised(text.substr(start));
  for (char& c : normalised)
    if (isExponentLetter(c)) c = 'e';
  return normalised;
}

// Whether a normalised real lies below 1 in magnitude, that is, whether a range error of
// std::from_chars is an underflow rather than an overflow.
bool isBelowOne(std::string_view normalised) {
  const std::size_t signEnd = skipSign(normalised, 0);
  const std::size_t exponentAt = std::min(normalised.find('e'), normalised.size());
  const std::string_view mantissa = normalised.substr(signEnd, exponentAt - signEnd);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return true;
  // The power of ten of the first nonzero digit, before the exponent applies.
  const auto leadingPower = first < point ? static_cast<std::int64_t>(point - 1 - first)
                                          : -static_cast<std::int64_t>(first - point);
  if (exponentAt == normalised.size()) return leadingPower < 0;
  std::size_t digit = exponentAt + 1;
  const bool negative = normalised[digit] == '-';
  digit = skipSign(normalised, digit);
  // Beyond a billion the exact exponent no longer matters, so it saturates there.
  constexpr std::int64_t kSaturated = 1'000'000'000;
  std::int64_t exponent = 0;
  for (; digit < normalised.size(); ++digit)
    if (exponent < kSaturated) exponent = exponent * 10 + (normalised[digit] - '0');
  return leadingPower + (negative ? -exponent : exponent) < 0;
}

}  // namespace

NumberText readRealText(std::string_view text, float& value) {
  const std::string normalised = normalisedReal(text);
  if (normalised.empty()) return NumberText::kNotANumber;
  const char* end = normalised.data() + normalised.size();
  const auto result = std::from_chars(normalised.data(), end, value);
  if (result.ec == std::errc::result_out_of_range && isBelowOne(normalised)) {
    value = normalised[0] == '-' ? -0.0f : 0.0f;
    return NumberText::kRead;
  }
  if (result.ec == std::errc::result_out_of_range) return NumberText::kOutOfRange;
  return result.ec == std::errc() && result.ptr == end ? NumberText::kRead
                                                       : NumberText::kNotANumber;
}

NumberText readIntegerText(std::string_view text, std::int32_t& value) {
  const std::size_t digits = skipSign(text, 0);
  if (digits == text.size() || skipDigits(text, digits) != text.size())
    return NumberText::kNotANumber;
  if (text[0] == '+') text.remove_prefix(1);
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) return NumberText::kOutOfRange;
  return result.ec == std::errc() ? NumberText::kRead : NumberText::kNotANumber;
}

}  // namespace veldor
