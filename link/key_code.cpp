#include "link/key_code.h"

namespace pemrix::link {

std::string formatKeyCode(std::uint64_t code) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text(KeyCodeDigits, '0');
    code &= KeyCodeMask;
    for (int i = KeyCodeDigits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = digits[code & 0xFU];
        code >>= 4;
    }
    return text;
}

std::optional<std::uint64_t> parseKeyCode(std::string_view text) {
    if (text.size() != static_cast<std::size_t>(KeyCodeDigits))
        return std::nullopt;
    std::uint64_t code = 0;
    for (char c : text) {
        const int digit = keyDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        code = (code << 4) | static_cast<unsigned>(digit);
    }
    return code;
}

} // namespace pemrix::link
