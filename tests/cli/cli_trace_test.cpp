// pemrix-cli --trace end to end: the built program against an emulated module on a
// real pseudo-terminal, its trace file read back.

#include "emulator/emulator.h"
#include "image/error_texts.h"
#include "link/frames.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/image/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using namespace pemrix::emulator;
using namespace pemrix::cli::testing;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using ::testing::ElementsAreArray;

namespace {

ProgramRun runAgainst(const Emulator& module, const std::string& command,
                      std::vector<std::string> extra) {
    std::vector<std::string> args{"--device", module.devicePath(), command, "--module",
                                  "416",      "--fast-timing"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCliProgram(args);
}

std::string hex(std::uint8_t value) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

// "> 55" for a byte to the module, "< 55" for one from it; headings and end lines
// as they stand, the time left off.
std::vector<std::string> bytesOfTrace(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto dash = line.find("—");
        if (const auto to = line.find("ПК → модуль  "); to != line.npos)
            lines.push_back("> " + line.substr(to + std::string("ПК → модуль  ").size(), 2));
        else if (const auto from = line.find("модуль → ПК  "); from != line.npos)
            lines.push_back("< " + line.substr(from + std::string("модуль → ПК  ").size(), 2));
        else
            lines.push_back(dash == line.npos ? line : line.substr(dash));
    }
    return lines;
}

struct Expected {
    std::vector<std::string> lines;
    void to(std::uint8_t value) { lines.push_back("> " + hex(value)); }
    void from(std::uint8_t value) { lines.push_back("< " + hex(value)); }
    void echoed(std::uint8_t value) { to(value), from(value); }
};

} // namespace

TEST(CliTrace, ATracedReadShowsEveryByteOfTheLinkAndTheReadInOrder) {
    const auto image = countingBytes(64, 7);
    auto module = startModule({ModuleModel::Orvel416, {}, image});
    TempFolder folder;
    const auto path = folder / "trace.txt";
    const ProgramRun run = runAgainst(*module, "read", {"--trace", path.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    Expected expected;
    expected.lines.push_back("— Установка связи, Orvel-416 —");
    for (std::uint8_t byte : pemrix::link::linkRequest())
        expected.to(byte);
    for (std::uint8_t byte : pemrix::link::linkRequest())
        expected.from(byte);
    for (std::uint8_t byte : pemrix::link::linkAnswer(2))
        expected.from(byte);
    expected.echoed(0x00);
    expected.lines.push_back("— конец: выполнено —");
    expected.lines.push_back("— Чтение конфигурации, Orvel-416 —");
    for (std::uint8_t byte : {0x55, 0x55, 0x02, 0x7A})
        expected.echoed(byte);
    expected.from(0x00);
    const auto frame = pemrix::link::configurationFrame(cellsOf(image));
    ASSERT_EQ(frame.size(), 67u);
    for (std::uint8_t byte : frame)
        expected.from(byte);
    expected.echoed(0x00);
    expected.lines.push_back("— конец: выполнено —");

    EXPECT_THAT(bytesOfTrace(readBytes(path)), ElementsAreArray(expected.lines));
}

TEST(CliTrace, ATraceFileThatCannotBeWrittenIsRefusedBeforeAnythingIsSent) {
    TempFolder folder;
    const struct {
        std::filesystem::path path;
        pemrix::image::FileFailure why;
    } rows[] = {
        {folder / "no" / "trace.txt", pemrix::image::FileFailure::NoFolder},
        {folder.path(), pemrix::image::FileFailure::IsFolder},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.string());
        auto module = startModule({ModuleModel::Orvel416});
        const ProgramRun run = runAgainst(*module, "link", {"--trace=" + row.path.string()});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, pemrix::image::cannotWriteFileText(row.path.string(), row.why) + "\n");
        EXPECT_EQ(module->stats().bytesReceived, 0U);
    }
}

// A trace cut short (a full disk) fails a good run with 74, after its result; a run
// that failed keeps its own exit code.
TEST(CliTrace, ATraceThatCannotBeWrittenInFullFailsOnlyAGoodRun) {
    const struct {
        ModuleModel model;
        int exitCode;
        std::string out;
    } rows[] = {
        {ModuleModel::Orvel416, 74, "2\n"},
        {ModuleModel::Orvel417, 3, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.exitCode);
        auto module = startModule({row.model});
        const ProgramRun run = runAgainst(*module, "link", {"--trace", "/dev/full"});
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
        EXPECT_THAT(run.err, ::testing::HasSubstr("pemrix-cli: the trace is incomplete: "));
    }
}

TEST(CliTrace, ATraceOverTheFileToWriteOrTheOutputIsRefusedAndTheFileKept) {
    TempFolder folder;
    const std::string site = (folder / "site.cfg").string();
    const std::string sameSite = (folder / "." / "site.cfg").string();
    pemrix::testing::writeBytes(site, "the user's configuration");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"write", site, "--trace", sameSite},
         "pemrix-cli: the trace file '" + sameSite + "' is the configuration file '" + site +
             "'; give --trace another file\n"},
        {{"read", "-o", sameSite, "--trace", site},
         "pemrix-cli: the trace file '" + site + "' is the output file '" + sameSite +
             "'; give --trace another file\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.front());
        auto module = startModule({ModuleModel::Orvel416});
        std::vector<std::string> args{row.args.begin() + 1, row.args.end()};
        const ProgramRun run = runAgainst(*module, row.args.front(), args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(readBytes(site), "the user's configuration");
        EXPECT_EQ(module->stats().bytesReceived, 0U);
    }
}
