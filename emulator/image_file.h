#pragma once
// The image an emulated module starts with, taken from a configuration file: its
// lines read as the program reads them (image/), the image bytes first; later lines
// (the module kind) are not looked at.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::emulator {

// Reads the first `size` lines as bytes 0..255. On a short file or a line that is not
// such a number returns nothing and says why.
std::optional<std::vector<std::uint8_t>> readImageLines(std::string_view text, std::size_t size,
                                                        std::string& error);
std::optional<std::vector<std::uint8_t>> readImageFile(const std::string& path, std::size_t size,
                                                       std::string& error);

} // namespace pemrix::emulator
