// pemrix-cli --trace end to end: the built program against an emulated module on a
// real pseudo-terminal, its trace file read back.

#include "emulator/emulator.h"
#include "image/error_texts.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using namespace pemrix::emulator;
using namespace pemrix::cli::testing;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

ProgramRun runAgainst(const Emulator& module, const std::string& command,
                      std::vector<std::string> extra) {
    std::vector<std::string> args{"--device", module.devicePath(), command, "--module",
                                  "416",      "--fast-timing"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCliProgram(args);
}

} // namespace

// The order of the bytes is the engine's; here only that both exchanges reach the file.
TEST(CliTrace, ATracedReadWritesTheLinkAndTheReadToTheFile) {
    auto module = startModule({pemrix::link::ModuleKind::Secure});
    TempFolder folder;
    const auto path = folder / "trace.txt";
    const ProgramRun run = runAgainst(*module, "read", {"--trace", path.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    std::vector<std::string> lines;
    std::istringstream in(readBytes(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // The link: heading, request, echo, answer, verdict and its echo, end line; the
    // read: heading, header and echo, acknowledgement, frame, verdict and echo, end.
    const std::size_t linkLines = 1 + 4 + 4 + 4 + 2 + 1;
    ASSERT_EQ(lines.size(), linkLines + 1 + 8 + 1 + 67 + 2 + 1);
    EXPECT_EQ(lines.front(), "— Установка связи, Orvel-416 —");
    EXPECT_THAT(lines[linkLines - 1], EndsWith("— конец: выполнено —"));
    EXPECT_EQ(lines[linkLines], "— Чтение конфигурации, Orvel-416 —");
    EXPECT_THAT(lines.back(), EndsWith("— конец: выполнено —"));
}

TEST(CliTrace, ATraceFileThatCannotBeWrittenIsRefusedBeforeAnythingIsSent) {
    TempFolder folder;
    const struct {
        std::filesystem::path path;
        pemrix::image::FileFailure why;
    } rows[] = {
        {folder / "no" / "trace.txt", pemrix::image::FileFailure::NoFolder},
        {folder.path(), pemrix::image::FileFailure::IsFolder},
        {"/proc/trace.txt", pemrix::image::FileFailure::FolderTakesNoFiles},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.string());
        auto module = startModule({pemrix::link::ModuleKind::Secure});
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
        pemrix::link::ModuleKind model;
        int exitCode;
        std::string out;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, 74, "2\n"},
        {pemrix::link::ModuleKind::FireSecure, 3, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.exitCode);
        auto module = startModule({row.model});
        const ProgramRun run = runAgainst(*module, "link", {"--trace", "/dev/full"});
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
        EXPECT_THAT(run.err, HasSubstr("pemrix-cli: журнал обмена записан не полностью: "));
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
         "pemrix-cli: файл журнала «" + sameSite + "» — это файл конфигурации «" + site +
             "»; укажите в --trace другой файл\n"},
        {{"read", "-o", sameSite, "--trace", site},
         "pemrix-cli: файл журнала «" + site + "» — это выходной файл «" + sameSite +
             "»; укажите в --trace другой файл\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.front());
        auto module = startModule({pemrix::link::ModuleKind::Secure});
        std::vector<std::string> args{row.args.begin() + 1, row.args.end()};
        const ProgramRun run = runAgainst(*module, row.args.front(), args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(readBytes(site), "the user's configuration");
        EXPECT_EQ(module->stats().bytesReceived, 0U);
    }
}
