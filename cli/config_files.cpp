#include "cli/config_files.h"

#include "image/error_texts.h"
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

LoadedImage parseExpander(std::string_view text, int moduleKind, std::string_view fileName) {
    auto file = image::parseExpanderFile(text, moduleKind, fileName);
    if (!file)
        return refused(file.error().message);
    if (readsAsRelayFile(text))
        return refused(image::WrongModuleKindMessage);
    return {ImageToWrite{std::move(file).value(), moduleKind}, {}};
}

// The module takes one byte per value; a value that is no byte would arrive as some
// other value, so the file is refused instead (an expander file's values are checked
// as it is read).
std::optional<std::string> valueOutOfRange(const std::vector<int>& cells,
                                           std::string_view fileName) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] < 0 || cells[i] > 255)
            return image::notAByteInLineText(fileName, i + 1, cells[i]);
    return std::nullopt;
}

LoadedImage parseRelay(std::string_view text, std::string_view fileName) {
    auto file = relay::parseRelayFile(text, fileName);
    if (!namesRelayVariant(file)) {
        if (readsAsExpanderFile(text))
            return refused(image::WrongModuleKindMessage);
        if (!file)
            return refused(file.error().message);
        if (!file.value().variantLine)
            return refused(file.value().variantLine.error().message);
        return refused(image::WrongModuleKindMessage);
    }
    if (auto problem = valueOutOfRange(file.value().cells, fileName))
        return refused(*problem);
    const int variant = file.value().variantLine.value();
    return {ImageToWrite{std::move(file.value().cells), variant}, {}};
}

} // namespace

LoadedImage parseImageToWrite(std::string_view text, Module module, std::string_view fileName) {
    return module == Module::Relay ? parseRelay(text, fileName)
                                   : parseExpander(text, moduleKindOf(module), fileName);
}

LoadedImage loadImageToWrite(const std::filesystem::path& path, Module module) {
    const auto content = image::readWholeFile(path);
    if (!content)
        return refused(content.error().message);
    return parseImageToWrite(content.value(), module, image::pathToUtf8(path));
}

std::string fileTextOfImage(Module module, std::vector<int> cells, int linkKind) {
    if (module != Module::Relay)
        return image::expanderFileText(cells, linkKind);
    if (cells.size() > relay::RelayVersionCell)
        cells[relay::RelayVersionCell] = 0;
    return relay::relayFileText(cells, linkKind);
}

std::optional<std::string> outputPathProblem(const std::filesystem::path& path) {
    const auto cannotWrite = [&path](image::FileFailure why) {
        return image::cannotWriteFileText(image::pathToUtf8(path), why);
    };
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status))
        return cannotWrite(image::FileFailure::IsFolder);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return cannotWrite(image::FileFailure::NotRegular);
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(folder, error))
        return cannotWrite(image::FileFailure::NoFolder);
    return std::nullopt;
}

} // namespace pemrix::cli
