#include "relay/relay_fields.h"

#include "relay/relay_image.h"
#include "tests/support/field_table_check.h"

namespace rel = pemrix::relay;
using pemrix::testing::CodecView;

namespace {

CodecView codecView(std::span<const int> image) {
    const rel::RelayConfig config = rel::decodeRelayConfig(image);
    CodecView view;
    for (int relay = 1; relay <= rel::RelayCount; ++relay) {
        const std::string key = "relays." + std::to_string(relay) + ".";
        for (int source = 1; source <= rel::SourceCount; ++source)
            view.add(key + "sources." + std::to_string(source),
                     (config.sourceRelays[static_cast<std::size_t>(source - 1)] >> (relay - 1)) &
                         1);
        for (int type : rel::NotificationTypes)
            view.add(key + "types." + std::to_string(type),
                     (config.typeMask(type) >> (relay - 1)) & 1);
        view.add(key + "mode", config.relayModes[static_cast<std::size_t>(relay - 1)].value_or(
                                   pemrix::image::NoItem));
    }
    view.add("controlling_device", config.controllingDevice.value_or(pemrix::image::NoItem));
    view.add("speed", config.speed == rel::LinkSpeed::Speed4800 ? 1 : 0);
    view.add("version", config.version);
    view.texts["version"] = rel::relayVersionText(config.version);
    return view;
}

} // namespace

TEST(RelayFields, EveryBitOnceAndAsTheCodecReadsIt) {
    pemrix::testing::expectEveryBitOnce(rel::relayFields());
    pemrix::testing::expectTableMatchesCodec(rel::relayFields(), rel::relayFactoryImage(),
                                             codecView);
}

// Where the window shows a field, and its value as shown: the factory image, then one
// whose whole-number cells hold what no item names.
TEST(RelayFields, PlacesAndShownValues) {
    std::vector<int> image = rel::relayFactoryImage();
    pemrix::testing::expectShown(
        rel::relayFields(), image,
        {
            {"relays.3.sources.3", "Реле № 3", "Привязка к ИИ №:", "3", "да"},
            {"relays.3.sources.17", "Реле № 3", "Привязка к ИИ №:", "17", "нет"},
            {"relays.2.sources.2", "Реле № 2", "Привязка к ИИ  №:", "2", "да"},
            {"relays.8.types.6", "Реле № 8", "Тип извещения :", "внимание", "нет"},
            {"relays.5.types.12", "Реле № 5", "Тип извещения :", "Блок. радиоэфира", "да"},
            {"relays.4.mode", "Реле № 4", "Режим работы реле:", "", "ПЦН тревога"},
            {"controlling_device", "", "Управляющее устройство:", "", "Orvel-ТЕВ РПУ"},
            {"speed", "", "Скорость:", "", "1200 бит/с"},
            {"version", "", "Версия ПО:", "", "v0"},
        });
    image[rel::Cell::ControllingDevice] = 258;
    image[rel::Cell::Speed] = 72 + 256;
    image[rel::Cell::Version] = 300;
    image[rel::ModeCells[0]] = 0;
    pemrix::testing::expectShown(rel::relayFields(), image,
                                 {{"controlling_device", "", "Управляющее устройство:", "", ""},
                                  {"speed", "", "Скорость:", "", "1200 бит/с"},
                                  {"version", "", "Версия ПО:", "", "v300"},
                                  {"relays.1.mode", "Реле № 1", "Режим работы реле:", "", ""}});
    EXPECT_EQ(rel::relayFields().fields.size(), 475u);
}

// The four-relay variant shows tabs 1..4 and the module's settings.
TEST(RelayFields, FourRelayVariantShowsItsTabs) {
    int shown = 0;
    for (const pemrix::image::Field& field : rel::relayFields().fields)
        shown += rel::shownOnVariant(field, 4);
    EXPECT_EQ(shown, 4 * 59 + 3);
    EXPECT_FALSE(
        rel::shownOnVariant(*pemrix::image::findField(rel::relayFields(), "relays.5.mode"), 4));
}

// A difference is what the window would show differently: a second code for 1200
// bit/s is none.
TEST(RelayFields, DifferingFieldsAreWhatTheWindowShowsDifferently) {
    std::vector<int> changed = rel::relayFactoryImage();
    changed[16] |= 1 << 2;          // relay 3 on source 17
    changed[rel::Cell::Speed] = 5;  // still 1200 bit/s
    changed[rel::ModeCells[4]] = 1; // relay 1 "Звуковой"
    std::vector<std::string> keys;
    for (std::size_t i :
         pemrix::image::differingFields(rel::relayFields(), rel::relayFactoryImage(), changed))
        keys.push_back(rel::relayFields().fields[i].key);
    EXPECT_EQ(keys, (std::vector<std::string>{"relays.1.mode", "relays.3.sources.17"}));
}
