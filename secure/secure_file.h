#pragma once
// The Orvel-416 configuration file: 65 lines, the 64 image cells then "2".
// A failed load or save changes nothing; the error's message is the text to show.

#include "image/result.h"
#include "secure/secure_image.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pemrix::secure {

// The file's 65 CR LF lines for an image.
std::string secureFileText(std::span<const int> image);

// The image of a file's text (kind line 2, lines after 65 ignored, no range check).
// Errors name `fileName` when one is given.
image::Result<SecureConfigImage> parseSecureFile(std::string_view text,
                                                 std::string_view fileName = {});

// Reads and checks the whole file before anything is returned; a file over 1 MiB is
// refused unread.
image::Result<SecureConfigImage> loadSecureFile(const std::filesystem::path& path);

// Encodes `config` and replaces the file atomically. Refuses, before anything is
// written, a stored key whose record would begin with 255 (IdentifierStartsWithFF).
image::Status saveSecureFile(const std::filesystem::path& path, const SecureConfig& config);

} // namespace pemrix::secure
