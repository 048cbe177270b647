#pragma once
// A configuration image as it travels between the window, the worker and the files:
// a sequence of integer cells, each normally one byte value 0..255. Files are read
// without a range check, so a cell may hold any int; whoever reads a cell as a byte
// takes its low eight bits, which is exactly what the worker would send to the module.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pemrix::image {

using ImageCells = std::vector<int>;

// Unused memory of the modules, and the filler after the identifier records.
inline constexpr std::uint8_t UnusedByte = 0xFF;

// A cell as the byte the worker sends: its low eight bits.
constexpr std::uint8_t lowByte(int cell) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(cell) & 0xFFu);
}

// The cell at `offset` as a byte. A cell past the end of a short image reads as 255,
// the value of unused memory in the modules.
inline std::uint8_t byteAt(std::span<const int> cells, std::size_t offset) {
    if (offset >= cells.size()) {
        return UnusedByte;
    }
    return lowByte(cells[offset]);
}

// Bit `index` (0 = value 1 … 7 = value 128) of a per-loop or per-box byte.
constexpr bool bitAt(std::uint8_t mask, int index) {
    return ((mask >> index) & 1u) != 0;
}

constexpr std::uint8_t withBit(std::uint8_t mask, int index, bool set) {
    const auto bit = static_cast<std::uint8_t>(1u << index);
    return set ? static_cast<std::uint8_t>(mask | bit) : static_cast<std::uint8_t>(mask & ~bit);
}

// The cells as decimal strings, the way a window keeps its factory image in a hidden list.
inline std::vector<std::string> decimalStrings(std::span<const int> cells) {
    std::vector<std::string> strings;
    strings.reserve(cells.size());
    for (int cell : cells) {
        strings.push_back(std::to_string(cell));
    }
    return strings;
}

} // namespace pemrix::image
