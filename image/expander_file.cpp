#include "image/expander_file.h"

#include "image/decimal_text.h"
#include "image/file_lines.h"
#include "language/translate.h"

#include <vector>

namespace pemrix::image {

namespace {

constexpr std::size_t KindLineIndex = link::ExpanderImageSize; // line 65

} // namespace

std::string expanderFileText(std::span<const int> cells, link::ModuleKind moduleKind) {
    std::string text;
    text.reserve(std::size_t{ExpanderFileLineCount} * 5); // "255\r\n" for most lines
    for (std::size_t i = 0; i < link::ExpanderImageSize; ++i) {
        text += std::to_string(i < cells.size() ? cells[i] : int{UnusedByte});
        text += "\r\n";
    }
    text += std::to_string(link::kindValue(moduleKind));
    text += "\r\n";
    return text;
}

Result<ImageCells> parseExpanderFile(std::string_view text, link::ModuleKind moduleKind,
                                     std::string_view fileName) {
    const std::vector<std::string> lines = splitLines(text);

    // The kind line first: a file of the other expander is refused as such even
    // when its values would not convert.
    const Result<int> kind = integerLineAt(lines, KindLineIndex, fileName);
    if (!kind) {
        return kind.error();
    }
    if (kind.value() != link::kindValue(moduleKind)) {
        return Error{ErrorKind::WrongModuleKind,
                     language::translate("pemrix", WrongModuleKindMessage)};
    }

    ImageCells cells;
    cells.reserve(link::ExpanderImageSize);
    for (std::size_t i = 0; i < link::ExpanderImageSize; ++i) {
        // A value no byte holds would be shown as some other value.
        const Result<int> value = byteLineAt(lines, i, fileName);
        if (!value) {
            return value.error();
        }
        cells.push_back(value.value());
    }
    return cells;
}

Result<std::string> expanderConfigFileText(std::span<const int> cells, link::ModuleKind moduleKind,
                                           const IdentifierSlots& slots, bool identifiersInUse) {
    if (slotStartingWithFF(slots, identifiersInUse)) {
        return Error{ErrorKind::IdentifierStartsWithFF,
                     language::translate("pemrix", IdentifierStartsWithFFMessage)};
    }
    return expanderFileText(cells, moduleKind);
}

} // namespace pemrix::image
