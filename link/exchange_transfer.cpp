// The command header and the operations that follow it: writing and reading a
// configuration image, reading a key code.

#include "link/exchange.h"
#include "link/frames.h"
#include "link/key_code.h"
#include "link/module_profile.h"

namespace pemrix::link {
namespace {

// Header and configuration frames end in their CRC; a frame leads with AA AA.
ByteRole headerRole(std::size_t index) {
    return index + 1 == Frame::ShortSize ? ByteRole::Checksum : ByteRole::Header;
}
ByteRole frameRole(std::size_t index, std::size_t size) {
    if (index + 1 == size)
        return ByteRole::Checksum;
    return index < 2 ? ByteRole::FrameLead : ByteRole::FrameData;
}
ByteRole keyAnswerRole(std::size_t index) {
    if (index + 1 == Frame::KeyAnswerSize)
        return ByteRole::Checksum;
    return index < 2 ? ByteRole::KeyAnswer : ByteRole::KeyCode;
}

} // namespace

bool Exchange::sendHeader() {
    if (stopRequested())
        return endWith(ExchangeEnd::Stopped);
    const ShortFrame header = commandHeader(request_.operation);
    for (std::size_t i = 0; i < header.size(); ++i)
        if (!sendFrameByte(header[i], headerRole(i), false))
            return false;
    if (stopRequested())
        return endWith(ExchangeEnd::Stopped);

    wait(timing_.headerAckWait);
    std::uint8_t acknowledgement = 0;
    if (!readOneByte(acknowledgement, ByteRole::Acknowledgement))
        return false;
    if (acknowledgement != Frame::Accept) {
        report(ReportCode::CrcError);
        return endWith(ExchangeEnd::Failed);
    }
    if (stopRequested())
        return endWith(ExchangeEnd::Stopped);
    return true;
}

ExchangeEnd Exchange::runWrite() {
    const std::vector<std::uint8_t> frame = configurationFrame(request_.data);
    for (std::size_t i = 0; i < frame.size(); ++i)
        if (!sendFrameByte(frame[i], frameRole(i, frame.size()), module_.pacedWrite))
            return end_;

    // The acknowledgement is polled directly: a missing byte here is the module's
    // refusal, not a time-out to report.
    bool stored = false;
    const int polls = module_.writeAcknowledgementPolls;
    for (int poll = 0; poll < polls && !stored; ++poll) {
        std::uint8_t acknowledgement = 0xFF;
        const IoResult result = port_.read(&acknowledgement, 1);
        traceOne(Direction::FromModule, acknowledgement, result.transferred == 1,
                 ByteRole::Acknowledgement);
        if (!goOnAfter(result))
            return end_;
        stored = result.transferred == 1 && acknowledgement == Frame::Accept;
        // A slow module may still be storing the image.
        if (polls > 1 && !stored)
            wait(timing_.ackPollPause);
    }

    if (!stored) {
        report(ReportCode::CrcError);
        return ExchangeEnd::Failed;
    }
    report(ReportCode::WriteDone);
    reporter_.enableTransferButtons();
    return ExchangeEnd::Succeeded;
}

ExchangeEnd Exchange::runRead() {
    std::vector<std::uint8_t> frame(
        configurationFrameSize(static_cast<std::size_t>(module_.imageSize)));
    bool complete = true;
    for (std::size_t i = 0; i < frame.size(); ++i) {
        bool arrived = false;
        if (!readOneByte(frame[i], frameRole(i, frame.size()), arrived))
            return end_;
        complete = complete && arrived;
    }
    if (stopRequested())
        return ExchangeEnd::Stopped;

    // A byte that never came stands in as FF; should the CRC happen to match over
    // such a frame, the image would still be wrong, so it is refused all the same.
    if (!complete || !frameCrcMatches(frame)) {
        report(ReportCode::CrcError);
        return sendVerdict(Frame::Reject) ? ExchangeEnd::Failed : end_;
    }
    if (!sendVerdict(Frame::Accept))
        return end_;

    reporter_.deliverImage(imageFromFrame(frame));
    report(ReportCode::ReadDone);
    reporter_.enableTransferButtons();
    return ExchangeEnd::Succeeded;
}

ExchangeEnd Exchange::runKeyRead() {
    KeyAnswer answer{};
    if (!readOneByte(answer[0], keyAnswerRole(0)))
        return end_;
    if (answer[0] == Frame::NoKeyLead) {
        report(ReportCode::NoKey);
        return ExchangeEnd::Failed;
    }

    bool complete = true;
    for (std::size_t i = 1; i < answer.size(); ++i) {
        bool arrived = false;
        if (!readOneByte(answer[i], keyAnswerRole(i), arrived))
            return end_;
        complete = complete && arrived;
    }
    if (!complete || !keyAnswerCrcMatches(answer)) {
        report(ReportCode::CrcError);
        return ExchangeEnd::Failed;
    }

    const std::uint64_t keyCode = keyCodeFromAnswer(answer);
    // All ones is what the reader sees with no key on it: never a key to store.
    if (isNoKey(keyCode)) {
        report(ReportCode::NoKey);
        return ExchangeEnd::Failed;
    }
    reporter_.deliverKey(keyCode, request_.data[0]);
    if (!stopRequested())
        report(ReportCode::KeyReadDone);
    return ExchangeEnd::Succeeded;
}

} // namespace pemrix::link
