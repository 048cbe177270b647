// The POSIX serial port over a real pseudo-terminal: the port opens the slave side,
// the test plays the module on the master side.

#include "link/system_serial_port.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace pemrix::link;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Generous bound for "returns promptly instead of hanging until a long time-out".
constexpr auto promptly = 2s;

class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            return;
        }
        std::array<char, 128> name{};
        if (::ptsname_r(master_, name.data(), name.size()) == 0) {
            slavePath_ = name.data();
        }
    }
    ~PseudoTerminal() { closeMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ready() const { return master_ >= 0 && !slavePath_.empty(); }
    const std::string& slavePath() const { return slavePath_; }
    int master() const { return master_; }

    void closeMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

    // On Linux the termios requests on the master reach the slave's settings.
    termios slaveSettings() const {
        termios line{};
        EXPECT_EQ(::tcgetattr(master_, &line), 0);
        return line;
    }
    void setSlaveSettings(const termios& line) const {
        ASSERT_EQ(::tcsetattr(master_, TCSANOW, &line), 0);
    }

    void send(const std::vector<std::uint8_t>& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // What the port sent, until `count` bytes came or a generous time passed.
    std::vector<std::uint8_t> receive(std::size_t count) const {
        std::vector<std::uint8_t> bytes;
        const auto deadline = Clock::now() + promptly;
        while (bytes.size() < count && Clock::now() < deadline) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) {
                continue;
            }
            std::array<std::uint8_t, 512> chunk{};
            const ssize_t got = ::read(master_, chunk.data(), chunk.size());
            if (got <= 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
        }
        return bytes;
    }

  private:
    int master_ = -1;
    std::string slavePath_;
};

std::unique_ptr<SystemSerialPort> openAtOnce(const std::string& device) {
    return SystemSerialPort::open(device, OpenOptions{0ms});
}

// The descriptor through which this process holds `path`, found by its name.
int descriptorOf(const std::string& path) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == path) {
            return std::stoi(entry.path().filename().string());
        }
    }
    return -1;
}

// Waits until the port's input queue holds `count` bytes, without reading them.
bool waitForQueuedInput(int fd, int count) {
    const auto deadline = Clock::now() + promptly;
    int queued = 0;
    while (Clock::now() < deadline) {
        if (::ioctl(fd, FIONREAD, &queued) == 0 && queued >= count) {
            return true;
        }
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

std::vector<std::uint8_t> everyByteValue() {
    std::vector<std::uint8_t> bytes(256);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

class SerialPortOverPty : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(pty.ready()) << "no pseudo-terminal available"; }
    PseudoTerminal pty;
};

} // namespace

TEST(SerialPortDevices, ComPortsMapToTheFirstFourSerialDevices) {
    EXPECT_EQ(defaultDeviceForPort(1), "/dev/ttyS0");
    EXPECT_EQ(defaultDeviceForPort(3), "/dev/ttyS2");
    EXPECT_EQ(defaultDeviceForPort(4), "/dev/ttyS3");
    EXPECT_EQ(defaultDeviceForPort(0), "");
}

TEST(SerialPortOpening, DeviceThatCannotServeGivesAFailedPortThatRefusesEverything) {
    struct Row {
        const char* device;
        PortErrorKind kind;
        const char* reason; // the system's, in the user's words
    };
    const Row rows[] = {
        {"/dev/pemrix-no-such-port", PortErrorKind::NoSuchPort, "нет такого файла или устройства"},
        {"", PortErrorKind::NoSuchPort, "нет такого файла или устройства"},
        {"/dev/null", PortErrorKind::Other, "это не последовательный порт"},
        {"/", PortErrorKind::Other, "это папка"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.device);
        std::unique_ptr<SystemSerialPort> port;
        ASSERT_NO_THROW(port = SystemSerialPort::open(row.device));
        ASSERT_NE(port, nullptr);
        EXPECT_FALSE(port->isOpen());
        ASSERT_TRUE(port->openError().has_value());
        EXPECT_EQ(port->openError()->kind, row.kind);
        EXPECT_EQ(port->openError()->message, row.reason);

        std::uint8_t byte = 0x55;
        const IoResult written = port->write(&byte, 1);
        EXPECT_TRUE(written.failed);
        EXPECT_EQ(written.error.kind, row.kind);
        const IoResult read = port->read(&byte, 1);
        EXPECT_TRUE(read.failed);
        EXPECT_EQ(read.transferred, 0u);
        port->purge(Purge::RxClear);
        port->close();
        port->close();
        EXPECT_FALSE(port->isOpen());
    }
}

