#pragma once
// What an emulated module is: its model, its stored image, its key and its faults.

#include "emulator/faults.h"
#include "link/key_code.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::emulator {

enum class ModuleModel { Orvel416, Orvel417, Orvel426, Orvel427 };

// "416", "417", "426" or "427".
std::optional<ModuleModel> parseModuleModel(std::string_view text);
std::string_view modelName(ModuleModel model);
// The kind byte of the module's link answer.
std::uint8_t wireKind(ModuleModel model);
bool isRelay(ModuleModel model);
// 64 bytes for the expanders, 66 for the relay modules.
std::size_t imageSize(ModuleModel model);

// The key a module reports when none is configured otherwise.
inline constexpr std::uint64_t DefaultKeyCode = 0x00000F3C5A71ULL;
using link::KeyCodeMask;

// "HEX12" (exactly twelve hexadecimal digits) gives a key code; "none" gives no key.
// Returns false, with a reason, on anything else.
bool parseKeyCode(std::string_view text, std::optional<std::uint64_t>& key, std::string* error);
// Twelve uppercase hexadecimal digits.
using link::formatKeyCode;

struct ModuleConfig {
    ModuleModel model = ModuleModel::Orvel416;
    std::vector<std::uint8_t> image; // empty: the model's factory image (factoryImageForKind)
    std::optional<std::uint64_t> keyCode = DefaultKeyCode; // none: no key presented
    Faults faults;
};

} // namespace pemrix::emulator
