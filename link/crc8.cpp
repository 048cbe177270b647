#include "link/crc8.h"

#include <array>

namespace pemrix::link {
namespace {

constexpr std::array<std::uint8_t, 256> makeTable() {
    std::array<std::uint8_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        auto crc = static_cast<std::uint8_t>(value);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1U) ? static_cast<std::uint8_t>((crc >> 1) ^ 0x8CU)
                             : static_cast<std::uint8_t>(crc >> 1);
        table[value] = crc;
    }
    return table;
}

constexpr auto kTable = makeTable();

} // namespace

std::uint8_t crc8Update(std::uint8_t crc, std::uint8_t byte) {
    return kTable[static_cast<std::uint8_t>(crc ^ byte)];
}

std::uint8_t crc8(std::span<const std::uint8_t> bytes) {
    std::uint8_t crc = 0;
    for (auto byte : bytes)
        crc = crc8Update(crc, byte);
    return crc;
}

} // namespace pemrix::link
