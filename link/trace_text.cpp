#include "link/trace_text.h"

#include "language/translate.h"
#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_profile.h"

#include <cstdio>

namespace pemrix::link {
namespace {

using language::arg;
using language::translate;

std::string elapsedText(TraceElapsed elapsed) {
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", ms / 1000, ms % 1000);
    return arg(translate("pemrix", "+%1 с"), {text});
}

std::string directionText(Direction direction) {
    return direction == Direction::ToModule ? translate("pemrix", "ПК → модуль")
                                            : translate("pemrix", "модуль → ПК");
}

const char* operationName(const ModuleProfile* module, Operation operation) {
    if (operation == Operation::Link)
        return QT_TRANSLATE_NOOP("pemrix", "Установка связи");
    if (operation == Operation::KeyId)
        return QT_TRANSLATE_NOOP("pemrix", "Чтение идентификатора");
    if (module != nullptr && operation == module->write)
        return QT_TRANSLATE_NOOP("pemrix", "Запись конфигурации");
    if (module != nullptr && operation == module->read)
        return QT_TRANSLATE_NOOP("pemrix", "Чтение конфигурации");
    return QT_TRANSLATE_NOOP("pemrix", "Обмен");
}

const char* roleText(ByteRole role) {
    switch (role) {
    case ByteRole::LinkRequest:
        return QT_TRANSLATE_NOOP("pemrix", "запрос связи");
    case ByteRole::LinkAnswer:
        return QT_TRANSLATE_NOOP("pemrix", "ответ на запрос связи");
    case ByteRole::ModuleKind:
        return QT_TRANSLATE_NOOP("pemrix", "тип модуля");
    case ByteRole::Header:
        return QT_TRANSLATE_NOOP("pemrix", "заголовок запроса");
    case ByteRole::FrameLead:
        return QT_TRANSLATE_NOOP("pemrix", "начало кадра");
    case ByteRole::FrameData:
        return QT_TRANSLATE_NOOP("pemrix", "кадр");
    case ByteRole::Checksum:
        return QT_TRANSLATE_NOOP("pemrix", "контрольная сумма");
    case ByteRole::Echo:
        return QT_TRANSLATE_NOOP("pemrix", "эхо");
    case ByteRole::Acknowledgement:
        return QT_TRANSLATE_NOOP("pemrix", "подтверждение");
    case ByteRole::Verdict:
        return QT_TRANSLATE_NOOP("pemrix", "ответ модулю");
    case ByteRole::KeyAnswer:
        return QT_TRANSLATE_NOOP("pemrix", "ответ ключа");
    case ByteRole::KeyCode:
        return QT_TRANSLATE_NOOP("pemrix", "код ключа");
    }
    return "";
}

// What the value means where the role alone does not say it.
std::string valueMeaning(std::uint8_t value, ByteRole role) {
    switch (role) {
    case ByteRole::ModuleKind:
        if (const ModuleVariant* variant = variantOfByte(value))
            return ": " + std::string(variant->name);
        return ": " + translate("pemrix", "неизвестный");
    case ByteRole::Acknowledgement:
    case ByteRole::Verdict:
        return ": " + (value == Frame::Accept ? translate("pemrix", "принято")
                                              : translate("pemrix", "отказ"));
    default:
        return {};
    }
}

std::string hexByte(std::uint8_t value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

} // namespace

std::string exchangeHeadingLine(ModuleKind moduleKind, Operation operation) {
    const ModuleProfile* module = profileOf(moduleKind);
    std::string line = "— " + translate("pemrix", operationName(module, operation));
    if (module != nullptr)
        line += ", " + std::string(module->name);
    return line + " —";
}

std::string byteTraceLine(TraceElapsed elapsed, Direction direction, std::uint8_t value,
                          ByteRole role) {
    return elapsedText(elapsed) + "  " + directionText(direction) + "  " + hexByte(value) + "  " +
           translate("pemrix", roleText(role)) + valueMeaning(value, role);
}

std::string missingTraceLine(TraceElapsed elapsed, Direction direction, ByteRole role,
                             std::size_t count) {
    std::string what;
    const std::string number = std::to_string(count);
    if (direction == Direction::FromModule)
        what = count == 1 ? translate("pemrix", "нет байта")
                          : arg(translate("pemrix", "нет %1 байт"), {number});
    else
        what = count == 1 ? translate("pemrix", "не отправлен")
                          : arg(translate("pemrix", "не отправлены %1"), {number});
    return elapsedText(elapsed) + "  " + directionText(direction) + "  --  " + what + ": " +
           translate("pemrix", roleText(role));
}

std::string exchangeEndLine(TraceElapsed elapsed, ExchangeEnd end) {
    const char* how = "";
    switch (end) {
    case ExchangeEnd::Succeeded:
        how = QT_TRANSLATE_NOOP("pemrix", "выполнено");
        break;
    case ExchangeEnd::Failed:
        how = QT_TRANSLATE_NOOP("pemrix", "не выполнено");
        break;
    case ExchangeEnd::Stopped:
        how = QT_TRANSLATE_NOOP("pemrix", "остановлено");
        break;
    case ExchangeEnd::LineFailed:
        how = QT_TRANSLATE_NOOP("pemrix", "сбой линии");
        break;
    }
    return elapsedText(elapsed) + "  " +
           arg(translate("pemrix", "— конец: %1 —"), {translate("pemrix", how)});
}

} // namespace pemrix::link
