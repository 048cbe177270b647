#include "cli/line.h"

#include "ports/port_problem.h"

namespace pemrix::cli {

PortOpener systemPortOpener() {
    return [](const std::string& device, const link::OpenOptions& options) {
        return link::SystemSerialPort::open(device, options);
    };
}

std::string lineFailureText(const std::string& device, const link::PortError& error,
                            const std::string& portName) {
    std::string text = device + ": " + link::portErrorReason(error) + '\n';
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
