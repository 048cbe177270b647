#pragma once
// Dallas (1-Wire) CRC-8: polynomial x^8 + x^5 + x^4 + 1, least significant bit
// first, initial value 0, no final inversion.

#include <cstddef>
#include <cstdint>
#include <span>

namespace pemrix::link {

std::uint8_t crc8Update(std::uint8_t crc, std::uint8_t byte);
std::uint8_t crc8(std::span<const std::uint8_t> bytes);

} // namespace pemrix::link
