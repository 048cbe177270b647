#include "firesecure/firesecure_fields.h"

#include "firesecure/firesecure_image.h"
#include "tests/support/field_table_check.h"

namespace fire = pemrix::firesecure;
using pemrix::testing::CodecView;

namespace {

CodecView codecView(std::span<const int> image) {
    const fire::FireSecureConfig config = fire::decodeFireSecureConfig(image);
    CodecView view;
    view.addBits("loops.", config.integrationTime, 4, ".integration");
    view.addBits("loops.", config.autoArming, 4, ".auto_arming");
    view.addBits("loops.", config.silentAlarm, 4, ".silent_alarm");
    view.addBits("loops.", config.roundTheClock, 4, ".round_the_clock");
    view.addBits("loops.", config.doubleTriggering, 4, ".double_triggering");
    // The upper radio, item 0, is the fire loop.
    view.addBits("loops.", ~config.fireLoops & 0x0Fu, 4, ".type");
    view.addBits("relays.1.binding.", config.relay1Binding, 4);
    view.addBits("relays.2.binding.", config.relay2Binding, 4);
    view.addBits("relays.3.binding.", config.relay3Binding, 4);
    view.add("relays.1.mode", config.relay1Mode);
    view.add("relays.2.mode", config.relay2Mode);
    view.add("relays.3.mode", config.relay3Mode);
    std::vector<std::string> columns;
    for (const char* span : {"arming.", "disarming."})
        for (int loop = 1; loop <= 4; ++loop)
            columns.push_back(span + std::to_string(loop));
    pemrix::testing::addExpanderValues(view, config.delay, config.expanderNumber, config.mode,
                                       config.identifiers, columns);
    return view;
}

} // namespace

TEST(FireSecureFields, EveryBitOnceAndAsTheCodecReadsIt) {
    pemrix::testing::expectEveryBitOnce(fire::fireSecureFields());
    pemrix::testing::expectTableMatchesCodec(fire::fireSecureFields(),
                                             fire::fireSecureFactoryImage(), codecView);
}

// Where the window shows a field, and its value as shown: the factory image, whose
// relay 3 mode is code 6, then one with relay 3 in the unnamed code 7.
TEST(FireSecureFields, PlacesAndShownValues) {
    std::vector<int> image = fire::fireSecureFactoryImage();
    pemrix::testing::expectShown(
        fire::fireSecureFields(), image,
        {
            {"loops.3.integration", "Настройки ШС:", "Время интегрирования", "ШС3", "да"},
            {"loops.3.type", "Настройки ШС:", "Тип ШС:", "ШС3", "пожарный"},
            {"loops.2.type", "Настройки ШС:", "Тип ШС:", "ШС2", "охранный"},
            {"relays.3.binding.4", "Настройки ШС:", "Привязка реле 3", "ШС4", "да"},
            {"loops.2.double_triggering", "Настройки ШС:", "Двойная сработка", "ШС2", "нет"},
            {"identifiers.3.disarming.4", "Полномочия идентификаторов:", "Id3", "Снятие ШС4",
             "нет"},
            {"relays.3.mode", "", "Режим работы реле №3:", "", "Неисправность"},
            {"relays.2.mode", "", "Режим работы реле №2:", "", "Пожарная тревога"},
            {"mode.loop1_tactic", "", "Тактика работы ШС1:", "", "Закр. дверь"},
        });
    image[3] |= 0xE0;
    pemrix::testing::expectShown(fire::fireSecureFields(), image,
                                 {{"relays.3.mode", "", "Режим работы реле №3:", "", ""}});
    EXPECT_EQ(fire::fireSecureFields().fields.size(), 118u);
}
