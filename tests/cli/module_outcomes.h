#pragma once
// The outcomes that the module decides (its faults, another kind answering, no key,
// a module at line speed), each with pemrix-cli's exit code and last report: one
// table for every build of the program, on Linux and on Windows under Wine.

#include "image/expander_file.h"
#include "relay/relay_file.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pemrix::cli::testing {

struct ModuleOutcome {
    const char* name;
    ModuleSetup setup;
    const char* command;
    const char* module;
    int exitCode;
    int lastReport;
};

inline std::vector<ModuleOutcome> moduleOutcomes() {
    using emulator::Fault;
    namespace R = link::ReportCode;
    return {
        // clang-format off
        {"at line speed", {pemrix::link::ModuleKind::Secure, {Fault::BaudPacing}}, "write", "416", 0,
         R::WriteDone},
        {"another kind answers", {pemrix::link::ModuleKind::FireSecure}, "link", "416", 3, R::OtherKind},
        {"an expander answers the relay link", {pemrix::link::ModuleKind::Secure}, "read", "relay", 3,
         R::OtherKind},
        {"link answer CRC", {pemrix::link::ModuleKind::Secure, {Fault::BadLinkCrc}}, "link", "416", 4,
         R::LinkCrcError},
        {"header refused", {pemrix::link::ModuleKind::Secure, {Fault::RefusedHeader}}, "read", "416", 4,
         R::CrcError},
        {"frame CRC on read", {pemrix::link::ModuleKind::FireSecure, {Fault::BadFrameCrc}}, "read", "417", 4,
         R::CrcError},
        {"frame CRC on relay read", {pemrix::link::ModuleKind::Rele8, {Fault::BadFrameCrc}}, "read",
         "relay", 4, R::CrcError},
        {"frame CRC on write", {pemrix::link::ModuleKind::Secure, {Fault::BadFrameCrc}}, "write", "416", 4,
         R::CrcError},
        {"no write acknowledgement", {pemrix::link::ModuleKind::Secure, {Fault::NoWriteAck}}, "write", "416",
         4, R::CrcError},
        {"no relay write acknowledgement", {pemrix::link::ModuleKind::Rele4, {Fault::NoWriteAck}}, "write",
         "relay", 4, R::CrcError},
        {"no key", {pemrix::link::ModuleKind::Secure, {Fault::NoKey}}, "key", "416", 5, R::NoKey},
        {"all-ones key", {pemrix::link::ModuleKind::Secure, {}, {}, 0xFFFFFFFFFFFFULL}, "key", "416", 5,
         R::NoKey},
        // clang-format on
    };
}

// The files the write rows send: <module>.cfg in `folder`.
inline std::filesystem::path writeOutcomeFiles(const pemrix::testing::TempFolder& folder) {
    pemrix::testing::writeBytes(
        folder / "416.cfg",
        image::expanderFileText(std::vector<int>(64, 1), link::ModuleKind::Secure));
    pemrix::testing::writeBytes(
        folder / "relay.cfg",
        relay::relayFileText(std::vector<int>(66, 1), link::ModuleKind::Rele4));
    return folder.path();
}

inline std::filesystem::path outcomeFile(const std::filesystem::path& folder,
                                         const ModuleOutcome& outcome) {
    return folder / (std::string(outcome.module) + ".cfg");
}

inline void expectOutcome(const ProgramRun& run, const ModuleOutcome& outcome) {
    EXPECT_EQ(run.exitCode, outcome.exitCode) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string last = reportText(kindOfModuleName(outcome.module), outcome.lastReport);
    EXPECT_TRUE(run.err.size() >= last.size() &&
                run.err.compare(run.err.size() - last.size(), last.size(), last) == 0)
        << run.err;
}

} // namespace pemrix::cli::testing
