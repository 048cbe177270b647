#include "image/file_lines.h"

namespace pemrix::image {

namespace {

// Longer texts are cut in messages: a hand-edited file may hold a line of any length.
constexpr std::size_t MaxQuotedLength = 60;

// Cuts at a character boundary of UTF-8, never inside a multi-byte sequence.
std::string quoted(std::string_view text) {
    if (text.size() <= MaxQuotedLength) {
        return std::string(text);
    }
    std::size_t cut = MaxQuotedLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "…";
}

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r') {
            ++end;
        }
        if (end < text.size() && text[end] == '\n') {
            ++end;
        }
        start = end;
    }
    return lines;
}

std::string joinLinesCrlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Result<std::string> lineAt(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size()) {
        return Error{ErrorKind::ListIndexOutOfBounds, listIndexMessage(index)};
    }
    return lines[index];
}

std::string fillText(std::string_view format, std::string_view text) {
    const std::size_t at = format.find("%s");
    if (at == std::string_view::npos) {
        return std::string(format);
    }
    std::string filled(format.substr(0, at));
    filled += text;
    filled += format.substr(at + 2);
    return filled;
}

std::string notAnIntegerMessage(std::string_view text) {
    return fillText(NotAnIntegerFormat, quoted(text));
}

std::string listIndexMessage(std::size_t index) {
    const std::string_view format = ListIndexFormat;
    const std::size_t at = format.find("%d");
    return std::string(format.substr(0, at)) + std::to_string(index) +
           std::string(format.substr(at + 2));
}

} // namespace pemrix::image
