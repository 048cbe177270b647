#include "image/field_table.h"

#include "image/identifier_records.h"
#include "image/image_cells.h"
#include "link/key_code.h"

#include <algorithm>

namespace pemrix::image {

namespace {

// A cell as the codec takes it: its low byte, or the whole number it holds.
std::int64_t cellValue(const Field& field, std::span<const int> image, int cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (field.wholeCell) {
        return at < image.size() ? image[at] : UnusedByte;
    }
    return byteAt(image, at);
}

std::int64_t bitsValue(const Field& field, std::span<const int> image) {
    std::int64_t value = 0;
    for (const BitRange& range : field.bits) {
        const std::int64_t cell = cellValue(field, image, range.cell);
        if (field.wholeCell) {
            return cell;
        }
        value =
            (value << range.bitCount) | ((cell >> range.firstBit) & ((1 << range.bitCount) - 1));
    }
    return value;
}

bool recordListEndedBefore(const Field& field, std::span<const int> image) {
    return std::any_of(field.recordStarts.begin(), field.recordStarts.end(), [&](int cell) {
        return byteAt(image, static_cast<std::size_t>(cell)) == EndOfRecords;
    });
}

int choiceItem(const Field& field, std::int64_t code) {
    for (std::size_t item = 0; item < field.items.size(); ++item) {
        const std::int64_t itemCode =
            field.codes.empty() ? static_cast<std::int64_t>(item) : field.codes[item];
        if (itemCode == code) {
            return static_cast<int>(item);
        }
    }
    return field.otherwise;
}

int lastSetItem(const Field& field, std::span<const int> image) {
    int item = NoItem;
    for (std::size_t i = 0; i < field.bits.size(); ++i) {
        const BitRange& bit = field.bits[i];
        if (bitAt(byteAt(image, static_cast<std::size_t>(bit.cell)), bit.firstBit)) {
            item = static_cast<int>(i);
        }
    }
    return item;
}

FieldValue itemValue(const Field& field, int item) {
    return {item, item == NoItem ? std::string() : field.items[static_cast<std::size_t>(item)]};
}

} // namespace

std::string tableText(const std::string& text) {
    return text.empty() ? text : language::translate("pemrix", text.c_str());
}

std::vector<std::string> tableTexts(std::span<const char* const> sources) {
    std::vector<std::string> texts;
    texts.reserve(sources.size());
    for (const char* source : sources)
        texts.push_back(language::translate("pemrix", source));
    return texts;
}

Field makeField(std::string key, FieldKind kind, std::vector<BitRange> bits, std::string group,
                std::string label, std::string column) {
    Field field;
    field.key = std::move(key);
    field.group = std::move(group);
    field.label = std::move(label);
    field.column = std::move(column);
    field.kind = kind;
    field.bits = std::move(bits);
    return field;
}

FieldValue decodeField(const Field& field, std::span<const int> image) {
    const bool ended = recordListEndedBefore(field, image);
    switch (field.kind) {
    case FieldKind::Flag: {
        const bool set = !ended && bitsValue(field, image) != 0;
        return {set ? 1 : 0, set ? YesText : NoText};
    }
    case FieldKind::Number: {
        const std::int64_t number = ended ? 0 : bitsValue(field, image);
        return {number, field.prefix + std::to_string(number)};
    }
    case FieldKind::Choice:
        return itemValue(field, choiceItem(field, bitsValue(field, image)));
    case FieldKind::LastSetBit:
        return itemValue(field, lastSetItem(field, image));
    case FieldKind::KeyCode:
        if (ended) {
            return {-1, {}};
        }
        const std::int64_t code = bitsValue(field, image);
        return {code, link::formatKeyCode(static_cast<std::uint64_t>(code))};
    }
    return {};
}

std::vector<FieldValue> decodeFields(const FieldTable& table, std::span<const int> image) {
    std::vector<FieldValue> values;
    values.reserve(table.fields.size());
    for (const Field& field : table.fields) {
        values.push_back(decodeField(field, image));
    }
    return values;
}

std::vector<std::size_t> differingFields(const FieldTable& table, std::span<const int> a,
                                         std::span<const int> b) {
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (decodeField(table.fields[i], a) != decodeField(table.fields[i], b)) {
            differing.push_back(i);
        }
    }
    return differing;
}

std::string shownText(const Field& field, const FieldValue& value) {
    if (value.text.empty())
        return tableText(field.kind == FieldKind::KeyCode ? EmptySlotText : NoItemText);
    // Digits and key codes are no words.
    const bool words = field.kind == FieldKind::Flag || field.kind == FieldKind::Choice ||
                       field.kind == FieldKind::LastSetBit;
    return words ? tableText(value.text) : value.text;
}

namespace {
std::string bare(std::string text) {
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}
} // namespace

std::string fieldName(const Field& field) {
    std::string name = bare(tableText(field.label));
    if (!field.column.empty())
        name += " / " + bare(tableText(field.column));
    return name;
}

const Field* findField(const FieldTable& table, std::string_view key) {
    const auto found = std::find_if(table.fields.begin(), table.fields.end(),
                                    [&](const Field& field) { return field.key == key; });
    return found == table.fields.end() ? nullptr : &*found;
}

} // namespace pemrix::image
