#include "cli/line.h"

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

std::string lineFailureText(const std::string& device, const link::PortError& error) {
    std::string text = device + ": ";
    text += error.message.empty()
                ? "the port failed (system error " + std::to_string(error.osCode) + ")"
                : error.message;
    text += '\n';
    switch (error.kind) {
    case link::PortErrorKind::NoPermission:
        text += "hint: serial devices usually belong to the 'dialout' group; join it with\n"
                "      sudo usermod -aG dialout $USER   and log in again\n";
        break;
    case link::PortErrorKind::InUse:
        text += "hint: another program holds the port; close it and try again\n";
        break;
    case link::PortErrorKind::NoSuchPort:
        text += "hint: check the device name, or the [Devices] COMn mapping for --port\n";
        break;
    default:
        break;
    }
    return text;
}

} // namespace pemrix::cli
