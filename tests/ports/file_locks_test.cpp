// The lock table's lines, and the holder of a real lock named over an earlier opener.

#include "ports/device_access.h"
#include "ports/file_locks.h"
#include "tests/image/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pemrix::ports;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

namespace {

// A child process named `name` that opens `file` (and locks it, if asked) and keeps
// it so until the test ends.
class Opener {
  public:
    Opener(const std::filesystem::path& file, const char* name, bool locks) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_NAME, name);
            const int fd = ::open(file.c_str(), O_RDWR);
            const char done = fd >= 0 && (!locks || ::flock(fd, LOCK_EX | LOCK_NB) == 0);
            (void)!::write(ready[1], &done, 1);
            ::pause();
            ::_exit(0);
        }
        char done = 0;
        opened_ = pid_ > 0 && ::read(ready[0], &done, 1) == 1 && done;
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~Opener() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Opener(const Opener&) = delete;
    Opener& operator=(const Opener&) = delete;

    bool opened() const { return opened_; }
    int pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    bool opened_ = false;
};

} // namespace

TEST(FileLocks, LinesOfTheLockTable) {
    const struct {
        const char* line;
        std::optional<FileLock> lock;
    } rows[] = {
        {"1: FLOCK  ADVISORY  WRITE 25834 00:05:3 0 EOF", FileLock{25834, {0, 5, 3}}},
        {"2: POSIX  ADVISORY  READ 812 08:01:1318 128 255", FileLock{812, {8, 1, 1318}}},
        {"3: OFDLCK ADVISORY  WRITE -1 00:1a:42 0 EOF", FileLock{-1, {0, 0x1a, 42}}},
        {"4: LEASE  BREAKING  READ 1200 fd:100:9876543210 0 EOF",
         FileLock{1200, {0xfd, 0x100, 9876543210}}},
        {"5: -> FLOCK  ADVISORY  WRITE 900 00:05:3 0 EOF", std::nullopt}, // waiting for it
        {"6: FLOCK  ADVISORY  WRITE 77 <none>:0 0 EOF", std::nullopt},
        {"7: FLOCK  ADVISORY  WRITE x1 00:05:3 0 EOF", std::nullopt},
        {"8: FLOCK  ADVISORY  WRITE 77 00:05:3x 0 EOF", std::nullopt},
        {"FLOCK ADVISORY WRITE 77 00:05:3 0 EOF", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(parseLockLine(row.line), row.lock);
    }
}

TEST(FileLocks, TheProgramHoldingTheLockIsNamedNotTheFirstOpener) {
    TempFolder folder;
    const auto device = folder / "ttyUSB0";
    writeBytes(device, "");
    const Opener first(device, "first-opener", false);
    const Opener locker(device, "locker", true);
    ASSERT_TRUE(first.opened() && locker.opened());
    const auto holder = findDeviceHolder(device.string());
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, locker.pid());
    EXPECT_EQ(holder->program, "locker");
}
