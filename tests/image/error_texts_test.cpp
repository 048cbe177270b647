// The general error report's texts: each names the place and what is wrong there.

#include "image/error_texts.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace img = pemrix::image;
using img::FileFailure;

TEST(ErrorTexts, FileTextsNameTheFileAndWhy) {
    const std::string longName = "/home/installer/" + std::string(80, 'n') + ".cfg";
    const struct {
        std::string text;
        std::string expected;
    } rows[] = {
        {img::cannotOpenFileText("a.cfg", FileFailure::NotFound),
         "Не удалось открыть файл «a.cfg»: файл не найден."},
        {img::cannotOpenFileText("d", FileFailure::IsFolder),
         "Не удалось открыть файл «d»: это папка, а не файл."},
        {img::cannotOpenFileText("/dev/tty", FileFailure::NotRegular),
         "Не удалось открыть файл «/dev/tty»: это не обычный файл."},
        {img::cannotOpenFileText("a.cfg", FileFailure::NoPermission),
         "Не удалось открыть файл «a.cfg»: нет доступа."},
        {img::cannotOpenFileText("a.cfg", FileFailure::ReadFailed),
         "Не удалось открыть файл «a.cfg»: ошибка чтения."},
        {img::cannotWriteFileText("x/a.cfg", FileFailure::NoFolder),
         "Не удалось записать файл «x/a.cfg»: нет такой папки."},
        {img::cannotWriteFileText("/proc/a.cfg", FileFailure::FolderTakesNoFiles),
         "Не удалось записать файл «/proc/a.cfg»: в этой папке нельзя создавать файлы."},
        {img::cannotWriteFileText("a.cfg", FileFailure::ReadOnly),
         "Не удалось записать файл «a.cfg»: диск доступен только для чтения."},
        {img::cannotWriteFileText("a.cfg", FileFailure::NoSpace),
         "Не удалось записать файл «a.cfg»: на диске нет места."},
        {img::cannotWriteFileText("a.cfg", FileFailure::WriteFailed),
         "Не удалось записать файл «a.cfg»: ошибка записи."},
        {img::fileTooLargeText("a.cfg"),
         "Файл «a.cfg» слишком велик для файла конфигурации (больше 1 МБ)."},
        // A name is never cut: the user has to find the file.
        {img::cannotOpenFileText(longName, FileFailure::NotFound),
         "Не удалось открыть файл «" + longName + "»: файл не найден."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.text, row.expected);
    }
}

TEST(ErrorTexts, PlacesAndTheTextsFoundThere) {
    const struct {
        std::string text;
        std::string expected;
    } rows[] = {
        {img::missingLineText("", 65, 0), "Нет строки 65 (строк в файле: 0)."},
        {img::notAByteInLineText("a.cfg", 3, 256),
         "Файл «a.cfg», строка 3: 256 — не значение байта (от 0 до 255)."},
        {img::notAByteInLineText("", 66, -1), "Строка 66: -1 — не значение байта (от 0 до 255)."},
        {img::notAnIntegerInFieldText("Время задержки", "1O"),
         "Поле «Время задержки»: «1O» — не целое число."},
        {img::notAnIntegerInLineText("a.cfg", 64, ""),
         "Файл «a.cfg», строка 64: «» — не целое число."},
        {img::notAnIntegerText(std::string(70, '7')),
         "«" + std::string(40, '7') + "…» — не целое число."},
        // Whatever the line holds, the message comes whole: control characters and
        // bytes that are no UTF-8 appear escaped, and the cut never splits either.
        {img::notAnIntegerInLineText("nul.cfg", 11, std::string(3, '\0')),
         "Файл «nul.cfg», строка 11: «\\x00\\x00\\x00» — не целое число."},
        {img::notAnIntegerText("1\t2\x7F\xC2\x85"), "«1\\x092\\x7F\\xC2\\x85» — не целое число."},
        {img::notAnIntegerText("\xFF\xC3\x28\xE0\x80\x80\xED\xA0\x80"),
         "«\\xFF\\xC3(\\xE0\\x80\\x80\\xED\\xA0\\x80» — не целое число."},
        {img::notAnIntegerText(std::string(20, '\x01')),
         "«" + std::string("\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01") +
             "…» — не целое число."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.text, row.expected);
    }
}

TEST(ErrorTexts, SystemErrorsBecomeFileFailures) {
    const struct {
        int error;
        FileFailure expected;
    } rows[] = {
        {ENOENT, FileFailure::NotFound},    {ENOTDIR, FileFailure::NoFolder},
        {EISDIR, FileFailure::IsFolder},    {EACCES, FileFailure::NoPermission},
        {EPERM, FileFailure::NoPermission}, {EROFS, FileFailure::ReadOnly},
        {ENOSPC, FileFailure::NoSpace},     {EIO, FileFailure::WriteFailed},
        {EFBIG, FileFailure::WriteFailed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(img::fileFailureOf(std::error_code(row.error, std::generic_category()),
                                     FileFailure::WriteFailed),
                  row.expected);
    }
    EXPECT_EQ(img::fileFailureOf({}, FileFailure::ReadFailed), FileFailure::ReadFailed);
}
