#pragma once
// The relay module's (Orvel-426/427) image field by field, as TReleForm shows it
// (image/field_table.h). One table for both variants: all eight relays, as the image
// carries them; a four-relay Orvel-426 shows only tabs 1..4 (shownOnVariant).
// The texts below are the catalog's sources: each is translated where it is shown.

#include "image/field_table.h"
#include "language/translate.h"
#include "link/module_profile.h"

#include <array>
#include <string>

namespace pemrix::relay {

// The items of Rele<k>Combo, in code order.
inline constexpr std::array<const char*, 5> RelayModeItems = {
    QT_TRANSLATE_NOOP("pemrix", "ПЦН тревога"), QT_TRANSLATE_NOOP("pemrix", "ПЦН контрольный"),
    QT_TRANSLATE_NOOP("pemrix", "Исполнительный"), QT_TRANSLATE_NOOP("pemrix", "Контрольная лампа"),
    QT_TRANSLATE_NOOP("pemrix", "Звуковой")};

// The items of Ved, in code order.
inline constexpr std::array<const char*, 5> ControllingDeviceItems = {
    QT_TRANSLATE_NOOP("pemrix", "Orvel-ТЕВ РПУ"), QT_TRANSLATE_NOOP("pemrix", "Orvel-ЛОН РПУ"),
    "Orvel-416", "Orvel-417", "Orvel-408"};

// The notification type rows top to bottom, with the type number each stands for.
struct TypeRow {
    int type;
    const char* label;
};
inline constexpr std::array<TypeRow, 10> TypeRows = {{
    {1, QT_TRANSLATE_NOOP("pemrix", "нет связи")},
    {2, QT_TRANSLATE_NOOP("pemrix", "тревога/пожар")},
    {3, QT_TRANSLATE_NOOP("pemrix", "вскрытие")},
    {4, QT_TRANSLATE_NOOP("pemrix", "неисправность")},
    {5, QT_TRANSLATE_NOOP("pemrix", "неисправность питания")},
    {6, QT_TRANSLATE_NOOP("pemrix", "внимание ")},
    {7, QT_TRANSLATE_NOOP("pemrix", "взятие/снятие")},
    {14, QT_TRANSLATE_NOOP("pemrix", "Питание УУ")},
    {13, QT_TRANSLATE_NOOP("pemrix", "Вскрытие УУ")},
    {12, QT_TRANSLATE_NOOP("pemrix", "Блок. радиоэфира")},
}};

inline constexpr const char* TypeGroupTitle = QT_TRANSLATE_NOOP("pemrix", "Тип извещения :  ");
inline constexpr const char* ModeGroupTitle = QT_TRANSLATE_NOOP("pemrix", "Режим работы реле:");
inline constexpr const char* ControllingDeviceTitle =
    QT_TRANSLATE_NOOP("pemrix", "Управляющее устройство:");
inline constexpr const char* SpeedTitle = QT_TRANSLATE_NOOP("pemrix", "Скорость:");
inline constexpr std::array<const char*, 2> SpeedItems = {
    QT_TRANSLATE_NOOP("pemrix", "1200 бит/с"), QT_TRANSLATE_NOOP("pemrix", "4800 бит/с")};
inline constexpr const char* VersionCaption = QT_TRANSLATE_NOOP("pemrix", "Версия ПО:");

// Tab k's title: "Реле № 3".
inline std::string relayTabTitle(int relay) {
    return language::arg(language::translate("pemrix", "Реле № %1"), {std::to_string(relay)});
}

// The title of tab k's source group; tab 2's has two blanks before the sign.
inline std::string sourceGroupTitle(int relay) {
    return relay == 2 ? language::translate("pemrix", "Привязка к ИИ  №:   ")
                      : language::translate("pemrix", "Привязка к ИИ №:   ");
}

// Each tab in the window's order (sources, types, mode), then the module's settings
// on tab 1 (the controlling device, the speed, the version). The window's texts lose
// their trailing blanks and are in the user's language, as the program started in it. Keys:
// "relays.<k>.sources.<n>", "relays.<k>.types.<t>", "relays.<k>.mode", "controlling_device",
// "speed", "version". Every bit of every cell is read.
const image::FieldTable& relayFields();

// True when a variant with `relayCount` relays (4 or 8) shows the field: the settings
// of the module and of relays 1..relayCount.
bool shownOnVariant(const image::Field& field, int relayCount);
// The same for the model the module answered as (or a file names): the Orvel-426 has
// four relays, the Orvel-427 eight.
bool shownOnModel(const image::Field& field, link::ModuleKind model);

} // namespace pemrix::relay
