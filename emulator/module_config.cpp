#include "emulator/module_config.h"

#include "link/module_profile.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

namespace pemrix::emulator {

std::optional<link::ModuleKind> parseModuleModel(std::string_view text) {
    for (const link::ModuleProfile& profile : link::ModuleProfiles)
        for (const link::ModuleVariant& variant : profile.variants)
            if (variant.model == text)
                return variant.kind;
    return std::nullopt;
}

std::string_view modelName(link::ModuleKind model) {
    const link::AnsweredModule answered = link::moduleAnsweringAs(model);
    return answered.variant != nullptr ? answered.variant->name : std::string_view("?");
}

const link::ModuleProfile& moduleOf(link::ModuleKind model) {
    const link::AnsweredModule answered = link::moduleAnsweringAs(model);
    if (answered.profile == nullptr)
        throw std::invalid_argument("no module answers as kind " +
                                    std::to_string(link::kindValue(model)));
    return *answered.profile;
}

std::size_t imageSize(link::ModuleKind model) {
    return static_cast<std::size_t>(moduleOf(model).imageSize);
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
