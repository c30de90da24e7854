#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace veldor {

// Text of a fixed length, blank-padded on the right, as the report prints it.
// A default-constructed value holds NUL characters: "empty" until a run assigns it.
template <std::size_t Length>
struct FixedText {
  std::array<char, Length> chars{};

  // Keeps the first Length characters of text and fills the rest with blanks.
  void assign(std::string_view text) {
    for (std::size_t i = 0; i < Length; ++i) chars[i] = i < text.size() ? text[i] : ' ';
  }
  std::string_view view() const { return {chars.data(), Length}; }
  // The text without its trailing blanks.
  std::string_view trimmed() const {
    std::string_view text = view();
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
  }
};

}  // namespace veldor
