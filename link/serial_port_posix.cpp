// The serial port on POSIX systems: a termios device in raw mode, driven with
// non-blocking descriptors and poll() so that every call keeps to its time-out and a
// close from another thread wakes it at once.

#include "link/port_timeouts.h"
#include "link/raw_line_posix.h"
#include "link/system_reason.h"
#include "link/system_serial_port.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace pemrix::link {
namespace {

using Clock = std::chrono::steady_clock;

enum class Stage { Opening, Transfer };

// The one place where an operating-system error becomes a port error. The same code
// means different things while opening (the device is not there) and later (the
// device has gone away).
PortError portError(int osCode, Stage stage) {
    PortErrorKind kind = PortErrorKind::Other;
    switch (osCode) {
    case ENOENT:
    case ENOTDIR:
        kind = PortErrorKind::NoSuchPort;
        break;
    // A serial device node without hardware behind it answers EIO, ENXIO or ENODEV
    // when opened; later the same codes mean the adapter was pulled out.
    case EIO:
    case ENXIO:
    case ENODEV:
        kind = stage == Stage::Opening ? PortErrorKind::NoSuchPort : PortErrorKind::Gone;
        break;
    case EPIPE:
        kind = PortErrorKind::Gone;
        break;
    case EBUSY:
    case EWOULDBLOCK: // flock refused: another opener holds the device
        kind = stage == Stage::Opening ? PortErrorKind::InUse : PortErrorKind::Other;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        kind = PortErrorKind::NoPermission;
        break;
    case ETIMEDOUT:
        kind = PortErrorKind::TimedOut;
        break;
    case ECANCELED:
        kind = PortErrorKind::Closed;
        break;
    default:
        break;
    }
    // A device gone or held is said so, whichever code told of it.
    std::string reason = kind == PortErrorKind::Gone    ? os::translatedReason(os::deviceGoneReason)
                         : kind == PortErrorKind::InUse ? os::translatedReason(os::deviceBusyReason)
                                                        : os::errnoReason(osCode);
    return PortError{kind, osCode, std::move(reason)};
}

PortError closedError() {
    return portError(ECANCELED, Stage::Transfer);
}
PortError goneError() {
    return portError(EIO, Stage::Transfer);
}

// DTR first, then RTS; a pseudo-terminal has no modem lines and answers ENOTTY,
// which is of no consequence.
void raiseModemLines(int fd) {
    int dtr = TIOCM_DTR;
    (void)::ioctl(fd, TIOCMBIS, &dtr);
    int rts = TIOCM_RTS;
    (void)::ioctl(fd, TIOCMBIS, &rts);
}

// Hands the device back as it was found: its settings, shared access, no lock.
void releaseDevice(int fd, const termios* saved) {
    if (saved != nullptr) {
        (void)::tcsetattr(fd, TCSANOW, saved);
    }
    // On a pseudo-terminal exclusive mode would outlive the close and refuse the
    // next opener.
    (void)::ioctl(fd, TIOCNXCL);
    (void)::close(fd); // also drops the flock
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    // Rounded up, so that a wait never ends just before its deadline and spins.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

enum class WaitOutcome { Ready, TimedOut, Woken, Failed };

struct WaitResult {
    WaitOutcome outcome;
    short revents = 0;
    int osCode = 0;
};

// Waits until `fd` shows `events`, the wake pipe is written to, or the deadline
// passes. Signals do not cut the wait short: it resumes with the time left.
// With fd < 0 it waits for the deadline or the wake pipe alone.
WaitResult waitFor(int fd, short events, int wakeFd, Clock::time_point deadline) {
    pollfd fds[2] = {{wakeFd, POLLIN, 0}, {fd, events, 0}};
    const nfds_t count = fd >= 0 ? 2 : 1;
    for (;;) {
        const int timeoutMs = millisecondsUntil(deadline);
        const int ready = ::poll(fds, count, timeoutMs);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {WaitOutcome::Failed, 0, errno};
        }
        if (fds[0].revents != 0) {
            return {WaitOutcome::Woken};
        }
        if (ready > 0) {
            return {WaitOutcome::Ready, fds[1].revents};
        }
        if (timeoutMs == 0 || Clock::now() >= deadline) {
            return {WaitOutcome::TimedOut};
        }
    }
}

class PosixSerialPort final : public SystemSerialPort {
  public:
    explicit PosixSerialPort(PortError openFailure)
        : state_(State::FailedToOpen), openError_(std::move(openFailure)) {}

