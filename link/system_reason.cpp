#include "link/system_reason.h"

#include <cerrno>
#include <system_error>

namespace pemrix::os {

using language::translate;

namespace {

const char* const noSuchFile = QT_TRANSLATE_NOOP("pemrix", "нет такого файла или устройства");
const char* const noSuchDevice = QT_TRANSLATE_NOOP("pemrix", "нет такого устройства");
const char* const inputOutput = QT_TRANSLATE_NOOP("pemrix", "ошибка ввода-вывода");
const char* const diskFull = QT_TRANSLATE_NOOP("pemrix", "на диске нет места");
const char* const alreadyExists = QT_TRANSLATE_NOOP("pemrix", "файл уже существует");
const char* const timedOut = QT_TRANSLATE_NOOP("pemrix", "время ожидания истекло");
const char* const cancelled = QT_TRANSLATE_NOOP("pemrix", "операция отменена");

const char* knownErrnoReason(int code) {
    switch (code) {
    case ENOENT:
        return noSuchFile;
    case ENODEV:
    case ENXIO:
        return noSuchDevice;
    case ENOTDIR:
        return QT_TRANSLATE_NOOP("pemrix", "часть пути — не папка");
    case EISDIR:
        return QT_TRANSLATE_NOOP("pemrix", "это папка");
    // The call that meets it on a port asks for the line's settings.
    case ENOTTY:
        return QT_TRANSLATE_NOOP("pemrix", "это не последовательный порт");
    case EACCES:
    case EPERM:
        return noPermissionReason.data();
    case EBUSY:
        return deviceBusyReason.data();
    case EAGAIN:
        return QT_TRANSLATE_NOOP("pemrix", "ресурс временно недоступен");
    case EIO:
        return inputOutput;
    case EPIPE:
        return QT_TRANSLATE_NOOP("pemrix", "канал закрыт");
    case ENOSPC:
        return diskFull;
#ifdef EDQUOT
    case EDQUOT:
        return QT_TRANSLATE_NOOP("pemrix", "превышена дисковая квота");
#endif
    case EFBIG:
        return QT_TRANSLATE_NOOP("pemrix", "файл слишком велик");
    case EROFS:
        return QT_TRANSLATE_NOOP("pemrix", "диск доступен только для чтения");
    case EEXIST:
        return alreadyExists;
    case ENAMETOOLONG:
        return QT_TRANSLATE_NOOP("pemrix", "слишком длинное имя");
    case ELOOP:
        return QT_TRANSLATE_NOOP("pemrix", "слишком много символических ссылок");
    case EMFILE:
    case ENFILE:
        return QT_TRANSLATE_NOOP("pemrix", "открыто слишком много файлов");
    case ENOMEM:
        return QT_TRANSLATE_NOOP("pemrix", "недостаточно памяти");
    // A standard stream that was closed when the program started.
    case EBADF:
        return QT_TRANSLATE_NOOP("pemrix", "поток закрыт");
    case ETIMEDOUT:
        return timedOut;
    case ECANCELED:
        return cancelled;
    default:
        return nullptr;
    }
}

// The Windows codes the serial port meets; their values, so that the table is
// checked on every system.
const char* knownWindowsReason(unsigned long code) {
    switch (code) {
    case 2:   // ERROR_FILE_NOT_FOUND
    case 3:   // ERROR_PATH_NOT_FOUND
    case 123: // ERROR_INVALID_NAME
    case 161: // ERROR_BAD_PATHNAME
        return noSuchFile;
    case 55: // ERROR_DEV_NOT_EXIST
        return noSuchDevice;
    case 1167: // ERROR_DEVICE_NOT_CONNECTED
        return QT_TRANSLATE_NOOP("pemrix", "устройство не подключено");
    case 1617: // ERROR_DEVICE_REMOVED
        return deviceGoneReason.data();
    case 5: // ERROR_ACCESS_DENIED
        return noPermissionReason.data();
    case 32: // ERROR_SHARING_VIOLATION
    case 33: // ERROR_LOCK_VIOLATION
        return QT_TRANSLATE_NOOP("pemrix", "занято другой программой");
    case 170: // ERROR_BUSY
        return deviceBusyReason.data();
    case 21: // ERROR_NOT_READY
        return QT_TRANSLATE_NOOP("pemrix", "устройство не готово");
    case 22: // ERROR_BAD_COMMAND
    case 31: // ERROR_GEN_FAILURE
        return QT_TRANSLATE_NOOP("pemrix", "устройство не отвечает");
    case 1117: // ERROR_IO_DEVICE
        return inputOutput;
    case 39:  // ERROR_HANDLE_DISK_FULL
    case 112: // ERROR_DISK_FULL
        return diskFull;
    case 19: // ERROR_WRITE_PROTECT
        return QT_TRANSLATE_NOOP("pemrix", "диск защищён от записи");
    case 80:  // ERROR_FILE_EXISTS
    case 183: // ERROR_ALREADY_EXISTS
        return alreadyExists;
    case 121:  // ERROR_SEM_TIMEOUT
    case 1460: // ERROR_TIMEOUT
        return timedOut;
    case 995: // ERROR_OPERATION_ABORTED
        return cancelled;
    default:
        return nullptr;
    }
}

} // namespace

std::string errnoReason(int code) {
    if (const char* reason = knownErrnoReason(code))
        return translate("pemrix", reason);
    return otherErrorReason(code, std::generic_category().message(code));
}

std::string windowsErrorReason(unsigned long code, std::string_view systemText) {
    if (const char* reason = knownWindowsReason(code))
        return translate("pemrix", reason);
    return otherErrorReason(static_cast<long long>(code), systemText);
}

std::string otherErrorReason(long long code, std::string_view systemText) {
    const std::string number = std::to_string(code);
    if (systemText.empty())
        return language::arg(translate("pemrix", "системная ошибка %1"), {number});
    return language::arg(translate("pemrix", "системная ошибка %1 (%2)"), {number, systemText});
}

std::string translatedReason(std::string_view reason) {
    return translate("pemrix", std::string(reason).c_str());
}

} // namespace pemrix::os
