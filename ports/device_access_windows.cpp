// Windows keeps no group per device, and asking which process holds a COM port needs
// rights a user program lacks: nothing is known, and the texts say what they can
// without it.

#include "ports/device_access.h"

namespace pemrix::ports {

std::optional<GroupInfo> groupOfFile(const std::string&) {
    return std::nullopt;
}

std::optional<GroupInfo> groupNamed(const std::string&) {
    return std::nullopt;
}

bool UserGroups::isIn(unsigned) const {
    return true;
}

UserGroups currentUserGroups() {
    return UserGroups{true, {}};
}

std::optional<DeviceHolder> findDeviceHolder(const std::string&, const std::filesystem::path&) {
    return std::nullopt;
}

} // namespace pemrix::ports
