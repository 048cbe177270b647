#include "image/error_texts.h"

#include "language/translate.h"
#include "link/system_reason.h"

#include <cerrno>

namespace pemrix::image {

namespace {

using language::arg;
using language::translate;

std::string quoted(std::string_view name) {
    return "«" + std::string(name) + "»";
}

// An offending text is shown so that the message stays whole and readable whatever
// the file holds: control characters, and bytes that are no UTF-8, appear escaped
// ("\x00"); a hand-edited or binary file may hold a line of any length, so the text
// is cut after MaxExcerptLength characters, never inside a character or an escape.
constexpr std::size_t MaxExcerptLength = 40;

// The length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t characterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) -> unsigned {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80u) {
        return 1;
    }
    // The length the lead byte announces, and the range of the byte after it: no
    // overlong form, no surrogate, nothing past U+10FFFF.
    std::size_t length = 0;
    unsigned low = 0x80u;
    unsigned high = 0xBFu;
    if (lead >= 0xC2u && lead <= 0xDFu) {
        length = 2;
    } else if (lead >= 0xE0u && lead <= 0xEFu) {
        length = 3;
        low = lead == 0xE0u ? 0xA0u : low;
        high = lead == 0xEDu ? 0x9Fu : high;
    } else if (lead >= 0xF0u && lead <= 0xF4u) {
        length = 4;
        low = lead == 0xF0u ? 0x90u : low;
        high = lead == 0xF4u ? 0x8Fu : high;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80u || byte(i) > 0xBFu) {
            return 0;
        }
    }
    return length;
}

// A control character of either range (C0 and DEL, or C1 written in two bytes).
bool isControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    return lead < 0x20u || lead == 0x7Fu ||
           (lead == 0xC2u && static_cast<unsigned char>(character[1]) < 0xA0u);
}

void appendEscaped(std::string& out, std::string_view bytes) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += hexDigits[byte >> 4];
        out += hexDigits[byte & 0xFu];
    }
}

std::string excerpt(std::string_view text) {
    std::string shown;
    std::size_t width = 0; // characters shown so far
    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        const std::size_t length = characterLength(rest);
        const std::size_t taken = length == 0 ? 1 : length;
        const bool escaped = length == 0 || isControl(rest);
        const std::size_t pieceWidth = escaped ? 4 * taken : 1;
        if (width + pieceWidth > MaxExcerptLength) {
            break;
        }
        if (escaped) {
            appendEscaped(shown, rest.substr(0, taken));
        } else {
            shown += rest.substr(0, taken);
        }
        width += pieceWidth;
        at += taken;
    }
    if (at < text.size()) {
        shown += "…";
    }
    return quoted(shown);
}

std::string reasonText(FileFailure why) {
    switch (why) {
    case FileFailure::NotFound:
        return translate("pemrix", "файл не найден");
    case FileFailure::NoFolder:
        return translate("pemrix", "нет такой папки");
    case FileFailure::FolderTakesNoFiles:
        return translate("pemrix", "в этой папке нельзя создавать файлы");
    case FileFailure::IsFolder:
        return translate("pemrix", "это папка, а не файл");
    case FileFailure::NotRegular:
        return translate("pemrix", "это не обычный файл");
    // Said as the system's reasons are said everywhere else.
    case FileFailure::NoPermission:
        return os::errnoReason(EACCES);
    case FileFailure::ReadOnly:
        return os::errnoReason(EROFS);
    case FileFailure::NoSpace:
        return os::errnoReason(ENOSPC);
    case FileFailure::ReadFailed:
        return translate("pemrix", "ошибка чтения");
    case FileFailure::WriteFailed:
        break;
    }
    return translate("pemrix", "ошибка записи");
}

// "Файл «a.cfg», строка 7", or "Строка 7" when there is no file to name.
std::string lineOfFile(std::string_view file, std::size_t lineNumber) {
    const std::string number = std::to_string(lineNumber);
    return file.empty() ? arg(translate("pemrix", "Строка %1"), {number})
                        : arg(translate("pemrix", "Файл %1, строка %2"), {quoted(file), number});
}

} // namespace

FileFailure fileFailureOf(std::error_code error, FileFailure otherwise) {
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::no_such_file_or_directory) {
        return FileFailure::NotFound;
    }
    if (condition == std::errc::not_a_directory) {
        return FileFailure::NoFolder;
    }
    if (condition == std::errc::is_a_directory) {
        return FileFailure::IsFolder;
    }
    if (condition == std::errc::permission_denied ||
        condition == std::errc::operation_not_permitted) {
        return FileFailure::NoPermission;
    }
    if (condition == std::errc::read_only_file_system) {
        return FileFailure::ReadOnly;
    }
    if (condition == std::errc::no_space_on_device) {
        return FileFailure::NoSpace;
    }
    return otherwise;
}

std::string cannotOpenFileText(std::string_view file, FileFailure why) {
    return arg(translate("pemrix", "Не удалось открыть файл %1: %2."),
               {quoted(file), reasonText(why)});
}

std::string cannotWriteFileText(std::string_view file, FileFailure why) {
    return arg(translate("pemrix", "Не удалось записать файл %1: %2."),
               {quoted(file), reasonText(why)});
}

std::string fileTooLargeText(std::string_view file) {
    return arg(translate("pemrix", "Файл %1 слишком велик для файла конфигурации (больше 1 МБ)."),
               {quoted(file)});
}

std::string missingLineText(std::string_view file, std::size_t lineNumber, std::size_t lineCount) {
    const std::string number = std::to_string(lineNumber);
    const std::string count = std::to_string(lineCount);
    if (file.empty())
        return arg(translate("pemrix", "Нет строки %1 (строк в файле: %2)."), {number, count});
    return arg(translate("pemrix", "Файл %1: нет строки %2 (строк в файле: %3)."),
               {quoted(file), number, count});
}

std::string notAnIntegerInLineText(std::string_view file, std::size_t lineNumber,
                                   std::string_view text) {
    return arg(translate("pemrix", "%1: %2 — не целое число."),
               {lineOfFile(file, lineNumber), excerpt(text)});
}

std::string notAByteInLineText(std::string_view file, std::size_t lineNumber, int value) {
    return arg(translate("pemrix", "%1: %2 — не значение байта (от 0 до 255)."),
               {lineOfFile(file, lineNumber), std::to_string(value)});
}

std::string notAnIntegerInFieldText(std::string_view field, std::string_view text) {
    return arg(translate("pemrix", "Поле %1: %2 — не целое число."),
               {quoted(field), excerpt(text)});
}

std::string notAnIntegerText(std::string_view text) {
    return arg(translate("pemrix", "%1 — не целое число."), {excerpt(text)});
}

} // namespace pemrix::image
