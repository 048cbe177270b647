// How closely the emulator keeps to the line's 1200 baud when pacing: the time N paced
// bytes take, divided by N byte times (1 would be exact).

#include "emulator/emulator.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

using namespace pemrix::emulator;
using SteadyClock = std::chrono::steady_clock;

namespace {

class Host {
  public:
    explicit Host(const std::string& device)
        : fd_(open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        if (fd_ < 0)
            throw std::runtime_error("cannot open " + device);
        tcflush(fd_, TCIOFLUSH);
    }
    ~Host() { close(fd_); }

    void write(const std::vector<std::uint8_t>& bytes) {
        if (::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("short write");
    }
    void readExactly(std::size_t count) {
        std::uint8_t buffer[256];
        while (count > 0) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, 2000) <= 0)
                throw std::runtime_error("the emulator went quiet");
            const auto n = read(fd_, buffer, std::min(sizeof buffer, count));
            if (n > 0)
                count -= static_cast<std::size_t>(n);
        }
    }

  private:
    int fd_;
};

EmulatorConfig pacedModule() {
    EmulatorConfig config;
    config.model = pemrix::link::ModuleKind::Secure;
    config.faults.set(Fault::BaudPacing);
    return config;
}

void report(benchmark::State& state, SteadyClock::duration total, std::int64_t bytes) {
    const auto ideal = BytePacer().byteTime() * bytes;
    state.counters["paced_over_ideal"] =
        std::chrono::duration<double>(total) / std::chrono::duration<double>(ideal);
    state.counters["ms_per_byte"] =
        std::chrono::duration<double, std::milli>(total).count() / static_cast<double>(bytes);
}

// The host writes N bytes at once; their N echoes leave back to back.
void BM_PacedBurst(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    Emulator emulator(pacedModule());
    emulator.start();
    Host host(emulator.devicePath());
    SteadyClock::duration total{};
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const auto start = SteadyClock::now();
        host.write(std::vector<std::uint8_t>(count, 0x11));
        host.readExactly(count);
        total += SteadyClock::now() - start;
        bytes += static_cast<std::int64_t>(count);
    }
    report(state, total, bytes);
}

// The host's own rhythm: one byte, wait for its echo, the next byte.
void BM_PacedEchoOneByOne(benchmark::State& state) {
    const auto count = state.range(0);
    Emulator emulator(pacedModule());
    emulator.start();
    Host host(emulator.devicePath());
    SteadyClock::duration total{};
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const auto start = SteadyClock::now();
        for (std::int64_t i = 0; i < count; ++i) {
            host.write({0x11});
            host.readExactly(1);
        }
        total += SteadyClock::now() - start;
        bytes += count;
    }
    report(state, total, bytes);
}

// A whole configuration read: header with echoes, acknowledgement, 67-byte frame.
void BM_PacedConfigurationRead(benchmark::State& state) {
    Emulator emulator(pacedModule());
    emulator.start();
    Host host(emulator.devicePath());
    SteadyClock::duration total{};
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const auto start = SteadyClock::now();
        for (std::uint8_t byte : {0x55, 0x55, 0x02, 0x7A}) {
            host.write({byte});
            host.readExactly(1);
        }
        host.readExactly(1 + 67);
        total += SteadyClock::now() - start;
        host.write({0x00});
        host.readExactly(1);
        bytes += 4 + 1 + 67;
    }
    report(state, total, bytes);
}

} // namespace

BENCHMARK(BM_PacedBurst)->Arg(67)->Arg(600)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedEchoOneByOne)->Arg(67)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedConfigurationRead)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
