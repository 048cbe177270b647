#pragma once
// Opens the operating system's serial port for the main window.

#include "link/serial_port.h"

#include <memory>
#include <string>

namespace pemrix::app {

std::shared_ptr<link::SerialPort> openSystemPort(const std::string& device);

} // namespace pemrix::app
