#pragma once
// The image a module holds as it leaves the factory: what an emulated module starts
// with unless it is given an image of its own.

#include "emulator/module_config.h"

#include <cstdint>
#include <vector>

namespace pemrix::emulator {

// imageSize(model) bytes. The Orvel-416 has its codec's factory image; the Orvel-417
// and the relay modules start from zeros until their codecs give theirs.
std::vector<std::uint8_t> factoryImageForKind(ModuleModel model);

} // namespace pemrix::emulator
