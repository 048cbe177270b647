#pragma once
// What the users must see in the main window, written down independently of the
// program's own copy of these texts.

#include <QString>

namespace pemrix::app::expected {

inline const QString caption = QString::fromUtf8("Pemrix - Программа конфигурирования приборов ");
inline const QString version = QString::fromUtf8("  Версия v3.4 от 14.03.2005");
inline const QString portGroup = QString::fromUtf8("Номер порта");
inline const QString secureButton = QString::fromUtf8("Охранный модуль \"Orvel-416\"");
inline const QString fireSecureButton = QString::fromUtf8("Охранно-пожарный модуль\"Orvel-417\"");
inline const QString releButton = QString::fromUtf8("Модуль релейный \"Orvel-426/427\"");
inline const QString helpButton = QString::fromUtf8("Помощь - F1");
inline const QString storeError = QString::fromUtf8("Error in Opening Created Key");
inline const QString secureHint = QString::fromUtf8("Охранный модуль (F3)");
inline const QString fireSecureHint = QString::fromUtf8("Охранно-пожарный модуль (F5)");

} // namespace pemrix::app::expected
