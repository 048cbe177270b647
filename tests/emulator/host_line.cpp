#include "tests/emulator/host_line.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace pemrix::emulator::testing {

HostLine::HostLine(const std::string& device) {
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        throw std::system_error(errno, std::generic_category(), "open " + device);
    tcflush(fd_, TCIOFLUSH);
}

HostLine::~HostLine() {
    ::close(fd_);
}

void HostLine::write(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "write");
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else
            ::poll(nullptr, 0, 1);
    }
}

Bytes HostLine::read(std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Bytes got;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() < 0)
            break;
        pollfd fd{fd_, POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        std::uint8_t buffer[256];
        const auto n = ::read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
        if (n > 0)
            got.insert(got.end(), buffer, buffer + n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break;
    }
    return got;
}

Bytes HostLine::sendWithEchoes(const Bytes& bytes) {
    Bytes echoes;
    for (auto byte : bytes) {
        write({byte});
        const auto echo = read(1);
        echoes.insert(echoes.end(), echo.begin(), echo.end());
    }
    return echoes;
}

Bytes HostLine::linkRequest() {
    const Bytes request{0x55, 0x55, 0xAA, 0xAA};
    write(request);
    if (read(4) != request)
        return {};
    return read(4);
}

} // namespace pemrix::emulator::testing
