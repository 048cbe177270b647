#include "relay/relay_fields.h"

#include "relay/relay_image.h"

namespace pemrix::relay {

namespace {

using image::Field;
using image::FieldKind;
using language::translate;

constexpr const char* RelayKeyPrefix = "relays.";

std::string trimmedRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void addRelayTab(std::vector<Field>& fields, int relay) {
    const std::string tab = relayTabTitle(relay);
    const std::string key = RelayKeyPrefix + std::to_string(relay) + ".";
    const int bit = relay - 1;
    for (int source = 1; source <= SourceCount; ++source) {
        fields.push_back(image::makeField(
            key + "sources." + std::to_string(source), FieldKind::Flag, {{source - 1, bit, 1}}, tab,
            trimmedRight(sourceGroupTitle(relay)), std::to_string(source)));
    }
    for (const TypeRow& row : TypeRows) {
        fields.push_back(image::makeField(key + "types." + std::to_string(row.type),
                                          FieldKind::Flag, {{Cell::TypeBase + row.type, bit, 1}},
                                          tab, trimmedRight(translate("pemrix", TypeGroupTitle)),
                                          trimmedRight(translate("pemrix", row.label))));
    }
    // The codec takes the mode cells in this order, a later bit overriding an earlier.
    Field mode = image::makeField(key + "mode", FieldKind::LastSetBit, {}, tab,
                                  translate("pemrix", ModeGroupTitle));
    for (int cell : ModeCells)
        mode.bits.push_back({cell, bit, 1});
    mode.items = image::tableTexts(RelayModeItems);
    fields.push_back(std::move(mode));
}

image::FieldTable makeTable() {
    image::FieldTable table;
    table.cellCount = RelayImageSize;
    for (int relay = 1; relay <= RelayCount; ++relay)
        addRelayTab(table.fields, relay);

    // The module's cells are numbers, taken whole: a file's 258 names no device.
    Field device =
        image::makeField("controlling_device", FieldKind::Choice, {{Cell::ControllingDevice, 0, 8}},
                         {}, translate("pemrix", ControllingDeviceTitle));
    device.wholeCell = true;
    device.items = image::tableTexts(ControllingDeviceItems);
    table.fields.push_back(std::move(device));

    // Anything but the 4800 code is 1200 bit/s.
    Field speed = image::makeField("speed", FieldKind::Choice, {{Cell::Speed, 0, 8}}, {},
                                   translate("pemrix", SpeedTitle));
    speed.wholeCell = true;
    speed.items = image::tableTexts(SpeedItems);
    speed.codes = {Speed1200Code, Speed4800Code};
    speed.otherwise = 0;
    table.fields.push_back(std::move(speed));

    Field version = image::makeField("version", FieldKind::Number, {{Cell::Version, 0, 8}}, {},
                                     translate("pemrix", VersionCaption));
    version.wholeCell = true;
    version.prefix = "v";
    table.fields.push_back(std::move(version));
    return table;
}

} // namespace

const image::FieldTable& relayFields() {
    static const image::FieldTable table = makeTable();
    return table;
}

bool shownOnVariant(const image::Field& field, int relayCount) {
    if (!field.key.starts_with(RelayKeyPrefix))
        return true;
    const int relay = std::stoi(field.key.substr(std::string_view(RelayKeyPrefix).size()));
    return relay <= relayCount;
}

bool shownOnModel(const image::Field& field, link::ModuleKind model) {
    return shownOnVariant(field, model == link::ModuleKind::Rele4 ? 4 : 8);
}

} // namespace pemrix::relay
