// How closely the serial port's read time-out holds on a line that stays silent:
// each read of 1 and of 4 bytes is timed, and the time divided by the nominal
// 100·n + 10 ms. Standard library only, so the same program measures the POSIX port
// and, built for Windows, the Win32 port (under Wine: bench/link/read-timeouts-wine).
//
//   read_timeout_probe DEVICE [READS]     (READS per size, default 8)
//
// Prints one line per size: bytes, nominal ms, mean, least and greatest ratio.

#include "link/port_timeouts.h"
#include "link/system_serial_port.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

using namespace pemrix::link;
using Clock = std::chrono::steady_clock;

namespace {

struct Ratios {
    double mean = 0;
    double least = std::numeric_limits<double>::max();
    double greatest = 0;
    bool bytesArrived = false; // the line was not silent: the figures mean nothing
};

Ratios measure(SerialPort& port, std::size_t count, int reads) {
    const double nominal = std::chrono::duration<double>(port_timeouts::readTotal(count)).count();
    std::array<std::uint8_t, 4> buffer{};
    Ratios ratios;
    double total = 0;
    for (int i = 0; i < reads; ++i) {
        const auto start = Clock::now();
        const IoResult result = port.read(buffer.data(), count);
        const double ratio = std::chrono::duration<double>(Clock::now() - start).count() / nominal;
        ratios.bytesArrived = ratios.bytesArrived || result.transferred != 0 || result.failed;
        total += ratio;
        ratios.least = std::min(ratios.least, ratio);
        ratios.greatest = std::max(ratios.greatest, ratio);
    }
    ratios.mean = total / reads;
    return ratios;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: read_timeout_probe DEVICE [READS]\n", stderr);
        return 2;
    }
    const int reads = argc == 3 ? std::atoi(argv[2]) : 8;
    if (reads < 1) {
        std::fputs("read_timeout_probe: READS must be a positive number\n", stderr);
        return 2;
    }
    const auto port = SystemSerialPort::open(argv[1], OpenOptions{std::chrono::milliseconds(0)});
    if (const auto& error = port->openError()) {
        std::fprintf(stderr, "read_timeout_probe: %s: %s\n", argv[1], error->message.c_str());
        return 1;
    }
    std::printf("%5s %11s %6s %6s %6s\n", "bytes", "nominal_ms", "mean", "least", "most");
    for (const std::size_t count : {std::size_t{1}, std::size_t{4}}) {
        const Ratios ratios = measure(*port, count, reads);
        if (ratios.bytesArrived) {
            std::fprintf(stderr, "read_timeout_probe: the line is not silent\n");
            return 1;
        }
        std::printf("%5u %11u %6.3f %6.3f %6.3f\n", static_cast<unsigned>(count),
                    static_cast<unsigned>(port_timeouts::readTotal(count).count()), ratios.mean,
                    ratios.least, ratios.greatest);
    }
    return 0;
}
