#pragma once
// Each served module's image codec as the programs without a window use it: the
// factory image, the configuration file's text and its reading. The command line and
// the emulator find a module's format here by its kind, the same road for every module.

#include "image/field_table.h"
#include "image/image_cells.h"
#include "image/result.h"
#include "link/module_profile.h"

#include <span>
#include <string>
#include <string_view>

namespace pemrix::modules {

// A configuration file as read: the image cells (not range-checked) and its last
// line, the kind the file is for, or why that line cannot be had.
struct ConfigFile {
    image::ImageCells cells;
    image::Result<int> kindLine{0};
};

struct ModuleFormat {
    link::ModuleKind kind; // the module's profile kind
    const image::ImageCells& (*factoryImage)();
    // The file of `cells` for a module that answered the link as `answered`.
    std::string (*fileText)(std::span<const int> cells, link::ModuleKind answered);
    // The cells of a file's text; errors name `fileName` when one is given.
    image::Result<ConfigFile> (*readFile)(std::string_view text, std::string_view fileName);
    // The image field by field, as the module's window shows it.
    const image::FieldTable& (*fields)();
    // Whether a module that answered as `model` shows the field; nullptr: every field.
    bool (*shows)(const image::Field& field, link::ModuleKind model) = nullptr;
};

// The format of the module whose profile has `kind`; nullptr for a kind no module has.
const ModuleFormat* formatOf(link::ModuleKind kind);

} // namespace pemrix::modules
