#include "cli/config_files.h"

#include "image/error_texts.h"
#include "image/expander_file.h"
#include "image/file_access.h"
#include "language/translate.h"
#include "modules/module_formats.h"

#include <algorithm>

namespace pemrix::cli {

namespace {

LoadedImage refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

LoadedImage refusedAsOtherModule() {
    return refused(language::translate("pemrix", image::WrongModuleKindMessage));
}

// The kind a file's last line names, when that is one of the module's variants.
std::optional<link::ModuleKind> namedVariant(const link::ModuleProfile& module,
                                             const image::Result<modules::ConfigFile>& file) {
    if (!file || !file.value().kindLine)
        return std::nullopt;
    const int line = file.value().kindLine.value();
    for (const link::ModuleVariant& variant : module.variants)
        if (link::kindValue(variant.kind) == line)
            return variant.kind;
    return std::nullopt;
}

// Whether the text reads as a whole file of another module, its last line naming that
// module. When `longerOnly`, only a module with a longer image counts: its file would
// hold the shorter file's lines as cells, so a text that reads as both is the longer.
bool readsAsOtherModule(std::string_view text, const link::ModuleProfile& module, bool longerOnly) {
    for (const link::ModuleProfile& other : link::ModuleProfiles) {
        if (other.kind == module.kind || (longerOnly && other.imageSize <= module.imageSize))
            continue;
        if (const modules::ModuleFormat* format = modules::formatOf(other.kind))
            if (namedVariant(other, format->readFile(text, {})))
                return true;
    }
    return false;
}

LoadedImage parseFile(std::string_view text, const link::ModuleProfile& module,
                      std::string_view fileName) {
    auto file = modules::formatOf(module.kind)->readFile(text, fileName);
    if (const auto kind = namedVariant(module, file)) {
        if (readsAsOtherModule(text, module, true))
            return refusedAsOtherModule();
        return {ImageToWrite{std::move(file.value().cells), *kind}, {}};
    }
    if (readsAsOtherModule(text, module, false))
        return refusedAsOtherModule();
    if (!file)
        return refused(file.error().message);
    if (!file.value().kindLine)
        return refused(file.value().kindLine.error().message);
    return refusedAsOtherModule();
}

// The module takes one byte per value; a value that is no byte would arrive as some
// other value, so the file is refused instead.
std::optional<std::string> valueOutOfRange(const std::vector<int>& cells,
                                           std::string_view fileName) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] < 0 || cells[i] > 255)
            return image::notAByteInLineText(fileName, i + 1, cells[i]);
    return std::nullopt;
}

} // namespace

LoadedImage parseImageToWrite(std::string_view text, link::ModuleKind module,
                              std::string_view fileName) {
    LoadedImage loaded = parseFile(text, *link::profileOf(module), fileName);
    if (loaded.image)
        if (auto problem = valueOutOfRange(loaded.image->cells, fileName))
            return refused(*problem);
    return loaded;
}

LoadedImage loadImageToWrite(const std::filesystem::path& path, link::ModuleKind module) {
    const auto content = image::readWholeFile(path);
    if (!content)
        return refused(content.error().message);
    return parseImageToWrite(content.value(), module, image::pathToUtf8(path));
}

IdentifiedFile identifyConfigFile(std::string_view text, std::optional<link::ModuleKind> module,
                                  std::string_view fileName) {
    for (const link::ModuleProfile& profile : link::ModuleProfiles) {
        LoadedImage loaded = parseFile(text, profile, fileName);
        if (!loaded.image)
            continue;
        if (module && *module != profile.kind)
            return {std::nullopt, profile.kind,
                    "pemrix-cli: " +
                        language::arg(language::translate(
                                          "pemrix", "«%1» — файл модуля %2, а --module задаёт %3"),
                                      {fileName, profile.name, link::profileOf(*module)->name})};
        return {std::move(loaded.image), profile.kind, {}};
    }
    // The relay file is the one with more lines than an expander's.
    const auto lines = std::count(text.begin(), text.end(), '\n');
    const link::ModuleKind refusing =
        module
            ? *module
            : (lines > link::ExpanderImageSize + 1 ? link::ReleModule : link::ModuleKind::Secure);
    return {std::nullopt, refusing, parseFile(text, *link::profileOf(refusing), fileName).error};
}

IdentifiedFile loadConfigFile(const std::filesystem::path& path,
                              std::optional<link::ModuleKind> module) {
    const auto content = image::readWholeFile(path);
    if (!content)
        return {std::nullopt, module.value_or(link::ModuleKind::Secure), content.error().message};
    return identifyConfigFile(content.value(), module, image::pathToUtf8(path));
}

std::string fileTextOfImage(link::ModuleKind module, std::vector<int> cells,
                            link::ModuleKind linkKind) {
    return modules::formatOf(module)->fileText(cells, linkKind);
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
