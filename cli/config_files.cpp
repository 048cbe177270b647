#include "cli/config_files.h"

#include "image/expander_file.h"
#include "image/file_access.h"
#include "image/file_lines.h"
#include "link/module_kind.h"
#include "relay/relay_file.h"

namespace pemrix::cli {

namespace {

LoadedImage refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

// A relay file whose variant line names one of the relay modules.
bool namesRelayVariant(const image::Result<relay::RelayFile>& file) {
    return file && file.value().variantLine &&
           link::isReleVariant(file.value().variantLine.value());
}

bool readsAsRelayFile(std::string_view text) {
    return namesRelayVariant(relay::parseRelayFile(text));
}

bool readsAsExpanderFile(std::string_view text) {
    return image::parseExpanderFile(text, link::ModuleKind::Secure).ok() ||
           image::parseExpanderFile(text, link::ModuleKind::FireSecure).ok();
}

LoadedImage parseExpander(std::string_view text, int moduleKind) {
    auto file = image::parseExpanderFile(text, moduleKind);
    if (!file)
        return refused(file.error().message);
    if (readsAsRelayFile(text))
        return refused(image::WrongModuleKindMessage);
    return {ImageToWrite{std::move(file).value(), moduleKind}, {}};
}

LoadedImage parseRelay(std::string_view text) {
    auto file = relay::parseRelayFile(text);
    if (!namesRelayVariant(file)) {
        if (readsAsExpanderFile(text))
            return refused(image::WrongModuleKindMessage);
        if (!file)
            return refused(file.error().message);
        if (!file.value().variantLine)
            return refused(file.value().variantLine.error().message);
        return refused(image::WrongModuleKindMessage);
    }
    const int variant = file.value().variantLine.value();
    return {ImageToWrite{std::move(file.value().cells), variant}, {}};
}

// The module takes one byte per value; a value that is no byte would arrive as some
// other value, so the file is refused instead.
std::optional<std::string> valueOutOfRange(const std::vector<int>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] < 0 || cells[i] > 255)
            return "line " + std::to_string(i + 1) + ": " + std::to_string(cells[i]) +
                   " is not a byte value (0..255)";
    return std::nullopt;
}

} // namespace

LoadedImage parseImageToWrite(std::string_view text, Module module) {
    LoadedImage loaded =
        module == Module::Relay ? parseRelay(text) : parseExpander(text, moduleKindOf(module));
    if (loaded.image)
        if (auto problem = valueOutOfRange(loaded.image->cells))
            return refused(*problem);
    return loaded;
}

LoadedImage loadImageToWrite(const std::filesystem::path& path, Module module) {
    const auto content = image::readWholeFile(path);
    if (!content)
        return refused(content.error().message);
    return parseImageToWrite(content.value(), module);
}

std::string fileTextOfImage(Module module, std::vector<int> cells, int linkKind) {
    if (module != Module::Relay)
        return image::expanderFileText(cells, linkKind);
    if (cells.size() > relay::RelayVersionCell)
        cells[relay::RelayVersionCell] = 0;
    return relay::relayFileText(cells, linkKind);
}

std::optional<std::string> outputPathProblem(const std::filesystem::path& path) {
    const auto cannotCreate = [&path] {
        return image::fillText(image::CannotCreateFileFormat, image::pathToUtf8(path));
    };
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return cannotCreate();
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(folder, error))
        return cannotCreate();
    return std::nullopt;
}

} // namespace pemrix::cli
