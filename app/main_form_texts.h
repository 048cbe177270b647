#pragma once
// The main window's own texts, exactly as the users know them: the catalog's sources,
// translated where they are shown.

#include <QCoreApplication>
#include <QString>

namespace pemrix::app {

// A text of this file as Qt shows it, in the user's language.
inline QString text(const char* utf8) {
    return QCoreApplication::translate("pemrix", utf8);
}

} // namespace pemrix::app

namespace pemrix::app::texts {

// The trailing blank belongs to the caption.
inline constexpr const char caption[] =
    QT_TRANSLATE_NOOP("pemrix", "Pemrix - Программа конфигурирования приборов ");
// The two leading blanks belong to the version text.
inline constexpr const char version[] = QT_TRANSLATE_NOOP("pemrix", "  Версия v3.4 от 14.03.2005");
inline constexpr const char portGroup[] = QT_TRANSLATE_NOOP("pemrix", "Номер порта");
inline constexpr const char secureButton[] =
    QT_TRANSLATE_NOOP("pemrix", "Охранный модуль \"Orvel-416\"");
inline constexpr const char fireSecureButton[] =
    QT_TRANSLATE_NOOP("pemrix", "Охранно-пожарный модуль\"Orvel-417\"");
inline constexpr const char releButton[] =
    QT_TRANSLATE_NOOP("pemrix", "Модуль релейный \"Orvel-426/427\"");
inline constexpr const char helpButton[] = QT_TRANSLATE_NOOP("pemrix", "Помощь - F1");
inline constexpr const char journalButton[] = QT_TRANSLATE_NOOP("pemrix", "Журнал обмена");
inline constexpr const char journalHint[] =
    QT_TRANSLATE_NOOP("pemrix", "Журнал обмена с модулем (Ctrl+J)");
// The hints name the keys that really open the two expander windows (F3 and F5).
inline constexpr const char secureHint[] = QT_TRANSLATE_NOOP("pemrix", "Охранный модуль (F3)");
inline constexpr const char fireSecureHint[] =
    QT_TRANSLATE_NOOP("pemrix", "Охранно-пожарный модуль (F5)");
inline constexpr const char settingsStoreError[] =
    QT_TRANSLATE_NOOP("pemrix", "Error in Opening Created Key");
// The port chooser and the device of the chosen port.
inline constexpr const char portChooserButton[] = "…";
inline constexpr const char portChooserHint[] =
    QT_TRANSLATE_NOOP("pemrix", "Выбрать устройство порта");
inline constexpr const char portChooserCaption[] =
    QT_TRANSLATE_NOOP("pemrix", "Устройство порта COM%1");
inline constexpr const char portChooserList[] =
    QT_TRANSLATE_NOOP("pemrix", "Найденные последовательные устройства:");
inline constexpr const char portChooserNone[] =
    QT_TRANSLATE_NOOP("pemrix", "Последовательные устройства не найдены");
inline constexpr const char portChooserPath[] = QT_TRANSLATE_NOOP("pemrix", "&Устройство порта:");
inline constexpr const char portChooserUsualDevice[] =
    QT_TRANSLATE_NOOP("pemrix", "%1 - обычное устройство порта");
inline constexpr const char portDevice[] = "COM%1: %2";
inline constexpr const char portDeviceHint[] =
    QT_TRANSLATE_NOOP("pemrix", "Устройство порта COM%1: %2");
// The name of the help set.
inline constexpr const char helpSet[] = "Help.hlp";

} // namespace pemrix::app::texts
