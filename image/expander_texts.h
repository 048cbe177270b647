#pragma once
// The texts both expander windows (Orvel-416, Orvel-417) show for the fields of their
// images; the windows and the field tables take them from here. The constants are the
// catalog's sources, translated where they are shown; the texts made of a number come
// in the user's language.

#include "language/translate.h"

#include <array>
#include <string>

namespace pemrix::image::texts {

inline constexpr const char* LoopGroup = QT_TRANSLATE_NOOP("pemrix", "Настройки ШС:");
inline constexpr const char* IntegrationTime = QT_TRANSLATE_NOOP("pemrix", "Время интегрирования");
inline constexpr const char* AutoArming = QT_TRANSLATE_NOOP("pemrix", "Автовзятие");
inline constexpr const char* SilentAlarm = QT_TRANSLATE_NOOP("pemrix", "Тихая тревога");
inline constexpr const char* RoundTheClock = QT_TRANSLATE_NOOP("pemrix", "Круглосуточно");
inline constexpr const char* RelayBinding1 = QT_TRANSLATE_NOOP("pemrix", "Привязка реле 1");
inline constexpr const char* RelayBinding2 = QT_TRANSLATE_NOOP("pemrix", "Привязка реле 2");

inline constexpr const char* IdentifierOutput = QT_TRANSLATE_NOOP("pemrix", "Тип выхода ТМ:");
inline constexpr std::array<const char*, 2> IdentifierOutputItems = {
    QT_TRANSLATE_NOOP("pemrix", "Идентификатор"), QT_TRANSLATE_NOOP("pemrix", "Секретная кнопка")};
inline constexpr const char* Loop1Tactic = QT_TRANSLATE_NOOP("pemrix", "Тактика работы ШС1:");
inline constexpr std::array<const char*, 2> Loop1TacticItems = {
    QT_TRANSLATE_NOOP("pemrix", "Закр. дверь"), QT_TRANSLATE_NOOP("pemrix", "Откр. дверь")};
inline constexpr const char* PowerOutput = QT_TRANSLATE_NOOP("pemrix", "Силовой выход:");
inline constexpr std::array<const char*, 2> PowerOutputItems = {
    QT_TRANSLATE_NOOP("pemrix", "Звуковой"), QT_TRANSLATE_NOOP("pemrix", "Световой")};
inline constexpr const char* Delay = QT_TRANSLATE_NOOP("pemrix", "Время задержки:");
inline constexpr const char* ExpanderNumber = QT_TRANSLATE_NOOP("pemrix", "Номер расширителя:");
inline constexpr const char* KeyboardLocked = QT_TRANSLATE_NOOP("pemrix", "Блокировка клавиатуры");
inline constexpr const char* Autonomous = QT_TRANSLATE_NOOP("pemrix", "Автономная работа");

inline constexpr const char* IdentifierGroup =
    QT_TRANSLATE_NOOP("pemrix", "Полномочия идентификаторов:");
inline constexpr const char* KeyColumn = QT_TRANSLATE_NOOP("pemrix", "Номер");

// The heading of loop n's column: "ШС3".
inline std::string loopHeading(int loop) {
    return language::arg(language::translate("pemrix", "ШС%1"), {std::to_string(loop)});
}

// The title of relay k's mode combo box: "Режим работы реле №1:".
inline std::string relayModeTitle(int relay) {
    return language::arg(language::translate("pemrix", "Режим работы реле №%1:"),
                         {std::to_string(relay)});
}

// The edit of identifier slot k, as the row is known: "Id2".
inline std::string identifierRow(int slot) {
    return "Id" + std::to_string(slot);
}

} // namespace pemrix::image::texts
