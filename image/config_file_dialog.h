#pragma once
// The open and save dialogs of the configuration files (all module windows).

#include "language/translate.h"

#include <string>

namespace pemrix::image {

// Two choices, configuration files and all files, in "description|patterns|…" form.
inline constexpr const char* ConfigFileFilter =
    QT_TRANSLATE_NOOP("pemrix", "Файлы конфигурации (*.cfg)|*.cfg|Все файлы|*.*");
// Appended when the user types a name without extension.
inline constexpr const char* ConfigFileDefaultSuffix = "cfg";

// The filter in Qt's name-filter form ("description (patterns);;…"); a description
// that does not show its patterns gets them in parentheses, and "*.*" becomes "*",
// which also matches names without a dot. The filter is taken in the user's language.
std::string qtNameFilter(const std::string& filter = ConfigFileFilter);

} // namespace pemrix::image
