#pragma once
// The configuration files of the two expander modules (Orvel-416, Orvel-417): the 64
// image cells in decimal, one per line, then a line with the module kind, which keeps
// the two kinds of file apart. Every line ends with CR LF.

#include "image/identifier_records.h"
#include "image/image_cells.h"
#include "image/result.h"
#include "language/translate.h"
#include "link/module_profile.h"

#include <string>
#include <string_view>

namespace pemrix::image {

inline constexpr int ExpanderFileLineCount = link::ExpanderImageSize + 1; // 65

// The catalog's source; a parse gives it in the user's language.
inline constexpr const char* WrongModuleKindMessage =
    QT_TRANSLATE_NOOP("pemrix", "Ошибка чтения файла конфигурации. Нет совпадения типа прибора.");

// The file's text for `cells` (64 cells) and `moduleKind`.
std::string expanderFileText(std::span<const int> cells, link::ModuleKind moduleKind);

// The image held by a file's text. In this order, as a load reports them: fewer than
// 65 lines, line 65 not an integer, line 65 not `moduleKind`, the first of lines 1..64
// that is not an integer or not a byte value (0..255). Lines after 65 are ignored.
// Errors name `fileName` when one is given.
Result<ImageCells> parseExpanderFile(std::string_view text, link::ModuleKind moduleKind,
                                     std::string_view fileName = {});

// expanderFileText for the image of a window's configuration, whose keys are `slots`.
// Refuses a stored key whose record would begin with 255 (IdentifierStartsWithFF):
// reading the file back would take it for the end of the list and lose it and every
// key after it.
Result<std::string> expanderConfigFileText(std::span<const int> cells, link::ModuleKind moduleKind,
                                           const IdentifierSlots& slots, bool identifiersInUse);

} // namespace pemrix::image
