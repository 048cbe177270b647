#pragma once
// The relay module's (Orvel-426/427) configuration image: 66 byte cells, here as typed
// fields and back. Both variants share the layout; every mask carries eight relay bits
// (bit k-1 = relay k), so relays 5..8 travel along on a four-relay Orvel-426 too.
//
// The codec knows bytes and bits only. The window (TReleForm) owns the order in which
// controls are set, because its rules fire as controls change:
//
//   ApplyImage: decodeRelayConfig, then set the controls in this order:
//     1. Ved: only if controllingDevice has a value that differs from Ved's item,
//        select it; VedClick (the availability table, ending with Rele1ComboChange)
//        runs now, before step 2. No value, or the same item: nothing runs.
//     2. iz<k><n> checked = bit k-1 of sourceRelays[n-1], n = 1..48, k = 1..8;
//     3. typeiz<k><t> checked = bit k-1 of typeRelays[typeIndex(t)], t in
//        NotificationTypes. Steps 2 and 3 set the checked state only, enabled or
//        not, so a box that step 1 disabled may show checked.
//     4. Rele<k>Combo item = relayModes[k-1] where it has a value; a relay without
//        one keeps its selection. Rele1ComboChange does not run here.
//     5. R4800 checked when speed is Speed4800, else R1200;
//     6. only outside demonstration mode and with the factory-defaults flag clear:
//        label version = relayVersionText(version); otherwise it keeps its text.
//   All eight relays are set whatever the variant: hidden tabs take their values.
//
//   CollectImage: read every control into a RelayConfig, then encodeRelayConfig:
//     iz/typeiz by checked state, enabled or not, relays 5..8 from hidden tabs too;
//     relayModes[k-1] = item of Rele<k>Combo, none without a selection;
//     controllingDevice = item of Ved; speed from R1200. The version is written as 0.
//
// Cells read from a file may lie outside 0..255. Masks take their low eight bits;
// the controlling device, speed and version cells are taken as the numbers they are
// (a file's 258 is no controlling device, and its version label shows the number).

#include "image/image_cells.h"
#include "link/module_profile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pemrix::relay {

inline constexpr int RelayImageSize = link::ReleImageSize; // 66
inline constexpr int RelayCount = 8;
inline constexpr int SourceCount = 48;

// Rele<k>Combo items.
namespace RelayMode {
inline constexpr int PcnAlarm = 0;    // "ПЦН тревога"
inline constexpr int PcnControl = 1;  // "ПЦН контрольный"
inline constexpr int Executive = 2;   // "Исполнительный"
inline constexpr int ControlLamp = 3; // "Контрольная лампа"
inline constexpr int Sound = 4;       // "Звуковой"
inline constexpr int Count = 5;
} // namespace RelayMode

// Ved items.
namespace ControllingDevice {
inline constexpr int OrvelTevRpu = 0; // "Orvel-ТЕВ РПУ"
inline constexpr int OrvelLonRpu = 1; // "Orvel-ЛОН РПУ"
inline constexpr int Orvel416 = 2;
inline constexpr int Orvel417 = 3;
inline constexpr int Orvel408 = 4;
inline constexpr int Count = 5;
} // namespace ControllingDevice

// The notification types that have a row (typeiz<k><t>); types 8..11 have none, their
// cells hold other settings. The mask of type t is cell 47 + t.
inline constexpr std::array<int, 10> NotificationTypes = {1, 2, 3, 4, 5, 6, 7, 12, 13, 14};
inline constexpr int NotificationTypeCount = static_cast<int>(NotificationTypes.size());

// Index of type t in NotificationTypes (and in RelayConfig::typeRelays); -1 for a type
// without a row.
constexpr int typeIndex(int type) {
    for (int i = 0; i < NotificationTypeCount; ++i) {
        if (NotificationTypes[static_cast<std::size_t>(i)] == type) {
            return i;
        }
    }
    return -1;
}

// The module's speed towards its controlling device, coded 18 / 72 in the image.
enum class LinkSpeed { Speed1200, Speed4800 };
inline constexpr int Speed1200Code = 18; // "1200 бит/с"
inline constexpr int Speed4800Code = 72; // "4800 бит/с"

// Where things lie: source n is cell n - 1, type t cell 47 + t, then these.
namespace Cell {
inline constexpr int TypeBase = 47;
inline constexpr int Version = 55;
inline constexpr int ControllingDevice = 57;
inline constexpr int Speed = 58;
} // namespace Cell

// The mask of the relays in mode m is cell ModeCells[m]: modes 0..3 are the last four
// cells, mode 4 "Звуковой" sits between the version and the controlling device.
inline constexpr std::array<int, RelayMode::Count> ModeCells = {62, 63, 64, 65, 56};

using RelayImage = image::ImageCells;
using RelayMask = std::uint8_t; // bit k-1 = relay k

struct RelayConfig {
    std::array<RelayMask, SourceCount> sourceRelays{};         // cells 0..47, iz<k><n>
    std::array<RelayMask, NotificationTypeCount> typeRelays{}; // cell 47 + t, typeiz<k><t>
    std::array<std::optional<int>, RelayCount> relayModes{};   // Rele<k>Combo item, or none
    std::optional<int> controllingDevice = ControllingDevice::OrvelTevRpu; // cell 57, Ved item
    LinkSpeed speed = LinkSpeed::Speed1200;                                // cell 58, R1200 / R4800
    int version = 0; // cell 55, shown only; always written as 0

    // The mask of type row t; t must be one of NotificationTypes.
    RelayMask& typeMask(int type) { return typeRelays[static_cast<std::size_t>(typeIndex(type))]; }
    RelayMask typeMask(int type) const {
        return typeRelays[static_cast<std::size_t>(typeIndex(type))];
    }

    friend bool operator==(const RelayConfig&, const RelayConfig&) = default;
};

// The 66 cells for these fields, every one 0..255: a relay's bit goes to the cell of
// its mode (62..65 for modes 0..3, 56 for mode 4) and nowhere without a mode; a
// controlling device outside 0..4, or none, is written as 0; the version cell is 0.
RelayImage encodeRelayConfig(const RelayConfig& config);

// The fields of an image of 66 cells (a shorter one reads its missing cells as 255).
// Modes are taken from cells 62, 63, 64, 65, then 56, a later one overriding an
// earlier one; a relay in none of them has no mode. Cell 57 outside 0..4 gives no
// controlling device. Cell 58 = 72 is 4800 bit/s, anything else 1200.
RelayConfig decodeRelayConfig(std::span<const int> image);

// The label text of a version: "v" and the decimal number ("v0", "v255").
std::string relayVersionText(int version);

// The factory image: source n bound to relay n (n = 1..8), types 1, 2, 3, 7 and 12 for
// every relay, every relay in "ПЦН тревога", controlling device 0, 1200 bit/s.
const RelayImage& relayFactoryImage();

} // namespace pemrix::relay
