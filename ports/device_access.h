#pragma once
// Who may open a device and who has it open: the facts that turn "permission
// denied" or "busy" into advice. On systems without these notions (Windows) every
// lookup finds nothing. Standard library only.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::ports {

struct GroupInfo {
    std::string name;
    unsigned id = 0;
    // Whether members of the group may read and write the device; joining a group
    // that may not is no remedy.
    bool mayReadWrite = false;
};

// The group that owns the file or device (links followed).
std::optional<GroupInfo> groupOfFile(const std::string& path);
// The group of that name, if the system has one (mayReadWrite is left false).
std::optional<GroupInfo> groupNamed(const std::string& name);

// The groups of the running program's user, as this login session has them: a user
// added to a group since logging in is not yet in it.
struct UserGroups {
    bool root = false;
    std::vector<unsigned> ids;

    bool isIn(unsigned groupId) const;
};
UserGroups currentUserGroups();

struct DeviceHolder {
    std::string program;
    int pid = 0;
};

// The other process holding the device's lock, from the lock table under
// `procRoot` (/proc/locks); when none does, the first other process found with the
// device open, in the process table there. Processes that cannot be read are skipped.
std::optional<DeviceHolder> findDeviceHolder(const std::string& device,
                                             const std::filesystem::path& procRoot = "/proc");

} // namespace pemrix::ports
