<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>pemrix</name>
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
        <source>Звуковой</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Orvel-ТЕВ РПУ</source>
        <translation>Orvel-TEV RPU</translation>
    </message>
    <message>
        <source>Orvel-ЛОН РПУ</source>
        <translation>Orvel-LON RPU</translation>
    </message>
    <message>
        <source>нет связи</source>
        <translation>no link</translation>
    </message>
    <message>
        <source>тревога/пожар</source>
        <translation>alarm/fire</translation>
    </message>
    <message>
        <source>вскрытие</source>
        <translation>tamper</translation>
    </message>
    <message>
        <source>неисправность</source>
        <translation>fault</translation>
    </message>
    <message>
        <source>неисправность питания</source>
        <translation>power fault</translation>
    </message>
    <message>
        <source>внимание </source>
        <translation>attention</translation>
    </message>
    <message>
        <source>взятие/снятие</source>
        <translation>arm/disarm</translation>
    </message>
    <message>
        <source>Питание УУ</source>
        <translation>Controller power</translation>
    </message>
    <message>
        <source>Вскрытие УУ</source>
        <translation>Controller tamper</translation>
    </message>
    <message>
        <source>Блок. радиоэфира</source>
        <translation>Radio jamming</translation>
    </message>
    <message>
        <source>Тип извещения :  </source>
        <translation>Notification type:</translation>
    </message>
    <message>
        <source>Режим работы реле:</source>
        <translation>Relay mode:</translation>
    </message>
    <message>
        <source>Управляющее устройство:</source>
        <translation>Controlling device:</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>1200 бит/с</source>
        <translation>1200 bit/s</translation>
    </message>
    <message>
        <source>4800 бит/с</source>
        <translation>4800 bit/s</translation>
    </message>
    <message>
        <source>Версия ПО:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Реле № %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <source>Привязка к ИИ  №:   </source>
        <translation>Bound to source No.:</translation>
    </message>
    <message>
        <source>Привязка к ИИ №:   </source>
        <translation>Bound to source No.:</translation>
    </message>
    <message>
        <source>Записать в прибор</source>
        <translation>Write to device</translation>
    </message>
    <message>
        <source>Записать конфигурацию в прибор (F2)</source>
        <translation>Write configuration to device (F2)</translation>
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
        <source>Считать файл</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>Считать файл F10</source>
        <translation>Load file F10</translation>
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
        <source>Считать из прибора</source>
        <translation>Read from device</translation>
    </message>
    <message>
        <source>Считать конфигурацию из прибора (F3)</source>
        <translation>Read configuration from device (F3)</translation>
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
        <source>Заводские установки</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>Заводские установки F7</source>
        <translation>Factory settings F7</translation>
    </message>
    <message>
        <source>Реле %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <source>Молуль релейный &quot;Orvel-426/427&quot;</source>
        <translation>Relay module &quot;Orvel-426/427&quot;</translation>
    </message>
    <message>
        <source>№:</source>
        <translation>No.:</translation>
    </message>
    <message>
        <source>ИИ %1</source>
        <translation>Source %1</translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation>Exchange log</translation>
    </message>
    <message>
        <source>Вести журнал</source>
        <translation>Keep the log</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>pemrix: нет графического сеанса — окнам программы нужен экран X11 или Wayland,
а переменные DISPLAY и WAYLAND_DISPLAY не заданы.
Запустите программу в графическом сеансе или на виртуальном экране Xvfb:
  xvfb-run -a pemrix
Только проверить запуск, без видимых окон:
  QT_QPA_PLATFORM=offscreen pemrix
Без окон с модулем работает pemrix-cli (pemrix-cli --help).
</source>
        <translation>pemrix: no graphical session — the program&apos;s windows need an X11 or Wayland display,
and neither DISPLAY nor WAYLAND_DISPLAY is set.
Start the program in a graphical session or on the virtual display Xvfb:
  xvfb-run -a pemrix
To check the start only, without visible windows:
  QT_QPA_PLATFORM=offscreen pemrix
Without windows, pemrix-cli works with the module (pemrix-cli --help).
</translation>
    </message>
    <message>
        <source>Справка - %1</source>
        <translation>Help - %1</translation>
    </message>
    <message>
        <source>Pemrix - Программа конфигурирования приборов </source>
        <translation>Pemrix - Device configuration program </translation>
    </message>
    <message>
        <source>  Версия v3.4 от 14.03.2005</source>
        <translation>  Version v3.4 of 14.03.2005</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Охранный модуль &quot;Orvel-416&quot;</source>
        <translation>Security module &quot;Orvel-416&quot;</translation>
    </message>
    <message>
        <source>Охранно-пожарный модуль&quot;Orvel-417&quot;</source>
        <translation>Fire and security module &quot;Orvel-417&quot;</translation>
    </message>
    <message>
        <source>Модуль релейный &quot;Orvel-426/427&quot;</source>
        <translation>Relay module &quot;Orvel-426/427&quot;</translation>
    </message>
    <message>
        <source>Помощь - F1</source>
        <translation>Help - F1</translation>
    </message>
    <message>
        <source>Журнал обмена с модулем (Ctrl+J)</source>
        <translation>Log of the exchange with the module (Ctrl+J)</translation>
    </message>
    <message>
        <source>Охранный модуль (F3)</source>
        <translation>Security module (F3)</translation>
    </message>
    <message>
        <source>Охранно-пожарный модуль (F5)</source>
        <translation>Fire and security module (F5)</translation>
    </message>
    <message>
        <source>Error in Opening Created Key</source>
        <translation>Error in Opening Created Key</translation>
    </message>
    <message>
        <source>Выбрать устройство порта</source>
        <translation>Choose the port&apos;s device</translation>
    </message>
    <message>
        <source>Устройство порта COM%1</source>
        <translation>Device of port COM%1</translation>
    </message>
    <message>
        <source>Найденные последовательные устройства:</source>
        <translation>Serial devices found:</translation>
    </message>
    <message>
        <source>Последовательные устройства не найдены</source>
        <translation>No serial devices found</translation>
    </message>
    <message>
        <source>&amp;Устройство порта:</source>
        <translation>Port &amp;device:</translation>
    </message>
    <message>
        <source>%1 - обычное устройство порта</source>
        <translation>%1 - the port&apos;s usual device</translation>
    </message>
    <message>
        <source>Устройство порта COM%1: %2</source>
        <translation>Device of port COM%1: %2</translation>
    </message>
    <message>
        <source>Использование: pemrix [параметры Qt]
               pemrix --version | --help

Открывает главное окно конфигуратора Pemrix: один модуль Orvel на
последовательном порту (COM1..COM4) — связь, чтение, правка и запись в окне
его типа. Прочие аргументы принадлежат Qt (-platform ИМЯ, ...).

  --lang en|ru  язык программы: английский или русский (иначе по LANG)
  --version     вывести версию и выйти
  --help        эта справка

Без окна: pemrix-cli --help.
</source>
        <translation>Usage: pemrix [Qt options]
       pemrix --version | --help

Opens the main window of the Pemrix configurator: one Orvel module on a
serial port (COM1..COM4) — link, read, edit and write in the window of
its type. Other arguments belong to Qt (-platform NAME, ...).

  --lang en|ru  the program&apos;s language: English or Russian (else from LANG)
  --version     print the version and exit
  --help        this help

Without a window: pemrix-cli --help.
</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
</TS>
