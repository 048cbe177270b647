#pragma once
// Byte 3, bits 0..4, of both expanders' images (Orvel-416, Orvel-417): five mode
// flags, one a bit in the order of the fields. Bits 5..7 are each module's own.

#include "image/image_cells.h"

#include <cstdint>

namespace pemrix::image {

struct ModeFlags {
    bool keyboardLocked = false;   // bit 0, KeyBox checked
    bool identifiersInUse = false; // bit 1, TM on item 0 "Идентификатор"
    bool lightOutput = false;      // bit 2, SO on item 1 "Световой"
    bool autonomous = false;       // bit 3, AutoBox checked
    bool openDoorTactic = false;   // bit 4, Taktik on item 1 "Откр. дверь"

    friend bool operator==(const ModeFlags&, const ModeFlags&) = default;
};

// The flags in bits 0..4, bits 5..7 clear.
constexpr std::uint8_t modeFlagsByte(const ModeFlags& flags) {
    return static_cast<std::uint8_t>(flags.keyboardLocked | flags.identifiersInUse << 1 |
                                     flags.lightOutput << 2 | flags.autonomous << 3 |
                                     flags.openDoorTactic << 4);
}

// The flags of bits 0..4; bits 5..7 are not read.
constexpr ModeFlags modeFlagsOf(std::uint8_t byte) {
    return {bitAt(byte, 0), bitAt(byte, 1), bitAt(byte, 2), bitAt(byte, 3), bitAt(byte, 4)};
}

} // namespace pemrix::image
