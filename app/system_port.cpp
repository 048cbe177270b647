#include "app/system_port.h"

#include "link/system_serial_port.h"

namespace pemrix::app {

std::shared_ptr<link::SerialPort> openSystemPort(const std::string& device) {
    return link::SystemSerialPort::open(device);
}

} // namespace pemrix::app
