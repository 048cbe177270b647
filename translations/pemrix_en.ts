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
    <message>
        <source>link, read, write, key, show или diff</source>
        <translation>link, read, write, key, show or diff</translation>
    </message>
    <message>
        <source>%1 или %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 требует имя файла</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>%1 указан дважды</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>--device требует путь к устройству</source>
        <translation>--device needs a device path</translation>
    </message>
    <message>
        <source>--port принимает 1, 2, 3 или 4 (COM1..COM4), а не «%1»</source>
        <translation>--port takes 1, 2, 3 or 4 (COM1..COM4), not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--module принимает %1, а не «%2»</source>
        <translation>--module takes %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 требует значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>неизвестная команда «%1»: используйте %2</source>
        <translation>unknown command &quot;%1&quot;: use %2</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>extra argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>show требует файл конфигурации или линию (--device ПУТЬ или --port N)</source>
        <translation>show needs a configuration file or a line (--device PATH or --port N)</translation>
    </message>
    <message>
        <source>diff с линией требует файл конфигурации</source>
        <translation>diff with a line needs a configuration file</translation>
    </message>
    <message>
        <source>diff требует два файла конфигурации</source>
        <translation>diff needs two configuration files</translation>
    </message>
    <message>
        <source>не задан модуль: укажите --module %1</source>
        <translation>no module given: use --module %1</translation>
    </message>
    <message>
        <source>--trace относится только к обмену с модулем (--device или --port)</source>
        <translation>--trace applies only to an exchange with a module (--device or --port)</translation>
    </message>
    <message>
        <source>не задана команда: используйте %1</source>
        <translation>no command given: use %1</translation>
    </message>
    <message>
        <source>укажите либо --device, либо --port, но не оба</source>
        <translation>give either --device or --port, not both</translation>
    </message>
    <message>
        <source>--json относится только к командам show и diff</source>
        <translation>--json applies only to the commands show and diff</translation>
    </message>
    <message>
        <source>-o относится только к команде read</source>
        <translation>-o applies only to the command read</translation>
    </message>
    <message>
        <source>не задана линия: укажите --device ПУТЬ или --port N</source>
        <translation>no line given: use --device PATH or --port N</translation>
    </message>
    <message>
        <source>у модуля %1 нет считывателя ключей: key принимает --module %2</source>
        <translation>the module %1 has no key reader: key takes --module %2</translation>
    </message>
    <message>
        <source>write требует файл конфигурации для отправки</source>
        <translation>write needs a configuration file to send</translation>
    </message>
    <message>
        <source>не удалось записать в стандартный вывод: %1</source>
        <translation>could not write to standard output: %1</translation>
    </message>
    <message>
        <source>«%1» — файл модуля %2, а «%3» — файл модуля %4: сравниваются только файлы одного модуля</source>
        <translation>&quot;%1&quot; is a file of the module %2, but &quot;%3&quot; is a file of the module %4: only files of one module are compared</translation>
    </message>
    <message>
        <source>журнал обмена записан не полностью: %1</source>
        <translation>the exchange log is incomplete: %1</translation>
    </message>
    <message>
        <source>файл журнала «%1» — это файл конфигурации «%2»; укажите в --trace другой файл</source>
        <translation>the log file &quot;%1&quot; is the configuration file &quot;%2&quot;; give --trace another file</translation>
    </message>
    <message>
        <source>файл журнала «%1» — это выходной файл «%2»; укажите в --trace другой файл</source>
        <translation>the log file &quot;%1&quot; is the output file &quot;%2&quot;; give --trace another file</translation>
    </message>
    <message>
        <source>замечание: файл для варианта %1 (%2), модуль ответил вариантом %3 (%4); образ записывается как есть</source>
        <translation>note: the file is for variant %1 (%2), the module answered as variant %3 (%4); the image is written as it is</translation>
    </message>
    <message>
        <source>модуль на %1</source>
        <translation>module on %1</translation>
    </message>
    <message>
        <source>Справка: %1 --help</source>
        <translation>Help: %1 --help</translation>
    </message>
    <message>
        <source>внутренняя ошибка: %1</source>
        <translation>internal error: %1</translation>
    </message>
    <message>
        <source>«%1» — файл модуля %2, а --module задаёт %3</source>
        <translation>&quot;%1&quot; is a file of the module %2, but --module gives %3</translation>
    </message>
    <message>
        <source>Модуль: %1</source>
        <translation>Module: %1</translation>
    </message>
    <message>
        <source>Модуль: %1, вариант %2 (%3)</source>
        <translation>Module: %1, variant %2 (%3)</translation>
    </message>
    <message>
        <source>Конфигурации совпадают</source>
        <translation>Configurations match</translation>
    </message>
    <message>
        <source>Вариант: %1 → %2</source>
        <translation>Variant: %1 → %2</translation>
    </message>
    <message>
        <source>Использование:
  pemrix-cli (--device ПУТЬ | --port N) link  --module 416|417|relay
  pemrix-cli (--device ПУТЬ | --port N) read  --module 416|417|relay [-o ФАЙЛ]
  pemrix-cli (--device ПУТЬ | --port N) write --module 416|417|relay ФАЙЛ
  pemrix-cli (--device ПУТЬ | --port N) key   --module 416|417
  pemrix-cli show [--module 416|417|relay] [--json] ФАЙЛ
  pemrix-cli (--device ПУТЬ | --port N) show --module 416|417|relay [--json]
  pemrix-cli diff [--module 416|417|relay] [--json] ФАЙЛ_A ФАЙЛ_B
  pemrix-cli (--device ПУТЬ | --port N) diff --module 416|417|relay [--json] ФАЙЛ</source>
        <translation>Usage:
  pemrix-cli (--device PATH | --port N) link  --module 416|417|relay
  pemrix-cli (--device PATH | --port N) read  --module 416|417|relay [-o FILE]
  pemrix-cli (--device PATH | --port N) write --module 416|417|relay FILE
  pemrix-cli (--device PATH | --port N) key   --module 416|417
  pemrix-cli show [--module 416|417|relay] [--json] FILE
  pemrix-cli (--device PATH | --port N) show --module 416|417|relay [--json]
  pemrix-cli diff [--module 416|417|relay] [--json] FILE_A FILE_B
  pemrix-cli (--device PATH | --port N) diff --module 416|417|relay [--json] FILE</translation>
    </message>
    <message>
        <source>Работает с одним модулем Orvel по последовательной линии так же, как окна модулей
