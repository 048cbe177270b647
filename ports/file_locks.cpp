#include "ports/file_locks.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::ports {
namespace {

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

template <typename Number> bool readWhole(std::string_view text, Number& value, int base = 10) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return !text.empty() && error == std::errc() && stop == end;
}

// "00:05:3": the file system's device in hexadecimal, then the inode.
std::optional<LockedFile> lockedFileOf(std::string_view word) {
    const std::size_t first = word.find(':');
    const std::size_t second = word.find(':', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos)
        return std::nullopt;
    LockedFile file;
    if (!readWhole(word.substr(0, first), file.major, 16) ||
        !readWhole(word.substr(first + 1, second - first - 1), file.minor, 16) ||
        !readWhole(word.substr(second + 1), file.inode))
        return std::nullopt;
    return file;
}

struct FileLock {
    // 0 or less when the table does not say: a lock of an open file description, or
    // a process outside this one's view.
    int pid = 0;
    LockedFile file;
};

// Nothing for a process waiting for a lock or a line not understood.
std::optional<FileLock> parseLockLine(std::string_view line) {
    const auto words = wordsOf(line);
    // The number, the kind, its mode words and the access come before the holder.
    if (words.size() < 5 || words[0].back() != ':' || words[1] == "->")
        return std::nullopt;
    for (std::size_t i = 3; i < words.size(); ++i) {
        if (auto file = lockedFileOf(words[i])) {
            FileLock lock{0, *file};
            if (!readWhole(words[i - 1], lock.pid))
                return std::nullopt;
            return lock;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> lockHolder(const std::filesystem::path& table, const LockedFile& file,
                              int except) {
    std::ifstream in(table);
    for (std::string line; std::getline(in, line);) {
        const auto lock = parseLockLine(line);
        if (lock && lock->file == file && lock->pid > 0 && lock->pid != except)
            return lock->pid;
    }
    return std::nullopt;
}

} // namespace pemrix::ports
