#include "firesecure/firesecure_fields.h"

#include "firesecure/firesecure_image.h"
#include "image/expander_fields.h"
#include "image/expander_texts.h"

namespace pemrix::firesecure {

namespace {

using image::Field;
using image::FieldKind;
using language::translate;
namespace texts = image::texts;

// Box pr<m> / ss<m> of relay r over loop n: bit n-1 of `cell` from `firstBit`.
void addRelayBinding(std::vector<Field>& fields, int relay, const std::string& label, int cell,
                     int firstBit) {
    for (int loop = 1; loop <= LoopCount; ++loop) {
        fields.push_back(image::makeField(
            "relays." + std::to_string(relay) + ".binding." + std::to_string(loop), FieldKind::Flag,
            {{cell, firstBit + loop - 1, 1}}, translate("pemrix", texts::LoopGroup), label,
            texts::loopHeading(loop)));
    }
}

// Upper radio ds<n+4> ("пожарный") when bit n+3 of byte 4 is set.
void addLoopTypes(std::vector<Field>& fields) {
    for (int loop = 1; loop <= LoopCount; ++loop) {
        Field type = image::makeField("loops." + std::to_string(loop) + ".type", FieldKind::Choice,
                                      {{4, 4 + loop - 1, 1}}, translate("pemrix", texts::LoopGroup),
                                      translate("pemrix", LoopType), texts::loopHeading(loop));
        type.items = {translate("pemrix", FireWord), translate("pemrix", GuardWord)};
        type.codes = {1, 0};
        fields.push_back(std::move(type));
    }
}

// Code 7 names no item: the combo box shows none.
Field relayMode(int relay, image::BitRange bits) {
    Field field = image::makeField("relays." + std::to_string(relay) + ".mode", FieldKind::Choice,
                                   {bits}, {}, texts::relayModeTitle(relay));
    field.items = image::tableTexts(RelayModeItems);
    return field;
}

std::vector<image::AuthorityColumn> authorityColumns() {
    std::vector<image::AuthorityColumn> columns;
    for (const auto& [span, key] :
         {std::pair{ArmingSpan, "arming."}, {DisarmingSpan, "disarming."}})
        for (int loop = 1; loop <= LoopCount; ++loop)
            columns.push_back({translate("pemrix", span) + " " + texts::loopHeading(loop),
                               key + std::to_string(loop)});
    return columns;
}

image::FieldTable makeTable() {
    image::FieldTable table;
    table.cellCount = static_cast<int>(fireSecureFactoryImage().size());
    std::vector<Field>& fields = table.fields;
    image::addLoopRow(fields, "integration", translate("pemrix", texts::IntegrationTime), 1, 0,
                      LoopCount);
    image::addLoopRow(fields, "auto_arming", translate("pemrix", texts::AutoArming), 2, 0,
                      LoopCount);
    image::addLoopRow(fields, "silent_alarm", translate("pemrix", texts::SilentAlarm), 1, 4,
                      LoopCount);
    image::addLoopRow(fields, "round_the_clock", translate("pemrix", texts::RoundTheClock), 2, 4,
                      LoopCount);
    addRelayBinding(fields, 1, translate("pemrix", texts::RelayBinding1), 5, 0);
    addRelayBinding(fields, 2, translate("pemrix", texts::RelayBinding2), 5, 4);
    addRelayBinding(fields, 3, translate("pemrix", RelayBinding3), 7, 4);
    image::addLoopRow(fields, "double_triggering", translate("pemrix", DoubleTriggering), 4, 0,
                      LoopCount);
    addLoopTypes(fields);

    fields.push_back(image::expanderNumberField());
    fields.push_back(image::delayField());
    fields.push_back(image::powerOutputField());
    fields.push_back(image::loop1TacticField());
    fields.push_back(image::identifierOutputField());
    fields.push_back(image::keyboardLockedField());
    fields.push_back(image::autonomousField());

    image::addIdentifierRows(fields, authorityColumns());

    fields.push_back(relayMode(1, {6, 0, 3}));
    fields.push_back(relayMode(2, {6, 3, 3}));
    fields.push_back(relayMode(3, {3, 5, 3}));
    table.ignored = {{6, 6, 2}};
    return table;
}

} // namespace

const image::FieldTable& fireSecureFields() {
    static const image::FieldTable table = makeTable();
    return table;
}

} // namespace pemrix::firesecure
