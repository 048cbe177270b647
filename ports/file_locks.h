#pragma once
// The system's table of file locks (/proc/locks on Linux): which process holds a
// lock on which file. Standard library only.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace pemrix::ports {

// A file as the table names it: the device of its file system and its inode.
struct LockedFile {
    unsigned major = 0;
    unsigned minor = 0;
    std::uint64_t inode = 0;

    bool operator==(const LockedFile&) const = default;
};

// The first process in the table at `table` holding a lock on `file`, other than
// `except`; nothing when none does or the table cannot be read. A line reads
// "1: FLOCK  ADVISORY  WRITE 25834 00:05:3 0 EOF"; a process waiting for a lock
// ("1: -> FLOCK ...") holds none.
std::optional<int> lockHolder(const std::filesystem::path& table, const LockedFile& file,
                              int except);

} // namespace pemrix::ports
