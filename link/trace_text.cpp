#include "link/trace_text.h"

#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_profile.h"

#include <cstdio>

namespace pemrix::link {
namespace {

std::string elapsedText(TraceElapsed elapsed) {
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    char text[32];
    std::snprintf(text, sizeof text, "+%lld.%03lld с", ms / 1000, ms % 1000);
    return text;
}

const char* directionText(Direction direction) {
    return direction == Direction::ToModule ? "ПК → модуль" : "модуль → ПК";
}

const char* operationName(const ModuleProfile* module, Operation operation) {
    if (operation == Operation::Link)
        return "Установка связи";
    if (operation == Operation::KeyId)
        return "Чтение идентификатора";
    if (module != nullptr && operation == module->write)
        return "Запись конфигурации";
    if (module != nullptr && operation == module->read)
        return "Чтение конфигурации";
    return "Обмен";
}

const char* roleText(ByteRole role) {
    switch (role) {
    case ByteRole::LinkRequest:
        return "запрос связи";
    case ByteRole::LinkAnswer:
        return "ответ на запрос связи";
    case ByteRole::ModuleKind:
        return "тип модуля";
    case ByteRole::Header:
        return "заголовок запроса";
    case ByteRole::FrameLead:
        return "начало кадра";
    case ByteRole::FrameData:
        return "кадр";
    case ByteRole::Checksum:
        return "контрольная сумма";
    case ByteRole::Echo:
        return "эхо";
    case ByteRole::Acknowledgement:
        return "подтверждение";
    case ByteRole::Verdict:
        return "ответ модулю";
    case ByteRole::KeyAnswer:
        return "ответ ключа";
    case ByteRole::KeyCode:
        return "код ключа";
    }
    return "";
}

// What the value means where the role alone does not say it.
std::string valueMeaning(std::uint8_t value, ByteRole role) {
    switch (role) {
    case ByteRole::ModuleKind:
        if (const ModuleVariant* variant = variantOfByte(value))
            return ": " + std::string(variant->name);
        return ": неизвестный";
    case ByteRole::Acknowledgement:
    case ByteRole::Verdict:
        return value == Frame::Accept ? ": принято" : ": отказ";
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
    std::string line = std::string("— ") + operationName(module, operation);
    if (module != nullptr)
        line += ", " + std::string(module->name);
    return line + " —";
}

std::string byteTraceLine(TraceElapsed elapsed, Direction direction, std::uint8_t value,
                          ByteRole role) {
    return elapsedText(elapsed) + "  " + directionText(direction) + "  " + hexByte(value) + "  " +
           roleText(role) + valueMeaning(value, role);
}

std::string missingTraceLine(TraceElapsed elapsed, Direction direction, ByteRole role,
                             std::size_t count) {
    std::string what;
    if (direction == Direction::FromModule)
        what = count == 1 ? "нет байта" : "нет " + std::to_string(count) + " байт";
    else
        what = count == 1 ? "не отправлен" : "не отправлены " + std::to_string(count);
    return elapsedText(elapsed) + "  " + directionText(direction) + "  --  " + what + ": " +
           roleText(role);
}

std::string exchangeEndLine(TraceElapsed elapsed, ExchangeEnd end) {
    const char* how = "";
    switch (end) {
    case ExchangeEnd::Succeeded:
        how = "выполнено";
        break;
    case ExchangeEnd::Failed:
        how = "не выполнено";
        break;
    case ExchangeEnd::Stopped:
        how = "остановлено";
        break;
    case ExchangeEnd::LineFailed:
        how = "сбой линии";
        break;
    }
    return elapsedText(elapsed) + "  — конец: " + how + " —";
}

} // namespace pemrix::link
