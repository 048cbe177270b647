// pemrix-cli.exe, the Windows build, under Wine against emulated modules: the same
// exchanges, outputs and exit codes as on Linux, through the Win32 serial port and
// the COM ports of a Wine prefix. scripts/checks/wine-cli builds the program, makes
// the prefix and names them here:
//   PEMRIX_WINE_CLI     the pemrix-cli.exe to run
//   PEMRIX_WINE_PREFIX  the Wine prefix; its COM1..COM4 lead to the links
//   PEMRIX_WINE_PORTS   /com1../com4, which each case points at a module's terminal
//   PEMRIX_WINE_LOADER  Wine's loader
//
// Where Wine's serial layer differs from Windows (the program is not bent to it):
// - Wine lets a second Windows program open a COM port that another one holds: it
//   does not enforce share mode 0 on devices. A port held from the Linux side in
//   exclusive terminal mode is refused, with ERROR_LOCK_VIOLATION where Windows
//   answers ERROR_ACCESS_DENIED; the script runs Wine without CAP_SYS_ADMIN, so that
//   root, too, is refused.
// - A COMn whose link leads nowhere answers ERROR_INVALID_FUNCTION; a COMn without a
//   link answers ERROR_FILE_NOT_FOUND, as a missing port does on Windows.

#include "emulator/emulator.h"
#include "image/expander_file.h"
#include "relay/relay_file.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/cli/module_outcomes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace pemrix::emulator;
using namespace pemrix::cli::testing;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;
namespace fs = std::filesystem;
namespace R = pemrix::link::ReportCode;
using Kind = pemrix::link::ModuleKind;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The Windows name of a file of this machine: Wine's drive Z: is the root.
std::string windowsPath(const fs::path& path) {
    std::string name = "Z:" + path.string();
    for (char& c : name)
        if (c == '/')
            c = '\\';
    return name;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Holds a terminal as another program would: open, in exclusive mode, until destroyed.
class TerminalHolder {
  public:
    explicit TerminalHolder(const std::string& device)
        : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        if (fd_ >= 0)
            held_ = ::ioctl(fd_, TIOCEXCL) == 0;
    }
    ~TerminalHolder() {
        if (fd_ < 0)
            return;
        (void)::ioctl(fd_, TIOCNXCL); // else the mode outlives the close on a pty
        ::close(fd_);
    }
    TerminalHolder(const TerminalHolder&) = delete;
    TerminalHolder& operator=(const TerminalHolder&) = delete;

    bool held() const { return held_; }

  private:
    int fd_;
    bool held_ = false;
};

class WineCli : public ::testing::Test {
  protected:
    void SetUp() override {
        if (exe_.empty() || prefix_.empty() || ports_.empty() || loader_.empty())
            GTEST_FAIL() << "run by scripts/checks/wine-cli, which sets PEMRIX_WINE_CLI, "
                            "PEMRIX_WINE_PREFIX, PEMRIX_WINE_PORTS and PEMRIX_WINE_LOADER";
    }

    // Points COMn of the prefix at the module's terminal.
    void plug(int port, const Emulator& module) const {
        const fs::path link = fs::path(ports_) / ("com" + std::to_string(port));
        fs::remove(link);
        fs::create_symlink(module.devicePath(), link);
    }

    // pemrix-cli.exe with `args`, without the fixed waits.
    ProgramRun cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {loader_, exe_});
        args.push_back("--fast-timing");
        return runProgram(args, wineEnvironment());
    }

    ProgramRun onPort(int port, const std::string& command, const std::string& module,
                      std::vector<std::string> extra = {}) const {
        std::vector<std::string> args{"--port", std::to_string(port), command, "--module", module};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args);
    }

    // One of Wine's own programs (reg), as an installer would run it on Windows.
    ProgramRun wine(std::vector<std::string> args) const {
        args.insert(args.begin(), loader_);
        return runProgram(args, wineEnvironment());
    }

  private:
    std::vector<std::string> wineEnvironment() const {
        // A UTF-8 locale, so that Wine hands non-ASCII arguments over unharmed.
        return {"WINEPREFIX=" + prefix_, "WINEDEBUG=-all", "LC_ALL=C.UTF-8"};
    }

    const std::string exe_ = environment("PEMRIX_WINE_CLI");
    const std::string prefix_ = environment("PEMRIX_WINE_PREFIX");
    const std::string ports_ = environment("PEMRIX_WINE_PORTS");
    const std::string loader_ = environment("PEMRIX_WINE_LOADER");
};