    PosixSerialPort(int fd, const int (&wakePipe)[2], const termios& saved,
                    Clock::time_point settledAt)
        : state_(State::Open), fd_(fd), wakeRead_(wakePipe[0]), wakeWrite_(wakePipe[1]),
          saved_(saved), settledAt_(settledAt) {}

    ~PosixSerialPort() override { close(); }

    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    IoResult read(std::uint8_t* buffer, std::size_t count) override;
    IoResult write(const std::uint8_t* data, std::size_t count) override;
    void purge(Purge what) override;
    void close() override;

    bool isOpen() const override {
        std::lock_guard lock(mutex_);
        return state_ == State::Open;
    }
    std::optional<PortError> openError() const override { return openError_; }

  private:
    enum class State { Open, Closing, Closed, FailedToOpen };

    // Admits one call while the port is open and keeps the descriptors alive until
    // the call has left: close() waits for every admitted call, so a descriptor
    // number is never used after it has been closed and perhaps handed out again.
    class Call {
      public:
        explicit Call(PosixSerialPort& port) : port_(port) {
            std::lock_guard lock(port.mutex_);
            if (port.state_ == State::Open) {
                ++port.callsInFlight_;
                admitted_ = true;
                fd = port.fd_;
                wakeFd = port.wakeRead_;
            }
        }
        ~Call() {
            if (!admitted_) {
                return;
            }
            std::lock_guard lock(port_.mutex_);
            if (--port_.callsInFlight_ == 0) {
                port_.idle_.notify_all();
            }
        }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

        bool admitted() const { return admitted_; }
        int fd = -1;
        int wakeFd = -1;

      private:
        PosixSerialPort& port_;
        bool admitted_ = false;
    };

    PortError refusal() const { return openError_ ? *openError_ : closedError(); }

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    State state_;
    int callsInFlight_ = 0;
    int fd_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    termios saved_{};
    const Clock::time_point settledAt_{};
    const std::optional<PortError> openError_;
};

IoResult PosixSerialPort::read(std::uint8_t* buffer, std::size_t count) {
    Call call(*this);
    if (!call.admitted()) {
        return IoResult::failure(refusal());
    }
    const auto totalDeadline = Clock::now() + port_timeouts::readTotal(count);
    Clock::time_point lastByteAt{};
    std::size_t received = 0;
    while (received < count) {
        auto deadline = totalDeadline;
        if (received > 0) {
            deadline = std::min(deadline, lastByteAt + port_timeouts::readInterval());
        }
        const WaitResult wait = waitFor(call.fd, POLLIN, call.wakeFd, deadline);
        switch (wait.outcome) {
        case WaitOutcome::TimedOut:
            return IoResult::done(received);
        case WaitOutcome::Woken:
            return IoResult::failure(closedError(), received);
        case WaitOutcome::Failed:
            return IoResult::failure(portError(wait.osCode, Stage::Transfer), received);
        case WaitOutcome::Ready:
            break;
        }
        if ((wait.revents & POLLIN) == 0) {
            // Hang-up or error without data: the device is gone; waiting on would
            // only spin until the time-out.
            return IoResult::failure(goneError(), received);
        }
        const ssize_t got = ::read(call.fd, buffer + received, count - received);
        if (got > 0) {
            received += static_cast<std::size_t>(got);
            lastByteAt = Clock::now();
        } else if (got == 0) {
            return IoResult::failure(goneError(), received);
        } else if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
            return IoResult::failure(portError(errno, Stage::Transfer), received);
        }
    }
    return IoResult::done(received);
}

