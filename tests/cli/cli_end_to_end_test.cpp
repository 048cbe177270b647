// pemrix-cli end to end: the built program against an emulated module on a real
// pseudo-terminal, with the waits dropped (the emulator answers at once).

#include "emulator/emulator.h"
#include "image/error_texts.h"
#include "image/expander_file.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "relay/relay_file.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/cli/module_outcomes.h"
#include "tests/cli/report_texts.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace pemrix::emulator;
using namespace pemrix::cli::testing;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;
namespace R = pemrix::link::ReportCode;
using Kind = pemrix::link::ModuleKind;

namespace {

ProgramRun runAgainst(const Emulator& module, const std::string& command,
                      const std::string& moduleName, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--device", module.devicePath(), command,
                                  "--module", moduleName,          "--fast-timing"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCliProgram(args);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CliEndToEnd, LinksWithEachKindAndPrintsTheKindAnswered) {
    const struct {
        pemrix::link::ModuleKind model;
        const char* module;
        pemrix::link::ModuleKind kind;
        const char* printed;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, "416", Kind::Secure, "2\n"},
        {pemrix::link::ModuleKind::FireSecure, "417", Kind::FireSecure, "1\n"},
        {pemrix::link::ModuleKind::Rele4, "relay", Kind::Rele8, "6\n"},
        {pemrix::link::ModuleKind::Rele8, "relay", Kind::Rele8, "5\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.printed);
        auto module = startModule({row.model});
        const ProgramRun run = runAgainst(*module, "link", row.module);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, row.printed);
        EXPECT_EQ(run.err, linkedText(row.kind));
        EXPECT_EQ(module->stats().verdictsAccepted, 1);
    }
}

TEST(CliEndToEnd, ReadPrintsTheFileOrWritesItWithDashO) {
    const auto image = countingBytes(64, 7);
    auto module = startModule({pemrix::link::ModuleKind::Secure, {}, image});
    const std::string file = pemrix::image::expanderFileText(cellsOf(image), Kind::Secure);

    const ProgramRun printed = runAgainst(*module, "read", "416");
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out, file);
    EXPECT_EQ(printed.err, linkedText(Kind::Secure) + reportText(Kind::Secure, R::ReadDone));

    TempFolder folder;
    const auto path = folder / "read.cfg";
    writeBytes(path, "an older file");
    const ProgramRun saved = runAgainst(*module, "read", "416", {"-o", path.string()});
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(readBytes(path), file);
}

TEST(CliEndToEnd, WriteThenReadBackGivesTheSameFile) {
    auto module = startModule({pemrix::link::ModuleKind::FireSecure});
    const auto image = countingBytes(64, 200);
    const std::string file = pemrix::image::expanderFileText(cellsOf(image), Kind::FireSecure);
    TempFolder folder;
    writeBytes(folder / "417.cfg", file);

    const ProgramRun written = runAgainst(*module, "write", "417", {(folder / "417.cfg").string()});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(written.err,
              linkedText(Kind::FireSecure) + reportText(Kind::FireSecure, R::WriteDone));
    EXPECT_EQ(module->image(), image);

    const ProgramRun read = runAgainst(*module, "read", "417");
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, file);
}

TEST(CliEndToEnd, RelayFilesCarryTheVariantOfTheLinkAnswer) {
    for (const auto& [model, variant] : {std::pair{pemrix::link::ModuleKind::Rele4, 6},
                                         std::pair{pemrix::link::ModuleKind::Rele8, 5}}) {
        SCOPED_TRACE(variant);
        auto image = countingBytes(66, 1);
        image[55] = 9; // the module's software version
        auto module = startModule({model, {}, image});

        const ProgramRun read = runAgainst(*module, "read", "relay");
        EXPECT_EQ(read.exitCode, 0) << read.err;
        auto expected = cellsOf(image);
        expected[55] = 0;
        EXPECT_EQ(read.out, pemrix::relay::relayFileText(
                                expected, static_cast<pemrix::link::ModuleKind>(variant)));

        TempFolder folder;
        auto toWrite = cellsOf(countingBytes(66, 150));
        toWrite[55] = 0;
        writeBytes(
            folder / "relay.cfg",
            pemrix::relay::relayFileText(toWrite, static_cast<pemrix::link::ModuleKind>(variant)));
        const ProgramRun written =
            runAgainst(*module, "write", "relay", {(folder / "relay.cfg").string()});
        EXPECT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(written.err, linkedText(Kind::Rele8) + reportText(Kind::Rele8, R::WriteDone));
        EXPECT_EQ(cellsOf(module->image()), toWrite);
    }
}

