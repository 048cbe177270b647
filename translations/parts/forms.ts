<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>pemrix</name>
    <message>
        <source>Отчёт о настройке модуля %1</source>
        <translation>Commissioning report of module %1</translation>
    </message>
    <message>
        <source>Модуль: %1</source>
        <translation>Module: %1</translation>
    </message>
    <message>
        <source>Порт: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Дата и время: %1</source>
        <translation>Date and time: %1</translation>
    </message>
    <message>
        <source>Настройки считаны из модуля в этом сеансе: %1</source>
        <translation>Settings read from the module in this session: %1</translation>
    </message>
    <message>
        <source>Настройки записаны в файл в этом сеансе: %1</source>
        <translation>Settings saved to a file in this session: %1</translation>
    </message>
    <message>
        <source>Настройки не считаны из модуля и не записаны в файл: отчёт показывает то, что было в окне.</source>
        <translation>The settings were neither read from the module nor saved to a file: the report shows what was in the window.</translation>
    </message>
    <message>
        <source>Общие настройки</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Отчёт о настройке модуля</source>
        <translation>Module commissioning report</translation>
    </message>
    <message>
        <source>Не удалось записать отчёт в файл «%1».</source>
        <translation>Could not write the report to the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Сравнение с файлом</source>
        <translation>Comparison with a file</translation>
    </message>
    <message>
        <source>В окне не так, как в файле «%1»: полей — %2.</source>
        <translation>Fields that differ from the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>В окне</source>
        <translation>In the window</translation>
    </message>
    <message>
        <source>В файле</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Настройки в окне совпадают с файлом «%1».</source>
        <translation>The settings in the window match the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Запись конфигурации в файл завершено</source>
        <translation>Configuration saved to the file</translation>
    </message>
    <message>
        <source>Чтение конфигурации из файла завершено</source>
        <translation>Configuration loaded from the file</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Записать конфигурацию в прибор</source>
        <translation>Write configuration to device</translation>
    </message>
    <message>
        <source>Записать конфигурацию в прибор (F2)</source>
        <translation>Write configuration to device (F2)</translation>
    </message>
    <message>
        <source>Считать конфигурацию из прибора</source>
        <translation>Read configuration from device</translation>
    </message>
    <message>
        <source>Считать конфигурацию из прибора (F3)</source>
        <translation>Read configuration from device (F3)</translation>
    </message>
    <message>
        <source>Установить связь</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Установить связь F4</source>
        <translation>Connect F4</translation>
    </message>
    <message>
        <source>Разорвать связь</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Разорвать связь F5</source>
        <translation>Disconnect F5</translation>
    </message>
    <message>
        <source>Считать идентификатор</source>
        <translation>Read identifier</translation>
    </message>
    <message>
        <source>Считать идентификатор F6</source>
        <translation>Read identifier F6</translation>
    </message>
    <message>
        <source>Заводские установки</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>Заводские установки F7</source>
        <translation>Factory settings F7</translation>
    </message>
    <message>
        <source>Записать в файл</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Записать в файл F9</source>
        <translation>Save to file F9</translation>
    </message>
    <message>
        <source>Считать файл</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>Считать файл F10</source>
        <translation>Load file F10</translation>
    </message>
    <message>
        <source>Диапазон возможных значений от %1 до %2</source>
        <translation>Allowed values are from %1 to %2</translation>
    </message>
    <message>
        <source>Идентификатор %1</source>
        <translation>Identifier %1</translation>
    </message>
    <message>
        <source>Введен идентификатор малой длины</source>
        <translation>The identifier entered is too short</translation>
    </message>
    <message>
        <source>Ввести заново?</source>
        <translation>Enter it again?</translation>
    </message>
    <message>
        <source>Удалена копия идентификатора</source>
        <translation>Duplicate identifier removed</translation>
    </message>
    <message>
        <source>Идентификатор без полномочий</source>
        <translation>Identifier without permissions</translation>
    </message>
    <message>
        <source>Удалить?</source>
        <translation>Delete?</translation>
    </message>
    <message>
        <source>Полномочия установлены, а идентификатор не введен</source>
        <translation>Permissions are set, but no identifier is entered</translation>
    </message>
    <message>
        <source>Заводские установки выставлены</source>
        <translation>Factory settings applied</translation>
    </message>
    <message>
        <source>Сравнить с файлом…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт записан в файл «%1»</source>
        <translation>Report written to the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Отчёт записан в файл «%1». Напечатать его?</source>
        <translation>Report written to the file &quot;%1&quot;. Print it?</translation>
    </message>
    <message>
        <source>Прокрутка окна по горизонтали</source>
        <translation>Scroll the window horizontally</translation>
    </message>
    <message>
        <source>Прокрутка окна по вертикали</source>
        <translation>Scroll the window vertically</translation>
    </message>
    <message>
        <source>%1: увеличить</source>
        <translation>%1: increase</translation>
    </message>
    <message>
        <source>%1: уменьшить</source>
        <translation>%1: decrease</translation>
    </message>
    <message>
        <source>ПЦН тревога</source>
        <translation>CMS alarm</translation>
    </message>
    <message>
        <source>ПЦН контрольный</source>
        <translation>CMS control</translation>
    </message>
    <message>
        <source>Исполнительный</source>
        <translation>Actuator</translation>
    </message>
    <message>
        <source>Контрольная лампа</source>
        <translation>Indicator lamp</translation>
    </message>
    <message>
        <source>Охранный модуль &quot;Orvel - 416&quot;</source>
        <translation>Security module &quot;Orvel - 416&quot;</translation>
    </message>
    <message>
        <source>ПЦН внимание</source>
        <translation>CMS attention</translation>
    </message>
    <message>
        <source>Пожарная тревога</source>
        <translation>Fire alarm</translation>
    </message>
    <message>
        <source>Неисправность</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Привязка реле 3</source>
        <translation>Relay 3 binding</translation>
    </message>
    <message>
        <source>Двойная сработка</source>
        <translation>Double trigger</translation>
    </message>
    <message>
        <source>Тип ШС:</source>
        <translation>Loop type:</translation>
    </message>
    <message>
        <source>пожарный</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>охранный</source>
        <translation>security</translation>
    </message>
    <message>
        <source>Взятие</source>
        <translation>Arming</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Disarming</translation>
    </message>
    <message>
        <source>Тип ШС %1</source>
        <translation>Loop type %1</translation>
    </message>
    <message>
        <source>Охранно-пожарный модуль &quot;Orvel - 417&quot;</source>
        <translation>Fire and security module &quot;Orvel - 417&quot;</translation>
    </message>
    <message>
        <source>Запись конфигурации в файл завершена</source>
        <translation>Configuration saved to the file</translation>
    </message>
</context>
</TS>