TEST(SerialPortOpening, DeviceTheUserMayNotOpenIsReportedAsSuch) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may open anything";
    }
    const auto path = std::filesystem::temp_directory_path() /
                      ("pemrix-locked-port-" + std::to_string(::getpid()));
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    auto port = SystemSerialPort::open(path.string());
    std::filesystem::remove(path);
    EXPECT_FALSE(port->isOpen());
    ASSERT_TRUE(port->openError().has_value());
    EXPECT_EQ(port->openError()->kind, PortErrorKind::NoPermission);
}

TEST_F(SerialPortOverPty, OpensRaw8N1At1200KeepingHardwareFlowControlAndRestoresOnClose) {
    // Start from settings that differ in every respect the port must set (a pty
    // itself keeps only the speed, the stop bits and the flow control of these).
    termios before = pty.slaveSettings();
    before.c_cflag =
        (before.c_cflag & ~static_cast<tcflag_t>(CSIZE)) | CS7 | PARENB | CSTOPB | CRTSCTS;
    before.c_iflag |= ICRNL | IXON;
    before.c_oflag |= OPOST;
    before.c_lflag |= ICANON | ECHO | ISIG;
    cfsetispeed(&before, B9600);
    cfsetospeed(&before, B9600);
    pty.setSlaveSettings(before);
    const termios previous = pty.slaveSettings();

    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen()) << port->openError()->message;
    const termios line = pty.slaveSettings();
    EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & PARENB, 0u);
    EXPECT_EQ(line.c_cflag & CSTOPB, 0u);
    EXPECT_NE(line.c_cflag & CREAD, 0u);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_cflag & CRTSCTS, previous.c_cflag & CRTSCTS);

    port->close();
    const termios after = pty.slaveSettings();
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&previous));
    EXPECT_EQ(after.c_cflag, previous.c_cflag);
    EXPECT_EQ(after.c_iflag, previous.c_iflag);
    EXPECT_EQ(after.c_lflag, previous.c_lflag);
}

TEST_F(SerialPortOverPty, EveryByteValuePassesUnchangedBothWays) {
    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen());
    const auto bytes = everyByteValue();

    const IoResult written = port->write(bytes.data(), bytes.size());
    ASSERT_TRUE(written.ok()) << written.error.message;
    EXPECT_EQ(written.transferred, bytes.size());
    EXPECT_EQ(pty.receive(bytes.size()), bytes);

    pty.send(bytes);
    std::vector<std::uint8_t> received;
    for (std::size_t chunk = 0; chunk < bytes.size(); chunk += 4) {
        std::array<std::uint8_t, 4> four{};
        const IoResult read = port->read(four.data(), four.size());
        ASSERT_TRUE(read.ok()) << read.error.message;
        ASSERT_EQ(read.transferred, 4u) << "at byte " << chunk;
        received.insert(received.end(), four.begin(), four.end());
    }
    EXPECT_EQ(received, bytes);
}

TEST_F(SerialPortOverPty, ReadWithNothingArrivingEndsAfterItsTimeOutWithWhatCame) {
    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen());

    std::array<std::uint8_t, 4> buffer{};
    auto start = Clock::now();
    IoResult read = port->read(buffer.data(), 1);
    auto took = Clock::now() - start;
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.transferred, 0u);
    EXPECT_GE(took, 100ms);
    EXPECT_LT(took, promptly);

    // Two of four bytes: the read still ends at its time-out, with the two.
    pty.send({0xAA, 0x55});
    start = Clock::now();
    read = port->read(buffer.data(), 4);
    took = Clock::now() - start;
    EXPECT_TRUE(read.ok());
    ASSERT_EQ(read.transferred, 2u);
    EXPECT_EQ(buffer[0], 0xAA);
    EXPECT_EQ(buffer[1], 0x55);
    EXPECT_GE(took, 400ms);
    EXPECT_LT(took, promptly);
}

TEST_F(SerialPortOverPty, ClearingTheReceiveSideDropsWhatWaits) {
    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen());
    pty.send({1, 2, 3});
    ASSERT_TRUE(waitForQueuedInput(descriptorOf(pty.slavePath()), 3));

    port->purge(Purge::RxAbort);
    port->purge(Purge::TxAbort);
    port->purge(Purge::RxClear);
    port->purge(Purge::TxClear);
    std::uint8_t byte = 0;
    const IoResult read = port->read(&byte, 1);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.transferred, 0u);
}

