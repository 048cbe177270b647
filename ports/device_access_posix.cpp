// Groups from the system's group database, holders from the lock table and the
// process table: /proc/locks names the process holding a lock on a file, and each
// process lists its open files as links under /proc/<pid>/fd.

#include "ports/device_access.h"
#include "ports/file_locks.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pemrix::ports {

namespace {

// getgr*_r want a buffer of a size the system only suggests; grow it while too small.
template <typename Lookup> std::optional<GroupInfo> lookUpGroup(Lookup lookup) {
    std::vector<char> buffer(1024);
    for (;;) {
        group entry{};
        group* found = nullptr;
        const int status = lookup(&entry, buffer.data(), buffer.size(), &found);
        if (status == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0 || found == nullptr)
            return std::nullopt;
        return GroupInfo{found->gr_name, static_cast<unsigned>(found->gr_gid), false};
    }
}

// The same device: the same special device number for device nodes (a stable link
// and the node itself), the same file otherwise.
bool sameFile(const struct stat& a, const struct stat& b) {
    if (S_ISCHR(a.st_mode) || S_ISBLK(a.st_mode))
        return (a.st_mode & S_IFMT) == (b.st_mode & S_IFMT) && a.st_rdev == b.st_rdev;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The device as looked for: the names it goes by and what it is.
struct WantedDevice {
    std::vector<std::string> names; // as given and with links resolved
    struct stat file {};
};

bool underDev(const std::string& path) {
    return path.compare(0, 5, "/dev/") == 0;
}

// Each open file is read by its link's text alone; only a file under /dev is
// looked at, since a file on a network or user-space mount can stall the caller.
bool holds(const fs::path& process, const WantedDevice& device) {
    std::error_code error;
    for (fs::directory_iterator fd(process / "fd", error), end; !error && fd != end;
         fd.increment(error)) {
        std::error_code readError;
        const std::string target = fs::read_symlink(fd->path(), readError).string();
        if (readError)
            continue;
        if (std::find(device.names.begin(), device.names.end(), target) != device.names.end())
            return true;
        struct stat open {};
        if (underDev(target) && ::stat(target.c_str(), &open) == 0 && sameFile(device.file, open))
            return true;
    }
    return false;
}

std::string programName(const fs::path& process) {
    std::ifstream comm(process / "comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::optional<int> pidOf(const std::string& name) {
    int pid = 0;
    const char* const end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, pid);
    if (name.empty() || error != std::errc() || stop != end || pid <= 0)
        return std::nullopt;
    return pid;
}

} // namespace

std::optional<GroupInfo> groupOfFile(const std::string& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0)
        return std::nullopt;
    auto group = lookUpGroup([&](::group* entry, char* buffer, std::size_t size, ::group** found) {
        return ::getgrgid_r(file.st_gid, entry, buffer, size, found);
    });
    if (!group)
        group = GroupInfo{std::to_string(file.st_gid), static_cast<unsigned>(file.st_gid), false};
    group->mayReadWrite = (file.st_mode & S_IRGRP) != 0 && (file.st_mode & S_IWGRP) != 0;
    return group;
}

std::optional<GroupInfo> groupNamed(const std::string& name) {
    return lookUpGroup([&](::group* entry, char* buffer, std::size_t size, ::group** found) {
        return ::getgrnam_r(name.c_str(), entry, buffer, size, found);
    });
}

bool UserGroups::isIn(unsigned groupId) const {
    return root || std::find(ids.begin(), ids.end(), groupId) != ids.end();
}

UserGroups currentUserGroups() {
    UserGroups user;
    user.root = ::geteuid() == 0;
    user.ids.push_back(static_cast<unsigned>(::getegid()));
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> ids(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, ids.data());
        for (int i = 0; i < got; ++i)
            user.ids.push_back(static_cast<unsigned>(ids[static_cast<std::size_t>(i)]));
    }
    return user;
}

std::optional<DeviceHolder> findDeviceHolder(const std::string& device, const fs::path& procRoot) {
    WantedDevice wanted;
    if (::stat(device.c_str(), &wanted.file) != 0)
        return std::nullopt;
    // The program keeping this one out is the one holding the device's lock; any
    // other opener may only share the device. The openers are looked through when no
    // process that is still there holds a lock.
    const LockedFile locked{major(wanted.file.st_dev), minor(wanted.file.st_dev),
                            static_cast<std::uint64_t>(wanted.file.st_ino)};
    if (const auto pid = lockHolder(procRoot / "locks", locked, ::getpid())) {
        const fs::path process = procRoot / std::to_string(*pid);
        std::error_code gone;
        if (fs::is_directory(process, gone))
            return DeviceHolder{programName(process), *pid};
    }
    wanted.names.push_back(device);
    std::error_code resolveError;
    if (const fs::path resolved = fs::canonical(device, resolveError); !resolveError)
        wanted.names.push_back(resolved.string());
    std::vector<int> pids;
    std::error_code error;
    for (fs::directory_iterator entry(procRoot, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto pid = pidOf(entry->path().filename().string());
        if (pid && *pid != ::getpid())
            pids.push_back(*pid);
    }
    // The lowest number first: the same answer for the same table.
    std::sort(pids.begin(), pids.end());
    for (int pid : pids) {
        const fs::path process = procRoot / std::to_string(pid);
        if (holds(process, wanted))
            return DeviceHolder{programName(process), pid};
    }
    return std::nullopt;
}

} // namespace pemrix::ports