TEST_F(WineCli, LinksEachKindOnItsOwnComPort) {
    const struct {
        int port;
        pemrix::link::ModuleKind model;
        const char* module;
        pemrix::link::ModuleKind kind;
        const char* printed;
    } rows[] = {
        {1, pemrix::link::ModuleKind::Secure, "416", Kind::Secure, "2\n"},
        {2, pemrix::link::ModuleKind::FireSecure, "417", Kind::FireSecure, "1\n"},
        {3, pemrix::link::ModuleKind::Rele4, "relay", Kind::Rele8, "6\n"},
        {4, pemrix::link::ModuleKind::Rele8, "relay", Kind::Rele8, "5\n"},
    };
    std::vector<std::unique_ptr<Emulator>> modules;
    for (const auto& row : rows) {
        modules.push_back(startModule({row.model}));
        plug(row.port, *modules.back());
    }
    for (const auto& row : rows) {
        SCOPED_TRACE("COM" + std::to_string(row.port));
        const ProgramRun run = onPort(row.port, "link", row.module);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, row.printed);
        EXPECT_EQ(run.err, linkedText(row.kind));
    }
}

// The results and reports reach the streams as on Linux: a configuration file's lines
// end in CR LF once, everything else in LF (the C runtime's text mode would put a CR
// before every LF).
TEST_F(WineCli, ReadAndKeyPrintTheirResultsByteForByte) {
    const auto image = countingBytes(64, 7);
    auto module = startModule({pemrix::link::ModuleKind::Secure, {}, image, 0x00000000ABCDULL});
    plug(1, *module);
    const ProgramRun read = onPort(1, "read", "416");
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, pemrix::image::expanderFileText(cellsOf(image), Kind::Secure));
    EXPECT_EQ(read.err, linkedText(Kind::Secure) + reportText(Kind::Secure, R::ReadDone));

    const ProgramRun key = onPort(1, "key", "416");
    EXPECT_EQ(key.exitCode, 0) << key.err;
    EXPECT_EQ(key.out, "00000000ABCD\n");
}

// Windows hands a program its arguments in the ANSI code page unless it asks for
// the wide command line; a Cyrillic folder name must still reach the file.
TEST_F(WineCli, WriteThenReadBackThroughAFolderWithACyrillicName) {
    auto module = startModule({pemrix::link::ModuleKind::FireSecure});
    plug(2, *module);
    TempFolder folder;
    const fs::path russian = folder / "Рабочий стол";
    fs::create_directories(russian);
    const auto image = countingBytes(64, 200);
    const std::string file = pemrix::image::expanderFileText(cellsOf(image), Kind::FireSecure);
    writeBytes(russian / "прибор.cfg", file);

    const ProgramRun written = onPort(2, "write", "417", {windowsPath(russian / "прибор.cfg")});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(written.err,
              linkedText(Kind::FireSecure) + reportText(Kind::FireSecure, R::WriteDone));
    EXPECT_EQ(module->image(), image);

    const ProgramRun read = onPort(2, "read", "417", {"-o", windowsPath(russian / "копия.cfg")});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(readBytes(russian / "копия.cfg"), file);
}

