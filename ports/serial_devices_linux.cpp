// The serial devices of a Linux system, found where udev and the kernel put them:
// udev's stable links in /dev/serial/by-id, the adapters' nodes in /dev, and for the
// built-in ports the kernel's view in /sys/class/tty (every ttyS node exists whether
// or not a UART is behind it; the kernel marks a port without one as type 0).

#include "ports/serial_devices.h"

#include <algorithm>
#include <fstream>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace pemrix::ports {

namespace {

// What a serial device may be once links are followed: anything present but a
// folder (a node, or a plain file in a test's tree). A link left behind by an
// adapter that is gone points nowhere.
bool isDeviceLike(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

// Names in `folder` that are `prefix` followed by a number, in natural order.
std::vector<std::string> numberedNames(const fs::path& folder, std::string_view prefix) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (!std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (!isDeviceLike(entry->path()))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

// A built-in port is real when the kernel found a UART for it.
bool hasUart(const fs::path& root, const std::string& name) {
    std::ifstream typeFile(root / "sys/class/tty" / name / "type");
    int type = 0;
    return typeFile >> type && type != 0;
}

void addStableLinks(const fs::path& root, std::vector<SerialDevice>& devices) {
    const fs::path folder = root / "dev/serial/by-id";
    std::vector<SerialDevice> links;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        // udev puts only links here; whatever else is there is no adapter.
        std::error_code resolveError;
        if (!entry->is_symlink(resolveError) || !isDeviceLike(entry->path()))
            continue;
        const fs::path target = fs::canonical(entry->path(), resolveError);
        if (resolveError)
            continue;
        links.push_back({entry->path().string(), target.string(), {}});
    }
    std::sort(links.begin(), links.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return naturalLess(a.path, b.path);
    });
    devices.insert(devices.end(), links.begin(), links.end());
}

} // namespace

std::vector<SerialDevice> listSerialDevices(const fs::path& root) {
    std::vector<SerialDevice> devices;
    addStableLinks(root, devices);
    const fs::path dev = root / "dev";
    for (const char* adapter : {"ttyUSB", "ttyACM"})
        for (const std::string& name : numberedNames(dev, adapter))
            devices.push_back({(dev / name).string(), {}, {}});
    for (const std::string& name : numberedNames(dev, "ttyS"))
        if (hasUart(root, name))
            devices.push_back({(dev / name).string(), {}, {}});
    return devices;
}

} // namespace pemrix::ports
