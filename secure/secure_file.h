#pragma once
// The Orvel-416 configuration file: 65 lines, the 64 image cells then "2".
// A failed load or save changes nothing; the error's message is the text to show.

#include "image/result.h"
#include "secure/secure_image.h"

#include <string>
#include <string_view>

namespace pemrix::secure {

// The file's 65 CR LF lines for an image.
std::string secureFileText(std::span<const int> image);

// The image of a file's text (kind line 2, values 0..255, lines after 65 ignored).
// Errors name `fileName` when one is given.
image::Result<SecureConfigImage> parseSecureFile(std::string_view text,
                                                 std::string_view fileName = {});

} // namespace pemrix::secure