TEST(CliEndToEnd, ARelayFileOfTheOtherVariantIsWrittenWithANote) {
    auto module = startModule({pemrix::link::ModuleKind::Rele4});
    TempFolder folder;
    const auto cells = cellsOf(countingBytes(66, 3));
    writeBytes(folder / "427.cfg",
               pemrix::relay::relayFileText(cells, static_cast<pemrix::link::ModuleKind>(5)));

    const ProgramRun run = runAgainst(*module, "write", "relay", {(folder / "427.cfg").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.err, "pemrix-cli: замечание: файл для варианта 5 (Orvel-427)"))
        << run.err;
    EXPECT_EQ(cellsOf(module->image()), cells);
}

TEST(CliEndToEnd, KeyPrintsTwelveHexDigits) {
    auto module = startModule({pemrix::link::ModuleKind::FireSecure, {}, {}, 0x00000000ABCDULL});
    const ProgramRun run = runAgainst(*module, "key", "417");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "00000000ABCD\n");
    EXPECT_EQ(run.err, linkedText(Kind::FireSecure) + reportText(Kind::FireSecure, R::KeyReadDone));
}

TEST(CliEndToEnd, AResultThatCannotBeWrittenEndsWithExitCode74AndNoSuccess) {
    using pemrix::cli::testing::StandardOutput;
    const struct {
        const char* command;
        StandardOutput output;
        int successReport;
        const char* reason;
    } rows[] = {
        {"read", StandardOutput::DevFull, R::ReadDone, "на диске нет места"},
        {"key", StandardOutput::DevFull, R::KeyReadDone, "на диске нет места"},
        {"link", StandardOutput::DevFull, R::LinkEstablished, "на диске нет места"},
        {"read", StandardOutput::Closed, R::ReadDone, "поток закрыт"},
        {"key", StandardOutput::Closed, R::KeyReadDone, "поток закрыт"},
        {"link", StandardOutput::Closed, R::LinkEstablished, "поток закрыт"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.command) +
                     (row.output == StandardOutput::Closed ? " closed" : " full"));
        auto module = startModule({pemrix::link::ModuleKind::Secure});
        const ProgramRun run = runCliProgram(
            {"--device", module->devicePath(), row.command, "--module", "416", "--fast-timing"}, {},
            row.output);
        EXPECT_EQ(run.exitCode, 74) << run.err;
        EXPECT_TRUE(
            contains(run.err, std::string("pemrix-cli: не удалось записать в стандартный вывод: ") +
                                  row.reason))
            << run.err;
        EXPECT_FALSE(contains(run.err, reportText(Kind::Secure, row.successReport))) << run.err;
    }

    const ProgramRun help = runCliProgram({"--help"}, {}, StandardOutput::DevFull);
    EXPECT_EQ(help.exitCode, 74) << help.err;
}

TEST(CliEndToEnd, EachFaultOfTheModuleEndsWithItsExitCode) {
    TempFolder folder;
    const auto files = writeOutcomeFiles(folder);
    for (const ModuleOutcome& outcome : moduleOutcomes()) {
        SCOPED_TRACE(outcome.name);
        auto module = startModule(outcome.setup);
        std::vector<std::string> extra;
        if (std::string(outcome.command) == "write")
            extra.push_back(outcomeFile(files, outcome).string());
        expectOutcome(runAgainst(*module, outcome.command, outcome.module, extra), outcome);
    }
}

