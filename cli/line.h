#pragma once
// The serial line of one command: how it is opened, and why it failed when it did.

#include "link/serial_port.h"
#include "link/system_serial_port.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pemrix::cli {

// Opens the device; tests put a port of their own in its place.
using PortOpener = std::function<std::unique_ptr<link::SystemSerialPort>(
    const std::string& device, const link::OpenOptions& options)>;

PortOpener systemPortOpener();

// Passes every call on to the real port and keeps the error of the last call that
// failed: the exchange reports a failed write without the system's reason, which
// the user needs (a pulled adapter, a lost permission).
class WatchedPort : public link::SerialPort {
  public:
    explicit WatchedPort(link::SerialPort& port) : port_(port) {}

    link::IoResult read(std::uint8_t* buffer, std::size_t count) override;
    link::IoResult write(const std::uint8_t* data, std::size_t count) override;
    void purge(link::Purge what) override { port_.purge(what); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }

    const std::optional<link::PortError>& lastFailure() const { return lastFailure_; }

  private:
    link::IoResult watch(link::IoResult result);

    link::SerialPort& port_;
    std::optional<link::PortError> lastFailure_;
};

// "<device>: <the system's reason>", and below it, for a device that is missing,
// held by another program or closed to the user, which case it is and what to do,
// as the main window says it. `portName` is "COMn" when the port was named so.
std::string lineFailureText(const std::string& device, const link::PortError& error,
                            const std::string& portName = {});

} // namespace pemrix::cli
