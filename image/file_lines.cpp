#include "image/file_lines.h"

#include "image/decimal_text.h"
#include "image/error_texts.h"

namespace pemrix::image {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

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

Result<int> byteLineAt(const std::vector<std::string>& lines, std::size_t index,
                       std::string_view fileName) {
    Result<int> value = integerLineAt(lines, index, fileName);
    if (value && (value.value() < 0 || value.value() > 255)) {
        return Error{ErrorKind::NotAByte, notAByteInLineText(fileName, index + 1, value.value())};
    }
    return value;
}

} // namespace pemrix::image
