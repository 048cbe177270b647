#include "secure/secure_file.h"

#include "image/expander_file.h"

namespace pemrix::secure {

std::string secureFileText(std::span<const int> image) {
    return image::expanderFileText(image, SecureModuleKind);
}

image::Result<SecureConfigImage> parseSecureFile(std::string_view text) {
    return image::parseExpanderFile(text, SecureModuleKind);
}

image::Result<SecureConfigImage> loadSecureFile(const std::filesystem::path& path) {
    return image::loadExpanderFile(path, SecureModuleKind);
}

image::Status saveSecureFile(const std::filesystem::path& path, const SecureConfig& config) {
    return image::saveExpanderConfigFile(path, encodeSecureConfig(config), SecureModuleKind,
                                         config.identifiers, config.identifiersInUse);
}

} // namespace pemrix::secure
