#include "emulator/module_protocol.h"

#include "emulator/factory_image.h"
#include "link/crc8.h"
#include "link/module_profile.h"

#include <algorithm>
#include <stdexcept>

namespace pemrix::emulator {
namespace {

constexpr std::uint8_t Sync = 0x55;
constexpr std::uint8_t FrameMark = 0xAA;
constexpr std::uint8_t Accepted = 0x00;
constexpr std::uint8_t Refused = 0xFF;
constexpr std::uint8_t NoKeyAnswer = 0xFF;
// The key answer opens with 00 (a key is there) and the touch-memory family code of
// a plain identifier key; a leading 00 leaves the CRC unchanged, so the ninth byte is
// the key's own ROM CRC.
constexpr std::uint8_t KeyPresent = 0x00;
constexpr std::uint8_t KeyFamily = 0x01;

constexpr std::uint8_t op(link::Operation operation) {
    return static_cast<std::uint8_t>(operation);
}

} // namespace

ModuleProtocol::ModuleProtocol(ModuleConfig config) : config_(std::move(config)) {
    const auto size = imageSize(config_.model);
    if (config_.image.empty())
        config_.image = factoryImageForKind(config_.model);
    if (config_.image.size() != size)
        throw std::invalid_argument("an image of " + std::string(modelName(config_.model)) +
                                    " has " + std::to_string(size) + " bytes, not " +
                                    std::to_string(config_.image.size()));
    if (config_.keyCode && (*config_.keyCode & ~KeyCodeMask) != 0)
        throw std::invalid_argument("a key code has 48 bits");
    image_ = config_.image;
}

void ModuleProtocol::receive(std::uint8_t byte, Clock::time_point now,
                             std::vector<std::uint8_t>& reply) {
    ++stats_.bytesReceived;
    if (config_.faults.has(Fault::Silent))
        return;
    const auto start = reply.size();
    reply.push_back(byte); // the echo comes first, always
    switch (state_) {
    case State::Hunt:
        hunt(byte, reply);
        break;
    case State::AwaitVerdict:
        state_ = State::Hunt;
        if (byte == Accepted)
            ++stats_.verdictsAccepted;
        else if (byte == Refused)
            ++stats_.verdictsRejected;
        else
            hunt(byte, reply); // no verdict: the host has moved on to a new request
        break;
    case State::ReceiveFrame:
        receiveFrameByte(byte, now, reply);
        break;
    }
    stats_.bytesSent += reply.size() - start;
}

void ModuleProtocol::hunt(std::uint8_t byte, std::vector<std::uint8_t>& reply) {
    switch (huntStage_) {
    case 0:
        huntStage_ = byte == Sync ? 1 : 0;
        break;
    case 1:
        huntStage_ = byte == Sync ? 2 : 0;
        break;
    case 2:
        // A run of 55 still ends in 55 55.
        if (byte != Sync) {
            huntFirst_ = byte;
            huntStage_ = 3;
        }
        break;
    default:
        huntStage_ = 0;
        // A garbled request is dropped; its last byte may open the next one.
        if (!request(huntFirst_, byte, reply) && byte == Sync)
            huntStage_ = 1;
        break;
    }
}

bool ModuleProtocol::request(std::uint8_t first, std::uint8_t second,
                             std::vector<std::uint8_t>& reply) {
    if (first == FrameMark && second == FrameMark) {
        answerLink(reply);
        return true;
    }
    const std::uint8_t header[] = {Sync, Sync, first};
    if (link::crc8(header) != second)
        return false;
    answerHeader(first, reply);
    return true;
}

std::uint8_t ModuleProtocol::answerKind() const {
    if (!config_.faults.has(Fault::WrongKind))
        return static_cast<std::uint8_t>(config_.model);
    const int chosen = config_.faults.value(Fault::WrongKind);
    if (chosen >= 0)
        return static_cast<std::uint8_t>(chosen);
    // By default the first served module of another kind: each expander answers as
    // the other one, a relay module as an Orvel-416.
    const link::ModuleKind own = moduleOf(config_.model).kind;
    for (const link::ModuleProfile& other : link::ModuleProfiles)
        if (other.kind != own)
            return static_cast<std::uint8_t>(other.kind);
    return 0;
}

void ModuleProtocol::answerLink(std::vector<std::uint8_t>& reply) {
    ++stats_.linkRequests;
    if (config_.faults.has(Fault::AnswerOnAttempt) &&
        stats_.linkRequests < config_.faults.value(Fault::AnswerOnAttempt))
        return;
    std::vector<std::uint8_t> answer{Sync, Sync, answerKind()};
    auto crc = link::crc8(answer);
    if (config_.faults.has(Fault::BadLinkCrc))
        crc = static_cast<std::uint8_t>(~crc);
    answer.push_back(crc);
    sendAnswer(answer, reply);
    ++stats_.linkAnswers;
    state_ = State::AwaitVerdict;
}

bool ModuleProtocol::serves(std::uint8_t requested) const {
    const link::ModuleProfile& module = moduleOf(config_.model);
    return requested == op(module.write) || requested == op(module.read) ||
           (module.readsKeys && requested == op(link::Operation::KeyId));
}

void ModuleProtocol::answerHeader(std::uint8_t requested, std::vector<std::uint8_t>& reply) {
    if (config_.faults.has(Fault::RefusedHeader) || !serves(requested)) {
        ++stats_.headersRefused;
        reply.push_back(Refused);
        return;
    }
    ++stats_.headersAccepted;
    stats_.lastOperation = requested;
    reply.push_back(Accepted);
    const link::ModuleProfile& module = moduleOf(config_.model);
    if (requested == op(module.write)) {
        frame_.clear();
        state_ = State::ReceiveFrame;
    } else if (requested == op(module.read)) {
        sendAnswer(readFrame(), reply);
        ++stats_.framesSent;
        state_ = State::AwaitVerdict;
    } else { // the key identifier: no verdict follows
        sendAnswer(keyAnswer(), reply);
        ++stats_.keyAnswers;
    }
}

std::vector<std::uint8_t> ModuleProtocol::readFrame() const {
    std::vector<std::uint8_t> frame(image_.size() + 2, FrameMark);
    std::copy(image_.begin(), image_.end(), frame.begin() + 2);
    auto crc = link::crc8(frame);
    if (config_.faults.has(Fault::BadFrameCrc))
        crc = static_cast<std::uint8_t>(~crc);
    frame.push_back(crc);
    return frame;
}

std::vector<std::uint8_t> ModuleProtocol::keyAnswer() const {
    if (!config_.keyCode || config_.faults.has(Fault::NoKey))
        return {NoKeyAnswer};
    std::vector<std::uint8_t> answer{KeyPresent, KeyFamily};
    for (int shift = 0; shift < 48; shift += 8)
        answer.push_back(static_cast<std::uint8_t>(*config_.keyCode >> shift));
    answer.push_back(link::crc8(answer));
    return answer;
}

void ModuleProtocol::receiveFrameByte(std::uint8_t byte, Clock::time_point now,
                                      std::vector<std::uint8_t>& reply) {
    const bool stalled = !frame_.empty() && now - lastFrameByte_ > FrameStallLimit;
    const bool notAFrame = frame_.size() < 2 && byte != FrameMark;
    if (stalled || notAFrame) {
        ++stats_.abandonedFrames;
        frame_.clear();
        state_ = State::Hunt;
        hunt(byte, reply);
        return;
    }
    frame_.push_back(byte);
    lastFrameByte_ = now;
    if (frame_.size() == image_.size() + 3) {
        state_ = State::Hunt;
        finishWrite(reply);
    }
}

void ModuleProtocol::finishWrite(std::vector<std::uint8_t>& reply) {
    const std::span<const std::uint8_t> body(frame_.data(), frame_.size() - 1);
    const bool intact =
        link::crc8(body) == frame_.back() && !config_.faults.has(Fault::BadFrameCrc);
    if (intact) {
        image_.assign(frame_.begin() + 2, frame_.end() - 1);
        ++stats_.writesStored;
    } else {
        ++stats_.writesRejected;
    }
    frame_.clear();
    if (!config_.faults.has(Fault::NoWriteAck))
        reply.push_back(intact ? Accepted : Refused);
}

void ModuleProtocol::sendAnswer(const std::vector<std::uint8_t>& answer,
                                std::vector<std::uint8_t>& reply) {
    const bool drop = config_.faults.has(Fault::DroppedByte);
    const auto dropped = static_cast<std::size_t>(config_.faults.value(Fault::DroppedByte));
    for (std::size_t i = 0; i < answer.size(); ++i)
        if (!drop || i != dropped)
            reply.push_back(answer[i]);
}

} // namespace pemrix::emulator
