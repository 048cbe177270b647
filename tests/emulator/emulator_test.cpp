// The emulator on a real pseudo-terminal, driven from the host's side of the line.

#include "emulator/emulator.h"

#include "link/crc8.h"
#include "tests/emulator/host_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <thread>

using namespace pemrix::emulator;
using namespace pemrix::emulator::testing;
using std::chrono::milliseconds;

namespace {

Bytes frameOf(const Bytes& image) {
    Bytes frame(image.size() + 2, 0xAA);
    std::copy(image.begin(), image.end(), frame.begin() + 2);
    frame.push_back(pemrix::link::crc8(frame));
    return frame;
}

EmulatorConfig configOf(pemrix::link::ModuleKind model, Faults faults = {}) {
    EmulatorConfig config;
    config.model = model;
    config.faults = faults;
    return config;
}

// Header with echoes, then the one-byte acknowledgement.
std::uint8_t sendHeader(HostLine& host, std::uint8_t op) {
    Bytes header{0x55, 0x55, op};
    header.push_back(pemrix::link::crc8(header));
    EXPECT_EQ(host.sendWithEchoes(header), header);
    const auto ack = host.read(1);
    return ack.empty() ? 0xEE : ack.front();
}

Bytes readFrame(HostLine& host, std::size_t size) {
    Bytes frame;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = host.read(1);
        if (byte.empty())
            break;
        frame.push_back(byte.front());
    }
    return frame;
}

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

TEST(Emulator, ImageWrittenByTheHostComesBackOnRead) {
    const struct {
        pemrix::link::ModuleKind model;
        std::uint8_t writeOp, readOp;
        std::size_t imageSize;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, 0x01, 0x02, 64},
        {pemrix::link::ModuleKind::Rele8, 0x51, 0x52, 66},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(modelName(row.model)));
        Emulator emulator(configOf(row.model));
        emulator.start();
        HostLine host(emulator.devicePath());

        Bytes image(row.imageSize);
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(255 - i);
        const auto frame = frameOf(image);
        ASSERT_EQ(sendHeader(host, row.writeOp), 0x00);
        EXPECT_EQ(host.sendWithEchoes(frame), frame);
        EXPECT_EQ(host.read(1), Bytes{0x00});
        EXPECT_EQ(emulator.image(), image);

        ASSERT_EQ(sendHeader(host, row.readOp), 0x00);
        EXPECT_EQ(readFrame(host, frame.size()), frame);
        EXPECT_EQ(host.sendWithEchoes({0x00}), Bytes{0x00});
        EXPECT_EQ(host.read(1, milliseconds(50)), Bytes{}) << "nothing more";
    }
}

TEST(Emulator, HostMayCloseAndReopenTheDevice) {
    Emulator emulator(configOf(pemrix::link::ModuleKind::Secure));
    emulator.start();
    for (int opening = 1; opening <= 3; ++opening) {
        SCOPED_TRACE(opening);
        HostLine host(emulator.devicePath());
        EXPECT_EQ(host.linkRequest(), (Bytes{0x55, 0x55, 0x02, 0x7A}));
        // Leave in the middle: a read answered, its verdict never sent.
        host.write({0x55, 0x55, 0x02, 0x7A});
        EXPECT_EQ(host.read(4 + 1 + 67).size(), 72U);
    }
    HostLine host(emulator.devicePath());
    EXPECT_EQ(host.linkRequest(), (Bytes{0x55, 0x55, 0x02, 0x7A}));
    EXPECT_EQ(emulator.stats().linkRequests, 4);
}

TEST(Emulator, IdleWithNoHostTakesNoProcessorTime) {
    Emulator emulator(configOf(pemrix::link::ModuleKind::Secure));
    emulator.start();
    { HostLine host(emulator.devicePath()); } // a host came and went
    const double before = processCpuSeconds();
    std::this_thread::sleep_for(milliseconds(300));
    const double used = processCpuSeconds() - before;
    EXPECT_LT(used, 0.15) << "the serving thread must sleep, not spin";
}

TEST(Emulator, StopIsPromptEvenWithPacedBytesQueued) {
    Faults faults;
    faults.set(Fault::BaudPacing);
    Emulator emulator(configOf(pemrix::link::ModuleKind::Secure, faults));
    emulator.start();
    HostLine host(emulator.devicePath());
    host.write(Bytes(600, 0x11)); // five seconds of echoes at 1200 baud
    EXPECT_EQ(host.read(1), Bytes{0x11});
    const auto before = std::chrono::steady_clock::now();
    emulator.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, milliseconds(2000));
    EXPECT_FALSE(emulator.running());
}

TEST(Emulator, ServesOnTheCallersThreadWithoutStart) {
    Emulator emulator(configOf(pemrix::link::ModuleKind::FireSecure));
    HostLine host(emulator.devicePath());
    host.write({0x55, 0x55, 0xAA, 0xAA});
    Bytes got;
    for (int round = 0; round < 100 && got.size() < 8; ++round) {
        emulator.serveOnce(milliseconds(10));
        const auto part = host.read(8 - got.size(), milliseconds(0));
        got.insert(got.end(), part.begin(), part.end());
    }
    EXPECT_EQ(got, (Bytes{0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55, 0x01, 0x98}));
    emulator.stop();
    EXPECT_FALSE(emulator.serveOnce(milliseconds(0)));
}

TEST(Emulator, RestartsAfterStop) {
    Emulator emulator(configOf(pemrix::link::ModuleKind::Secure));
    HostLine host(emulator.devicePath());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        emulator.start();
        EXPECT_EQ(host.linkRequest(), (Bytes{0x55, 0x55, 0x02, 0x7A}));
        emulator.stop();
    }
}

TEST(Emulator, StatsAndImageMayBeReadWhileServing) {
    Emulator emulator(configOf(pemrix::link::ModuleKind::Secure));
    emulator.start();
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done) {
            (void)emulator.stats();
            (void)emulator.image();
        }
    });
    HostLine host(emulator.devicePath());
    ASSERT_EQ(sendHeader(host, 0x01), 0x00);
    host.sendWithEchoes(frameOf(Bytes(64, 7)));
    EXPECT_EQ(host.read(1), Bytes{0x00});
    done = true;
    watcher.join();
    EXPECT_EQ(emulator.image(), Bytes(64, 7));
    EXPECT_EQ(emulator.stats().writesStored, 1);
}
