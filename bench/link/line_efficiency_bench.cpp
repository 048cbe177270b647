// How close each exchange comes to the least time its line allows: the exchange run
// with its real waits against an emulated module that sends every byte at 1200 baud,
// its duration divided by that least time.
//
// The least time an exchange can take on this line is the sum of the fixed waits and
// of the byte times that must follow one another (one byte time = 10 bits at 1200 baud
// = 8.333 ms):
//
//   least = linkAnswerWait·[link] + headerAckWait·[header] + 2·releBytePause·frame bytes
//           [relay write] + 8.333 ms · (bytes on the line that nothing else overlaps)
//
// Which bytes are serial: on a pseudo-terminal the host's own bytes arrive at once, so
// only the module's bytes (each echo, the answers, the acknowledgements) take line
// time. A byte the module sends while the host sits in a fixed wait costs nothing
// extra. So, per exchange (the port is opened with no settle time, which is left out):
//
//   link        4 echo bytes of the request, the 2000 ms wait (the 4-byte answer
//               arrives inside it), 1 echo of the verdict:   2000 + 5·8.333 = 2041.7 ms
//   read        4 header echoes, the 1000 ms wait (acknowledgement and the 67-byte
//               frame, 68 bytes = 567 ms, arrive inside it), 1 verdict echo:
//                                                            1000 + 5·8.333 = 1041.7 ms
//   write       4 header echoes, the 1000 ms wait, 67 frame echoes one after another
//               (the next byte goes only when its echo is in), then the
//               acknowledgement:                            1000 + 72·8.333 = 1600.0 ms
//   relay write 4 header echoes, the 1000 ms wait, then per frame byte 10 ms after it
//               is written and 10 ms after its echo is read; the echo (8.333 ms) comes
//               inside the first pause and the acknowledgement inside the last:
//                                               1000 + 4·8.333 + 69·20 = 2413.3 ms
//   key read    4 header echoes, the 1000 ms wait (acknowledgement and the 9-byte
//               answer arrive inside it), no verdict:       1000 + 4·8.333 = 1033.3 ms
//
// On a real 1200-baud line the host's bytes take their time too (each byte with its
// echo then costs two byte times); the pseudo-terminal cannot show that, so the figures
// here measure the exchange's own overhead: wake-ups, sleeps that overshoot, polling.

#include "emulator/emulator.h"
#include "link/exchange.h"
#include "link/module_profile.h"
#include "link/system_serial_port.h"
#include "link/text_trace.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace pemrix::link;
using pemrix::emulator::Emulator;
using pemrix::emulator::EmulatorConfig;
using pemrix::emulator::Fault;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double ByteTimeMs = 10.0 * 1000.0 / 1200.0;

// Keeps the last report, so a run that did not succeed is noticed.
class LastReport : public Reporter {
  public:
    void report(int code, int) override { last = code; }
    void linkAnswered(pemrix::link::ModuleKind) override {}
    void linkUp() override {}
    void enableTransferButtons() override {}
    void deliverImage(const std::vector<int>&) override {}
    void deliverKey(std::uint64_t, int) override {}
    int last = 0;
};

struct Case {
    const char* name;
    pemrix::link::ModuleKind model;
    ExchangeRequest request;
    double leastMs;
};

Case caseOf(int index) {
    const Timing timing;
    const double link = static_cast<double>(timing.linkAnswerWait.count());
    const double header = static_cast<double>(timing.headerAckWait.count());
    const double pause = static_cast<double>(timing.releBytePause.count());
    switch (index) {
    case 0:
        return {"link",
                pemrix::link::ModuleKind::Secure,
                {ModuleKind::Secure, Operation::Link, {}},
                link + 5 * ByteTimeMs};
    case 1:
        return {"read",
                pemrix::link::ModuleKind::Secure,
                {ModuleKind::Secure, Operation::Read, {}},
                header + 5 * ByteTimeMs};
    case 2:
        return {"write",
                pemrix::link::ModuleKind::Secure,
                {ModuleKind::Secure, Operation::Write, std::vector<int>(ExpanderImageSize, 0x5A)},
                header + (4 + 67 + 1) * ByteTimeMs};
    case 3:
        return {"relay write",
                pemrix::link::ModuleKind::Rele8,
                {ModuleKind::Rele8, Operation::ReleWrite, std::vector<int>(ReleImageSize, 0xA5)},
                header + 4 * ByteTimeMs + 69 * std::max(2 * pause, pause + ByteTimeMs)};
    default:
        return {"key read",
                pemrix::link::ModuleKind::Secure,
                {ModuleKind::Secure, Operation::KeyId, {1}},
                header + 4 * ByteTimeMs};
    }
}

