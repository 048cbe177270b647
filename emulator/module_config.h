#pragma once
// What an emulated module is: its model, its stored image, its key and its faults.

#include "emulator/faults.h"
#include "link/key_code.h"
#include "link/module_profile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::emulator {

// The module played is named by the kind its link answer gives: a served module, or
// one of its models. "416", "417", "426" or "427", as the modules' variants name them.
std::optional<link::ModuleKind> parseModuleModel(std::string_view text);
std::string_view modelName(link::ModuleKind model);
// The served module the model belongs to.
const link::ModuleProfile& moduleOf(link::ModuleKind model);
std::size_t imageSize(link::ModuleKind model);

// The key a module reports when none is configured otherwise.
inline constexpr std::uint64_t DefaultKeyCode = 0x00000F3C5A71ULL;
using link::KeyCodeMask;

// "HEX12" (exactly twelve hexadecimal digits) gives a key code; "none" gives no key.
// Returns false, with a reason, on anything else.
bool parseKeyCode(std::string_view text, std::optional<std::uint64_t>& key, std::string* error);
// Twelve uppercase hexadecimal digits.
using link::formatKeyCode;

struct ModuleConfig {
    link::ModuleKind model = link::ModuleKind::Secure;
    std::vector<std::uint8_t> image; // empty: the model's factory image (factoryImageForKind)
    std::optional<std::uint64_t> keyCode = DefaultKeyCode; // none: no key presented
    Faults faults;
};

} // namespace pemrix::emulator
