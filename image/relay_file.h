#pragma once
// The configuration file of the relay module (Orvel-426/427): the 66 image cells in
// decimal, one per line, then a line with the relay variant (5 for the eight-relay
// Orvel-427, 6 for the four-relay Orvel-426). Every line ends with CR LF.
//
// The variant line matters only to a window without a link (the connected module's
// variant wins otherwise), so it is handed back apart from the cells, together with
// whatever reading it gave.

#include "image/image_cells.h"
#include "image/result.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace pemrix::image {

inline constexpr int RelayImageSize = 66;
inline constexpr int RelayFileLineCount = RelayImageSize + 1; // 67
// The version cell: read from a module, always saved as 0.
inline constexpr int RelayVersionCell = 55;

namespace RelayVariant {
inline constexpr int Orvel427 = 5; // eight relays
inline constexpr int Orvel426 = 6; // four relays
} // namespace RelayVariant

constexpr bool isRelayVariant(int value) {
    return value == RelayVariant::Orvel427 || value == RelayVariant::Orvel426;
}

struct RelayFile {
    ImageCells cells;        // 66 cells as the file holds them, not range-checked
    Result<int> variantLine; // line 67 as an integer, or why it cannot be had
};

// The file's text for `cells` (66 cells; missing ones are written as 0) and `variant`.
std::string relayFileText(std::span<const int> cells, int variant);

// Lines 1..66 converted in order: the first that is missing or not an integer fails
// the whole file. Line 67 is read only into variantLine; lines after it are ignored.
// Errors name `fileName` when one is given.
Result<RelayFile> parseRelayFile(std::string_view text, std::string_view fileName = {});

// readWholeFile (1 MiB bound) + parseRelayFile.
Result<RelayFile> loadRelayFile(const std::filesystem::path& path);

// Replaces the file atomically with relayFileText.
Status saveRelayFile(const std::filesystem::path& path, std::span<const int> cells, int variant);

} // namespace pemrix::image
