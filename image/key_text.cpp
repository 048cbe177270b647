#include "image/key_text.h"

#include "link/key_code.h"

#include <algorithm>

namespace pemrix::image {

int HexDigitValue(char c) {
    return std::max(link::keyDigitValue(c), 0);
}

bool isKeyDigit(char c) {
    return link::keyDigitValue(c) >= 0;
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
    constexpr auto length = static_cast<std::size_t>(link::KeyCodeDigits);
    if (text.empty() || text.size() >= length) {
        return std::string(text);
    }
    return std::string(length - text.size(), '0') + std::string(text);
}

} // namespace pemrix::image
