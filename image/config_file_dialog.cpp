#include "image/config_file_dialog.h"

#include <vector>

namespace pemrix::image {

namespace {

std::vector<std::string> splitAtBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        parts.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos) {
            return parts;
        }
        start = bar + 1;
    }
}

std::string qtPatterns(const std::string& patterns) {
    std::string result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = patterns.find(';', start);
        std::string pattern = patterns.substr(start, semicolon - start);
        if (pattern == "*.*") {
            pattern = "*";
        }
        result += (result.empty() ? "" : " ") + pattern;
        if (semicolon == std::string::npos) {
            return result;
        }
        start = semicolon + 1;
    }
}

} // namespace

std::string qtNameFilter(const std::string& filter) {
    const std::vector<std::string> parts =
        splitAtBars(language::translate("pemrix", filter.c_str()));
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        const std::string& patterns = parts[i + 1];
        std::string entry;
        if (description.find('(') != std::string::npos) {
            entry = description;
        } else {
            entry = description + " (" + qtPatterns(patterns) + ")";
        }
        result += (result.empty() ? "" : ";;") + entry;
    }
    return result;
}

} // namespace pemrix::image
