#include "firesecure/firesecure_file.h"

#include "image/expander_file.h"

namespace pemrix::firesecure {

std::string fireSecureFileText(std::span<const int> image) {
    return image::expanderFileText(image, FireSecureModuleKind);
}

image::Result<FireSecureConfigImage> parseFireSecureFile(std::string_view text) {
    return image::parseExpanderFile(text, FireSecureModuleKind);
}

image::Result<FireSecureConfigImage> loadFireSecureFile(const std::filesystem::path& path) {
    return image::loadExpanderFile(path, FireSecureModuleKind);
}

image::Status saveFireSecureFile(const std::filesystem::path& path,
                                 const FireSecureConfig& config) {
    return image::saveExpanderConfigFile(path, encodeFireSecureConfig(config), FireSecureModuleKind,
                                         config.identifiers, config.identifiersInUse);
}

} // namespace pemrix::firesecure
