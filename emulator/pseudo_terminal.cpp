#include "emulator/pseudo_terminal.h"

#include "link/raw_line_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace pemrix::emulator {
namespace {

[[noreturn]] void throwSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// ptsname() answers in a static buffer.
std::string slaveName(int master) {
    static std::mutex guard;
    std::lock_guard lock(guard);
    const char* name = ptsname(master);
    if (!name)
        throwSystemError("ptsname");
    return name;
}

// Raw 8N1 at 1200 baud: every byte value passes untouched, nothing is echoed by the
// terminal itself (the module does its own echo).
void makeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        throwSystemError("tcgetattr");
    link::makeRawLine(settings);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        throwSystemError("tcsetattr");
}

void setDescriptorFlags(int fd) {
    const int status = fcntl(fd, F_GETFL);
    if (status < 0 || fcntl(fd, F_SETFL, status | O_NONBLOCK) != 0)
        throwSystemError("fcntl(O_NONBLOCK)");
    if (fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
        throwSystemError("fcntl(FD_CLOEXEC)");
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        throwSystemError("posix_openpt");
    try {
        setDescriptorFlags(master_);
        if (grantpt(master_) != 0)
            throwSystemError("grantpt");
        if (unlockpt(master_) != 0)
            throwSystemError("unlockpt");
        slavePath_ = slaveName(master_);
        heldSlave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (heldSlave_ < 0)
            throwSystemError("open pseudo-terminal slave");
        makeRaw(heldSlave_);
    } catch (...) {
        if (heldSlave_ >= 0)
            close(heldSlave_);
        close(master_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal() {
    hangUp();
}

void PseudoTerminal::hangUp() {
    if (master_ < 0)
        return;
    // The slave first: closing the master hangs up every host still holding the slave.
    close(heldSlave_);
    close(master_);
    heldSlave_ = master_ = -1;
}

} // namespace pemrix::emulator
