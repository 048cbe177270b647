#include "firesecure/firesecure_file.h"

#include "image/expander_file.h"

namespace pemrix::firesecure {

std::string fireSecureFileText(std::span<const int> image) {
    return image::expanderFileText(image, link::ModuleKind::FireSecure);
}

image::Result<FireSecureConfigImage> parseFireSecureFile(std::string_view text) {
    return image::parseExpanderFile(text, link::ModuleKind::FireSecure);
}

image::Result<FireSecureConfigImage> loadFireSecureFile(const std::filesystem::path& path) {
    return image::loadExpanderFile(path, link::ModuleKind::FireSecure);
}

image::Status saveFireSecureFile(const std::filesystem::path& path,
                                 const FireSecureConfig& config) {
    return image::saveExpanderConfigFile(path, encodeFireSecureConfig(config),
                                         link::ModuleKind::FireSecure, config.identifiers,
                                         config.identifiersInUse);
}

} // namespace pemrix::firesecure
