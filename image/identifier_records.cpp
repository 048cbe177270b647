#include "image/identifier_records.h"

#include "image/key_text.h"
#include "link/key_code.h"
#include "link/module_profile.h"

#include <algorithm>

namespace pemrix::image {

namespace {

int digitAt(std::string_view text, std::size_t index) {
    return index < text.size() ? HexDigitValue(text[index]) : 0;
}

} // namespace

std::uint8_t keyRecordByte(std::string_view keyText, int i) {
    const std::size_t first = 2 * static_cast<std::size_t>(i);
    return static_cast<std::uint8_t>(16 * digitAt(keyText, first) + digitAt(keyText, first + 1));
}

void packIdentifierRecords(const IdentifierSlots& slots, bool identifiersInUse,
                           std::span<int> image) {
    std::size_t p = IdentifierRecordsOffset;
    if (identifiersInUse) {
        for (const IdentifierSlot& slot : slots) {
            if (slot.keyText.empty() || p + IdentifierRecordSize > image.size()) {
                continue;
            }
            for (int i = 0; i < KeyCodeBytes; ++i) {
                image[p++] = keyRecordByte(slot.keyText, i);
            }
            image[p++] = slot.authority;
        }
    }
    const std::size_t end = std::min<std::size_t>(image.size(), link::ExpanderImageSize);
    for (; p < end; ++p) {
        image[p] = EndOfRecords;
    }
}

IdentifierSlots unpackIdentifierRecords(std::span<const int> image) {
    IdentifierSlots slots;
    std::size_t p = IdentifierRecordsOffset;
    for (IdentifierSlot& slot : slots) {
        if (byteAt(image, p) == EndOfRecords) {
            break;
        }
        std::uint64_t code = 0;
        for (int i = 0; i < KeyCodeBytes; ++i) {
            code = (code << 8) | byteAt(image, p++);
        }
        slot.keyText = link::formatKeyCode(code);
        slot.authority = byteAt(image, p++);
    }
    return slots;
}

std::optional<int> slotStartingWithFF(const IdentifierSlots& slots, bool identifiersInUse) {
    if (!identifiersInUse) {
        return std::nullopt;
    }
    for (int k = 0; k < IdentifierSlotCount; ++k) {
        const IdentifierSlot& slot = slots[static_cast<std::size_t>(k)];
        if (!slot.keyText.empty() && keyRecordByte(slot.keyText, 0) == EndOfRecords) {
            return k + 1;
        }
    }
    return std::nullopt;
}

} // namespace pemrix::image
