#pragma once
// A module's configuration described field by field: where each field lies in the
// image, where its window shows it (group, row label, grid column) and the names of
// its values as the window shows them. One table per module, next to its codec; the
// command line, comparisons and reports read images through it.

#include "language/translate.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::image {

// Bits firstBit .. firstBit + bitCount - 1 of a cell (bit 0 has the value 1).
struct BitRange {
    int cell = 0;
    int firstBit = 0;
    int bitCount = 8;

    friend bool operator==(const BitRange&, const BitRange&) = default;
};

enum class FieldKind {
    Flag,       // one bit: a check box or a radio button of a grid
    Number,     // an unsigned number, shown in decimal (after `prefix`)
    Choice,     // a combo box or radio group: the item whose code the bits hold
    LastSetBit, // a combo box kept as one bit per item: the last item whose bit is set
    KeyCode,    // a touch-memory key code: 48 bits, shown as 12 hexadecimal digits
};

// Choice / LastSetBit: the combo box or radio group shows no item.
inline constexpr int NoItem = -1;

// The texts of a flag's two states (the catalog's sources: a value keeps them, shownText
// translates them).
inline constexpr const char* YesText = QT_TRANSLATE_NOOP("pemrix", "да");
inline constexpr const char* NoText = QT_TRANSLATE_NOOP("pemrix", "нет");

struct Field {
    std::string key;    // stable ASCII name for scripts, e.g. "loops.3.integration"
    std::string group;  // the window's tab or group box; empty for a control on its own
    std::string label;  // the row label, or the control's own title
    std::string column; // the grid column heading; empty outside a grid
    FieldKind kind = FieldKind::Flag;
    std::vector<BitRange> bits; // most significant first; LastSetBit: one bit per item
    // The cell is taken as the number it holds, not its low byte (a file's 258 stays
    // 258). Such a field has one BitRange of all eight bits.
    bool wholeCell = false;
    std::vector<std::string> items; // Choice / LastSetBit: item texts in the window's order
    std::vector<int> codes;         // Choice: the code of each item; empty: item i has code i
    int otherwise = NoItem;         // Choice: the item shown for a code no item has
    std::string prefix;             // Number: shown before the digits
    // Identifier records: the field is empty (0, no key) when any of these cells holds
    // 255, because the list of records ended before its own record.
    std::vector<int> recordStarts;
};

struct FieldTable {
    int cellCount = 0;             // cells of a whole image
    std::vector<Field> fields;     // in the window's order
    std::vector<BitRange> ignored; // bits the codec never reads
};

struct FieldValue {
    // Flag 0 / 1; Number the number; Choice / LastSetBit the item or NoItem; KeyCode
    // the code, -1 for an empty slot.
    std::int64_t number = 0;
    // As the window shows it: YesText / NoText, the digits, the item's text (empty
    // for no item), the key code's 12 digits (empty for an empty slot).
    std::string text;

    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// A field of `kind` in `bits`, shown in `group` / `label` / `column`; its other
// members are set where the kind needs them.
Field makeField(std::string key, FieldKind kind, std::vector<BitRange> bits, std::string group,
                std::string label, std::string column = {});

// The value of one field in an image. Cells past the end of a short image read as 255.
FieldValue decodeField(const Field& field, std::span<const int> image);

// The value of every field of the table, in its order.
std::vector<FieldValue> decodeFields(const FieldTable& table, std::span<const int> image);

// The indices of the fields whose values differ between two images, in table order:
// what the window would show differently (cells that differ only in bits the window
// does not show, such as a second 1200 bit/s code, give no difference).
std::vector<std::size_t> differingFields(const FieldTable& table, std::span<const int> a,
                                         std::span<const int> b);

// The words for a value the window shows as nothing, where a reader needs words.
inline constexpr const char* NoItemText = QT_TRANSLATE_NOOP("pemrix", "(не выбрано)");
inline constexpr const char* EmptySlotText = QT_TRANSLATE_NOOP("pemrix", "(пусто)");

// A text of a table (a group, a label, an item) in the user's language. A table keeps
// the catalog's sources, or texts already in the user's language where it is made of
// pieces (a loop's heading); a text the catalog lacks stays as it is.
std::string tableText(const std::string& text);

// The catalog's sources of a list's items in the user's language, for a table built in
// it.
std::vector<std::string> tableTexts(std::span<const char* const> sources);

// The value's text, or for an empty combo box or key slot those words, in the user's
// language.
std::string shownText(const Field& field, const FieldValue& value);

// "label / column" as a line of text shows the field: the window's label and heading
// without their trailing colon and blanks, in the user's language.
std::string fieldName(const Field& field);

// The field with this key, or nullptr.
const Field* findField(const FieldTable& table, std::string_view key);

} // namespace pemrix::image