IoResult PosixSerialPort::write(const std::uint8_t* data, std::size_t count) {
    Call call(*this);
    if (!call.admitted()) {
        return IoResult::failure(refusal());
    }
    if (Clock::now() < settledAt_) {
        const WaitResult settle = waitFor(-1, 0, call.wakeFd, settledAt_);
        if (settle.outcome == WaitOutcome::Woken) {
            return IoResult::failure(closedError());
        }
    }
    const auto deadline = Clock::now() + port_timeouts::writeTotal(count);
    std::size_t sent = 0;
    while (sent < count) {
        const ssize_t put = ::write(call.fd, data + sent, count - sent);
        if (put > 0) {
            sent += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            return IoResult::failure(portError(put == 0 ? EIO : errno, Stage::Transfer), sent);
        }
        const WaitResult wait = waitFor(call.fd, POLLOUT, call.wakeFd, deadline);
        switch (wait.outcome) {
        case WaitOutcome::TimedOut:
            return IoResult::failure(portError(ETIMEDOUT, Stage::Transfer), sent);
        case WaitOutcome::Woken:
            return IoResult::failure(closedError(), sent);
        case WaitOutcome::Failed:
            return IoResult::failure(portError(wait.osCode, Stage::Transfer), sent);
        case WaitOutcome::Ready:
            if ((wait.revents & POLLOUT) == 0) {
                return IoResult::failure(goneError(), sent);
            }
            break;
        }
    }
    return IoResult::done(sent);
}

void PosixSerialPort::purge(Purge what) {
    Call call(*this);
    if (!call.admitted()) {
        return;
    }
    switch (what) {
    case Purge::RxClear:
        (void)::tcflush(call.fd, TCIFLUSH);
        break;
    case Purge::TxClear:
        (void)::tcflush(call.fd, TCOFLUSH);
        break;
    case Purge::RxAbort:
    case Purge::TxAbort:
        // Reads, writes and purges all run on the one worker thread, so when a purge
        // runs no read or write of this port is pending and there is nothing to
        // abort. Aborting from another thread is what close() is for.
        break;
    }
}

void PosixSerialPort::close() {
    std::unique_lock lock(mutex_);
    if (state_ != State::Open) {
        return;
    }
    state_ = State::Closing;
    // Wake any call blocked in poll(); it fails at once and leaves, so this wait
    // is over within a system call's time, never a time-out's.
    const char wake = 1;
    (void)!::write(wakeWrite_, &wake, 1);
    idle_.wait(lock, [this] { return callsInFlight_ == 0; });
    releaseDevice(fd_, &saved_);
    (void)::close(wakeRead_);
    (void)::close(wakeWrite_);
    fd_ = wakeRead_ = wakeWrite_ = -1;
    state_ = State::Closed;
}

std::unique_ptr<SystemSerialPort> failedPort(int osCode) {
    return std::make_unique<PosixSerialPort>(portError(osCode, Stage::Opening));
}

} // namespace

std::unique_ptr<SystemSerialPort> SystemSerialPort::open(const std::string& device) {
    return open(device, OpenOptions{});
}

std::unique_ptr<SystemSerialPort> SystemSerialPort::open(const std::string& device,
                                                         const OpenOptions& options) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failedPort(errno);
    }
    // TIOCEXCL does not stop root; the lock does, whoever the other opener is.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        (void)::close(fd);
        return failedPort(code);
    }
    (void)::ioctl(fd, TIOCEXCL);

    termios saved{};
    if (::tcgetattr(fd, &saved) != 0) {
        const int code = errno; // not a terminal at all
        releaseDevice(fd, nullptr);
        return failedPort(code);
    }
    termios line = saved;
    makeRawLine(line);
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        // Without raw mode the line discipline would alter the bytes.
        const int code = errno;
        releaseDevice(fd, &saved);
        return failedPort(code);
    }
    raiseModemLines(fd);

    int wakePipe[2] = {-1, -1};
    if (!makeWakePipe(wakePipe)) {
        const int code = errno;
        releaseDevice(fd, &saved);
        return failedPort(code);
    }
    return std::make_unique<PosixSerialPort>(fd, wakePipe, saved,
                                             Clock::now() + options.settleTime);
}

std::string defaultDeviceForPort(int portNumber) {
    // COMn is the n-th serial device, numbered from zero here. Numbers below 1 name
    // no port; the empty name then fails to open as a missing device.
    if (portNumber < 1) {
        return {};
    }
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

} // namespace pemrix::link
