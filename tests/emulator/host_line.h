#pragma once
// The host's side of the line, for tests: the slave device opened and driven with
// plain read, write and poll, as the configurator drives its serial port.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace pemrix::emulator::testing {

using Bytes = std::vector<std::uint8_t>;

// Long enough never to matter on a slow machine; only a broken emulator waits it out.
inline constexpr std::chrono::milliseconds DoesNotHang{5000};

class HostLine {
  public:
    // Opens the device and clears what was left in it, as a fresh port does.
    // Throws std::system_error when it cannot be opened.
    explicit HostLine(const std::string& device);
    ~HostLine();
    HostLine(const HostLine&) = delete;
    HostLine& operator=(const HostLine&) = delete;

    void write(const Bytes& bytes);
    // Up to `count` bytes, whatever has arrived when the time is up.
    Bytes read(std::size_t count, std::chrono::milliseconds timeout = DoesNotHang);
    // Each byte written and its echo read before the next; returns the echoes.
    Bytes sendWithEchoes(const Bytes& bytes);
    // The link request as the host sends it: four bytes at once, the echo read at once,
    // then the four-byte answer.
    Bytes linkRequest();

  private:
    int fd_ = -1;
};

} // namespace pemrix::emulator::testing
