#pragma once
// The relay module's (Orvel-426/427) image field by field, as TReleForm shows it
// (image/field_table.h). One table for both variants: all eight relays, as the image
// carries them; a four-relay Orvel-426 shows only tabs 1..4 (shownOnVariant).

#include "image/field_table.h"
#include "link/module_profile.h"

#include <array>
#include <string>

namespace pemrix::relay {

// The items of Rele<k>Combo, in code order.
inline constexpr std::array<const char*, 5> RelayModeItems = {
    "ПЦН тревога", "ПЦН контрольный", "Исполнительный", "Контрольная лампа", "Звуковой"};

// The items of Ved, in code order.
inline constexpr std::array<const char*, 5> ControllingDeviceItems = {
    "Orvel-ТЕВ РПУ", "Orvel-ЛОН РПУ", "Orvel-416", "Orvel-417", "Orvel-408"};

// The notification type rows top to bottom, with the type number each stands for.
struct TypeRow {
    int type;
    const char* label;
};
inline constexpr std::array<TypeRow, 10> TypeRows = {{
    {1, "нет связи"},
    {2, "тревога/пожар"},
    {3, "вскрытие"},
    {4, "неисправность"},
    {5, "неисправность питания"},
    {6, "внимание "},
    {7, "взятие/снятие"},
    {14, "Питание УУ"},
    {13, "Вскрытие УУ"},
    {12, "Блок. радиоэфира"},
}};

inline constexpr const char* TypeGroupTitle = "Тип извещения :  ";
inline constexpr const char* ModeGroupTitle = "Режим работы реле:";
inline constexpr const char* ControllingDeviceTitle = "Управляющее устройство:";
inline constexpr const char* SpeedTitle = "Скорость:";
inline constexpr std::array<const char*, 2> SpeedItems = {"1200 бит/с", "4800 бит/с"};
inline constexpr const char* VersionCaption = "Версия ПО:";

// Tab k's title: "Реле № 3".
inline std::string relayTabTitle(int relay) {
    return "Реле № " + std::to_string(relay);
}

// The title of tab k's source group; tab 2's has two blanks before the sign.
inline std::string sourceGroupTitle(int relay) {
    return relay == 2 ? "Привязка к ИИ  №:   " : "Привязка к ИИ №:   ";
}

// Each tab in the window's order (sources, types, mode), then the module's settings
// on tab 1 (the controlling device, the speed, the version). The window's texts lose
// their trailing blanks. Keys: "relays.<k>.sources.<n>", "relays.<k>.types.<t>",
// "relays.<k>.mode", "controlling_device", "speed", "version". Every bit of every cell
// is read.
const image::FieldTable& relayFields();

// True when a variant with `relayCount` relays (4 or 8) shows the field: the settings
// of the module and of relays 1..relayCount.
bool shownOnVariant(const image::Field& field, int relayCount);
// The same for the model the module answered as (or a file names): the Orvel-426 has
// four relays, the Orvel-427 eight.
bool shownOnModel(const image::Field& field, link::ModuleKind model);

} // namespace pemrix::relay
