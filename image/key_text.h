#pragma once
// Key codes of touch-memory keys as the expander windows' identifier edits hold them:
// the edit's character filter, padding and completeness. The code itself, its
// 12-digit text and the "no key" code are the link's (link/key_code.h).

#include <string>
#include <string_view>

namespace pemrix::image {

// '0'..'9' give 0..9, 'A'..'F' give 10..15, every other character (lower case
// included) gives 0.
int HexDigitValue(char c);

// True for '0'..'9' and 'A'..'F'.
bool isKeyDigit(char c);

// The text without every character that is not a key digit (the identifier edits'
// character filter).
std::string keepKeyDigits(std::string_view text);

// A text of 1..11 characters completed to 12 with leading "0"; other texts unchanged.
std::string padKeyText(std::string_view text);

} // namespace pemrix::image
