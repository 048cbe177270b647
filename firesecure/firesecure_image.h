#pragma once
// The Orvel-417 configuration image: 64 byte cells, here as typed fields and back.
//
// Four loops. Per-loop fields are masks of four bits, bit n-1 = loop n; in the image
// most bytes carry two such rows, the first in bits 0-3 and the second in bits 4-7,
// so a window box with a digit m in 1..8 (ittt<m>, avks<m>, pr<m>, ss<m>) is bit m-1
// of its byte.
//
// The codec knows bytes and bits only. The window (TFireSecureForm) owns the order in
// which controls are set, because its loop, relay and authority rules fire as
// controls change:
//
//   BuildConfigImage: read every control into a FireSecureConfig, then
//   encodeFireSecureConfig.
//   ApplyConfigImage: decodeFireSecureConfig, then set the controls in this order:
//     1. loop types, loop 4 down to loop 1: upper radio ds<n+4> checked when loop n
//        is in fireLoops, else the lower radio ds<n+4>1 (a button that becomes
//        checked runs ChangeShS, and with it ChangePriv and ChangeRele);
//     2. double triggering, loop 4 down to loop 1: ds<n> from doubleTriggering;
//     3. Delay made the active control, its position = delay (ChangeDelay runs on
//        the new text; the up-down shows a delay above 254 as 254);
//     4. ittt1..ittt4 from integrationTime, ittt5..ittt8 from silentAlarm; then
//        avks1..avks4 from autoArming, avks5..avks8 from roundTheClock (these run
//        ChangeAVKS);
//     5. the mode flags (KeyBox, TM, SO, AutoBox, Taktik: TM's TMClick before Taktik's
//        TaktikClick), then Rele3Combo item = relay3Mode;
//     6. pr1..pr4 from relay1Binding, pr5..pr8 from relay2Binding (ChangePriv);
//     7. Rele1Combo / Rele2Combo items = relay1Mode / relay2Mode;
//     8. Number made the active control, its position = expanderNumber;
//     9. ss5..ss8 from relay3Binding (ss6..ss8 run ChangePriv, which may correct the
//        relay modes of steps 5 and 7);
//    10. uncheck all 64 boxes q<j><k>, row k = 1..8, within it column j = 1..8;
//    11. for k = 1..8: clear Id<k>; if identifiers[k-1].keyText is empty the slot
//        stays empty; else set Id<k> to it and check q<j><k> for bit j-1 of
//        identifiers[k-1].authority (bits 0-3 arming, 4-7 disarming of loops 1-4).
//   Relay 3 gets its mode in step 5 but its binding only in step 9: when step 6
//   changes a box, ChangeRele finds relay 3 bound to no loop and forces mode 1, which
//   its fire-loop binding then raises to mode 6, whatever fire mode the image held.
//
// A relay mode code 7 fits the three-bit fields but names no item: it decodes to
// NoRelayMode (the combo box shows no item). Encoding writes any mode outside 0..6,
// NoRelayMode included, as code 7 within its three bits, so every built cell stays
// within 0..255 and a code 7 read from a module goes back to it unchanged.
//
// CheckIdentifiers and saving refuse a key whose record would begin with 255
// (image::slotStartingWithFF, message image::IdentifierStartsWithFFMessage): the module and the
// file reader would take it for the end of the list and lose it and every key after it.

#include "image/expander_cells.h"
#include "image/key_text.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pemrix::firesecure {

inline constexpr int LoopCount = 4;

// Relay mode codes: the item index of Rele1Combo, Rele2Combo and Rele3Combo.
inline constexpr int RelayModeCount = 7;   // 0..3 security modes, 4..6 fire modes
inline constexpr int NoRelayMode = -1;     // the combo box shows no item
inline constexpr int UnnamedRelayCode = 7; // fits the field, names no item

// Key texts pack their digits through HexDigitValue.
using image::HexDigitValue;

// 64 cells, offset order. Cells read from a file may lie outside 0..255; the codec
// reads their low eight bits.
using FireSecureConfigImage = image::ImageCells;

struct FireSecureConfig {
    int delay = 0; // byte 0, Delay (0..254 from the window)

    // Byte 1.
    std::uint8_t integrationTime = 0; // bits 0-3, ittt1..ittt4
    std::uint8_t silentAlarm = 0;     // bits 4-7, ittt5..ittt8

    // Byte 2.
    std::uint8_t autoArming = 0;    // bits 0-3, avks1..avks4
    std::uint8_t roundTheClock = 0; // bits 4-7, avks5..avks8

    // Byte 3.
    image::ModeFlags mode{}; // bits 0-4
    int relay3Mode = 0;      // bits 5-7, Rele3Combo item (or NoRelayMode)

    // Byte 4.
    std::uint8_t doubleTriggering = 0; // bits 0-3, ds1..ds4
    std::uint8_t fireLoops = 0;        // bits 4-7, upper radios ds5..ds8 (clear: ds51..ds81)

    // Byte 5.
    std::uint8_t relay1Binding = 0; // bits 0-3, pr1..pr4
    std::uint8_t relay2Binding = 0; // bits 4-7, pr5..pr8

    // Byte 6 (bits 6-7 are ignored when read and written as 0).
    int relay1Mode = 0; // bits 0-2, Rele1Combo item (or NoRelayMode)
    int relay2Mode = 0; // bits 3-5, Rele2Combo item (or NoRelayMode)

    // Byte 7.
    int expanderNumber = 0;         // bits 0-3, 0..15, Number
    std::uint8_t relay3Binding = 0; // bits 4-7, ss5..ss8

    // Bytes 8..63: slot k is Id<k> with boxes q1<k>..q8<k>.
    image::IdentifierSlots identifiers{};

    friend bool operator==(const FireSecureConfig&, const FireSecureConfig&) = default;
};

// The 64 cells for these fields. Fields are masked to their widths (loop masks to four
// bits), so every cell is 0..255. With mode.identifiersInUse false no record is stored
// and 8..63 are 255; empty slots take no record; a key text shorter than 12 characters
// packs as if padded with "0" at its end.
FireSecureConfigImage encodeFireSecureConfig(const FireSecureConfig& config);

// The fields of an image of 64 cells (a shorter one reads its missing cells as 255).
// Slots after the first 255 where a record would begin come out empty.
FireSecureConfig decodeFireSecureConfig(std::span<const int> image);

// The factory image: 45, 12, 192, 194, 192, 195, 40, 193, then 56 cells of 255.
const FireSecureConfigImage& fireSecureFactoryImage();

} // namespace pemrix::firesecure
