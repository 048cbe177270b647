#pragma once
// Key codes of touch-memory keys as the expander windows show and type them:
// exactly 12 uppercase hexadecimal digits for a 48-bit code.

#include <cstdint>
#include <string>
#include <string_view>

namespace pemrix::image {

inline constexpr int KeyTextLength = 12;
// A code with all 48 bits set stands for "no key presented".
inline constexpr std::uint64_t NoKeyCode = 0xFFFF'FFFF'FFFFull;

// '0'..'9' give 0..9, 'A'..'F' give 10..15, every other character (lower case
// included) gives 0.
int HexDigitValue(char c);

// True for '0'..'9' and 'A'..'F'.
bool isKeyDigit(char c);

// The low 48 bits of `code` as exactly 12 uppercase hexadecimal digits.
std::string keyCodeText(std::uint64_t code);

// A text of exactly 12 key digits.
bool isCompleteKeyText(std::string_view text);

// The text without every character that is not a key digit (the identifier edits'
// character filter).
std::string keepKeyDigits(std::string_view text);

// A text of 1..11 characters completed to 12 with leading "0"; other texts unchanged.
std::string padKeyText(std::string_view text);

} // namespace pemrix::image
