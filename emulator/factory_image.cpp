#include "emulator/factory_image.h"

#include "modules/module_formats.h"

#include <span>

namespace pemrix::emulator {

namespace {

std::vector<std::uint8_t> bytesOf(std::span<const int> cells) {
    std::vector<std::uint8_t> image;
    image.reserve(cells.size());
    for (int cell : cells)
        image.push_back(static_cast<std::uint8_t>(cell));
    return image;
}

} // namespace

std::vector<std::uint8_t> factoryImageForKind(link::ModuleKind model) {
    return bytesOf(modules::formatOf(moduleOf(model).kind)->factoryImage());
}

} // namespace pemrix::emulator
