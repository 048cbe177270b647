#pragma once
// The texts both expander windows (Orvel-416, Orvel-417) show for the fields of their
// images; the windows and the field tables take them from here.

#include <array>
#include <string>

namespace pemrix::image::texts {

inline constexpr const char* LoopGroup = "Настройки ШС:";
inline constexpr const char* IntegrationTime = "Время интегрирования";
inline constexpr const char* AutoArming = "Автовзятие";
inline constexpr const char* SilentAlarm = "Тихая тревога";
inline constexpr const char* RoundTheClock = "Круглосуточно";
inline constexpr const char* RelayBinding1 = "Привязка реле 1";
inline constexpr const char* RelayBinding2 = "Привязка реле 2";

inline constexpr const char* IdentifierOutput = "Тип выхода ТМ:";
inline constexpr std::array<const char*, 2> IdentifierOutputItems = {"Идентификатор",
                                                                     "Секретная кнопка"};
inline constexpr const char* Loop1Tactic = "Тактика работы ШС1:";
inline constexpr std::array<const char*, 2> Loop1TacticItems = {"Закр. дверь", "Откр. дверь"};
inline constexpr const char* PowerOutput = "Силовой выход:";
inline constexpr std::array<const char*, 2> PowerOutputItems = {"Звуковой", "Световой"};
inline constexpr const char* Delay = "Время задержки:";
inline constexpr const char* ExpanderNumber = "Номер расширителя:";
inline constexpr const char* KeyboardLocked = "Блокировка клавиатуры";
inline constexpr const char* Autonomous = "Автономная работа";

inline constexpr const char* IdentifierGroup = "Полномочия идентификаторов:";
inline constexpr const char* KeyColumn = "Номер";

// The heading of loop n's column: "ШС3".
inline std::string loopHeading(int loop) {
    return "ШС" + std::to_string(loop);
}

// The title of relay k's mode combo box: "Режим работы реле №1:".
inline std::string relayModeTitle(int relay) {
    return "Режим работы реле №" + std::to_string(relay) + ":";
}

// The edit of identifier slot k, as the row is known: "Id2".
inline std::string identifierRow(int slot) {
    return "Id" + std::to_string(slot);
}

} // namespace pemrix::image::texts
