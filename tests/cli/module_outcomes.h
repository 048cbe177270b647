#pragma once
// The outcomes that the module decides (its faults, another kind answering, no key,
// a module at line speed), each with pemrix-cli's exit code and last report: one
// table for every build of the program, on Linux and on Windows under Wine.

#include "image/expander_file.h"
#include "relay/relay_file.h"
#include "tests/cli/cli_program.h"
#include "tests/cli/emulated_module.h"
#include "tests/image/temp_folder.h"

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
    using emulator::ModuleModel;
    namespace R = link::ReportCode;
    return {
        // clang-format off
        {"at line speed", {ModuleModel::Orvel416, {Fault::BaudPacing}}, "write", "416", 0,
         R::WriteDone},
        {"another kind answers", {ModuleModel::Orvel417}, "link", "416", 3, R::OtherKind},
        {"an expander answers the relay link", {ModuleModel::Orvel416}, "read", "relay", 3,
         R::OtherKind},
        {"link answer CRC", {ModuleModel::Orvel416, {Fault::BadLinkCrc}}, "link", "416", 4,
         R::LinkCrcError},
        {"header refused", {ModuleModel::Orvel416, {Fault::RefusedHeader}}, "read", "416", 4,
         R::CrcError},
        {"frame CRC on read", {ModuleModel::Orvel417, {Fault::BadFrameCrc}}, "read", "417", 4,
         R::CrcError},
        {"frame CRC on relay read", {ModuleModel::Orvel427, {Fault::BadFrameCrc}}, "read",
         "relay", 4, R::CrcError},
        {"frame CRC on write", {ModuleModel::Orvel416, {Fault::BadFrameCrc}}, "write", "416", 4,
         R::CrcError},
        {"no write acknowledgement", {ModuleModel::Orvel416, {Fault::NoWriteAck}}, "write", "416",
         4, R::CrcError},
        {"no relay write acknowledgement", {ModuleModel::Orvel426, {Fault::NoWriteAck}}, "write",
         "relay", 4, R::CrcError},
        {"no key", {ModuleModel::Orvel416, {Fault::NoKey}}, "key", "416", 5, R::NoKey},
        {"all-ones key", {ModuleModel::Orvel416, {}, {}, 0xFFFFFFFFFFFFULL}, "key", "416", 5,
         R::NoKey},
        // clang-format on
    };
}

// The files the write rows send: <module>.cfg in `folder`.
inline std::filesystem::path writeOutcomeFiles(const pemrix::testing::TempFolder& folder) {
    pemrix::testing::writeBytes(folder / "416.cfg",
                                image::expanderFileText(std::vector<int>(64, 1), 2));
    pemrix::testing::writeBytes(folder / "relay.cfg",
                                relay::relayFileText(std::vector<int>(66, 1), 6));
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
