#include "image/key_text.h"

namespace pemrix::image {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

bool isKeyDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::string keyCodeText(std::uint64_t code) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text(KeyTextLength, '0');
    for (int i = KeyTextLength - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = digits[code & 0xF];
        code >>= 4;
    }
    return text;
}

bool isCompleteKeyText(std::string_view text) {
    if (text.size() != KeyTextLength) {
        return false;
    }
    for (char c : text) {
        if (!isKeyDigit(c)) {
            return false;
        }
    }
    return true;
}

std::string keepKeyDigits(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (isKeyDigit(c)) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::string padKeyText(std::string_view text) {
    if (text.empty() || text.size() >= KeyTextLength) {
        return std::string(text);
    }
    return std::string(KeyTextLength - text.size(), '0') + std::string(text);
}

} // namespace pemrix::image
