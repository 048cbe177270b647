#pragma once
// The main window's own texts, exactly as the users know them.

#include <QString>

namespace pemrix::app {

// A text of this file as Qt shows it.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace pemrix::app

namespace pemrix::app::texts {

// The trailing blank belongs to the caption.
inline constexpr const char caption[] = "Pemrix - Программа конфигурирования приборов ";
// The two leading blanks belong to the version text.
inline constexpr const char version[] = "  Версия v3.4 от 14.03.2005";
inline constexpr const char portGroup[] = "Номер порта";
inline constexpr const char secureButton[] = "Охранный модуль \"Orvel-416\"";
inline constexpr const char fireSecureButton[] = "Охранно-пожарный модуль\"Orvel-417\"";
inline constexpr const char releButton[] = "Модуль релейный \"Orvel-426/427\"";
inline constexpr const char helpButton[] = "Помощь - F1";
inline constexpr const char journalButton[] = "Журнал обмена";
inline constexpr const char journalHint[] = "Журнал обмена с модулем (Ctrl+J)";
// The hints name the keys that really open the two expander windows (F3 and F5).
inline constexpr const char secureHint[] = "Охранный модуль (F3)";
inline constexpr const char fireSecureHint[] = "Охранно-пожарный модуль (F5)";
inline constexpr const char settingsStoreError[] = "Error in Opening Created Key";
// The port chooser and the device of the chosen port.
inline constexpr const char portChooserButton[] = "…";
inline constexpr const char portChooserHint[] = "Выбрать устройство порта";
inline constexpr const char portChooserCaption[] = "Устройство порта COM%1";
inline constexpr const char portChooserList[] = "Найденные последовательные устройства:";
inline constexpr const char portChooserNone[] = "Последовательные устройства не найдены";
inline constexpr const char portChooserPath[] = "&Устройство порта:";
inline constexpr const char portChooserUsualDevice[] = "%1 - обычное устройство порта";
inline constexpr const char portDevice[] = "COM%1: %2";
inline constexpr const char portDeviceHint[] = "Устройство порта COM%1: %2";
// The name of the help set.
inline constexpr const char helpSet[] = "Help.hlp";

} // namespace pemrix::app::texts
