// How the outcomes of a command become its exit code and its error stream.

#include "cli/command_reporter.h"
#include "cli/exit_codes.h"
#include "cli/line.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "tests/cli/report_texts.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pemrix::cli;
using pemrix::cli::testing::reportText;
namespace R = pemrix::link::ReportCode;

TEST(CliOutcome, TheLastDecidingReportWinsAndEveryTextIsShown) {
    const struct {
        std::vector<int> reports;
        std::optional<int> decided;
    } rows[] = {
        {{R::LinkAttempt, R::LinkEstablished, R::TimeOut, R::CrcError}, 4},
        {{R::LinkAttempt, R::LinkEstablished, R::TimeOut, R::ReadDone}, 0},
        {{R::LinkAttempt, R::LinkAttempt, R::NoAnswer}, 1},
        {{R::LinkAttempt, R::TimeOut}, std::nullopt},
        {{R::LinkEstablished, R::LineFailed}, 6},
    };
    const auto kind = pemrix::link::ModuleKind::Secure;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reports.size());
        std::ostringstream err;
        ConsoleTarget target(kind, err);
        CommandReporter reporter(target);
        std::string expected;
        int attempt = 0;
        for (int code : row.reports) {
            attempt += code == R::LinkAttempt;
            reporter.report(code, attempt);
            expected += reportText(kind, code, attempt);
        }
        EXPECT_EQ(reporter.decidedExitCode(), row.decided);
        EXPECT_EQ(err.str(), expected);
    }
}

TEST(CliOutcome, TheRelayModuleSpeaksOfTheModuleNotTheExpander) {
    std::ostringstream err;
    ConsoleTarget target(pemrix::link::ModuleKind::Rele8, err);
    CommandReporter reporter(target);
    reporter.report(R::LineFailed, 0);
    reporter.linkAnswered(pemrix::link::ModuleKind::Rele4);
    EXPECT_EQ(err.str(), reportText(pemrix::link::ModuleKind::Rele8, R::LineFailed));
    EXPECT_NE(err.str(), reportText(pemrix::link::ModuleKind::Secure, R::LineFailed));
    EXPECT_EQ(reporter.answeredKind(), pemrix::link::ModuleKind::Rele4);
}

TEST(CliOutcome, LineFailuresCarryTheSystemsReasonAndAHint) {
    using pemrix::link::PortError;
    using pemrix::link::PortErrorKind;
    const struct {
        PortError error;
        std::vector<const char*> parts;
    } rows[] = {
        {{PortErrorKind::NoPermission, 13, "нет доступа"},
         {"/dev/ttyUSB0: нет доступа\n", "dialout"}},
        {{PortErrorKind::InUse, 11, "устройство занято"},
         {"/dev/ttyUSB0: устройство занято\n", "занят другой программой"}},
        {{PortErrorKind::NoSuchPort, 2, "нет такого файла или устройства"},
         {"/dev/ttyUSB0: нет такого файла или устройства\n", "устройство не найдено"}},
        {{PortErrorKind::Gone, 5, "устройство отключено"},
         {"/dev/ttyUSB0: устройство отключено\n"}},
        {{PortErrorKind::Other, 42, ""}, {"/dev/ttyUSB0: системная ошибка 42\n"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.parts[0]);
        const std::string text = lineFailureText("/dev/ttyUSB0", row.error);
        for (const char* part : row.parts)
            EXPECT_NE(text.find(part), std::string::npos) << text;
        if (row.error.kind != PortErrorKind::NoPermission) {
            EXPECT_EQ(text.find("dialout"), std::string::npos);
        }
    }
    // Named as COMn, the port is named so, with its device.
    const std::string named = lineFailureText(
        "/dev/ttyUSB0", {PortErrorKind::NoSuchPort, 2, "нет такого файла или устройства"}, "COM2");
    EXPECT_NE(named.find("Порт COM2 (/dev/ttyUSB0): устройство не найдено."), std::string::npos)
        << named;
}
