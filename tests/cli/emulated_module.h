#pragma once
// What the end-to-end tests of pemrix-cli share: an emulated module started from a
// short description, test images, and the reports every successful link prints.

#include "emulator/emulator.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "tests/cli/report_texts.h"

#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::cli::testing {

struct ModuleSetup {
    ModuleSetup(pemrix::link::ModuleKind model, std::vector<emulator::Fault> faults = {},
                std::vector<std::uint8_t> image = {},
                std::optional<std::uint64_t> key = emulator::DefaultKeyCode)
        : model(model), faults(std::move(faults)), image(std::move(image)), key(key) {}

    pemrix::link::ModuleKind model;
    std::vector<emulator::Fault> faults;
    std::vector<std::uint8_t> image; // empty: the emulator's factory image
    std::optional<std::uint64_t> key;
};

inline std::unique_ptr<emulator::Emulator> startModule(const ModuleSetup& setup) {
    emulator::ModuleConfig config;
    config.model = setup.model;
    config.image = setup.image;
    config.keyCode = setup.key;
    for (emulator::Fault fault : setup.faults)
        config.faults.set(fault);
    auto module = std::make_unique<emulator::Emulator>(config);
    module->start();
    return module;
}

inline std::vector<std::uint8_t> countingBytes(std::size_t size, int first) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), static_cast<std::uint8_t>(first));
    return bytes;
}

inline std::vector<int> cellsOf(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// The kind an exchange serves for a --module name.
inline link::ModuleKind kindOfModuleName(const std::string& name) {
    if (name == "relay")
        return link::ModuleKind::Rele8;
    return name == "416" ? link::ModuleKind::Secure : link::ModuleKind::FireSecure;
}

// What every successful link prints first: the first attempt, then the link.
inline std::string linkedText(link::ModuleKind kind) {
    return reportText(kind, link::ReportCode::LinkAttempt, 1) +
           reportText(kind, link::ReportCode::LinkEstablished);
}

} // namespace pemrix::cli::testing
