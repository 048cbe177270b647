#include "emulator/module_config.h"

#include "link/module_kind.h"

#include <algorithm>
#include <cctype>

namespace pemrix::emulator {

std::optional<ModuleModel> parseModuleModel(std::string_view text) {
    if (text == "416")
        return ModuleModel::Orvel416;
    if (text == "417")
        return ModuleModel::Orvel417;
    if (text == "426")
        return ModuleModel::Orvel426;
    if (text == "427")
        return ModuleModel::Orvel427;
    return std::nullopt;
}

std::string_view modelName(ModuleModel model) {
    switch (model) {
    case ModuleModel::Orvel416:
        return "Orvel-416";
    case ModuleModel::Orvel417:
        return "Orvel-417";
    case ModuleModel::Orvel426:
        return "Orvel-426";
    case ModuleModel::Orvel427:
        return "Orvel-427";
    }
    return "?";
}

std::uint8_t wireKind(ModuleModel model) {
    switch (model) {
    case ModuleModel::Orvel416:
        return link::ModuleKind::Secure;
    case ModuleModel::Orvel417:
        return link::ModuleKind::FireSecure;
    case ModuleModel::Orvel426:
        return link::ModuleKind::Rele4;
    case ModuleModel::Orvel427:
        return link::ModuleKind::Rele8;
    }
    return 0;
}

bool isRelay(ModuleModel model) {
    return model == ModuleModel::Orvel426 || model == ModuleModel::Orvel427;
}

std::size_t imageSize(ModuleModel model) {
    return static_cast<std::size_t>(isRelay(model) ? link::ReleImageSize : link::ExpanderImageSize);
}

bool parseKeyCode(std::string_view text, std::optional<std::uint64_t>& key, std::string* error) {
    if (text == "none") {
        key.reset();
        return true;
    }
    // A key is always written with all twelve digits, leading zeros included; on the
    // command line either case will do.
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const auto code = link::parseKeyCode(upper);
    if (!code) {
        if (error)
            *error = "key '" + std::string(text) + "' is not twelve hexadecimal digits or 'none'";
        return false;
    }
    key = *code;
    return true;
}

} // namespace pemrix::emulator
