#pragma once
// The configuration files a command sends or writes: the expander files (64 values
// and the module kind, 2 for the Orvel-416, 1 for the Orvel-417) and the relay file
// (66 values and the variant, 5 or 6).
//
// A file goes to a module only when it is plainly of that module's kind and every
// value is a byte: a window rebuilds the image from its controls before it writes,
// the command line sends the file's values as they stand.

#include "cli/arguments.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::cli {

struct ImageToWrite {
    std::vector<int> cells;      // the module's image size in values 0..255
    link::ModuleKind fileKind{}; // the kind line (1, 2) or the relay variant line (5, 6)
};

struct LoadedImage {
    std::optional<ImageToWrite> image; // nothing when the file is refused
    std::string error;                 // the text to show, as the window shows it
};

// Checks in the order a window's load reports them, then refuses a file of another
// kind that would otherwise pass (a relay file whose line 65 happens to read 2, an
// expander file given for the relay module), then values outside 0..255.
// Errors name `fileName` when one is given.
LoadedImage parseImageToWrite(std::string_view text, link::ModuleKind module,
                              std::string_view fileName = {});
LoadedImage loadImageToWrite(const std::filesystem::path& path, link::ModuleKind module);

// A file to show or compare, of whichever module it plainly is (its last line names
// it); values outside 0..255 are shown as they stand. `module`, when given, must be
// the file's: a file of another module is refused saying which it is. A file no
// module reads is refused as the module given, or else the module its length suggests,
// would refuse it.
struct IdentifiedFile {
    std::optional<ImageToWrite> image; // nothing when the file is refused
    link::ModuleKind module{};         // the --module kind the file is for
    std::string error;
};
IdentifiedFile identifyConfigFile(std::string_view text, std::optional<link::ModuleKind> module,
                                  std::string_view fileName);
IdentifiedFile loadConfigFile(const std::filesystem::path& path,
                              std::optional<link::ModuleKind> module);

// The file of an image just read. `linkKind` is the kind the module answered (the
// relay variant 5 or 6 for the relay module). A relay file carries version 0, as a
// window saves it.
std::string fileTextOfImage(link::ModuleKind module, std::vector<int> cells,
                            link::ModuleKind linkKind);

// Why the file cannot be written, before anything is sent: a folder that does not
// exist, or a name that is not a regular file. Nothing when it looks writable.
std::optional<std::string> outputPathProblem(const std::filesystem::path& path);

} // namespace pemrix::cli
