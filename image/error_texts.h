#pragma once
// The texts of the general error report, in one place: what failed and where, in the
// program's language, the same in the window and in pemrix-cli. The place comes
// first (the file and its line, or the field), then what is wrong with the text
// found there. Names and texts stand in «» quotes; a long offending text is cut short.

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace pemrix::image {

// Why a file could not be opened, read or written.
enum class FileFailure {
    NotFound,           // no such file
    NoFolder,           // the folder it would live in does not exist
    FolderTakesNoFiles, // the folder exists but no file can be created in it (/proc)
    IsFolder,           // the name is a folder
    NotRegular,         // a device, a pipe, a socket
    NoPermission,       // the system refuses access
    ReadOnly,           // a file system mounted read-only
    NoSpace,            // the disk is full
    ReadFailed,         // anything else while reading
    WriteFailed,        // anything else while writing
};

// The failure an error of the system stands for; `otherwise` when none fits.
FileFailure fileFailureOf(std::error_code error, FileFailure otherwise);

// "Не удалось открыть файл «<file>»: <why>."
std::string cannotOpenFileText(std::string_view file, FileFailure why);
// "Не удалось записать файл «<file>»: <why>."
std::string cannotWriteFileText(std::string_view file, FileFailure why);
std::string fileTooLargeText(std::string_view file);

// The offending places. `file` may be empty when the text has no file behind it;
// line numbers count from 1.
std::string missingLineText(std::string_view file, std::size_t lineNumber, std::size_t lineCount);
std::string notAnIntegerInLineText(std::string_view file, std::size_t lineNumber,
                                   std::string_view text);
std::string notAByteInLineText(std::string_view file, std::size_t lineNumber, int value);
std::string notAnIntegerInFieldText(std::string_view field, std::string_view text);
// A conversion with no place to name (the program's own lists).
std::string notAnIntegerText(std::string_view text);

} // namespace pemrix::image
