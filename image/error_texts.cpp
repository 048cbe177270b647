#include "image/error_texts.h"

namespace pemrix::image {

namespace {

std::string quoted(std::string_view name) {
    return "«" + std::string(name) + "»";
}

// Offending texts are cut: a hand-edited file may hold a line of any length, and the
// message box has to stay readable. The cut falls on a character boundary of UTF-8,
// never inside a multi-byte sequence.
constexpr std::size_t MaxExcerptLength = 60;

std::string excerpt(std::string_view text) {
    if (text.size() <= MaxExcerptLength) {
        return quoted(text);
    }
    std::size_t cut = MaxExcerptLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) {
        --cut;
    }
    return quoted(std::string(text.substr(0, cut)) + "…");
}

const char* reasonText(FileFailure why) {
    switch (why) {
    case FileFailure::NotFound:
        return "файл не найден";
    case FileFailure::NoFolder:
        return "нет такой папки";
    case FileFailure::IsFolder:
        return "это папка, а не файл";
    case FileFailure::NotRegular:
        return "это не обычный файл";
    case FileFailure::NoPermission:
        return "нет доступа";
    case FileFailure::ReadOnly:
        return "диск доступен только для чтения";
    case FileFailure::NoSpace:
        return "на диске нет места";
    case FileFailure::ReadFailed:
        return "ошибка чтения";
    case FileFailure::WriteFailed:
        break;
    }
    return "ошибка записи";
}

// "Файл «a.cfg», строка 7", or "Строка 7" when there is no file to name.
std::string lineOfFile(std::string_view file, std::size_t lineNumber) {
    const std::string number = std::to_string(lineNumber);
    return file.empty() ? "Строка " + number : "Файл " + quoted(file) + ", строка " + number;
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
    return "Не удалось открыть файл " + quoted(file) + ": " + reasonText(why) + ".";
}

std::string cannotWriteFileText(std::string_view file, FileFailure why) {
    return "Не удалось записать файл " + quoted(file) + ": " + reasonText(why) + ".";
}

std::string fileTooLargeText(std::string_view file) {
    return "Файл " + quoted(file) + " слишком велик для файла конфигурации (больше 1 МБ).";
}

std::string missingLineText(std::string_view file, std::size_t lineNumber, std::size_t lineCount) {
    const std::string missing = "строки " + std::to_string(lineNumber) +
                                " (строк в файле: " + std::to_string(lineCount) + ").";
    return file.empty() ? "Нет " + missing : "Файл " + quoted(file) + ": нет " + missing;
}

std::string notAnIntegerInLineText(std::string_view file, std::size_t lineNumber,
                                   std::string_view text) {
    return lineOfFile(file, lineNumber) + ": " + excerpt(text) + " — не целое число.";
}

std::string notAByteInLineText(std::string_view file, std::size_t lineNumber, int value) {
    return lineOfFile(file, lineNumber) + ": " + std::to_string(value) +
           " — не значение байта (от 0 до 255).";
}

std::string notAnIntegerInFieldText(std::string_view field, std::string_view text) {
    return "Поле " + quoted(field) + ": " + excerpt(text) + " — не целое число.";
}

std::string notAnIntegerText(std::string_view text) {
    return excerpt(text) + " — не целое число.";
}

} // namespace pemrix::image
