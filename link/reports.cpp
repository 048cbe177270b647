#include "link/reports.h"

#include "link/key_code.h"
#include "link/module_profile.h"

#include <string>

namespace pemrix::link {
namespace {

constexpr const char* kNoAnswerMessage = "Нет ответа от прибора";
constexpr const char* kOtherKindMessage = "Подключенный прибор имеет другой тип";
constexpr const char* kCrcErrorText = "Ошибка: Dallas CRC";
constexpr const char* kNoKeyStatus = "Вещественный идентификатор не подключен к расширителю";
constexpr const char* kTimeOutStatus = "Ошибка: Time-Out";
constexpr const char* kAttemptPrefix = "Установка связи с расширителем...Попытка №";
constexpr const char* kAttemptSuffix = " из 10";
constexpr const char* kLinkedStatus = "Связь установлена";
constexpr const char* kKeyExistsMessage = "Идентификатор уже существует в списке";
constexpr const char* kWriteDoneStatus = "Запись конфигурации завершена";
constexpr const char* kReadDoneStatus = "Чтение конфигурации завершено";
constexpr const char* kKeyReadDoneStatus = "Чтение идентификатора завершено";

std::string textOf(std::string_view text) {
    return std::string(text);
}

// What did not complete when the line failed under an operation.
const char* unfinishedText(Operation operation) {
    switch (operation) {
    case Operation::Link:
        return "установка связи не выполнена";
    case Operation::Write:
    case Operation::ReleWrite:
        return "запись не выполнена";
    case Operation::Read:
    case Operation::ReleRead:
        return "чтение не выполнено";
    case Operation::KeyId:
        return "чтение идентификатора не выполнено";
    }
    return "";
}

} // namespace

void ShowReport(ReportTarget& target, int code, int attemptNumber) {
    const ModuleProfile* module = profileOf(target.moduleKind());
    if (module == nullptr)
        return;

    switch (code) {
    case ReportCode::NoAnswer:
        target.showMessage(kNoAnswerMessage);
        target.showStatus(textOf(module->noAnswerStatus));
        SetLinkDown(target);
        break;
    case ReportCode::OtherKind:
        target.showMessage(kOtherKindMessage);
        target.closeWindow();
        break;
    case ReportCode::LinkCrcError:
        target.showMessage(kCrcErrorText);
        break;
    case ReportCode::CrcError:
        target.showStatus(kCrcErrorText);
        break;
    case ReportCode::NoKey:
        if (module->readsKeys)
            target.showStatus(kNoKeyStatus);
        break;
    case ReportCode::TimeOut:
        target.showStatus(kTimeOutStatus);
        break;
    case ReportCode::LinkAttempt:
        target.showStatus(kAttemptPrefix + std::to_string(attemptNumber) + kAttemptSuffix);
        break;
    case ReportCode::LinkEstablished:
        target.showStatus(kLinkedStatus);
        target.linkEstablished();
        break;
    case ReportCode::KeyExists:
        target.showMessage(kKeyExistsMessage);
        break;
    case ReportCode::WriteDone:
        target.showStatus(kWriteDoneStatus);
        break;
    case ReportCode::ReadDone:
        target.showStatus(kReadDoneStatus);
        break;
    case ReportCode::KeyReadDone:
        if (module->readsKeys)
            target.showStatus(kKeyReadDoneStatus);
        break;
    case ReportCode::LinkStopped:
        target.showStatus(textOf(module->noLinkStatus));
        break;
    case ReportCode::LineFailed:
        // Nothing more passes on this port: only a new link can bring the module back.
        target.showStatus(textOf(module->noLinkStatus));
        SetLinkDown(target);
        break;
    default:
        break;
    }
}

void ShowLineFailure(ReportTarget& target, Operation operation, const PortError& error) {
    const ModuleProfile* module = profileOf(target.moduleKind());
    if (module == nullptr)
        return;
    std::string status = textOf(module->noLinkStatus) + ": " + unfinishedText(operation);
    if (const std::string reason = portErrorReason(error); !reason.empty())
        status += " — " + reason;
    target.showStatus(status);
    SetLinkDown(target);
    target.lineLost(error);
}

void LinkUp(ReportTarget& target) {
    target.setButtonEnabled(LinkButton::Read, true);
    target.setButtonEnabled(LinkButton::Write, true);
}

void DeliverImage(ReportTarget& target, const std::vector<int>& image) {
    target.applyImage(image);
}

void ShowKeyId(ReportTarget& target, std::uint64_t keyCode, int slot) {
    const ModuleProfile* module = profileOf(target.moduleKind());
    if (module == nullptr || !module->readsKeys || slot < 1 || slot > 8)
        return;
    // The "no key" code would read as an empty text, which equals any empty slot or
    // clears the target slot: neither is wanted, so it changes nothing.
    if (isNoKey(keyCode))
        return;
    const std::string text = formatKeyCode(keyCode);
    for (int n = 1; n <= 8; ++n) {
        if (target.identifierText(n) == text) {
            ShowReport(target, ReportCode::KeyExists, 0);
            return;
        }
    }
    target.setIdentifierText(slot, text);
}

void SetLinkPending(ReportTarget& target) {
    target.setLinkPending();
}

void SetLinkDown(ReportTarget& target) {
    target.setLinkDown();
}

void TargetReporter::report(int code, int attemptNumber) {
    if (auto* target = window_())
        ShowReport(*target, code, attemptNumber);
}

void TargetReporter::linkAnswered(ModuleKind kind) {
    if (auto* target = window_())
        target->linkAnswered(kind);
}

void TargetReporter::lineFailed(Operation operation, const PortError& error) {
    if (auto* target = window_())
        ShowLineFailure(*target, operation, error);
}

void TargetReporter::linkUp() {
    if (auto* target = window_())
        LinkUp(*target);
}

void TargetReporter::enableTransferButtons() {
    if (auto* target = window_())
        LinkUp(*target);
}

void TargetReporter::deliverImage(const std::vector<int>& image) {
    if (auto* target = window_())
        DeliverImage(*target, image);
}

void TargetReporter::deliverKey(std::uint64_t keyCode, int slot) {
    if (auto* target = window_())
        ShowKeyId(*target, keyCode, slot);
}

} // namespace pemrix::link
