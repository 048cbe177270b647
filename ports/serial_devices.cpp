#include "ports/serial_devices.h"

#include <cctype>

namespace pemrix::ports {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The run of digits starting at `at`, without its leading zeros.
std::string_view digitRun(const std::string& text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    std::size_t significant = start;
    while (significant + 1 < at && text[significant] == '0')
        ++significant;
    return std::string_view(text).substr(significant, at - significant);
}

} // namespace

bool naturalLess(const std::string& left, const std::string& right) {
    std::size_t l = 0;
    std::size_t r = 0;
    while (l < left.size() && r < right.size()) {
        if (isDigit(left[l]) && isDigit(right[r])) {
            const std::string_view a = digitRun(left, l);
            const std::string_view b = digitRun(right, r);
            if (a.size() != b.size())
                return a.size() < b.size();
            if (a != b)
                return a < b;
            continue;
        }
        if (left[l] != right[r])
            return left[l] < right[r];
        ++l;
        ++r;
    }
    return left.size() - l < right.size() - r;
}

} // namespace pemrix::ports
