#include "link/trace_text.h"

#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_kind.h"

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

// What the module calls itself in its link answer, or the window an exchange serves.
const char* moduleName(int kind) {
    switch (kind) {
    case ModuleKind::FireSecure:
        return "Orvel-417";
    case ModuleKind::Secure:
        return "Orvel-416";
    case ModuleKind::Rele8:
        return "Orvel-427";
    case ModuleKind::Rele4:
        return "Orvel-426";
    default:
        return nullptr;
    }
}

const char* operationName(int operation) {
    switch (operation) {
    case Operation::Link:
        return "Установка связи";
    case Operation::Write:
    case Operation::ReleWrite:
        return "Запись конфигурации";
    case Operation::Read:
    case Operation::ReleRead:
        return "Чтение конфигурации";
    case Operation::KeyId:
        return "Чтение идентификатора";
    default:
        return "Обмен";
    }
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
        if (const char* name = moduleName(value))
            return std::string(": ") + name;
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

std::string exchangeHeadingLine(int moduleKind, int operation) {
    const char* module = moduleKind == ModuleKind::Rele8 ? "Orvel-426/427" : moduleName(moduleKind);
    std::string line = std::string("— ") + operationName(operation);
    if (module)
        line += std::string(", ") + module;
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
