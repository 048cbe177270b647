#pragma once
// The Orvel-416 configuration image: 64 byte cells, here as typed fields and back.
//
// The codec knows bytes and bits only; the window (TSecureForm) owns the order in
// which controls are set, because its rules fire as controls change.

#include "image/expander_cells.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pemrix::secure {

// Relay mode codes: the item index of Rele1Combo / Rele2Combo.
inline constexpr int RelayModeCount = 4;

// 64 cells, offset order. Cells read from a file may lie outside 0..255; the codec
// reads their low eight bits.
using SecureConfigImage = image::ImageCells;

struct SecureConfig {
    int delay = 0;                    // byte 0, Delay (0..254 from the window)
    std::uint8_t integrationTime = 0; // byte 1, it1..it8
    std::uint8_t silentAlarm = 0;     // byte 2, tt1..tt8

    image::ModeFlags mode{}; // byte 3 (bits 5..7 are ignored when read and written as 0)

    std::uint8_t autoArming = 0;    // byte 4, av1..av8
    std::uint8_t roundTheClock = 0; // byte 5, ks1..ks8
    // Byte 6: bit m-1 = box pr<m>; pr1..pr4 bind relay 1 to loops 1-2, 3-4, 5-6, 7-8,
    // pr5..pr8 bind relay 2 likewise.
    std::uint8_t relayBinding = 0;

    // Byte 7: bits 0-3 number, bits 4-5 relay 1 mode, bits 6-7 relay 2 mode.
    int expanderNumber = 0; // 0..15, Number
    int relay1Mode = 0;     // 0..3, Rele1Combo item
    int relay2Mode = 0;     // 0..3, Rele2Combo item

    // Bytes 8..63: slot k is Id<k> with boxes q1<k>..q8<k> (bit n-1 = loop n).
    image::IdentifierSlots identifiers{};

    friend bool operator==(const SecureConfig&, const SecureConfig&) = default;
};

// The 64 cells for these fields. Fields are masked to their widths, so every cell
// is 0..255. With mode.identifiersInUse false no record is stored and 8..63 are 255;
// empty slots take no record; a key text shorter than 12 characters packs as if
// padded with "0" at its end.
SecureConfigImage encodeSecureConfig(const SecureConfig& config);

// The fields of an image of 64 cells (a shorter one reads its missing cells as 255).
// Slots after the first 255 where a record would begin come out empty.
SecureConfig decodeSecureConfig(std::span<const int> image);

// The factory image: 45, 0, 192, 2, 0, 0, 135, 1, then 56 cells of 255.
const SecureConfigImage& secureFactoryImage();

} // namespace pemrix::secure
