#include "emulator/factory_image.h"

#include "secure/secure_image.h"

namespace pemrix::emulator {

std::vector<std::uint8_t> factoryImageForKind(ModuleModel model) {
    switch (model) {
    case ModuleModel::Orvel416: {
        const auto& cells = secure::secureFactoryImage();
        std::vector<std::uint8_t> image;
        image.reserve(cells.size());
        for (int cell : cells)
            image.push_back(static_cast<std::uint8_t>(cell));
        return image;
    }
    case ModuleModel::Orvel417:
    case ModuleModel::Orvel426:
    case ModuleModel::Orvel427:
        break;
    }
    return std::vector<std::uint8_t>(imageSize(model), 0);
}

} // namespace pemrix::emulator
