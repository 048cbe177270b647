#pragma once
// The operating system's serial port (termios on POSIX, Win32 elsewhere).

#include "link/serial_port.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace pemrix::link {

struct OpenOptions {
    // The module needs the line to rest after DTR and RTS rise before it listens.
    // Opening runs on the user-interface thread and must not wait, so the first
    // write waits instead, until this long after opening. Tests pass zero.
    std::chrono::milliseconds settleTime{300};
};

// Opens and configures the device: exclusive access, raw 8N1 at 1200 baud, DTR then
// RTS raised (failures ignored), the port's time-outs; the first write waits out the
// settle time. Never fails outright: a device that cannot be opened yields a port
// whose every call fails, carrying the reason in openError().
class SystemSerialPort : public SerialPort {
  public:
    static std::unique_ptr<SystemSerialPort> open(const std::string& device);
    static std::unique_ptr<SystemSerialPort> open(const std::string& device,
                                                  const OpenOptions& options);

    // Why opening failed, if it did.
    std::optional<PortError> openError() const override = 0;
};

// The device of port COMn (n = 1..4) when the settings name none:
// /dev/ttyS0../dev/ttyS3 on Linux, //./COMn on Windows.
std::string defaultDeviceForPort(int portNumber);

} // namespace pemrix::link
