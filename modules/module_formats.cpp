#include "modules/module_formats.h"

#include "firesecure/firesecure_fields.h"
#include "firesecure/firesecure_image.h"
#include "image/expander_file.h"
#include "relay/relay_fields.h"
#include "relay/relay_file.h"
#include "relay/relay_image.h"
#include "secure/secure_fields.h"
#include "secure/secure_image.h"

#include <array>
#include <vector>

namespace pemrix::modules {

namespace {

// The expanders share one file: the image, then the kind line, which must be the
// module's own kind.
template <link::ModuleKind Kind>
image::Result<ConfigFile> readExpanderFile(std::string_view text, std::string_view fileName) {
    image::Result<image::ImageCells> cells = image::parseExpanderFile(text, Kind, fileName);
    if (!cells)
        return cells.error();
    return ConfigFile{std::move(cells).value(), link::kindValue(Kind)};
}

std::string expanderText(std::span<const int> cells, link::ModuleKind answered) {
    return image::expanderFileText(cells, answered);
}

const image::ImageCells& secureFactory() {
    return secure::secureFactoryImage();
}
const image::ImageCells& fireSecureFactory() {
    return firesecure::fireSecureFactoryImage();
}
const image::ImageCells& relayFactory() {
    return relay::relayFactoryImage();
}

// The relay file carries the variant the module answered; the version cell is the
// module's own and is saved as 0, as a window saves it.
std::string relayText(std::span<const int> cells, link::ModuleKind answered) {
    std::vector<int> saved(cells.begin(), cells.end());
    if (saved.size() > static_cast<std::size_t>(relay::RelayVersionCell))
        saved[static_cast<std::size_t>(relay::RelayVersionCell)] = 0;
    return relay::relayFileText(saved, answered);
}

image::Result<ConfigFile> readRelayFile(std::string_view text, std::string_view fileName) {
    image::Result<relay::RelayFile> file = relay::parseRelayFile(text, fileName);
    if (!file)
        return file.error();
    return ConfigFile{std::move(file.value().cells), file.value().variantLine};
}

constexpr std::array<ModuleFormat, 3> Formats{{
    {link::ModuleKind::Secure, secureFactory, expanderText,
     readExpanderFile<link::ModuleKind::Secure>, secure::secureFields},
    {link::ModuleKind::FireSecure, fireSecureFactory, expanderText,
     readExpanderFile<link::ModuleKind::FireSecure>, firesecure::fireSecureFields},
    {link::ReleModule, relayFactory, relayText, readRelayFile, relay::relayFields,
     relay::shownOnModel},
}};

} // namespace

const ModuleFormat* formatOf(link::ModuleKind kind) {
    for (const ModuleFormat& format : Formats)
        if (format.kind == kind)
            return &format;
    return nullptr;
}

} // namespace pemrix::modules
