#include "emulator/factory_image.h"

#include "firesecure/firesecure_image.h"
#include "relay/relay_image.h"
#include "secure/secure_image.h"

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

std::vector<std::uint8_t> factoryImageForKind(ModuleModel model) {
    switch (model) {
    case ModuleModel::Orvel416:
        return bytesOf(secure::secureFactoryImage());
    case ModuleModel::Orvel417:
        return bytesOf(firesecure::fireSecureFactoryImage());
    case ModuleModel::Orvel426:
    case ModuleModel::Orvel427:
        break;
    }
    return bytesOf(relay::relayFactoryImage());
}

} // namespace pemrix::emulator
