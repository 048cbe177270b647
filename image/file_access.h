#pragma once
// Reading and replacing whole files. Failures name the file and say why
// (image/error_texts.h).

#include "image/error_texts.h"
#include "image/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace pemrix::image {

// No configuration file comes near this size; a larger file is refused unread.
inline constexpr std::size_t MaxConfigFileSize = 1024 * 1024;

// File names come from the window as UTF-8; these keep them UTF-8 on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// Why the system refused to create `file` (errno, or the error of a file call):
// the failure the error stands for, WriteFailed when none fits.
FileFailure creationFailureOf(std::error_code error, const std::filesystem::path& file);

// The whole content of a regular file of at most `maxSize` bytes. Fails with
// CannotOpenFile when it is missing, not a regular file or unreadable, and with
// FileTooLarge when it is larger than `maxSize`.
Result<std::string> readWholeFile(const std::filesystem::path& path,
                                  std::size_t maxSize = MaxConfigFileSize);

// Replaces the file's content: writes a temporary file in the same folder, flushes it
// to the disk and renames it over the old one, so a failure at any point leaves the
// old file as it was (and no temporary file behind). Only a regular file is replaced
// (never a folder, device or pipe). Fails with CannotCreateFile.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace pemrix::image
