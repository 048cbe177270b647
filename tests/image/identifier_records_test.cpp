#include "image/identifier_records.h"

#include "link/key_code.h"
#include "link/module_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace img = pemrix::image;

namespace {

std::vector<int> blankImage() {
    return std::vector<int>(pemrix::link::ExpanderImageSize, 0);
}

img::IdentifierSlots slotsWith(std::initializer_list<std::pair<int, img::IdentifierSlot>> rows) {
    img::IdentifierSlots slots{};
    for (const auto& [k, slot] : rows) {
        slots[static_cast<std::size_t>(k - 1)] = slot;
    }
    return slots;
}

} // namespace

TEST(IdentifierRecords, RecordBytesFromKeyTexts) {
    struct Row {
        const char* text;
        std::uint8_t bytes[6];
    };
    const Row rows[] = {
        {"0123456789AB", {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB}},
        // Missing characters at the end count as "0".
        {"ABC", {0xAB, 0xC0, 0, 0, 0, 0}},
        {"1", {0x10, 0, 0, 0, 0, 0}},
        // Characters that are no key digits count as 0.
        {"G1ab00000000", {0x01, 0x00, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(img::keyRecordByte(row.text, i), row.bytes[i]) << "byte " << i;
        }
    }
}

TEST(IdentifierRecords, EmptySlotsTakeNoRecordAndFillerFollows) {
    auto image = blankImage();
    const auto slots = slotsWith({{2, {"0123456789AB", 0x05}}, {5, {"00000000000C", 0x80}}});
    img::packIdentifierRecords(slots, true, image);

    const std::vector<int> expectedRecords = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0x05,
                                              0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x80};
    for (std::size_t i = 0; i < expectedRecords.size(); ++i) {
        EXPECT_EQ(image[8 + i], expectedRecords[i]) << "offset " << 8 + i;
    }
    for (std::size_t p = 22; p < 64; ++p) {
        EXPECT_EQ(image[p], 255) << "offset " << p;
    }
    for (std::size_t p = 0; p < 8; ++p) {
        EXPECT_EQ(image[p], 0) << "the header is not touched, offset " << p;
    }

    const auto back = img::unpackIdentifierRecords(image);
    EXPECT_EQ(back[0], (img::IdentifierSlot{"0123456789AB", 0x05}));
    EXPECT_EQ(back[1], (img::IdentifierSlot{"00000000000C", 0x80}));
    for (std::size_t k = 2; k < 8; ++k) {
        EXPECT_EQ(back[k], img::IdentifierSlot{}) << "slot " << k + 1;
    }
}

TEST(IdentifierRecords, SecretButtonStoresNothing) {
    auto image = blankImage();
    img::IdentifierSlots slots{};
    for (auto& slot : slots) {
        slot = {"0123456789AB", 0xFF};
    }
    img::packIdentifierRecords(slots, false, image);
    for (std::size_t p = 8; p < 64; ++p) {
        EXPECT_EQ(image[p], 255) << "offset " << p;
    }
    EXPECT_EQ(img::slotStartingWithFF(slotsWith({{1, {"FF0000000000", 1}}}), false), std::nullopt);
}

TEST(IdentifierRecords, EightRecordsFillTheAreaExactly) {
    auto image = blankImage();
    img::IdentifierSlots slots{};
    for (int k = 0; k < 8; ++k) {
        // Codes 0x10..0x17 in the last byte; no filler byte may be left anywhere.
        slots[static_cast<std::size_t>(k)] = {
            pemrix::link::formatKeyCode(0x10u + static_cast<unsigned>(k)),
            static_cast<std::uint8_t>(1u << k)};
    }
    img::packIdentifierRecords(slots, true, image);
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k + 1);
        const std::size_t at = 8 + 7 * static_cast<std::size_t>(k);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(image[at + i], 0);
        }
        EXPECT_EQ(image[at + 5], 0x10 + k);
        EXPECT_EQ(image[at + 6], 1 << k);
    }
    EXPECT_EQ(img::unpackIdentifierRecords(image), slots);
}

TEST(IdentifierRecords, AnFFRecordEndsTheListAndIsFound) {
    const auto slots =
        slotsWith({{1, {"0123456789AB", 1}}, {3, {"FF0000000001", 2}}, {4, {"00000000000A", 4}}});
    EXPECT_EQ(img::slotStartingWithFF(slots, true), 3);

    // What the module and a reader see of such an image: the key and all after it lost.
    auto image = blankImage();
    img::packIdentifierRecords(slots, true, image);
    const auto back = img::unpackIdentifierRecords(image);
    EXPECT_EQ(back[0].keyText, "0123456789AB");
    EXPECT_EQ(back[1], img::IdentifierSlot{});
    EXPECT_EQ(back[2], img::IdentifierSlot{});

    struct Row {
        const char* text;
        bool startsWithFF;
    };
    const Row rows[] = {
        {"FFFFFFFFFFFF", true},  {"FF", true},           {"F", false}, {"FE0000000000", false},
        {"0FF000000000", false}, {"ff0000000000", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(img::slotStartingWithFF(slotsWith({{8, {row.text, 1}}}), true).has_value(),
                  row.startsWithFF);
    }
}

TEST(IdentifierRecords, CellsAreReadThroughTheirLowByte) {
    auto image = blankImage();
    for (std::size_t p = 8; p < 64; ++p) {
        image[p] = 255;
    }
    // 256 + 0x12 etc.: a hand-edited file; -1 is 255 and ends the list at the next record.
    const int record[] = {0x112, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x103};
    std::copy(std::begin(record), std::end(record), image.begin() + 8);
    image[15] = -1;
    const auto back = img::unpackIdentifierRecords(image);
    EXPECT_EQ(back[0], (img::IdentifierSlot{"123456789ABC", 0x03}));
    EXPECT_EQ(back[1], img::IdentifierSlot{});
}

TEST(IdentifierRecords, ShortImageReadsAsFiller) {
    const std::vector<int> shortImage(10, 0);
    const auto back = img::unpackIdentifierRecords(shortImage);
    // Cells 8 and 9, then missing cells read as FF; the next record would begin at
    // a missing cell and so ends the list.
    EXPECT_EQ(back[0], (img::IdentifierSlot{"0000FFFFFFFF", 0xFF}));
    EXPECT_EQ(back[1], img::IdentifierSlot{});
}
