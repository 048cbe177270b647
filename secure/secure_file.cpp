#include "secure/secure_file.h"

#include "image/expander_file.h"
#include "link/module_kind.h"

namespace pemrix::secure {

std::string secureFileText(std::span<const int> image) {
    return image::expanderFileText(image, link::ModuleKind::Secure);
}

image::Result<SecureConfigImage> parseSecureFile(std::string_view text, std::string_view fileName) {
    return image::parseExpanderFile(text, link::ModuleKind::Secure, fileName);
}

} // namespace pemrix::secure
