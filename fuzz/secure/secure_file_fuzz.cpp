// Feeds arbitrary bytes to the Orvel-416 file reader. Whatever it accepts must show
// and save again without trouble: decoding, encoding and writing the file's text back
// must give cells within a byte and a text that reads as the same image.

#include "image/expander_file.h"
#include "secure/secure_image.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = pemrix::image::parseExpanderFile(text, pemrix::link::ModuleKind::Secure);
    if (!parsed.ok()) {
        if (parsed.error().message.empty() || parsed.error().message.size() > 256) {
            std::abort(); // every refusal has a message a box can show
        }
        return 0;
    }
    const auto& image = parsed.value();
    if (image.size() != pemrix::link::ExpanderImageSize) {
        std::abort();
    }
    const auto config = pemrix::secure::decodeSecureConfig(image);
    const auto rebuilt = pemrix::secure::encodeSecureConfig(config);
    for (int cell : rebuilt) {
        if (cell < 0 || cell > 255) {
            std::abort();
        }
    }
    // A rebuilt image shows the same fields again; with the secret button it stores
    // no keys even when the file held records.
    auto expected = config;
    if (!expected.mode.identifiersInUse) {
        expected.identifiers = {};
    }
    if (!(pemrix::secure::decodeSecureConfig(rebuilt) == expected)) {
        std::abort();
    }
    // And its file reads back as exactly the rebuilt image.
    const auto again = pemrix::image::parseExpanderFile(
        pemrix::image::expanderFileText(rebuilt, pemrix::link::ModuleKind::Secure),
        pemrix::link::ModuleKind::Secure);
    if (!again.ok() || again.value() != rebuilt) {
        std::abort();
    }
    return 0;
}
