#include "emulator/image_file.h"

#include "image/decimal_text.h"
#include "image/file_access.h"
#include "image/file_lines.h"

namespace pemrix::emulator {

std::optional<std::vector<std::uint8_t>> readImageLines(std::string_view text, std::size_t size,
                                                        std::string& error) {
    const auto lines = image::splitLines(text);
    if (lines.size() < size) {
        error = "the file has " + std::to_string(lines.size()) + " lines, " + std::to_string(size) +
                " image lines are needed";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < size; ++i) {
        // The file reader keeps any int; a module's memory holds bytes, so a value that
        // is no byte is refused here rather than cut to its low eight bits.
        const auto value = image::parseInteger(lines[i]);
        if (!value || value.value() < 0 || value.value() > 255) {
            error = "line " + std::to_string(i + 1) + ": '" + lines[i] +
                    "' is not a number from 0 to 255";
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(value.value()));
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> readImageFile(const std::string& path, std::size_t size,
                                                       std::string& error) {
    const auto text = image::readWholeFile(image::pathFromUtf8(path));
    if (!text) {
        error = text.error().message;
        return std::nullopt;
    }
    auto bytes = readImageLines(text.value(), size, error);
    if (!bytes)
        error = path + ": " + error;
    return bytes;
}

} // namespace pemrix::emulator
