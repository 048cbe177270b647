#pragma once
// One module of a chosen kind, played on a pseudo-terminal. The host opens
// devicePath() as its serial port (and may close and reopen it at will); the emulator
// echoes and answers as the module would, keeps the image written to it and returns
// it on a read.
//
//   Emulator emu(ModuleConfig{link::ModuleKind::Secure});
//   emu.start();                 // serves on its own thread
//   open(emu.devicePath()) ...   // the host's side
//   emu.stop();                  // prompt; also done by the destructor
//
// Without start(), a caller may drive it on its own thread with serveOnce(); the two
// ways must not be mixed at the same time.

#include "emulator/byte_pacer.h"
#include "emulator/module_config.h"
#include "emulator/module_protocol.h"
#include "emulator/pseudo_terminal.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pemrix::emulator {

using EmulatorConfig = ModuleConfig;

class Emulator {
  public:
    // Throws std::system_error when no pseudo-terminal can be had, and
    // std::invalid_argument for an image of the wrong size or a key wider than 48 bits.
    explicit Emulator(EmulatorConfig config);
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    const std::string& devicePath() const { return terminal_.slavePath(); }

    void start();
    // Wakes the serving thread at once and waits for it; bytes not yet sent stay
    // queued for a later start().
    void stop();
    bool running() const { return worker_.joinable(); }

    // One round of serving: waits at most `maxWait` (negative: until something
    // happens) for bytes from the host, answers them and sends what is due. Returns
    // false once stop() has been asked.
    bool serveOnce(std::chrono::milliseconds maxWait);

    // The image the module holds now.
    std::vector<std::uint8_t> image() const;
    ModuleStats stats() const;
    const EmulatorConfig& config() const { return protocol_.config(); }

  private:
    struct Outgoing {
        std::uint8_t byte;
        Clock::time_point due;
    };

    void receiveFromHost(Clock::time_point now);
    // Counts a byte from the host; true when the unplug fault pulls the adapter now.
    bool unplugsNow();
    void sendDue(Clock::time_point now);
    void waitForWake(std::chrono::milliseconds wait);

    PseudoTerminal terminal_;
    mutable std::mutex protocolGuard_;
    ModuleProtocol protocol_;
    bool paced_;
    BytePacer pacer_;
    std::deque<Outgoing> outgoing_;
    bool writeBlocked_ = false;
    std::size_t bytesArrived_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::atomic<bool> stopRequested_{false};
    std::thread worker_;
};

} // namespace pemrix::emulator