// With `traced`, every byte also goes to a text trace kept in memory, as the journal
// window keeps it: the trace must cost the exchange nothing it can measure.
void measureLineEfficiency(benchmark::State& state, bool traced) {
    const Case run = caseOf(static_cast<int>(state.range(0)));
    state.SetLabel(run.name);
    EmulatorConfig config;
    config.model = run.model;
    config.faults.set(Fault::BaudPacing);
    Emulator module(config);
    module.start();
    // Opened without the settle time, which the least time leaves out.
    auto port =
        SystemSerialPort::open(module.devicePath(), OpenOptions{std::chrono::milliseconds(0)});
    if (!port->isOpen()) {
        state.SkipWithError("the emulated module's port does not open");
        return;
    }

    double total = 0;
    double worst = 0;
    double best = 1e300;
    for (auto _ : state) {
        LastReport reporter;
        StopFlag stop;
        Exchange exchange(*port, run.request, reporter, stop, Timing{});
        std::vector<std::string> lines;
        TextTrace trace([&lines](const std::string& line) { lines.push_back(line); });
        if (traced)
            exchange.setTrace(&trace);
        const auto start = Clock::now();
        const ExchangeEnd end = exchange.run();
        const double took = Ms(Clock::now() - start).count();
        if (end != ExchangeEnd::Succeeded) {
            state.SkipWithError(
                ("the exchange failed, last report " + std::to_string(reporter.last)).c_str());
            return;
        }
        state.SetIterationTime(took / 1000.0);
        total += took;
        worst = std::max(worst, took);
        best = std::min(best, took);
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["least_ms"] = run.leastMs;
    state.counters["mean_ms"] = mean;
    state.counters["over_least_ms"] = mean - run.leastMs;
    state.counters["ratio"] = mean / run.leastMs;
    state.counters["max_ratio"] = worst / run.leastMs;
    state.counters["min_ratio"] = best / run.leastMs;
    port->close();
}

void LineEfficiency(benchmark::State& state) {
    measureLineEfficiency(state, false);
}

void TracedLineEfficiency(benchmark::State& state) {
    measureLineEfficiency(state, true);
}

// The floor under the exchanges: one byte written and its echo read, 67 times over,
// through the port (as the engine does it) and through a bare descriptor with poll().
// Each echo takes a byte time on the emulated line; what comes on top is the wake-ups
// of the emulator and of the reader.
constexpr int EchoBytes = 67;

void reportEchoes(benchmark::State& state, double totalMs) {
    const double perByte = totalMs / static_cast<double>(state.iterations()) / EchoBytes;
    state.counters["per_byte_ms"] = perByte;
    state.counters["over_byte_time_ms"] = perByte - ByteTimeMs;
    state.counters["ratio"] = perByte / ByteTimeMs;
}

std::unique_ptr<Emulator> pacedEcho() {
    EmulatorConfig config;
    config.faults.set(Fault::BaudPacing);
    auto module = std::make_unique<Emulator>(config);
    module->start();
    return module;
}

void EchoThroughPort(benchmark::State& state) {
    auto module = pacedEcho();
    auto port =
        SystemSerialPort::open(module->devicePath(), OpenOptions{std::chrono::milliseconds(0)});
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < EchoBytes; ++i) {
            // Bytes the module echoes and otherwise ignores.
            std::uint8_t byte = 0x11;
            std::uint8_t echo = 0;
            (void)port->write(&byte, 1);
            if (port->read(&echo, 1).transferred != 1) {
                state.SkipWithError("an echo did not come");
                return;
            }
        }
        const double took = Ms(Clock::now() - start).count();
        state.SetIterationTime(took / 1000.0);
        total += took;
    }
    reportEchoes(state, total);
}

void EchoThroughDescriptor(benchmark::State& state) {
    auto module = pacedEcho();
    const int fd = ::open(module->devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios line{};
    if (fd < 0 || ::tcgetattr(fd, &line) != 0) {
        state.SkipWithError("the emulated module's port does not open");
        return;
    }
    ::cfmakeraw(&line);
    ::tcsetattr(fd, TCSANOW, &line);
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < EchoBytes; ++i) {
            std::uint8_t byte = 0x11;
            (void)!::write(fd, &byte, 1);
            pollfd ready{fd, POLLIN, 0};
            if (::poll(&ready, 1, 1000) != 1 || ::read(fd, &byte, 1) != 1) {
                state.SkipWithError("an echo did not come");
                ::close(fd);
                return;
            }
        }
        const double took = Ms(Clock::now() - start).count();
        state.SetIterationTime(took / 1000.0);
        total += took;
    }
    reportEchoes(state, total);
    ::close(fd);
}

} // namespace

BENCHMARK(EchoThroughPort)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(EchoThroughDescriptor)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK(LineEfficiency)
    ->DenseRange(0, 4)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TracedLineEfficiency)
    ->DenseRange(0, 4)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
