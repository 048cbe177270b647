#pragma once
// The Orvel-417 configuration file: 65 lines, the 64 image cells then "1".
// The window runs SaveDialog1 / OpenDialog1 with image::ConfigFileFilter and
// image::ConfigFileDefaultSuffix, and on success shows the status texts below.
// A failed load or save changes nothing in the window; the error's message is the
// text to show (image::isGeneralError tells which ones go to the general error report;
// a file of another module kind gets image::WrongModuleKindMessage as a message box).

#include "firesecure/firesecure_image.h"
#include "image/result.h"

#include <string>
#include <string_view>

namespace pemrix::firesecure {

inline constexpr const char* FireSecureFileSavedStatus = "Запись конфигурации в файл завершена";
inline constexpr const char* FireSecureFileLoadedStatus = "Чтение конфигурации из файла завершено";

// The file's 65 CR LF lines for an image.
std::string fireSecureFileText(std::span<const int> image);

// The image of a file's text. Reported in this order: fewer than 65 lines, line 65 not
// an integer, line 65 not 1 (an Orvel-416 file, for one), the first of lines 1..64
// that is not an integer or not a byte value. Lines after 65 are ignored.
image::Result<FireSecureConfigImage> parseFireSecureFile(std::string_view text);

} // namespace pemrix::firesecure
