#include "secure/secure_file.h"

#include "image/expander_file.h"

namespace pemrix::secure {

std::string secureFileText(std::span<const int> image) {
    return image::expanderFileText(image, SecureModuleKind);
}

image::Result<SecureConfigImage> parseSecureFile(std::string_view text, std::string_view fileName) {
    return image::parseExpanderFile(text, SecureModuleKind, fileName);
}

image::Result<SecureConfigImage> loadSecureFile(const std::filesystem::path& path) {
    return image::loadExpanderFile(path, SecureModuleKind);
}

image::Status saveSecureFile(const std::filesystem::path& path, const SecureConfig& config) {
    if (image::slotStartingWithFF(config.identifiers, config.identifiersInUse)) {
        return image::Error{image::ErrorKind::IdentifierStartsWithFF,
                            image::IdentifierStartsWithFFMessage};
    }
    return image::saveExpanderFile(path, encodeSecureConfig(config), SecureModuleKind);
}

} // namespace pemrix::secure
