<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>pemrix</name>
    <message>
        <source>Нет связи с расширителем</source>
        <translation>No link with the expander</translation>
    </message>
    <message>
        <source>Нет ответа от расширителя</source>
        <translation>No answer from the expander</translation>
    </message>
    <message>
        <source>Нет связи с модулем</source>
        <translation>No link with the module</translation>
    </message>
    <message>
        <source>Нет ответа от модуля. Демонстрационный режим</source>
        <translation>No answer from the module. Demo mode</translation>
    </message>
    <message>
        <source>Нет связи с модулем. Демонстрационный режим</source>
        <translation>No link with the module. Demo mode</translation>
    </message>
    <message>
        <source>Нет ответа от прибора</source>
        <translation>No answer from the device</translation>
    </message>
    <message>
        <source>Подключенный прибор имеет другой тип</source>
        <translation>The connected device is of another type</translation>
    </message>
    <message>
        <source>Ошибка: Dallas CRC</source>
        <translation>Error: Dallas CRC</translation>
    </message>
    <message>
        <source>Вещественный идентификатор не подключен к расширителю</source>
        <translation>No physical identifier is connected to the expander</translation>
    </message>
    <message>
        <source>Ошибка: Time-Out</source>
        <translation>Error: Time-Out</translation>
    </message>
    <message>
        <source>Связь установлена</source>
        <translation>Link established</translation>
    </message>
    <message>
        <source>Идентификатор уже существует в списке</source>
        <translation>The identifier is already in the list</translation>
    </message>
    <message>
        <source>Запись конфигурации завершена</source>
        <translation>Configuration written</translation>
    </message>
    <message>
        <source>Чтение конфигурации завершено</source>
        <translation>Configuration read</translation>
    </message>
    <message>
        <source>Чтение идентификатора завершено</source>
        <translation>Identifier read</translation>
    </message>
    <message>
        <source>установка связи не выполнена</source>
        <translation>link not established</translation>
    </message>
    <message>
        <source>запись не выполнена</source>
        <translation>write not completed</translation>
    </message>
    <message>
        <source>чтение не выполнено</source>
        <translation>read not completed</translation>
    </message>
    <message>
        <source>чтение идентификатора не выполнено</source>
        <translation>identifier read not completed</translation>
    </message>
    <message>
        <source>Установка связи с расширителем...Попытка №%1 из 10</source>
        <translation>Connecting to the expander... attempt %1 of 10</translation>
    </message>
    <message>
        <source>нет такого файла или устройства</source>
        <translation>no such file or device</translation>
    </message>
    <message>
        <source>нет такого устройства</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>время ожидания истекло</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>операция отменена</source>
        <translation>operation cancelled</translation>
    </message>
    <message>
        <source>часть пути — не папка</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>это не последовательный порт</source>
        <translation>not a serial port</translation>
    </message>
    <message>
        <source>ресурс временно недоступен</source>
        <translation>resource temporarily unavailable</translation>
    </message>
    <message>
        <source>канал закрыт</source>
        <translation>pipe closed</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>слишком много символических ссылок</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>поток закрыт</source>
        <translation>stream closed</translation>
    </message>
    <message>
        <source>устройство не подключено</source>
        <translation>device not connected</translation>
    </message>
    <message>
        <source>занято другой программой</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>устройство не готово</source>
        <translation>device not ready</translation>
    </message>
    <message>
        <source>устройство не отвечает</source>
        <translation>device not responding</translation>
    </message>
    <message>
        <source>диск защищён от записи</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>системная ошибка %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>устройство отключено</source>
        <translation>device disconnected</translation>
    </message>
    <message>
        <source>устройство занято</source>
        <translation>device busy</translation>
    </message>
    <message>
        <source>+%1 с</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>ПК → модуль</source>
        <translation>PC → module</translation>
    </message>
    <message>
        <source>модуль → ПК</source>
        <translation>module → PC</translation>
    </message>
    <message>
        <source>Установка связи</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Чтение идентификатора</source>
        <translation>Reading identifier</translation>
    </message>
    <message>
        <source>Запись конфигурации</source>
        <translation>Writing configuration</translation>
    </message>
    <message>
        <source>Чтение конфигурации</source>
        <translation>Reading configuration</translation>
    </message>
    <message>
        <source>Обмен</source>
        <translation>Exchange</translation>
    </message>
    <message>
        <source>запрос связи</source>
        <translation>link request</translation>
    </message>
    <message>
        <source>ответ на запрос связи</source>
        <translation>link answer</translation>
    </message>
    <message>
        <source>тип модуля</source>
        <translation>module type</translation>
    </message>
    <message>
        <source>заголовок запроса</source>
        <translation>request header</translation>
    </message>
    <message>
        <source>начало кадра</source>
        <translation>frame start</translation>
    </message>
    <message>
        <source>кадр</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>контрольная сумма</source>
        <translation>checksum</translation>
    </message>
    <message>
        <source>эхо</source>
        <translation>echo</translation>
    </message>
    <message>
        <source>подтверждение</source>
        <translation>acknowledgement</translation>
    </message>
    <message>
        <source>ответ модулю</source>
        <translation>answer to the module</translation>
    </message>
    <message>
        <source>ответ ключа</source>
        <translation>key answer</translation>
    </message>
    <message>
        <source>код ключа</source>
        <translation>key code</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>принято</source>
        <translation>accepted</translation>
    </message>
    <message>
        <source>отказ</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>нет байта</source>
        <translation>no byte</translation>
    </message>
    <message>
        <source>нет %1 байт</source>
        <translation>no %1 bytes</translation>
    </message>
    <message>
        <source>не отправлен</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>не отправлены %1</source>
        <translation>%1 not sent</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>done</translation>
    </message>
    <message>
        <source>не выполнено</source>
        <translation>not done</translation>
    </message>
    <message>
        <source>остановлено</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>сбой линии</source>
        <translation>line failure</translation>
    </message>
    <message>
        <source>— конец: %1 —</source>
        <translation>— end: %1 —</translation>
    </message>
    <message>
        <source>Добавьте пользователя в группу %1 (sudo usermod -aG %1 $USER) и войдите в систему заново.</source>
        <translation>Add the user to the group %1 (sudo usermod -aG %1 $USER) and log in again.</translation>
    </message>
    <message>
        <source>%1: нет доступа (группа %2)</source>
        <translation>%1: access denied (group %2)</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: устройство принадлежит группе %2.</source>
        <translation>No access to port %1: the device belongs to the group %2.</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1.</source>
        <translation>No access to port %1.</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: %2.</source>
        <translation>No access to port %1: %2.</translation>
    </message>
    <message>
        <source>Последовательные порты обычно принадлежат группе %1.</source>
        <translation>Serial ports usually belong to the group %1.</translation>
    </message>
    <message>
        <source>%1: нет доступа</source>
        <translation>%1: access denied</translation>
    </message>
    <message>
        <source>%1: устройство не найдено</source>
        <translation>%1: device not found</translation>
    </message>
    <message>
        <source>Порт %1: устройство не найдено. Проверьте, подключён ли адаптер, или выберите другое устройство порта.</source>
        <translation>Port %1: device not found. Check that the adapter is connected, or choose another device for the port.</translation>
    </message>
    <message>
        <source>%1 занят: %2</source>
        <translation>%1 in use: %2</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой: %2. Закройте её и повторите попытку.</source>
        <translation>Port %1 is in use by another program: %2. Close it and try again.</translation>
    </message>
    <message>
        <source>%1 занят другой программой</source>
        <translation>%1 in use by another program</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой. Закройте её и повторите попытку.</source>
        <translation>Port %1 is in use by another program. Close it and try again.</translation>
    </message>
    <message>
        <source>%1: порт не открыт</source>
        <translation>%1: port not opened</translation>
    </message>
    <message>
        <source>Порт %1 не открыт: %2.</source>
        <translation>Port %1 not opened: %2.</translation>
    </message>
    <message>
        <source>связь прервана</source>
        <translation>link lost</translation>
    </message>
    <message>
        <source>Порт %1: %2. Проверьте, подключён ли адаптер, и установите связь заново.</source>
        <translation>Port %1: %2. Check that the adapter is connected and establish the link again.</translation>
    </message>
    <message>
        <source>Пользователь не в группе %1</source>
        <translation>User not in the group %1</translation>
    </message>
    <message>
        <source>Пользователь не входит в группу %1: последовательные порты могут быть недоступны.</source>
        <translation>The user is not in the group %1: serial ports may be unavailable.</translation>
    </message>
    <message>
        <source>Файлы конфигурации (*.cfg)|*.cfg|Все файлы|*.*</source>
        <translation>Configuration files (*.cfg)|*.cfg|All files|*.*</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>в этой папке нельзя создавать файлы</source>
        <translation>no files can be created in this folder</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>ошибка чтения</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Файл %1, строка %2</source>
        <translation>File %1, line %2</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2.</source>
        <translation>Could not open the file %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2.</source>
        <translation>Could not write the file %1: %2.</translation>
    </message>
    <message>
        <source>Файл %1 слишком велик для файла конфигурации (больше 1 МБ).</source>
        <translation>The file %1 is too large for a configuration file (over 1 MB).</translation>
    </message>
    <message>
        <source>Нет строки %1 (строк в файле: %2).</source>
        <translation>No line %1 (lines in the file: %2).</translation>
    </message>
    <message>
        <source>Файл %1: нет строки %2 (строк в файле: %3).</source>
        <translation>File %1: no line %2 (lines in the file: %3).</translation>
    </message>
    <message>
        <source>%1: %2 — не целое число.</source>
        <translation>%1: %2 — not an integer.</translation>
    </message>
    <message>
        <source>%1: %2 — не значение байта (от 0 до 255).</source>
        <translation>%1: %2 — not a byte value (0 to 255).</translation>
    </message>
    <message>
        <source>Поле %1: %2 — не целое число.</source>
        <translation>Field %1: %2 — not an integer.</translation>
    </message>
    <message>
        <source>%1 — не целое число.</source>
        <translation>%1 — not an integer.</translation>
    </message>
    <message>
        <source>Ошибка чтения файла конфигурации. Нет совпадения типа прибора.</source>
        <translation>Error reading the configuration file. The device type does not match.</translation>
    </message>
    <message>
        <source>Настройки ШС:</source>
        <translation>Loop settings:</translation>
    </message>
    <message>
        <source>Время интегрирования</source>
        <translation>Integration time</translation>
    </message>
    <message>
        <source>Автовзятие</source>
        <translation>Auto-arming</translation>
    </message>
    <message>
        <source>Тихая тревога</source>
        <translation>Silent alarm</translation>
    </message>
    <message>
        <source>Круглосуточно</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>Привязка реле 1</source>
        <translation>Relay 1 binding</translation>
    </message>
    <message>
        <source>Привязка реле 2</source>
        <translation>Relay 2 binding</translation>
    </message>
    <message>
        <source>Тип выхода ТМ:</source>
        <translation>Touch memory output:</translation>
    </message>
    <message>
        <source>Идентификатор</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Секретная кнопка</source>
        <translation>Secret button</translation>
    </message>
    <message>
        <source>Тактика работы ШС1:</source>
        <translation>Loop 1 tactic:</translation>
    </message>
    <message>
        <source>Закр. дверь</source>
        <translation>Closed door</translation>
    </message>
    <message>
        <source>Откр. дверь</source>
        <translation>Open door</translation>
    </message>
    <message>
        <source>Силовой выход:</source>
        <translation>Power output:</translation>
    </message>
    <message>
        <source>Звуковой</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Световой</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Время задержки:</source>
        <translation>Delay time:</translation>
    </message>
    <message>
        <source>Номер расширителя:</source>
        <translation>Expander number:</translation>
    </message>
    <message>
        <source>Блокировка клавиатуры</source>
        <translation>Keypad lock</translation>
    </message>
    <message>
        <source>Автономная работа</source>
        <translation>Stand-alone mode</translation>
    </message>
    <message>
        <source>Полномочия идентификаторов:</source>
        <translation>Identifier permissions:</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>ШС%1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Режим работы реле №%1:</source>
        <translation>Relay %1 mode:</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>(не выбрано)</source>
        <translation>(none selected)</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Идентификатор не может начинаться с FF</source>
        <translation>An identifier cannot start with FF</translation>
    </message>
</context>
</TS>
