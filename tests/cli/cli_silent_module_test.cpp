// A line without a module: ten link requests go unanswered. Each attempt still waits
// out the port's read time-outs, so this takes some seconds even with fast timing;
// it has an executable of its own to run beside the others.

#include "emulator/emulator.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/report_texts.h"

#include <gtest/gtest.h>

using namespace pemrix::emulator;
using pemrix::cli::testing::reportText;
using pemrix::cli::testing::runCliProgram;
namespace R = pemrix::link::ReportCode;

TEST(CliSilentModule, TenUnansweredAttemptsEndWithExitCodeOne) {
    ModuleConfig config;
    config.model = pemrix::link::ModuleKind::Secure;
    config.faults.set(Fault::Silent);
    Emulator module(config);
    module.start();

    const auto run = runCliProgram(
        {"--device", module.devicePath(), "read", "--module", "416", "--fast-timing"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    const auto kind = pemrix::link::ModuleKind::Secure;
    std::string expected;
    for (int attempt = 1; attempt <= 10; ++attempt)
        expected += reportText(kind, R::LinkAttempt, attempt);
    expected += reportText(kind, R::NoAnswer);
    EXPECT_EQ(run.err, expected);
    // Ten four-byte requests (and the closing FF, which may still be on its way).
    EXPECT_GE(module.stats().bytesReceived, 40U);
}