TEST_F(WineCli, RelayFilesCarryTheVariantOfTheLinkAnswer) {
    for (const auto& [model, variant] : {std::pair{pemrix::link::ModuleKind::Rele4, 6},
                                         std::pair{pemrix::link::ModuleKind::Rele8, 5}}) {
        SCOPED_TRACE(variant);
        auto module = startModule({model, {}, countingBytes(66, 1)});
        plug(4, *module);
        auto expected = cellsOf(countingBytes(66, 1));
        expected[55] = 0; // the version byte is not kept in files
        const ProgramRun read = onPort(4, "read", "relay");
        EXPECT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(read.out, pemrix::relay::relayFileText(
                                expected, static_cast<pemrix::link::ModuleKind>(variant)));

        TempFolder folder;
        auto toWrite = cellsOf(countingBytes(66, 150));
        toWrite[55] = 0;
        writeBytes(
            folder / "relay.cfg",
            pemrix::relay::relayFileText(toWrite, static_cast<pemrix::link::ModuleKind>(variant)));
        const ProgramRun written = onPort(4, "write", "relay", {windowsPath(folder / "relay.cfg")});
        EXPECT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(cellsOf(module->image()), toWrite);
    }
}

TEST_F(WineCli, EachOutcomeOfTheModuleEndsWithItsExitCode) {
    TempFolder folder;
    const auto files = writeOutcomeFiles(folder);
    for (const ModuleOutcome& outcome : moduleOutcomes()) {
        SCOPED_TRACE(outcome.name);
        auto module = startModule(outcome.setup);
        plug(1, *module);
        std::vector<std::string> extra;
        if (std::string(outcome.command) == "write")
            extra.push_back(windowsPath(outcomeFile(files, outcome)));
        expectOutcome(onPort(1, outcome.command, outcome.module, extra), outcome);
    }
}

// Each of the ten attempts waits out two reads of four bytes: the port's read
// time-outs end them, or the program would hang here.
TEST_F(WineCli, TenUnansweredLinkRequestsEndWithExitCodeOne) {
    auto module = startModule({pemrix::link::ModuleKind::Secure, {Fault::Silent}});
    plug(2, *module);
    const ProgramRun run = onPort(2, "read", "416");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "");
    std::string expected;
    for (int attempt = 1; attempt <= 10; ++attempt)
        expected += reportText(Kind::Secure, R::LinkAttempt, attempt);
    EXPECT_EQ(run.err, expected + reportText(Kind::Secure, R::NoAnswer));
}

TEST_F(WineCli, APortThatCannotBeOpenedEndsWithExitCodeSixAndAHint) {
    auto module = startModule({pemrix::link::ModuleKind::Secure});
    plug(3, *module);
    TerminalHolder otherProgram(module->devicePath());
    ASSERT_TRUE(otherProgram.held());
    const struct {
        const char* name;
        std::vector<std::string> line;
        const char* device;
        const char* hint;
    } rows[] = {
        {"held by another program",
         {"--port", "3"},
         "//./COM3",
         "Порт COM3 (//./COM3) занят другой программой."},
        {"no such port", {"--device", "\\\\.\\COM199"}, "\\\\.\\COM199", "устройство не найдено"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = row.line;
        args.insert(args.end(), {"link", "--module", "416"});
        const ProgramRun run = cli(args);
        EXPECT_EQ(run.exitCode, 6) << run.err;
        EXPECT_TRUE(contains(run.err, reportText(Kind::Secure, R::LineFailed) + row.device + ": "))
            << run.err;
        EXPECT_TRUE(contains(run.err, row.hint)) << run.err;
    }
    EXPECT_EQ(module->stats().bytesReceived, 0U);
}

// The configurator's settings on Windows: HKEY_CURRENT_USER\Software\Pemrix, key
// Devices, value COMn naming the device.
TEST_F(WineCli, PortNumbersMapThroughTheRegistry) {
    auto module = startModule({pemrix::link::ModuleKind::FireSecure});
    plug(1, *module);
    const std::string key = "HKCU\\Software\\Pemrix\\Devices";
    ASSERT_EQ(wine({"reg", "add", key, "/v", "COM3", "/d", "\\\\.\\COM1", "/f"}).exitCode, 0);
    const ProgramRun run = onPort(3, "link", "417");
    wine({"reg", "delete", "HKCU\\Software\\Pemrix", "/f"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\n");
}

} // namespace
