#pragma once
// The touch-memory keys of both expander modules (Orvel-416 and Orvel-417) as they
// sit in bytes 8..63 of the image: records of 7 bytes packed from offset 8 in slot
// order, each the 6 bytes of the key code (two hex digits of the text per byte, in
// text order) and the slot's authority mask; the rest is 255. A 255 where a record
// would begin ends the list, so a key whose first byte is FF cannot be stored.

#include "image/image_cells.h"
#include "language/translate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pemrix::image {

inline constexpr int IdentifierSlotCount = 8;
inline constexpr int IdentifierRecordSize = 7;
inline constexpr int IdentifierRecordsOffset = 8;
inline constexpr int KeyCodeBytes = IdentifierRecordSize - 1; // the record's last: the mask
inline constexpr std::uint8_t EndOfRecords = UnusedByte;

// Shown when a key cannot be stored because its record would begin with 255 (the
// catalog's source; a refusal gives it in the user's language).
inline constexpr const char* IdentifierStartsWithFFMessage =
    QT_TRANSLATE_NOOP("pemrix", "Идентификатор не может начинаться с FF");

// One row of the identifier group: the edit Id<k> and its eight authority boxes.
struct IdentifierSlot {
    std::string keyText;        // as the edit holds it; empty: the slot holds no key
    std::uint8_t authority = 0; // bit j-1 set when box q<j><k> is checked

    friend bool operator==(const IdentifierSlot&, const IdentifierSlot&) = default;
};

using IdentifierSlots = std::array<IdentifierSlot, IdentifierSlotCount>;

// Byte i (0..5) of a key text's record: 16 × digit 2i+1 + digit 2i+2, where a
// missing character counts as "0" and a non-key character as 0 (HexDigitValue).
std::uint8_t keyRecordByte(std::string_view keyText, int i);

// Writes offsets 8..63 of `image` (at least 64 cells): the records of the non-empty
// slots when `identifiersInUse` (the ТМ output works with keys), then 255 up to the
// end; with the secret button every one of these offsets is 255.
void packIdentifierRecords(const IdentifierSlots& slots, bool identifiersInUse,
                           std::span<int> image);

// Reads the records from offset 8 until a 255 where a record would begin; the slots
// after the last record come out empty with no authority. Key texts are 12 uppercase
// hex digits.
IdentifierSlots unpackIdentifierRecords(std::span<const int> image);

// The first slot number (1..8) whose key would be stored with a record beginning
// with 255, if any. Only slots that are stored count: none with the secret button.
std::optional<int> slotStartingWithFF(const IdentifierSlots& slots, bool identifiersInUse);

} // namespace pemrix::image
