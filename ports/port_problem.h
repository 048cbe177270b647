#pragma once
// Why a port did not open, said so that the user can act on it: the device is
// missing, another program holds it (and which), or the user may not open it (and
// which group to join). Shared by the main window and the command-line program.
// Standard library only.

#include "link/serial_port.h"
#include "ports/device_access.h"
#include "ports/serial_devices.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::ports {

struct PortProblem {
    std::string brief; // one short line for a status bar
    std::string full;  // what happened and what to do
};

// What the system could tell beyond the error itself.
struct OpenFailureFacts {
    std::optional<GroupInfo> group; // the device's group
    bool userInGroup = false;
    std::optional<DeviceHolder> holder;
};

// `portName` is "COM1".."COM4", or empty when the device was named directly.
PortProblem describeOpenFailure(const std::string& portName, const std::string& device,
                                const link::PortError& error, const OpenFailureFacts& facts);

// The line of a port that was open failed under an exchange (the adapter pulled out,
// the device gone): what the port's label says until a new link opens it again.
PortProblem describeLineLoss(const std::string& portName, const std::string& device,
                             const link::PortError& error);

// Looks the facts up on this system (the process table under `procRoot`) and
// describes the failure.
PortProblem diagnoseOpenFailure(const std::string& portName, const std::string& device,
                                const link::PortError& error,
                                const std::filesystem::path& procRoot = "/proc");

// The group that owns the serial devices when the user is not in it: the group of
// the first listed device if its members may use it, else "dialout". Nothing for
// root, for a member, or when the system has no such group.
std::optional<std::string> serialGroupToJoin(const UserGroups& user,
                                             const std::vector<SerialDevice>& devices);

// What a user outside that group is told when the program starts.
PortProblem serialGroupNotice(const std::string& group);

} // namespace pemrix::ports
