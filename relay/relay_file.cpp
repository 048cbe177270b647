#include "relay/relay_file.h"

#include "image/file_lines.h"

#include <vector>

namespace pemrix::relay {

using image::ImageCells;
using image::Result;

namespace {

constexpr std::size_t VariantLineIndex = link::ReleImageSize; // line 67

} // namespace

std::string relayFileText(std::span<const int> cells, link::ModuleKind variant) {
    std::string text;
    text.reserve(RelayFileLineCount * 4);
    for (std::size_t i = 0; i < link::ReleImageSize; ++i) {
        text += std::to_string(i < cells.size() ? cells[i] : 0);
        text += "\r\n";
    }
    text += std::to_string(link::kindValue(variant));
    text += "\r\n";
    return text;
}

Result<RelayFile> parseRelayFile(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = image::splitLines(text);

    ImageCells cells;
    cells.reserve(link::ReleImageSize);
    for (std::size_t i = 0; i < link::ReleImageSize; ++i) {
        const Result<int> value = image::integerLineAt(lines, i, fileName);
        if (!value) {
            return value.error();
        }
        cells.push_back(value.value());
    }
    return RelayFile{std::move(cells), image::integerLineAt(lines, VariantLineIndex, fileName)};
}

} // namespace pemrix::relay
