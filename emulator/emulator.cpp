#include "emulator/emulator.h"

#include "link/raw_line_posix.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <poll.h>
#include <sys/prctl.h>
#include <system_error>
#include <unistd.h>

namespace pemrix::emulator {
namespace {

using std::chrono::milliseconds;

// A master that reports a hang-up or an error without data is looked at again only
// after this pause, so a broken terminal costs no processor time.
constexpr milliseconds BrokenTerminalPause{100};

void makeWakePipe(int& readEnd, int& writeEnd) {
    int ends[2];
    if (!link::makeWakePipe(ends))
        throw std::system_error(errno, std::generic_category(), "pipe");
    readEnd = ends[0];
    writeEnd = ends[1];
}

void drain(int fd) {
    std::array<char, 64> sink{};
    while (read(fd, sink.data(), sink.size()) > 0) {
    }
}

int pollTimeout(milliseconds wait) {
    if (wait.count() < 0)
        return -1;
    return static_cast<int>(std::min<milliseconds::rep>(wait.count(), 60'000));
}

} // namespace

Emulator::Emulator(EmulatorConfig config)
    : protocol_(std::move(config)), paced_(protocol_.config().faults.has(Fault::BaudPacing)) {
    makeWakePipe(wakeRead_, wakeWrite_);
}

Emulator::~Emulator() {
    stop();
    close(wakeRead_);
    close(wakeWrite_);
}

void Emulator::start() {
    if (worker_.joinable())
        return;
    stopRequested_ = false;
    drain(wakeRead_);
    worker_ = std::thread([this] {
        // A line's bytes arrive on time: the kernel's default timer slack (50 us)
        // would make every paced byte late, and a frame of echoes later still.
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        while (serveOnce(milliseconds(-1))) {
        }
    });
}

void Emulator::stop() {
    stopRequested_ = true;
    const char wake = 1;
    // A full pipe already holds a wake-up; nothing more is needed.
    [[maybe_unused]] auto written = write(wakeWrite_, &wake, 1);
    if (worker_.joinable())
        worker_.join();
}

std::vector<std::uint8_t> Emulator::image() const {
    std::lock_guard lock(protocolGuard_);
    return protocol_.image();
}

ModuleStats Emulator::stats() const {
    std::lock_guard lock(protocolGuard_);
    return protocol_.stats();
}

bool Emulator::serveOnce(milliseconds maxWait) {
    if (stopRequested_)
        return false;
    auto now = Clock::now();
    sendDue(now);

    // Sleep until the host writes, the next paced byte is due, or the caller's limit.
    auto wait = maxWait;
    bool pacingWait = false;
    if (!outgoing_.empty() && !writeBlocked_) {
        const auto untilDue = outgoing_.front().due - now;
        if (wait.count() < 0 || untilDue < wait) {
            wait = std::chrono::duration_cast<milliseconds>(untilDue); // rounded down
            pacingWait = true;
        }
    }
    if (pacingWait && wait.count() <= 0) {
        // Less than a millisecond to go: poll cannot wait that finely. The stop
        // request is at most this long late.
        std::this_thread::sleep_until(outgoing_.front().due);
        sendDue(Clock::now());
        return !stopRequested_;
    }

    pollfd fds[2] = {
        {terminal_.masterFd(), static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0},
        {wakeRead_, POLLIN, 0},
    };
    const int ready = poll(fds, 2, pollTimeout(wait));
    if (ready < 0) {
        if (errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "poll");
        return !stopRequested_;
    }
    if (stopRequested_ || (fds[1].revents & POLLIN))
        return !stopRequested_;

    now = Clock::now();
    const auto masterEvents = fds[0].revents;
    if (masterEvents & POLLOUT)
        writeBlocked_ = false;
    if (masterEvents & POLLIN) {
        receiveFromHost(now);
    } else if (masterEvents & (POLLHUP | POLLERR | POLLNVAL)) {
        waitForWake(BrokenTerminalPause);
    }
    sendDue(now);
    return !stopRequested_;
}

void Emulator::receiveFromHost(Clock::time_point now) {
    std::array<std::uint8_t, 256> buffer{};
    const auto got = read(terminal_.masterFd(), buffer.data(), buffer.size());
    if (got <= 0) {
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        waitForWake(BrokenTerminalPause); // EIO: the terminal is being torn down
        return;
    }
    std::vector<std::uint8_t> reply;
    bool unplugged = false;
    {
        std::lock_guard lock(protocolGuard_);
        for (ssize_t i = 0; i < got && !unplugged; ++i) {
            unplugged = unplugsNow();
            if (!unplugged)
                protocol_.receive(buffer[static_cast<std::size_t>(i)], now, reply);
        }
    }
    for (auto byte : reply)
        outgoing_.push_back({byte, paced_ ? pacer_.schedule(now) : now});
    if (unplugged) {
        // What the module owed for the bytes before goes out first, as far as due.
        sendDue(now);
        outgoing_.clear();
        writeBlocked_ = false;
        terminal_.hangUp();
    }
}

bool Emulator::unplugsNow() {
    const auto& faults = protocol_.config().faults;
    ++bytesArrived_;
    return faults.has(Fault::Unplug) &&
           bytesArrived_ >= static_cast<std::size_t>(faults.value(Fault::Unplug));
}

void Emulator::sendDue(Clock::time_point now) {
    if (writeBlocked_)
        return;
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        std::array<std::uint8_t, 256> chunk{};
        std::size_t count = 0;
        while (count < outgoing_.size() && count < chunk.size() && outgoing_[count].due <= now) {
            chunk[count] = outgoing_[count].byte;
            ++count;
        }
        const auto sent = write(terminal_.masterFd(), chunk.data(), count);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                // The host is not reading and the terminal's buffer is full.
                writeBlocked_ = true;
                return;
            }
            // The terminal refuses bytes for good; they would never arrive anyway.
            outgoing_.clear();
            return;
        }
        outgoing_.erase(outgoing_.begin(), outgoing_.begin() + sent);
    }
}

void Emulator::waitForWake(milliseconds wait) {
    pollfd wake{wakeRead_, POLLIN, 0};
    poll(&wake, 1, pollTimeout(wait));
}

} // namespace pemrix::emulator
