// Establishing the link: up to ten link requests, the module's answer checked for
// kind and CRC, then the verdict.

#include "link/crc8.h"
#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_profile.h"

#include <algorithm>

namespace pemrix::link {
namespace {

ByteRole linkRequestRole(std::size_t) {
    return ByteRole::LinkRequest;
}
ByteRole echoRole(std::size_t) {
    return ByteRole::Echo;
}
// 55 55 K crc.
ByteRole linkAnswerRole(std::size_t position) {
    switch (position) {
    case 2:
        return ByteRole::ModuleKind;
    case 3:
        return ByteRole::Checksum;
    default:
        return ByteRole::LinkAnswer;
    }
}

} // namespace

void Exchange::traceShortFrame(Direction direction, const ShortFrame& frame, const IoResult& result,
                               ByteRole (*roleAt)(std::size_t)) {
    if (trace_)
        traceMoved(*trace_, direction, frame.data(), frame.size(), result.transferred, roleAt);
}

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
        const IoResult sent = port_.write(frame.data(), frame.size());
        traceShortFrame(Direction::ToModule, frame, sent, linkRequestRole);
        if (!goOnAfter(sent))
            return end_;
        ShortFrame received{};
        const IoResult echoed = port_.read(received.data(), received.size());
        traceShortFrame(Direction::FromModule, received, echoed, echoRole);
        if (!goOnAfter(echoed))
            return end_;
        if (stopRequested())
            return ExchangeEnd::Stopped;

        wait(timing_.linkAnswerWait);

        // Cleared first, so that a short answer leaves zeros where bytes are missing.
        frame.fill(0);
        received.fill(0);
        const IoResult answer = port_.read(received.data(), received.size());
        traceShortFrame(Direction::FromModule, received, answer, linkAnswerRole);
        if (!goOnAfter(answer))
            return end_;
        const std::size_t count = std::min(answer.transferred, received.size());
        std::copy_n(received.begin(), count, frame.begin());
        answered = frame[0] == Frame::Sync || frame[1] == Frame::Sync || count == frame.size();
    }

    if (!answered) {
        report(ReportCode::NoAnswer);
        writeOneByte(Frame::Reject, ByteRole::Verdict);
        return ExchangeEnd::Failed;
    }

    // A module of the served kind may name one of its models; the window learns
    // which, before the answer's checksum is looked at.
    const ModuleVariant* answeredAs = variantOf(module_, static_cast<ModuleKind>(frame[2]));
    if (answeredAs == nullptr) {
        report(ReportCode::OtherKind);
        return sendVerdict(Frame::Reject) ? ExchangeEnd::Failed : end_;
    }
    reporter_.linkAnswered(answeredAs->kind);

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
