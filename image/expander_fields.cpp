#include "image/expander_fields.h"

#include "image/expander_texts.h"
#include "image/identifier_records.h"

namespace pemrix::image {

namespace {

constexpr int DelayCell = 0;
constexpr int ModeCell = 3;
constexpr int NumberCell = 7;

Field modeFlag(const char* key, const char* label, int bit) {
    return makeField(key, FieldKind::Flag, {{ModeCell, bit, 1}}, {}, label);
}

// A radio group on one mode bit: `codes` gives the bit of each item.
template <std::size_t N>
Field modeRadio(const char* key, const char* title, const std::array<const char*, N>& items,
                std::vector<int> codes, int bit) {
    Field field = makeField(key, FieldKind::Choice, {{ModeCell, bit, 1}}, {}, title);
    field.items.assign(items.begin(), items.end());
    field.codes = std::move(codes);
    return field;
}

} // namespace

void addLoopRow(std::vector<Field>& fields, const std::string& name, const std::string& label,
                int cell, int firstBit, int loops) {
    for (int loop = 1; loop <= loops; ++loop) {
        fields.push_back(makeField("loops." + std::to_string(loop) + "." + name, FieldKind::Flag,
                                   {{cell, firstBit + loop - 1, 1}}, texts::LoopGroup, label,
                                   texts::loopHeading(loop)));
    }
}

Field delayField() {
    return makeField("delay", FieldKind::Number, {{DelayCell, 0, 8}}, {}, texts::Delay);
}

Field expanderNumberField() {
    return makeField("number", FieldKind::Number, {{NumberCell, 0, 4}}, {}, texts::ExpanderNumber);
}

Field keyboardLockedField() {
    return modeFlag("mode.keyboard_locked", texts::KeyboardLocked, 0);
}

Field autonomousField() {
    return modeFlag("mode.autonomous", texts::Autonomous, 3);
}

// Bit 1 set: keys in use, item 0.
Field identifierOutputField() {
    return modeRadio("mode.identifier_output", texts::IdentifierOutput,
                     texts::IdentifierOutputItems, {1, 0}, 1);
}

Field loop1TacticField() {
    return modeRadio("mode.loop1_tactic", texts::Loop1Tactic, texts::Loop1TacticItems, {0, 1}, 4);
}

Field powerOutputField() {
    return modeRadio("mode.power_output", texts::PowerOutput, texts::PowerOutputItems, {0, 1}, 2);
}

void addIdentifierRows(std::vector<Field>& fields, const std::vector<AuthorityColumn>& columns) {
    std::vector<int> recordStarts;
    for (int slot = 1; slot <= IdentifierSlotCount; ++slot) {
        const int start = IdentifierRecordsOffset + (slot - 1) * IdentifierRecordSize;
        recordStarts.push_back(start);
        const std::string row = texts::identifierRow(slot);
        const std::string keyBase = "identifiers." + std::to_string(slot) + ".";
        Field key = makeField(keyBase + "key", FieldKind::KeyCode, {}, texts::IdentifierGroup, row,
                              texts::KeyColumn);
        for (int i = 0; i < KeyCodeBytes; ++i) {
            key.bits.push_back({start + i, 0, 8});
        }
        key.recordStarts = recordStarts;
        fields.push_back(std::move(key));
        for (std::size_t column = 0; column < columns.size(); ++column) {
            Field box = makeField(keyBase + columns[column].key, FieldKind::Flag,
                                  {{start + KeyCodeBytes, static_cast<int>(column), 1}},
                                  texts::IdentifierGroup, row, columns[column].heading);
            box.recordStarts = recordStarts;
            fields.push_back(std::move(box));
        }
    }
}

} // namespace pemrix::image
