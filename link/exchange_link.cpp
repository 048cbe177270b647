// Establishing the link: up to ten link requests, the module's answer checked for
// kind and CRC, then the verdict.

#include "link/crc8.h"
#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_kind.h"

#include <algorithm>

namespace pemrix::link {

ExchangeEnd Exchange::runLink() {
    if (stopRequested()) {
        report(ReportCode::LinkStopped);
        return ExchangeEnd::Stopped;
    }

    ShortFrame frame{};
    bool answered = false;
    for (int attempt = 1; attempt <= LinkAttempts && !answered; ++attempt) {
        attemptNumber_ = attempt;
        report(ReportCode::LinkAttempt);
        frame = linkRequest();
        if (stopRequested()) {
            report(ReportCode::LinkStopped);
            return ExchangeEnd::Stopped;
        }

        // The request goes out in one write and its echo comes back in one read.
        if (!goOnAfter(port_.write(frame.data(), frame.size())))
            return end_;
        ShortFrame received{};
        if (!goOnAfter(port_.read(received.data(), received.size())))
            return end_;
        if (stopRequested())
            return ExchangeEnd::Stopped;

        wait(timing_.linkAnswerWait);

        // Cleared first, so that a short answer leaves zeros where bytes are missing.
        frame.fill(0);
        received.fill(0);
        const IoResult answer = port_.read(received.data(), received.size());
        if (!goOnAfter(answer))
            return end_;
        const std::size_t count = std::min(answer.transferred, received.size());
        std::copy_n(received.begin(), count, frame.begin());
        answered = frame[0] == Frame::Sync || frame[1] == Frame::Sync || count == frame.size();
    }

    if (!answered) {
        report(ReportCode::NoAnswer);
        const std::uint8_t reject = Frame::Reject;
        (void)port_.write(&reject, 1);
        return ExchangeEnd::Failed;
    }

    const int answeredKind = frame[2];
    const bool rele = request_.moduleKind == ModuleKind::Rele8;
    if (rele && answeredKind == ModuleKind::Rele8)
        reporter_.releVariantFromLink(ModuleKind::Rele8);
    if (answeredKind != request_.moduleKind) {
        if (rele && answeredKind == ModuleKind::Rele4) {
            reporter_.releVariantFromLink(ModuleKind::Rele4);
        } else {
            report(ReportCode::OtherKind);
            return sendVerdict(Frame::Reject) ? ExchangeEnd::Failed : end_;
        }
    }

    if (crc8(std::span<const std::uint8_t>(frame.data(), 3)) != frame[3]) {
        report(ReportCode::LinkCrcError);
        return sendVerdict(Frame::Reject) ? ExchangeEnd::Failed : end_;
    }

    if (!sendVerdict(Frame::Accept))
        return end_;
    report(ReportCode::LinkEstablished);
    reporter_.linkUp();
    return ExchangeEnd::Succeeded;
}

} // namespace pemrix::link
