#include "image/relay_file.h"

#include "image/file_access.h"
#include "image/file_lines.h"

#include <vector>

namespace pemrix::image {

namespace {

constexpr std::size_t VariantLineIndex = RelayImageSize; // line 67

} // namespace

std::string relayFileText(std::span<const int> cells, int variant) {
    std::string text;
    text.reserve(RelayFileLineCount * 4);
    for (std::size_t i = 0; i < RelayImageSize; ++i) {
        text += std::to_string(i < cells.size() ? cells[i] : 0);
        text += "\r\n";
    }
    text += std::to_string(variant);
    text += "\r\n";
    return text;
}

Result<RelayFile> parseRelayFile(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = splitLines(text);

    ImageCells cells;
    cells.reserve(RelayImageSize);
    for (std::size_t i = 0; i < RelayImageSize; ++i) {
        const Result<int> value = integerLineAt(lines, i, fileName);
        if (!value) {
            return value.error();
        }
        cells.push_back(value.value());
    }
    return RelayFile{std::move(cells), integerLineAt(lines, VariantLineIndex, fileName)};
}

Result<RelayFile> loadRelayFile(const std::filesystem::path& path) {
    Result<std::string> content = readWholeFile(path);
    if (!content) {
        return content.error();
    }
    return parseRelayFile(content.value(), pathToUtf8(path));
}

Status saveRelayFile(const std::filesystem::path& path, std::span<const int> cells, int variant) {
    return writeFileAtomically(path, relayFileText(cells, variant));
}

} // namespace pemrix::image