TEST(CliEndToEnd, AMismatchedFileIsRefusedBeforeAnythingIsSent) {
    TempFolder folder;
    writeBytes(folder / "417.cfg",
               pemrix::image::expanderFileText(std::vector<int>(64, 0),
                                               pemrix::link::ModuleKind::FireSecure));
    writeBytes(folder / "relay.cfg",
               pemrix::relay::relayFileText(std::vector<int>(66, 0),
                                            static_cast<pemrix::link::ModuleKind>(5)));
    writeBytes(folder / "bad.cfg", "12\r\nabc\r\n");
    const struct {
        pemrix::link::ModuleKind model;
        const char* module;
        std::string file;
        std::string error;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, "416", (folder / "417.cfg").string(),
         pemrix::image::WrongModuleKindMessage},
        {pemrix::link::ModuleKind::Secure, "416", (folder / "relay.cfg").string(),
         pemrix::image::WrongModuleKindMessage},
        {pemrix::link::ModuleKind::Rele8, "relay", (folder / "417.cfg").string(),
         pemrix::image::WrongModuleKindMessage},
        {pemrix::link::ModuleKind::FireSecure, "417", (folder / "bad.cfg").string(),
         pemrix::image::missingLineText((folder / "bad.cfg").string(), 65, 2)},
        {pemrix::link::ModuleKind::FireSecure, "417", (folder / "none.cfg").string(),
         pemrix::image::cannotOpenFileText((folder / "none.cfg").string(),
                                           pemrix::image::FileFailure::NotFound)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        auto module = startModule({row.model});
        const ProgramRun run = runAgainst(*module, "write", row.module, {row.file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, row.error + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(module->stats().bytesReceived, 0U);
    }
}

TEST(CliEndToEnd, AnOutputFileThatCannotBeWrittenIsRefusedBeforeAnythingIsSent) {
    auto module = startModule({pemrix::link::ModuleKind::Secure});
    TempFolder folder;
    const ProgramRun run =
        runAgainst(*module, "read", "416", {"-o", (folder / "no" / "x.cfg").string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, pemrix::image::cannotWriteFileText((folder / "no" / "x.cfg").string(),
                                                          pemrix::image::FileFailure::NoFolder) +
                           "\n");
    EXPECT_EQ(module->stats().bytesReceived, 0U);
}

TEST(CliEndToEnd, AMissingDeviceEndsWithTheSystemsReason) {
    const ProgramRun run = runCliProgram(
        {"--device", "/dev/pemrix-no-such-port", "read", "--module", "relay", "--fast-timing"});
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(contains(run.err, reportText(Kind::Rele8, R::LineFailed))) << run.err;
    EXPECT_TRUE(contains(run.err, "/dev/pemrix-no-such-port: нет такого файла или устройства\n"))
        << run.err;
}

TEST(CliEndToEnd, AnAdapterPulledDuringAReadEndsWithTheSystemsReason) {
    ModuleConfig config;
    config.model = pemrix::link::ModuleKind::Secure;
    // Pulled as the last byte of the read's header arrives (the link took five).
    config.faults.set(Fault::Unplug, 9);
    Emulator module(config);
    module.start();
    const ProgramRun run = runAgainst(module, "read", "416");
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              linkedText(Kind::Secure) +
                  "Нет связи с расширителем: чтение не выполнено — устройство отключено\n");
}

TEST(CliEndToEnd, UsageErrorsAndHelp) {
    const ProgramRun bad = runCliProgram({"--device", "/dev/null", "link"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "pemrix-cli: не задан модуль: укажите --module 416, 417 или relay\n"
                       "Справка: pemrix-cli --help\n");

    const ProgramRun help = runCliProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(contains(help.out, "pemrix-cli (--device ПУТЬ | --port N) link")) << help.out;
    EXPECT_EQ(help.err, "");
}

TEST(CliEndToEnd, PortNumbersMapThroughTheProgramsSettings) {
    if (!PEMRIX_CLI_PORT_SETTINGS)
        GTEST_SKIP() << "built without the program's settings: COMn is the platform's device";
    auto module = startModule({pemrix::link::ModuleKind::FireSecure});
    TempFolder config;
    std::filesystem::create_directories(config / "Pemrix");
    writeBytes(config / "Pemrix" / "Pemrix.conf", "[Devices]\nCOM3=" + module->devicePath() + "\n");
    const ProgramRun run =
        runCliProgram({"--port", "3", "link", "--module", "417", "--fast-timing"},
                      {"XDG_CONFIG_HOME=" + config.path().string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\n");
}
