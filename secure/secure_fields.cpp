#include "secure/secure_fields.h"

#include "image/expander_fields.h"
#include "image/expander_texts.h"
#include "secure/secure_image.h"

namespace pemrix::secure {

namespace {

using image::Field;
using image::FieldKind;
using language::translate;
namespace texts = image::texts;

constexpr int LoopCount = 8;
constexpr int RelayBindingCell = 6;
constexpr int RelayModeCell = 7;

// Box pr<m>: relay 1 for m = 1..4, relay 2 for 5..8, each over a pair of loops.
void addRelayBindings(std::vector<Field>& fields) {
    const std::string labels[] = {translate("pemrix", texts::RelayBinding1),
                                  translate("pemrix", texts::RelayBinding2)};
    for (int relay = 1; relay <= 2; ++relay) {
        for (int pair = 0; pair < 4; ++pair) {
            const int first = pair * 2 + 1;
            fields.push_back(image::makeField(
                "relays." + std::to_string(relay) + ".binding." + std::to_string(first) + "-" +
                    std::to_string(first + 1),
                FieldKind::Flag, {{RelayBindingCell, (relay - 1) * 4 + pair, 1}},
                translate("pemrix", texts::LoopGroup), labels[relay - 1],
                texts::loopHeading(first) + LoopPairDash + texts::loopHeading(first + 1)));
        }
    }
}

Field relayMode(int relay) {
    Field field = image::makeField("relays." + std::to_string(relay) + ".mode", FieldKind::Choice,
                                   {{RelayModeCell, 4 + (relay - 1) * 2, 2}}, {},
                                   texts::relayModeTitle(relay));
    field.items = image::tableTexts(RelayModeItems);
    return field;
}

image::FieldTable makeTable() {
    image::FieldTable table;
    table.cellCount = static_cast<int>(secureFactoryImage().size());
    std::vector<Field>& fields = table.fields;
    image::addLoopRow(fields, "integration", translate("pemrix", texts::IntegrationTime), 1, 0,
                      LoopCount);
    image::addLoopRow(fields, "auto_arming", translate("pemrix", texts::AutoArming), 4, 0,
                      LoopCount);
    image::addLoopRow(fields, "silent_alarm", translate("pemrix", texts::SilentAlarm), 2, 0,
                      LoopCount);
    image::addLoopRow(fields, "round_the_clock", translate("pemrix", texts::RoundTheClock), 5, 0,
                      LoopCount);
    addRelayBindings(fields);
    fields.push_back(relayMode(1));
    fields.push_back(relayMode(2));

    std::vector<image::AuthorityColumn> columns;
    for (int loop = 1; loop <= LoopCount; ++loop) {
        columns.push_back({texts::loopHeading(loop), "loops." + std::to_string(loop)});
    }
    image::addIdentifierRows(fields, columns);

    fields.push_back(image::identifierOutputField());
    fields.push_back(image::loop1TacticField());
    fields.push_back(image::delayField());
    fields.push_back(image::expanderNumberField());
    fields.push_back(image::keyboardLockedField());
    fields.push_back(image::autonomousField());
    fields.push_back(image::powerOutputField());
    table.ignored = {{3, 5, 3}};
    return table;
}

} // namespace

const image::FieldTable& secureFields() {
    static const image::FieldTable table = makeTable();
    return table;
}

} // namespace pemrix::secure
