#include "secure/secure_fields.h"

#include "secure/secure_image.h"
#include "tests/support/field_table_check.h"

namespace sec = pemrix::secure;
using pemrix::testing::CodecView;

namespace {

CodecView codecView(std::span<const int> image) {
    const sec::SecureConfig config = sec::decodeSecureConfig(image);
    CodecView view;
    view.addBits("loops.", config.integrationTime, 8, ".integration");
    view.addBits("loops.", config.autoArming, 8, ".auto_arming");
    view.addBits("loops.", config.silentAlarm, 8, ".silent_alarm");
    view.addBits("loops.", config.roundTheClock, 8, ".round_the_clock");
    for (int box = 0; box < 8; ++box) {
        const int first = box % 4 * 2 + 1;
        view.add("relays." + std::to_string(box / 4 + 1) + ".binding." + std::to_string(first) +
                     "-" + std::to_string(first + 1),
                 (config.relayBinding >> box) & 1);
    }
    view.add("relays.1.mode", config.relay1Mode);
    view.add("relays.2.mode", config.relay2Mode);
    std::vector<std::string> columns;
    for (int loop = 1; loop <= 8; ++loop)
        columns.push_back("loops." + std::to_string(loop));
    pemrix::testing::addExpanderValues(view, config.delay, config.expanderNumber, config.mode,
                                       config.identifiers, columns);
    return view;
}

} // namespace

TEST(SecureFields, EveryBitOnceAndAsTheCodecReadsIt) {
    pemrix::testing::expectEveryBitOnce(sec::secureFields());
    pemrix::testing::expectTableMatchesCodec(sec::secureFields(), sec::secureFactoryImage(),
                                             codecView);
}

// Where the window shows a field, and its value in the factory image as shown.
TEST(SecureFields, PlacesAndShownValues) {
    pemrix::testing::expectShown(
        sec::secureFields(), sec::secureFactoryImage(),
        {
            {"loops.3.integration", "Настройки ШС:", "Время интегрирования", "ШС3", "нет"},
            {"loops.7.silent_alarm", "Настройки ШС:", "Тихая тревога", "ШС7", "да"},
            {"relays.2.binding.7-8", "Настройки ШС:", "Привязка реле 2", "ШС7–ШС8", "да"},
            {"identifiers.2.loops.5", "Полномочия идентификаторов:", "Id2", "ШС5", "нет"},
            {"identifiers.8.key", "Полномочия идентификаторов:", "Id8", "Номер", ""},
            {"relays.1.mode", "", "Режим работы реле №1:", "", "ПЦН тревога"},
            {"mode.identifier_output", "", "Тип выхода ТМ:", "", "Идентификатор"},
            {"mode.power_output", "", "Силовой выход:", "", "Звуковой"},
            {"delay", "", "Время задержки:", "", "45"},
            {"number", "", "Номер расширителя:", "", "1"},
        });
    EXPECT_EQ(sec::secureFields().fields.size(), 121u);
}
