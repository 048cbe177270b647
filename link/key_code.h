#pragma once
// Touch-memory key codes: 48-bit numbers, shown and typed as exactly 12 uppercase
// hexadecimal digits. The code with all 48 bits set stands for "no key".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pemrix::link {

inline constexpr std::uint64_t KeyCodeMask = 0xFFFF'FFFF'FFFFull;
inline constexpr std::uint64_t NoKeyCode = KeyCodeMask;
inline constexpr int KeyCodeDigits = 12;

constexpr bool isNoKey(std::uint64_t code) {
    return (code & KeyCodeMask) == NoKeyCode;
}

// The value of a key digit '0'..'9' or 'A'..'F'; -1 for any other character (lower
// case included).
constexpr int keyDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The low 48 bits as exactly 12 uppercase hexadecimal digits, leading zeros kept.
std::string formatKeyCode(std::uint64_t code);

// Exactly 12 characters '0'..'9' or 'A'..'F'; anything else gives nothing.
std::optional<std::uint64_t> parseKeyCode(std::string_view text);

} // namespace pemrix::link
