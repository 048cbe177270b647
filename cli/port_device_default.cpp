// COMn without the program's settings (a build without Qt): the platform's usual
// device.

#include "cli/port_device.h"

#include "link/system_serial_port.h"

namespace pemrix::cli {

std::string deviceForPortNumber(int portNumber) {
    return link::defaultDeviceForPort(portNumber);
}

} // namespace pemrix::cli
