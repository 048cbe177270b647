// How closely a read with nothing arriving keeps to its time-out: the time measured
// divided by the nominal 100·n + 10 ms, over a pseudo-terminal that stays silent.

#include "link/port_timeouts.h"
#include "link/system_serial_port.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

using namespace pemrix::link;
using Clock = std::chrono::steady_clock;

namespace {

void ReadTimeOutAccuracy(benchmark::State& state) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::array<char, 128> slave{};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, slave.data(), slave.size()) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    auto port = SystemSerialPort::open(slave.data(), OpenOptions{std::chrono::milliseconds(0)});
    if (!port->isOpen()) {
        state.SkipWithError(port->openError()->message.c_str());
        ::close(master);
        return;
    }

    const auto count = static_cast<std::size_t>(state.range(0));
    const double nominal = std::chrono::duration<double>(port_timeouts::readTotal(count)).count();
    std::array<std::uint8_t, 16> buffer{};
    double total = 0;
    double worst = 0;
    double best = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const auto start = Clock::now();
        const IoResult result = port->read(buffer.data(), count);
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(result.transferred);
        state.SetIterationTime(took);
        total += took;
        worst = std::max(worst, took);
        best = std::min(best, took);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["nominal_ms"] = nominal * 1000;
    state.counters["measured_over_nominal"] = total / runs / nominal;
    state.counters["min_ratio"] = best / nominal;
    state.counters["max_ratio"] = worst / nominal;
    port->close();
    ::close(master);
}

} // namespace

BENCHMARK(ReadTimeOutAccuracy)
    ->Arg(1)
    ->Arg(4)
    ->Iterations(8)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
