#include "firesecure/firesecure_file.h"

#include "image/expander_file.h"

namespace pemrix::firesecure {

std::string fireSecureFileText(std::span<const int> image) {
    return image::expanderFileText(image, link::ModuleKind::FireSecure);
}

image::Result<FireSecureConfigImage> parseFireSecureFile(std::string_view text) {
    return image::parseExpanderFile(text, link::ModuleKind::FireSecure);
}

} // namespace pemrix::firesecure