конфигуратора, но без окна. Команды read, write и key сначала устанавливают связь
(до десяти запросов связи, по 2–3 секунды каждый), затем выполняют свой обмен.</source>
        <translation>Works with one Orvel module over a serial line as the configurator&apos;s module windows
do, but without a window. The commands read, write and key first establish the link
(up to ten link requests, 2–3 seconds each), then make their own exchange.</translation>
    </message>
    <message>
        <source>Команды:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>  link    установить связь; выводит тип ответившего модуля: 2 (Orvel-416),
          1 (Orvel-417), 5 (релейный модуль Orvel-427) или 6 (Orvel-426)</source>
        <translation>  link    establish the link; prints the type of the module that answered:
          2 (Orvel-416), 1 (Orvel-417), 5 (relay module Orvel-427) or 6 (Orvel-426)</translation>
    </message>
    <message>
        <source>  read    прочитать конфигурацию модуля; выводит файл конфигурации или, с -o,
          записывает его в ФАЙЛ (заменяя целиком)</source>
        <translation>  read    read the module&apos;s configuration; prints the configuration file or, with
          -o, writes it to FILE (replacing it whole)</translation>
    </message>
    <message>
        <source>  write   передать модулю файл конфигурации ФАЙЛ</source>
        <translation>  write   send the configuration file FILE to the module</translation>
    </message>
    <message>
        <source>  key     прочитать код ключа touch memory, приложенного к модулю; выводит его
          12 шестнадцатеричными цифрами</source>
        <translation>  key     read the code of the touch memory key held to the module; prints it as
          12 hexadecimal digits</translation>
    </message>
    <message>
        <source>  show    показать конфигурацию файла ФАЙЛ или, с линией, прочитанную из модуля:
          каждое поле окна модуля по строке, сгруппированные как в окне</source>
        <translation>  show    show the configuration of the file FILE or, with a line, the one read
          from the module: each field of the module&apos;s window on a line, grouped as
          in the window</translation>
    </message>
    <message>
        <source>  diff    сравнить два файла конфигурации или, с линией, модуль (A) с файлом
          (B); показывает каждое поле, которое различается, с обоими
          значениями. Код завершения 0, если конфигурации совпадают, 1, если
          различаются; файлы разных модулей отвергаются (код 2)</source>
        <translation>  diff    compare two configuration files or, with a line, the module (A) with a
          file (B); shows each field that differs, with both values. Exit code 0
          if the configurations match, 1 if they differ; files of different
          modules are refused (code 2)</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>  --device ПУТЬ   последовательное устройство, например /dev/ttyUSB0 (//./COM3
                  в Windows)</source>
        <translation>  --device PATH   serial device, e.g. /dev/ttyUSB0 (//./COM3 on Windows)</translation>
    </message>
    <message>
        <source>  --port N        порт COMn, N = 1..4, сопоставленный устройству так же, как в
                  конфигураторе: по записи COMn=... раздела [Devices] его
                  настроек, иначе /dev/ttyS0../dev/ttyS3 (//./COMn в Windows)</source>
        <translation>  --port N        port COMn, N = 1..4, mapped to a device as in the configurator:
                  by the entry COMn=... of the [Devices] section of its settings,
                  else /dev/ttyS0../dev/ttyS3 (//./COMn on Windows)</translation>
    </message>
    <message>
        <source>  --module МОДУЛЬ 416 (Orvel-416), 417 (Orvel-417) или relay (Orvel-426/427).
                  show и diff файлов берут модуль из самого файла; --module
                  тогда лишь проверяет его: файл другого модуля отвергается</source>
        <translation>  --module MODULE 416 (Orvel-416), 417 (Orvel-417) or relay (Orvel-426/427).
                  show and diff of files take the module from the file itself;
                  --module then only checks it: a file of another module is refused</translation>
    </message>
    <message>
        <source>  --json          show, diff: вывести то же в виде JSON (см. «Вывод show и diff»)</source>
        <translation>  --json          show, diff: print the same as JSON (see &quot;Output of show and diff&quot;)</translation>
    </message>
    <message>
        <source>  -o, --output ФАЙЛ
                  read: записать файл конфигурации в ФАЙЛ, а не в stdout</source>
        <translation>  -o, --output FILE
                  read: write the configuration file to FILE instead of stdout</translation>
    </message>
    <message>
        <source>  --trace ФАЙЛ    записывать в ФАЙЛ каждый байт обменов по мере их хода: его
                  направление, время от начала обмена и что это за байт (запрос
                  связи, заголовок, кадр, контрольная сумма, эхо, подтверждение...),
                  по строке на байт, теми же текстами, что и журнал обмена
                  конфигуратора. ФАЙЛ создаётся или очищается до того, как что-либо
                  отправлено; он не может быть файлом конфигурации команды write или
                  файлом -o. Если строку записать не удалось (диск полон), журнал
                  на ней обрывается и программа говорит почему; запуск, в остальном
                  успешный, тогда завершается с кодом 74</source>
        <translation>  --trace FILE    write to FILE every byte of the exchanges as they happen: its
                  direction, the time since the exchange began and what the byte is
                  (link request, header, frame, checksum, echo, acknowledgement...),
                  one line per byte, in the same texts as the configurator&apos;s exchange
                  log. FILE is created or emptied before anything is sent; it cannot
                  be the configuration file of write or the file of -o. If a line
                  cannot be written (disk full), the log stops there and the program
                  says why; a run that otherwise succeeds then ends with code 74</translation>
    </message>
    <message>
        <source>  --fast-timing   ТОЛЬКО ДЛЯ ПРОВЕРОК С ЭМУЛЯТОРОМ: убирает постоянные паузы
                  (2000 мс до ответа на запрос связи, 1000 мс до подтверждения,
                  300 мс после открытия порта, 10 мс вокруг байтов релейного
                  модуля). Настоящий модуль пропускает запросы, посланные так быстро.</source>
        <translation>  --fast-timing   FOR TESTS WITH THE EMULATOR ONLY: removes the fixed pauses
                  (2000 ms before the answer to a link request, 1000 ms before an
                  acknowledgement, 300 ms after opening the port, 10 ms around the
                  relay module&apos;s bytes). A real module misses requests sent this fast.</translation>
    </message>
    <message>
        <source>  --lang en|ru    язык сообщений: английский или русский, вместо LANG/LC_*</source>
        <translation>  --lang en|ru    language of the messages: English or Russian, instead of LANG/LC_*</translation>
    </message>
    <message>
        <source>  -h, --help      эта справка</source>
        <translation>  -h, --help      this help</translation>
    </message>
    <message>
        <source>Параметры можно давать до и после команды, в виде «--имя значение» или
«--имя=значение».</source>
        <translation>Options may be given before and after the command, as &quot;--name value&quot; or
&quot;--name=value&quot;.</translation>
    </message>
    <message>
        <source>Файлы конфигурации (текст, по одному десятичному числу в строке, концы строк CR LF):</source>
        <translation>Configuration files (text, one decimal number per line, CR LF line ends):</translation>
    </message>
    <message>
        <source>  416, 417  65 строк: байты образа 0..63, затем тип модуля (2 для Orvel-416,
            1 для Orvel-417)</source>
        <translation>  416, 417  65 lines: image bytes 0..63, then the module type (2 for Orvel-416,
            1 for Orvel-417)</translation>
    </message>
    <message>
        <source>  relay     67 строк: байты образа 0..65, затем вариант релейного модуля:
            5 (Orvel-427, восемь реле) или 6 (Orvel-426, четыре реле). Команда
            read записывает вариант, которым модуль ответил на запрос связи, а байт
            версии (строка 56) — как 0.</source>
        <translation>  relay     67 lines: image bytes 0..65, then the relay module&apos;s variant:
            5 (Orvel-427, eight relays) or 6 (Orvel-426, four relays). The read
            command writes the variant the module named in its link answer, and
            the version byte (line 56) as 0.</translation>
    </message>
    <message>
        <source>  write проверяет файл до того, как что-либо отправлено: файл модуля другого типа
  отвергается с сообщением
    %1
  так же, как файл релейного модуля с последней строкой не 5 и не 6; отвергаются
  и отсутствующий, короткий или нечисловой файл, и любое значение вне 0..255.
  Вариант в файле релейного модуля может не совпадать с модулем: как в
  конфигураторе при установленной связи, действует вариант подключённого модуля,
  и 66 байтов передаются как есть (замечание в stderr сообщает о расхождении).</source>
        <translation>  write checks the file before anything is sent: a file of another module type
  is refused with the message
    %1
  as is a relay module file whose last line is neither 5 nor 6; a missing,
  short or non-numeric file is refused too, and so is any value outside 0..255.
  The variant in a relay module file may differ from the module: as in the
  configurator with the link established, the connected module&apos;s variant holds,
  and the 66 bytes are sent as they are (a note on stderr tells of the difference).</translation>
    </message>
    <message>
        <source>Вывод:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>  stderr  каждое сообщение по мере появления, текстами самого конфигуратора,
          по одному в строке (попытки связи, связь установлена, ошибки...), и
          причина от системы, если отказал порт</source>
        <translation>  stderr  every message as it comes, in the configurator&apos;s own texts, one per
          line (link attempts, link established, errors...), and the system&apos;s
          reason if the port failed</translation>
    </message>
    <message>
        <source>  stdout  только результат: тип модуля при связи, файл конфигурации, код ключа.
          Сообщение об успехе («...завершено» или о связи для команды link)
          появляется только после того, как результат записан; если stdout не
          принимает его (диск полон, поток закрыт), программа говорит почему и
          завершается с кодом 74.</source>
        <translation>  stdout  only the result: the module type for link, the configuration file, the
          key code. The success message (&quot;Configuration read&quot; and the like, or
          the link message for the link command) appears only after the result
          is written; if stdout does not take it (disk full, stream closed), the
          program says why and ends with code 74.</translation>
    </message>
    <message>
        <source>Вывод show и diff (текст UTF-8; ключи JSON постоянны):</source>
        <translation>Output of show and diff (UTF-8 text; the JSON keys never change):</translation>
    </message>
    <message>
        <source>  show    первая строка «Модуль: Orvel-416» (у релейного модуля с вариантом:
          «Модуль: Orvel-426/427, вариант 6 (Orvel-426)»); затем группы окна,
          каждая после пустой строки: заголовок группы, затем её поля с отступом
          в два пробела, «подпись / столбец: значение» (подпись и столбец без
          двоеточия на конце; поле вне группы — без заголовка и отступа).
          Значение — как в окне: «да»/«нет», число, текст пункта, код ключа;
          пустой список — «(не выбрано)», пустая ячейка ключа — «(пусто)».
          У Orvel-426 показаны только вкладки «Реле № 1»..«Реле № 4».</source>
        <translation>  show    first line &quot;Module: Orvel-416&quot; (for the relay module with its variant:
          &quot;Module: Orvel-426/427, variant 6 (Orvel-426)&quot;); then the window&apos;s
          groups, each after an empty line: the group&apos;s title, then its fields
          indented by two spaces, &quot;label / column: value&quot; (label and column
          without a trailing colon; a field outside any group has no title and
          no indent). The value is as in the window: &quot;yes&quot;/&quot;no&quot;, a number, the
          item&apos;s text, a key code; an empty list is &quot;(none selected)&quot;, an empty
          key slot &quot;(empty)&quot;. For Orvel-426 only the tabs &quot;Relay 1&quot;..&quot;Relay 4&quot;
          are shown.</translation>
    </message>
    <message>
        <source>  diff    «Конфигурации совпадают», если различий нет; иначе строки
          «Модуль: ...», «A: ...», «B: ...» (файл или «модуль на ПУТЬ»),
          «Вариант: A → B», если варианты различаются, и группы, как у show,
          с полями «подпись / столбец: значение A → значение B».</source>
        <translation>  diff    &quot;Configurations match&quot; if there is no difference; else the lines
          &quot;Module: ...&quot;, &quot;A: ...&quot;, &quot;B: ...&quot; (the file or &quot;module on PATH&quot;),
          &quot;Variant: A → B&quot; if the variants differ, and groups as for show,
          with fields &quot;label / column: value A → value B&quot;.</translation>
    </message>
    <message>
        <source>  show --json: {&quot;module&quot;: {&quot;name&quot;, &quot;option&quot;, &quot;kind&quot;, &quot;variant&quot;}, &quot;source&quot;,
          &quot;groups&quot;: [{&quot;title&quot;, &quot;fields&quot;: [{&quot;key&quot;, &quot;label&quot;, &quot;column&quot;, &quot;value&quot;,
          &quot;text&quot;}]}], &quot;cells&quot;: [байты образа]}; &quot;kind&quot; — строка типа или
          варианта файла (или ответ модуля), &quot;value&quot; — число (флажок 0/1,
          пункт списка с 0, код ключа), -1 для пустого списка или ячейки
          ключа (их &quot;text&quot; пуст); &quot;label&quot;, &quot;column&quot;, &quot;title&quot; — тексты окна.</source>
        <translation>  show --json: {&quot;module&quot;: {&quot;name&quot;, &quot;option&quot;, &quot;kind&quot;, &quot;variant&quot;}, &quot;source&quot;,
          &quot;groups&quot;: [{&quot;title&quot;, &quot;fields&quot;: [{&quot;key&quot;, &quot;label&quot;, &quot;column&quot;, &quot;value&quot;,
          &quot;text&quot;}]}], &quot;cells&quot;: [image bytes]}; &quot;kind&quot; is the type or variant
          line of the file (or the module&apos;s answer), &quot;value&quot; a number (flag 0/1,
          list item from 0, key code), -1 for an empty list or key slot (their
          &quot;text&quot; is empty); &quot;label&quot;, &quot;column&quot;, &quot;title&quot; are the window&apos;s texts.</translation>
    </message>
    <message>
        <source>  diff --json: {&quot;module&quot;: {&quot;name&quot;, &quot;option&quot;}, &quot;equal&quot;, &quot;a&quot; и &quot;b&quot;: {&quot;source&quot;,
          &quot;kind&quot;, &quot;variant&quot;, &quot;cells&quot;}, &quot;groups&quot;: [{&quot;title&quot;, &quot;fields&quot;: [{&quot;key&quot;,
          &quot;label&quot;, &quot;column&quot;, &quot;a&quot;: {&quot;value&quot;, &quot;text&quot;}, &quot;b&quot;: {...}}]}]} — только
          различающиеся поля.</source>
        <translation>  diff --json: {&quot;module&quot;: {&quot;name&quot;, &quot;option&quot;}, &quot;equal&quot;, &quot;a&quot; and &quot;b&quot;: {&quot;source&quot;,
          &quot;kind&quot;, &quot;variant&quot;, &quot;cells&quot;}, &quot;groups&quot;: [{&quot;title&quot;, &quot;fields&quot;: [{&quot;key&quot;,
          &quot;label&quot;, &quot;column&quot;, &quot;a&quot;: {&quot;value&quot;, &quot;text&quot;}, &quot;b&quot;: {...}}]}]}: only the
          fields that differ.</translation>
    </message>
    <message>
        <source>Коды завершения (решает последний исход):</source>
        <translation>Exit codes (the last outcome decides):</translation>
    </message>
    <message>
        <source>  0   успех; diff: конфигурации совпадают</source>
        <translation>  0   success; diff: the configurations match</translation>
    </message>
    <message>
        <source>  1   нет ответа на запрос связи; diff: конфигурации различаются</source>
        <translation>  1   no answer to the link request; diff: the configurations differ</translation>
    </message>
    <message>
        <source>  2   ошибка в командной строке, или негодный либо не тот файл (ничего не
      отправлено); или выходной файл read не удаётся записать; или файл журнала
      не удаётся создать, или это файл конфигурации либо файл -o (ничего не
      отправлено)</source>
        <translation>  2   command line error, or a bad or wrong file (nothing sent); or the output
      file of read cannot be written; or the log file cannot be created, or it
      is the configuration file or the file of -o (nothing sent)</translation>
    </message>
    <message>
        <source>  3   ответил модуль другого типа</source>
        <translation>  3   a module of another type answered</translation>
    </message>
    <message>
        <source>  4   ошибка контрольной суммы, или обмен, который модуль отверг или не
      подтвердил</source>
        <translation>  4   checksum error, or an exchange the module refused or did not
      acknowledge</translation>
    </message>
    <message>
        <source>  5   к модулю не приложен ключ</source>
        <translation>  5   no key is held to the module</translation>
    </message>
    <message>
        <source>  6   порт не открывается или отказал во время обмена (запись не удалась или
      устройство отключено: вынут адаптер); показана причина от системы, случай
      и что делать (при отказе в доступе — вступить в группу устройства, обычно
      dialout)</source>
        <translation>  6   the port does not open or failed during the exchange (a write failed or
      the device went away: adapter unplugged); shows the system&apos;s reason, the
      case and what to do (on access denied: join the device&apos;s group, usually
      dialout)</translation>
    </message>
    <message>
        <source>  70  внутренняя ошибка программы</source>
        <translation>  70  internal error of the program</translation>
    </message>
    <message>
        <source>  74  результат не удалось записать в stdout, или обмен удался, но журнал обмена
      записан не полностью; показана причина от системы</source>
        <translation>  74  the result could not be written to stdout, or the exchange succeeded but
      the exchange log is incomplete; shows the system&apos;s reason</translation>
    </message>
    <message>
        <source>  130 остановлено сигналом SIGINT или SIGTERM (обмен заканчивается в ближайшей
      точке проверки)</source>
        <translation>  130 stopped by the signal SIGINT or SIGTERM (the exchange ends at its next
      checkpoint)</translation>
    </message>
    <message>
        <source>Использование: pemrix [параметры Qt]
               pemrix --version | --help

Открывает главное окно конфигуратора Pemrix: один модуль Orvel на
последовательном порту (COM1..COM4) — связь, чтение, правка и запись в окне
его типа. Прочие аргументы принадлежат Qt (-platform ИМЯ, ...).

  --lang en|ru
              язык программы: английский или русский (иначе по LANG)
  --version   вывести версию и выйти
  --help      эта справка

Без окна: pemrix-cli --help.
</source>
        <translation>Usage: pemrix [Qt options]
       pemrix --version | --help

Opens the main window of the Pemrix configurator: one Orvel module on a
serial port (COM1..COM4) — link, read, edit and write in the window of
its type. Other arguments belong to Qt (-platform NAME, ...).

  --lang en|ru
              the program&apos;s language: English or Russian (else from LANG)
  --version   print the version and exit
  --help      this help

Without a window: pemrix-cli --help.
</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Отчёт о настройке модуля %1</source>
        <translation>Commissioning report of module %1</translation>
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
        <source>Считать из прибора</source>
        <translation>Read from device</translation>
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
</context>
</TS>
