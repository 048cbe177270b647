#include "image/file_lines.h"

#include "image/error_texts.h"

#include <charconv>

namespace pemrix::image {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
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

Result<int> parseInteger(std::string_view text) {
    std::string_view body = text;
    while (!body.empty() && isBlank(body.front())) {
        body.remove_prefix(1);
    }
    while (!body.empty() && isBlank(body.back())) {
        body.remove_suffix(1);
    }
    // from_chars takes a minus but no plus.
    if (body.size() > 1 && body.front() == '+' && body[1] != '-') {
        body.remove_prefix(1);
    }
    int value = 0;
    const char* first = body.data();
    const char* last = body.data() + body.size();
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (body.empty() || error != std::errc{} || end != last) {
        return Error{ErrorKind::NotAnInteger, notAnIntegerText(text)};
    }
    return value;
}

Result<std::string> lineAt(const std::vector<std::string>& lines, std::size_t index,
                           std::string_view fileName) {
    if (index >= lines.size()) {
        return Error{ErrorKind::ListIndexOutOfBounds,
                     missingLineText(fileName, index + 1, lines.size())};
    }
    return lines[index];
}

Result<int> integerLineAt(const std::vector<std::string>& lines, std::size_t index,
                          std::string_view fileName) {
    Result<std::string> line = lineAt(lines, index, fileName);
    if (!line) {
        return line.error();
    }
    Result<int> value = parseInteger(line.value());
    if (!value) {
        return Error{ErrorKind::NotAnInteger,
                     notAnIntegerInLineText(fileName, index + 1, line.value())};
    }
    return value;
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

} // namespace pemrix::image
