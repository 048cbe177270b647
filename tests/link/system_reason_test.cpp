// The system's error codes as the user reads them: the codes the program meets have
// a Russian reason; any other keeps its number and the system's own text.

#include "link/system_reason.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace pemrix::os;

TEST(SystemReason, ErrorNumbersTheProgramMeetsReadAsRussianReasons) {
    const struct {
        int code;
        const char* reason;
    } rows[] = {
        {ENOENT, "нет такого файла или устройства"},
        {ENXIO, "нет такого устройства"},
        {ENODEV, "нет такого устройства"},
        {EISDIR, "это папка"},
        {ENOTTY, "это не последовательный порт"},
        {EACCES, "нет доступа"},
        {EPERM, "нет доступа"},
        {EBUSY, "устройство занято"},
        {EIO, "ошибка ввода-вывода"},
        {ENOSPC, "на диске нет места"},
        {EROFS, "диск доступен только для чтения"},
        {ENOTDIR, "часть пути — не папка"},
        {EEXIST, "файл уже существует"},
        {ETIMEDOUT, "время ожидания истекло"},
        {EBADF, "поток закрыт"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(errnoReason(row.code), row.reason);
    }
}

TEST(SystemReason, WindowsCodesOfThePortReadAsRussianReasons) {
    const struct {
        unsigned long code;
        const char* reason;
    } rows[] = {
        {2, "нет такого файла или устройства"}, // ERROR_FILE_NOT_FOUND
        {5, "нет доступа"},                     // ERROR_ACCESS_DENIED
        {32, "занято другой программой"},       // ERROR_SHARING_VIOLATION
        {1617, "устройство отключено"},         // ERROR_DEVICE_REMOVED
        {121, "время ожидания истекло"},        // ERROR_SEM_TIMEOUT
        {112, "на диске нет места"},            // ERROR_DISK_FULL
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(windowsErrorReason(row.code, "English text"), row.reason);
    }
}

TEST(SystemReason, AnyOtherCodeKeepsItsNumberAndTheSystemsText) {
    EXPECT_EQ(windowsErrorReason(87, "The parameter is incorrect"),
              "системная ошибка 87 (The parameter is incorrect)");
    EXPECT_EQ(windowsErrorReason(87, ""), "системная ошибка 87");
    const std::string other = errnoReason(EPROTO);
    EXPECT_EQ(other, "системная ошибка " + std::to_string(EPROTO) + " (" +
                         std::generic_category().message(EPROTO) + ")");
}
