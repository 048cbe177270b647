#include "cli/line.h"

#include "ports/port_problem.h"

namespace pemrix::cli {

PortOpener systemPortOpener() {
    return [](const std::string& device, const link::OpenOptions& options) {
        return link::SystemSerialPort::open(device, options);
    };
}

link::IoResult WatchedPort::read(std::uint8_t* buffer, std::size_t count) {
    return watch(port_.read(buffer, count));
}

link::IoResult WatchedPort::write(const std::uint8_t* data, std::size_t count) {
    return watch(port_.write(data, count));
}

link::IoResult WatchedPort::watch(link::IoResult result) {
    if (result.failed)
        lastFailure_ = result.error;
    return result;
}

std::string lineFailureText(const std::string& device, const link::PortError& error,
                            const std::string& portName) {
    std::string text = device + ": " + ports::portErrorReason(error) + '\n';
    switch (error.kind) {
    case link::PortErrorKind::NoPermission:
    case link::PortErrorKind::InUse:
    case link::PortErrorKind::NoSuchPort:
        text += ports::diagnoseOpenFailure(portName, device, error).full + '\n';
        break;
    default:
        break;
    }
    return text;
}

} // namespace pemrix::cli
