// The pemrix-emulator program: its command line, the device path it prints, and its
// end on SIGTERM.

#include "link/crc8.h"
#include "tests/emulator/host_line.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace pemrix::emulator::testing;

extern char** environ;

namespace {

// A child process running the program, with its stdout and stderr in pipes.
class Program {
  public:
    explicit Program(std::vector<std::string> args) {
        args.insert(args.begin(), PEMRIX_EMULATOR_PROGRAM);
        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        close(err[1]);
        out_ = out[0];
        err_ = err[0];
        if (failed)
            throw std::runtime_error("posix_spawn");
    }

    ~Program() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(out_);
        close(err_);
    }

    // One line of stdout, without its end.
    std::string readLine() {
        std::string line;
        char c = 0;
        while (true) {
            pollfd fd{out_, POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(DoesNotHang.count())) <= 0 || read(out_, &c, 1) != 1)
                break;
            if (c == '\n')
                break;
            line += c;
        }
        return line;
    }

    static std::string readAll(int fd) {
        std::string text;
        char buffer[512];
        while (true) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(DoesNotHang.count())) <= 0)
                break;
            const auto n = read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    std::string allOut() { return readAll(out_); }
    std::string allErr() { return readAll(err_); }

    // The exit code, or -1 if it did not end in time or ended by a signal.
    int waitForExit() {
        const auto deadline = std::chrono::steady_clock::now() + DoesNotHang;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            poll(nullptr, 0, 5);
        }
        return -1;
    }

    void signal(int number) { kill(pid_, number); }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    bool exited_ = false;
};

std::string tempFile(const std::string& name, const std::string& text) {
    const auto path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

TEST(EmulatorProgram, HelpNamesEveryFault) {
    Program program({"--help"});
    const auto text = program.allOut();
    EXPECT_EQ(program.waitForExit(), 0);
    for (const char* name : {"--kind", "--image", "--key", "silent", "answer-on-attempt",
                             "wrong-kind", "bad-link-crc", "refused-header", "bad-frame-crc",
                             "no-write-ack", "dropped-byte", "no-key", "baud-pacing"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
}

TEST(EmulatorProgram, BadCommandLinesAreRefusedWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* reason;
    } rows[] = {
        {{}, "--kind"},
        {{"--kind", "418"}, "418"},
        {{"--kind"}, "needs a value"},
        {{"--kind", "416", "--key", "12345"}, "12345"},
        {{"--kind", "416", "--fault", "loud"}, "loud"},
        {{"--kind", "416", "--answer-on-attempt"}, "needs a number"},
        {{"--kind", "416", "--frobnicate"}, "--frobnicate"},
        {{"--kind", "416", "--image", "/nonexistent/file.cfg"}, "/nonexistent/file.cfg"},
        {{"--kind", "427", "--image", tempFile("short.cfg", "1\r\n2\r\n")}, "66"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        Program program(row.args);
        const auto error = program.allErr();
        EXPECT_EQ(program.waitForExit(), 2);
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
        EXPECT_EQ(program.allOut(), "");
    }
}

TEST(EmulatorProgram, PrintsTheDeviceAndServesUntilTerminated) {
    std::string file;
    for (int i = 0; i < 64; ++i)
        file += std::to_string(i + 100) + "\r\n";
    file += "2\r\n";
    Program program({"--kind", "416", "--image", tempFile("image416.cfg", file), "--key",
                     "00112233AABB", "--fault", "answer-on-attempt=2", "--baud-pacing"});
    const auto device = program.readLine();
    ASSERT_EQ(device.rfind("/dev/", 0), 0U) << device;

    {
        HostLine host(device);
        host.write({0x55, 0x55, 0xAA, 0xAA});
        EXPECT_EQ(host.read(4), (Bytes{0x55, 0x55, 0xAA, 0xAA}));
        EXPECT_EQ(host.read(4, std::chrono::milliseconds(100)), Bytes{}) << "first attempt";
    }
    HostLine host(device); // the next link start opens the device anew
    EXPECT_EQ(host.linkRequest(), (Bytes{0x55, 0x55, 0x02, 0x7A}));
    host.sendWithEchoes({0x00});

    host.sendWithEchoes({0x55, 0x55, 0x02, 0x7A});
    EXPECT_EQ(host.read(1), Bytes{0x00});
    const auto frame = host.read(67);
    ASSERT_EQ(frame.size(), 67U);
    EXPECT_EQ(frame[2], 100);
    EXPECT_EQ(frame[65], 163);
    EXPECT_EQ(pemrix::link::crc8(frame), 0x00);
    host.sendWithEchoes({0x00});

    host.sendWithEchoes({0x55, 0x55, 0x03, 0x24});
    EXPECT_EQ(host.read(1), Bytes{0x00});
    const auto key = host.read(9);
    ASSERT_EQ(key.size(), 9U);
    EXPECT_EQ((Bytes(key.begin() + 2, key.end() - 1)), (Bytes{0xBB, 0xAA, 0x33, 0x22, 0x11, 0x00}));

    program.signal(SIGTERM);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(EmulatorProgram, EndsOnSigint) {
    Program program({"--kind", "427", "--key", "none"});
    ASSERT_FALSE(program.readLine().empty());
    program.signal(SIGINT);
    EXPECT_EQ(program.waitForExit(), 0);
}
