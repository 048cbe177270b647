#include "link/reports.h"

#include "link/key_code.h"
#include "link/module_kind.h"

#include <string>

namespace pemrix::link {
namespace {

constexpr const char* kNoAnswerMessage = "Нет ответа от прибора";
constexpr const char* kExpanderNoAnswerStatus = "Нет ответа от расширителя";
constexpr const char* kReleNoAnswerStatus = "Нет ответа от модуля. Демонстрационный режим";
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
constexpr const char* kReleNoLinkStatus = "Нет связи с модулем";

} // namespace

void ShowReport(ReportTarget& target, int code, int attemptNumber) {
    const int kind = target.moduleKind();
    const bool rele = kind == ModuleKind::Rele8;
    if (!rele && !isExpanderKind(kind))
        return;

    switch (code) {
    case ReportCode::NoAnswer:
        target.showMessage(kNoAnswerMessage);
        if (rele) {
            target.showStatus(kReleNoAnswerStatus);
            target.enterDemoMode();
        } else {
            target.showStatus(kExpanderNoAnswerStatus);
        }
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
        if (!rele)
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
        if (rele)
            target.markReleLinked();
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
        if (!rele)
            target.showStatus(kKeyReadDoneStatus);
        break;
    case ReportCode::LinkStopped:
        target.showStatus(rele ? kReleNoLinkStatus : ExpanderNoLinkStatus);
        break;
    case ReportCode::LineFailed:
        // Nothing more passes on this port: only a new link can bring the module back.
        // The relay window is then without a module, as after a broken link.
        target.showStatus(rele ? kReleNoLinkStatus : ExpanderNoLinkStatus);
        if (rele)
            target.enterDemoMode();
        SetLinkDown(target);
        break;
    default:
        break;
    }
}

void LinkUp(ReportTarget& target) {
    target.setButtonEnabled(LinkButton::Read, true);
    target.setButtonEnabled(LinkButton::Write, true);
}

void DeliverImage(ReportTarget& target, const std::vector<int>& image) {
    target.applyImage(image);
}

void ShowKeyId(ReportTarget& target, std::uint64_t keyCode, int slot) {
    if (!isExpanderKind(target.moduleKind()) || slot < 1 || slot > 8)
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

void TargetReporter::releVariantFromLink(int kind) {
    if (auto* target = window_())
        target->setReleVariantFromLink(kind);
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
