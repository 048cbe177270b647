#pragma once
// The serial devices present on this machine, as the system itself lists them, for
// the user to pick the device behind a port name. Standard library only, so the
// command-line program can use it without Qt.

#include <filesystem>
#include <string>
#include <vector>

namespace pemrix::ports {

struct SerialDevice {
    std::string path;        // what the port opens: /dev/ttyUSB0, //./COM7
    std::string target;      // the node a stable link points to, else empty
    std::string description; // what the system calls it, if anything
};

// In the order a user looks for them. On Linux: the stable links under
// /dev/serial/by-id (with the node each resolves to), then the USB adapters
// (ttyUSB*, ttyACM*), then the built-in ports (ttyS*) that have a UART behind
// them. On Windows: the COM ports the system has registered. `root` stands for "/"
// so tests can lay out a tree of their own; Windows ignores it.
std::vector<SerialDevice> listSerialDevices(const std::filesystem::path& root = "/");

// "ttyUSB2" before "ttyUSB10": runs of digits compare by their value.
bool naturalLess(const std::string& left, const std::string& right);

} // namespace pemrix::ports
