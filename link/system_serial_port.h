#pragma once
// The operating system's serial port (termios on POSIX, Win32 elsewhere).

#include "link/serial_port.h"

#include <memory>
#include <optional>
#include <string>

namespace pemrix::link {

// Opens and configures the device: exclusive access, raw 8N1 at 1200 baud, DTR then
// RTS raised (failures ignored), the port's time-outs, then the settle wait before
// anything is sent. Never fails outright: a device that cannot be opened yields a
// port whose every call fails, carrying the reason in openError().
class SystemSerialPort : public SerialPort {
public:
    static std::unique_ptr<SystemSerialPort> open(const std::string& device);

    // Why opening failed, if it did.
    virtual std::optional<PortError> openError() const = 0;
};

// The device of port COMn (n = 1..4) when the settings name none:
// /dev/ttyS0../dev/ttyS3 on Linux, //./COMn on Windows.
std::string defaultDeviceForPort(int portNumber);

} // namespace pemrix::link
