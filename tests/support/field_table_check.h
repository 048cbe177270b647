#pragma once
// Proves a module's field table complete and exact against its codec: every bit of
// every cell is described once (by one field, or as ignored), and every field reads
// from any image what the codec's decode gives.

#include "image/field_table.h"
#include "image/identifier_records.h"
#include "image/mode_flags.h"
#include "link/key_code.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace pemrix::testing {

// What the codec decodes from an image, by field key: every field's number, and the
// text where the codec itself gives one.
struct CodecView {
    std::map<std::string, std::int64_t> numbers;
    std::map<std::string, std::string> texts;

    void add(const std::string& key, std::int64_t number) { numbers[key] = number; }
    // Bit n-1 of `mask` under "<prefix><n><suffix>", n = 1..count.
    void addBits(const std::string& prefix, unsigned mask, int count,
                 const std::string& suffix = {}) {
        for (int n = 1; n <= count; ++n)
            add(prefix + std::to_string(n) + suffix, (mask >> (n - 1)) & 1u);
    }
};

using CodecDecode = std::function<CodecView(std::span<const int>)>;

// The fields both expanders share, from the codec's typed values. `columns` are the
// key parts of the authority columns.
inline void addExpanderValues(CodecView& view, int delay, int number, const image::ModeFlags& mode,
                              const image::IdentifierSlots& slots,
                              const std::vector<std::string>& columns) {
    view.add("delay", delay);
    view.add("number", number);
    view.add("mode.keyboard_locked", mode.keyboardLocked);
    view.add("mode.identifier_output", mode.identifiersInUse ? 0 : 1);
    view.add("mode.power_output", mode.lightOutput);
    view.add("mode.autonomous", mode.autonomous);
    view.add("mode.loop1_tactic", mode.openDoorTactic);
    for (int k = 1; k <= image::IdentifierSlotCount; ++k) {
        const image::IdentifierSlot& slot = slots[static_cast<std::size_t>(k - 1)];
        const std::string base = "identifiers." + std::to_string(k) + ".";
        const auto code = link::parseKeyCode(slot.keyText);
        view.add(base + "key", slot.keyText.empty() ? -1 : static_cast<std::int64_t>(*code));
        view.texts[base + "key"] = slot.keyText;
        for (std::size_t j = 0; j < columns.size(); ++j)
            view.add(base + columns[j], (slot.authority >> j) & 1u);
    }
}

inline void expectEveryBitOnce(const image::FieldTable& table) {
    std::vector<std::array<int, 8>> uses(static_cast<std::size_t>(table.cellCount));
    auto mark = [&](const image::BitRange& range, const std::string& owner) {
        ASSERT_TRUE(range.cell >= 0 && range.cell < table.cellCount) << owner;
        ASSERT_TRUE(range.firstBit >= 0 && range.firstBit + range.bitCount <= 8) << owner;
        for (int bit = range.firstBit; bit < range.firstBit + range.bitCount; ++bit)
            ++uses[static_cast<std::size_t>(range.cell)][static_cast<std::size_t>(bit)];
    };
    std::set<std::string> keys;
    for (const image::Field& field : table.fields) {
        EXPECT_TRUE(keys.insert(field.key).second) << "key twice: " << field.key;
        for (const image::BitRange& range : field.bits)
            mark(range, field.key);
    }
    for (const image::BitRange& range : table.ignored)
        mark(range, "ignored");
    for (int cell = 0; cell < table.cellCount; ++cell)
        for (int bit = 0; bit < 8; ++bit)
            EXPECT_EQ(uses[static_cast<std::size_t>(cell)][static_cast<std::size_t>(bit)], 1)
                << "cell " << cell << " bit " << bit;
}

// The factory image, then seeded random ones: many 255s (which end the identifier
// list), some cells outside 0..255 (files are read unchecked), some images short.
inline std::vector<std::vector<int>> sampleImages(const std::vector<int>& factory, int count) {
    std::vector<std::vector<int>> images{factory};
    std::mt19937 random(20261209);
    auto roll = [&](int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(random); };
    for (int i = 0; i < count; ++i) {
        std::vector<int> cells(factory.size());
        for (int& cell : cells) {
            const int kind = roll(32);
            cell = kind < 4 ? 255 : kind == 4 ? roll(2000) - 1000 : roll(256);
        }
        if (roll(16) == 0)
            cells.resize(static_cast<std::size_t>(roll(static_cast<int>(cells.size()))));
        images.push_back(std::move(cells));
    }
    return images;
}

// Decoding through the table gives the codec's numbers and texts, over the factory
// image and 300 random ones; stops at the first image that differs.
inline void expectTableMatchesCodec(const image::FieldTable& table, const std::vector<int>& factory,
                                    const CodecDecode& decode) {
    for (const std::vector<int>& cells : sampleImages(factory, 300)) {
        SCOPED_TRACE(::testing::Message() << "image " << ::testing::PrintToString(cells));
        const CodecView codec = decode(cells);
        EXPECT_EQ(codec.numbers.size(), table.fields.size());
        for (const image::Field& field : table.fields) {
            const image::FieldValue value = image::decodeField(field, cells);
            const auto number = codec.numbers.find(field.key);
            ASSERT_NE(number, codec.numbers.end()) << field.key;
            EXPECT_EQ(value.number, number->second) << field.key;
            if (const auto text = codec.texts.find(field.key); text != codec.texts.end()) {
                EXPECT_EQ(value.text, text->second) << field.key;
            }
        }
        if (::testing::Test::HasFailure())
            return;
    }
}

// Where the window shows a field, and the text it shows for it in `image`.
struct ShownField {
    const char* key;
    const char* group;
    const char* label;
    const char* column;
    const char* text;
};

inline void expectShown(const image::FieldTable& table, const std::vector<int>& image,
                        std::initializer_list<ShownField> rows) {
    for (const ShownField& row : rows) {
        const image::Field* field = image::findField(table, row.key);
        ASSERT_NE(field, nullptr) << row.key;
        EXPECT_EQ(field->group, row.group) << row.key;
        EXPECT_EQ(field->label, row.label) << row.key;
        EXPECT_EQ(field->column, row.column) << row.key;
        EXPECT_EQ(image::decodeField(*field, image).text, row.text) << row.key;
    }
}

} // namespace pemrix::testing
