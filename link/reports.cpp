#include "link/reports.h"

#include "language/translate.h"
#include "link/key_code.h"
#include "link/module_profile.h"

#include <string>

namespace pemrix::link {
namespace {

constexpr const char* kNoAnswerMessage = QT_TRANSLATE_NOOP("pemrix", "Нет ответа от прибора");
constexpr const char* kOtherKindMessage =
    QT_TRANSLATE_NOOP("pemrix", "Подключенный прибор имеет другой тип");
constexpr const char* kCrcErrorText = QT_TRANSLATE_NOOP("pemrix", "Ошибка: Dallas CRC");
constexpr const char* kNoKeyStatus =
    QT_TRANSLATE_NOOP("pemrix", "Вещественный идентификатор не подключен к расширителю");
constexpr const char* kTimeOutStatus = QT_TRANSLATE_NOOP("pemrix", "Ошибка: Time-Out");
constexpr const char* kLinkedStatus = QT_TRANSLATE_NOOP("pemrix", "Связь установлена");
constexpr const char* kKeyExistsMessage =
    QT_TRANSLATE_NOOP("pemrix", "Идентификатор уже существует в списке");
constexpr const char* kWriteDoneStatus =
    QT_TRANSLATE_NOOP("pemrix", "Запись конфигурации завершена");
constexpr const char* kReadDoneStatus =
    QT_TRANSLATE_NOOP("pemrix", "Чтение конфигурации завершено");
constexpr const char* kKeyReadDoneStatus =
    QT_TRANSLATE_NOOP("pemrix", "Чтение идентификатора завершено");

using language::translate;

// A text of the profile or of this file in the user's language; the profile's texts
// point at literals, so they end with a NUL.
std::string textOf(std::string_view text) {
    return translate("pemrix", text.data());
}

// What did not complete when the line failed under an operation.
const char* unfinishedText(Operation operation) {
    switch (operation) {
    case Operation::Link:
        return QT_TRANSLATE_NOOP("pemrix", "установка связи не выполнена");
    case Operation::Write:
    case Operation::ReleWrite:
        return QT_TRANSLATE_NOOP("pemrix", "запись не выполнена");
    case Operation::Read:
    case Operation::ReleRead:
        return QT_TRANSLATE_NOOP("pemrix", "чтение не выполнено");
    case Operation::KeyId:
        return QT_TRANSLATE_NOOP("pemrix", "чтение идентификатора не выполнено");
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
        target.showMessage(textOf(kNoAnswerMessage));
        target.showStatus(textOf(module->noAnswerStatus));
        SetLinkDown(target);
        break;
    case ReportCode::OtherKind:
        target.showMessage(textOf(kOtherKindMessage));
        target.closeWindow();
        break;
    case ReportCode::LinkCrcError:
        target.showMessage(textOf(kCrcErrorText));
        break;
    case ReportCode::CrcError:
        target.showStatus(textOf(kCrcErrorText));
        break;
    case ReportCode::NoKey:
        if (module->readsKeys)
            target.showStatus(textOf(kNoKeyStatus));
        break;
    case ReportCode::TimeOut:
        target.showStatus(textOf(kTimeOutStatus));
        break;
    case ReportCode::LinkAttempt:
        target.showStatus(
            language::arg(translate("pemrix", "Установка связи с расширителем...Попытка №%1 из 10"),
                          {std::to_string(attemptNumber)}));
        break;
    case ReportCode::LinkEstablished:
        target.showStatus(textOf(kLinkedStatus));
        target.linkEstablished();
        break;
    case ReportCode::KeyExists:
        target.showMessage(textOf(kKeyExistsMessage));
        break;
    case ReportCode::WriteDone:
        target.showStatus(textOf(kWriteDoneStatus));
        break;
    case ReportCode::ReadDone:
        target.showStatus(textOf(kReadDoneStatus));
        break;
    case ReportCode::KeyReadDone:
        if (module->readsKeys)
            target.showStatus(textOf(kKeyReadDoneStatus));
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
    std::string status = textOf(module->noLinkStatus) + ": " + textOf(unfinishedText(operation));
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
