#pragma once
// The configuration file of the relay module (Orvel-426/427): the 66 image cells in
// decimal, one per line, then a line with the relay variant (5 for the eight-relay
// Orvel-427, 6 for the four-relay Orvel-426). Every line ends with CR LF.
//
// The variant line matters only to a window without a link (the connected module's
// variant wins otherwise), so it is handed back apart from the cells, together with
// whatever reading it gave.
//
// The window saves BuildConfigImage (version cell 0) with its variant. Loading applies
// the cells with ApplyConfigImage and shows the loaded status; only then, and only
// without a link, does it look at variantLine: 5 checks Orvel427, 6 checks Orvel426,
// any other value changes nothing, and a line that cannot be read is reported after
// the cells are shown.
// A failed read of lines 1..66 changes nothing in the window.

#include "image/image_cells.h"
#include "image/result.h"
#include "link/module_profile.h"
#include "relay/relay_image.h"

#include <span>
#include <string>
#include <string_view>

namespace pemrix::relay {

inline constexpr int RelayFileLineCount = RelayImageSize + 1; // 67
// The version cell: read from a module, always saved as 0.
inline constexpr int RelayVersionCell = Cell::Version;

struct RelayFile {
    image::ImageCells cells;        // 66 cells as the file holds them, not range-checked
    image::Result<int> variantLine; // line 67 as an integer, or why it cannot be had
};

// The file's text for `cells` (66 cells; missing ones are written as 0) and `variant`,
// the kind the module gave in its link answer.
std::string relayFileText(std::span<const int> cells, link::ModuleKind variant);

// Lines 1..66 converted in order: the first that is missing or not an integer fails
// the whole file. Line 67 is read only into variantLine; lines after it are ignored.
// Errors name `fileName` when one is given.
image::Result<RelayFile> parseRelayFile(std::string_view text, std::string_view fileName = {});

} // namespace pemrix::relay
