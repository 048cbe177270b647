#pragma once
// The image a module holds as it leaves the factory: what an emulated module starts
// with unless it is given an image of its own.

#include "emulator/module_config.h"

#include <cstdint>
#include <vector>

namespace pemrix::emulator {

// imageSize(model) bytes, from the module's own codec.
std::vector<std::uint8_t> factoryImageForKind(link::ModuleKind model);

} // namespace pemrix::emulator
