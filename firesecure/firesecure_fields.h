#pragma once
// The Orvel-417 image field by field, as TFireSecureForm shows it
// (image/field_table.h).

#include "image/field_table.h"

#include <array>

namespace pemrix::firesecure {

// The items of Rele1Combo, Rele2Combo and Rele3Combo, in code order.
inline constexpr std::array<const char*, 7> RelayModeItems = {
    "ПЦН тревога",  "ПЦН контрольный",  "Исполнительный", "Контрольная лампа",
    "ПЦН внимание", "Пожарная тревога", "Неисправность",
};

// The loop grid's rows of its own, and the words of a loop type's two radio buttons
// (the upper one first).
inline constexpr const char* RelayBinding3 = "Привязка реле 3";
inline constexpr const char* DoubleTriggering = "Двойная сработка";
inline constexpr const char* LoopType = "Тип ШС:";
inline constexpr const char* FireWord = "пожарный";
inline constexpr const char* GuardWord = "охранный";

// The headings spanning the identifier grid's arming and disarming columns.
inline constexpr const char* ArmingSpan = "Взятие";
inline constexpr const char* DisarmingSpan = "Снятие";

// The loop grid, the middle column top to bottom, the identifier rows, then the relay
// modes. Keys: "loops.<n>.integration|auto_arming|silent_alarm|round_the_clock|
// double_triggering|type", "relays.<r>.binding.<n>", "relays.<r>.mode",
// "identifiers.<k>.key", "identifiers.<k>.arming|disarming.<n>", "mode.*", "delay",
// "number". Bits 6..7 of byte 6 are not read.
const image::FieldTable& fireSecureFields();

} // namespace pemrix::firesecure
