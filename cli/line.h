#pragma once
// The serial line of one command: how it is opened, and why it failed when it did.

#include "link/serial_port.h"
#include "link/system_serial_port.h"

#include <functional>
#include <memory>
#include <string>

namespace pemrix::cli {

// Opens the device; tests put a port of their own in its place.
using PortOpener = std::function<std::unique_ptr<link::SystemSerialPort>(
    const std::string& device, const link::OpenOptions& options)>;

PortOpener systemPortOpener();

// "<device>: <the system's reason>", and below it, for a device that is missing,
// held by another program or closed to the user, which case it is and what to do,
// as the main window says it. `portName` is "COMn" when the port was named so.
std::string lineFailureText(const std::string& device, const link::PortError& error,
                            const std::string& portName = {});

} // namespace pemrix::cli