TEST_F(SerialPortOverPty, SecondOpenerIsRefusedUntilTheFirstCloses) {
    auto first = openAtOnce(pty.slavePath());
    ASSERT_TRUE(first->isOpen());

    auto second = openAtOnce(pty.slavePath());
    EXPECT_FALSE(second->isOpen());
    ASSERT_TRUE(second->openError().has_value());
    EXPECT_EQ(second->openError()->kind, PortErrorKind::InUse);
    EXPECT_EQ(second->openError()->message, "устройство занято");
    // The refused opener must not have disturbed the first.
    std::uint8_t byte = 0x7A;
    EXPECT_TRUE(first->write(&byte, 1).ok());
    EXPECT_EQ(pty.receive(1), std::vector<std::uint8_t>{0x7A});

    first->close();
    auto third = openAtOnce(pty.slavePath());
    EXPECT_TRUE(third->isOpen()) << third->openError()->message;
}

TEST_F(SerialPortOverPty, CloseFromAnotherThreadWakesABlockedCallWhichFails) {
    struct Row {
        const char* what;
        OpenOptions options;
        bool reads; // else writes, waiting out the settle time
    };
    const Row rows[] = {
        {"read of 200 bytes (20 s time-out)", OpenOptions{0ms}, true},
        {"first write in a 60 s settle time", OpenOptions{60s}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto port = SystemSerialPort::open(pty.slavePath(), row.options);
        ASSERT_TRUE(port->isOpen());
        auto call = std::async(std::launch::async, [&port, reads = row.reads] {
            std::vector<std::uint8_t> buffer(200, 0x55);
            return reads ? port->read(buffer.data(), buffer.size()) : port->write(buffer.data(), 1);
        });
        std::this_thread::sleep_for(100ms); // let the call block
        const auto start = Clock::now();
        port->close();
        ASSERT_EQ(call.wait_for(promptly), std::future_status::ready);
        EXPECT_LT(Clock::now() - start, promptly);
        const IoResult result = call.get();
        EXPECT_TRUE(result.failed);
        EXPECT_EQ(result.error.kind, PortErrorKind::Closed);
        EXPECT_FALSE(port->isOpen());
    }
}

TEST_F(SerialPortOverPty, VanishedPeerMakesCallsFailAtOnceInsteadOfWaiting) {
    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen());
    // A read that is already waiting when the peer goes...
    auto blocked = std::async(std::launch::async, [&port] {
        std::vector<std::uint8_t> buffer(200);
        return port->read(buffer.data(), buffer.size());
    });
    std::this_thread::sleep_for(100ms);
    pty.closeMaster();
    ASSERT_EQ(blocked.wait_for(promptly), std::future_status::ready);
    IoResult result = blocked.get();
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error.kind, PortErrorKind::Gone);
    EXPECT_EQ(result.error.message, "устройство отключено");

    // ...and every call after it.
    std::vector<std::uint8_t> buffer(200);
    auto start = Clock::now();
    result = port->read(buffer.data(), buffer.size());
    EXPECT_LT(Clock::now() - start, promptly);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error.kind, PortErrorKind::Gone);

    start = Clock::now();
    result = port->write(buffer.data(), 4);
    EXPECT_LT(Clock::now() - start, promptly);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error.kind, PortErrorKind::Gone);
    port->close();
}

TEST_F(SerialPortOverPty, ClosedPortFailsEveryCallAndNeverTouchesItsOldDescriptor) {
    auto port = openAtOnce(pty.slavePath());
    ASSERT_TRUE(port->isOpen());
    const int oldFd = descriptorOf(pty.slavePath());
    ASSERT_GE(oldFd, 0);
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    port->close();
    port->close(); // a second close does nothing
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(descriptorOf(pty.slavePath()), -1);

    // Hand the old number to the pipe: a port that still used it would write there.
    ASSERT_EQ(::dup2(ends[1], oldFd), oldFd);

    std::uint8_t byte = 0x42;
    const IoResult written = port->write(&byte, 1);
    EXPECT_TRUE(written.failed);
    EXPECT_EQ(written.error.kind, PortErrorKind::Closed);
    const IoResult read = port->read(&byte, 1);
    EXPECT_TRUE(read.failed);
    EXPECT_EQ(read.error.kind, PortErrorKind::Closed);
    port->purge(Purge::RxClear);

    ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    std::uint8_t leaked = 0;
    EXPECT_EQ(::read(ends[0], &leaked, 1), -1) << "the closed port wrote to a reused number";
    ::close(ends[0]);
    ::close(ends[1]);
    ::close(oldFd);
}

TEST_F(SerialPortOverPty, FirstWriteWaitsOutTheSettleTime) {
    auto port = SystemSerialPort::open(pty.slavePath(), OpenOptions{300ms});
    ASSERT_TRUE(port->isOpen());
    const auto start = Clock::now();
    std::uint8_t byte = 0x55;
    ASSERT_TRUE(port->write(&byte, 1).ok());
    EXPECT_GE(Clock::now() - start, 250ms);
    EXPECT_EQ(pty.receive(1), std::vector<std::uint8_t>{0x55});
}
