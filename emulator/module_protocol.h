#pragma once
// The module's side of the byte protocol, free of any I/O: bytes go in one at a time,
// with the time they arrived, and the bytes the module sends in reply come out.
//
// The module echoes every byte it receives at once, then answers:
//   55 55 AA AA         -> link answer 55 55 K crc, then takes a verdict byte 00/FF
//   55 55 op crc        -> acknowledgement 00 (accepted) or FF (refused), then
//     op 1 / 0x51         receives AA AA + image + crc, stores it, acknowledges 00
//                         (FF and nothing stored when the checksum fails)
//     op 2 / 0x52         sends AA AA + image + crc, then takes a verdict byte
//     op 3                sends FF (no key) or 00 01 + six key bytes (least
//                         significant first) + crc, nine bytes whose CRC is zero
// Expanders serve ops 1, 2 and 3, relay modules 0x51 and 0x52; other ops are refused.
// Anything else is ignored while the module hunts for the next 55 55, and a header
// whose CRC fails goes unanswered. A written frame that does not start with AA AA, or
// that stalls for a second mid-way, was abandoned by the host: the module goes back
// to hunting, so the host's next request is heard.

#include "emulator/module_config.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace pemrix::emulator {

using Clock = std::chrono::steady_clock;

// What the module has heard and done; tests and the log read it.
struct ModuleStats {
    std::size_t bytesReceived = 0;
    std::size_t bytesSent = 0; // echoes included
    int linkRequests = 0;
    int linkAnswers = 0;
    int headersAccepted = 0;
    int headersRefused = 0;
    int lastOperation = -1; // op byte of the last accepted header
    int framesSent = 0;     // configuration frames sent for reads
    int writesStored = 0;
    int writesRejected = 0;
    int keyAnswers = 0;
    int verdictsAccepted = 0; // 00 after a link answer or a frame
    int verdictsRejected = 0; // FF after a link answer or a frame
    int abandonedFrames = 0;  // written frames the host gave up on
};

class ModuleProtocol {
  public:
    // A written frame whose next byte is later than this was given up by the host:
    // a writing host sends the next byte as soon as it has read the echo.
    static constexpr std::chrono::milliseconds FrameStallLimit{1000};

    // Throws std::invalid_argument for an image of the wrong size or a key wider than
    // 48 bits.
    explicit ModuleProtocol(ModuleConfig config);

    // Takes one byte from the line; appends the echo and any answer to `reply`.
    void receive(std::uint8_t byte, Clock::time_point now, std::vector<std::uint8_t>& reply);

    const std::vector<std::uint8_t>& image() const { return image_; }
    const ModuleStats& stats() const { return stats_; }
    const ModuleConfig& config() const { return config_; }

  private:
    enum class State { Hunt, AwaitVerdict, ReceiveFrame };

    void hunt(std::uint8_t byte, std::vector<std::uint8_t>& reply);
    bool request(std::uint8_t first, std::uint8_t second, std::vector<std::uint8_t>& reply);
    void answerLink(std::vector<std::uint8_t>& reply);
    void answerHeader(std::uint8_t op, std::vector<std::uint8_t>& reply);
    void receiveFrameByte(std::uint8_t byte, Clock::time_point now,
                          std::vector<std::uint8_t>& reply);
    void finishWrite(std::vector<std::uint8_t>& reply);
    bool serves(std::uint8_t op) const;
    std::uint8_t answerKind() const;
    std::vector<std::uint8_t> readFrame() const;
    std::vector<std::uint8_t> keyAnswer() const;
    // Appends an answer, leaving out the dropped byte when that fault is on.
    void sendAnswer(const std::vector<std::uint8_t>& answer, std::vector<std::uint8_t>& reply);

    ModuleConfig config_;
    std::vector<std::uint8_t> image_;
    ModuleStats stats_;
    State state_ = State::Hunt;
    int huntStage_ = 0; // 0: nothing, 1: 55, 2: 55 55, 3: 55 55 X
    std::uint8_t huntFirst_ = 0;
    std::vector<std::uint8_t> frame_;
    Clock::time_point lastFrameByte_{};
};

} // namespace pemrix::emulator
