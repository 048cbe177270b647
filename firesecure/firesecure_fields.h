#pragma once
// The Orvel-417 image field by field, as TFireSecureForm shows it
// (image/field_table.h).

#include "image/field_table.h"
#include "language/translate.h"

#include <array>

namespace pemrix::firesecure {

// The items of Rele1Combo, Rele2Combo and Rele3Combo, in code order (catalog sources).
inline constexpr std::array<const char*, 7> RelayModeItems = {
    QT_TRANSLATE_NOOP("pemrix", "ПЦН тревога"),    QT_TRANSLATE_NOOP("pemrix", "ПЦН контрольный"),
    QT_TRANSLATE_NOOP("pemrix", "Исполнительный"), QT_TRANSLATE_NOOP("pemrix", "Контрольная лампа"),
    QT_TRANSLATE_NOOP("pemrix", "ПЦН внимание"),   QT_TRANSLATE_NOOP("pemrix", "Пожарная тревога"),
    QT_TRANSLATE_NOOP("pemrix", "Неисправность"),
};

// The loop grid's rows of its own, and the words of a loop type's two radio buttons
// (the upper one first); catalog sources.
inline constexpr const char* RelayBinding3 = QT_TRANSLATE_NOOP("pemrix", "Привязка реле 3");
inline constexpr const char* DoubleTriggering = QT_TRANSLATE_NOOP("pemrix", "Двойная сработка");
inline constexpr const char* LoopType = QT_TRANSLATE_NOOP("pemrix", "Тип ШС:");
inline constexpr const char* FireWord = QT_TRANSLATE_NOOP("pemrix", "пожарный");
inline constexpr const char* GuardWord = QT_TRANSLATE_NOOP("pemrix", "охранный");

// The headings spanning the identifier grid's arming and disarming columns.
inline constexpr const char* ArmingSpan = QT_TRANSLATE_NOOP("pemrix", "Взятие");
inline constexpr const char* DisarmingSpan = QT_TRANSLATE_NOOP("pemrix", "Снятие");

// The loop grid, the middle column top to bottom, the identifier rows, then the relay
// modes. Keys: "loops.<n>.integration|auto_arming|silent_alarm|round_the_clock|
// double_triggering|type", "relays.<r>.binding.<n>", "relays.<r>.mode",
// "identifiers.<k>.key", "identifiers.<k>.arming|disarming.<n>", "mode.*", "delay",
// "number". Bits 6..7 of byte 6 are not read. Its texts are in the user's language, as
// the window shows them (the catalog in use when the table is first asked for).
const image::FieldTable& fireSecureFields();

} // namespace pemrix::firesecure
