<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>quorvel::gui::DocumentViewer</name>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is not valid!</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <translation>Please enter a comment!</translation>
    </message>
    <message>
        <source>Запись с таким комментарией уже присутствует в списке!<byte value="xd" />Выберите другой комментарий.</source>
        <translation>A record with this comment is already in the list!<byte value="xd" />Choose another comment.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Книги Microsoft Excel (*.xlsx)</source>
        <translation>Microsoft Excel workbooks (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Следующий тираж: %1</source>
        <translation>Next draw: %1</translation>
    </message>
    <message>
        <source>Архив тиражей: %1</source>
        <translation>Draws in the archive: %1</translation>
    </message>
    <message>
        <source>Не удалось создать каталог "%1": %2</source>
        <translation>Could not create the folder "%1": %2</translation>
    </message>
    <message>
        <source>Не удалось создать каталог данных "%1": %2</source>
        <translation>Could not create the data folder "%1": %2</translation>
    </message>
    <message>
        <source>Системная игра для %1 чисел [вся система]: %2</source>
        <translation>System game for %1 numbers [whole system]: %2</translation>
    </message>
    <message>
        <source>Системная игра для %1 чисел [комбинации]: %2</source>
        <translation>System game for %1 numbers [combinations]: %2</translation>
    </message>
    <message>
        <source>Строк: %1; q (угадано) &lt;= %2.%3: %4; случайно ожидается p &lt;= %5.%6: %7.%8</source>
        <translation>Rows: %1; q (guessed) &lt;= %2.%3: %4; expected by chance with p &lt;= %5.%6: %7.%8</translation>
    </message>
    <message>
        <source>Строк: %1; q (угадано) &lt;= %2,%3: %4; случайно ожидается p &lt;= %5,%6: %7,%8</source>
        <translation>Rows: %1; q (guessed) &lt;= %2,%3: %4; expected by chance with p &lt;= %5,%6: %7,%8</translation>
    </message>
    <message>
        <source>* часть ставок строки удалена из файла ставок; p и q - по оставшимся</source>
        <translation>* some of the row's stakes were deleted from the stakes file; p and q are over the rest</translation>
    </message>
    <message>
        <source>Не удалось удалить файл "%1": %2</source>
        <translation>Could not delete the file "%1": %2</translation>
    </message>
    <message>
        <source>Не удалось открыть файл "%1": %2</source>
        <translation>Could not open the file "%1": %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл "%1": %2</source>
        <translation>Could not write the file "%1": %2</translation>
    </message>
    <message>
        <source>Прежнее содержимое файла не изменено.</source>
        <translation>The previous contents of the file are unchanged.</translation>
    </message>
    <message>
        <source>Ошибка создания временного файла ставок "%1"!</source>
        <translation>Error creating the temporary stakes file "%1"!</translation>
    </message>
    <message>
        <source>Ошибка переименования / удаления временного файла ставок "%1"!</source>
        <translation>Error renaming or deleting the temporary stakes file "%1"!</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл "%1": это каталог</source>
        <translation>Could not read the file "%1": it is a folder</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл "%1"</source>
        <translation>Could not read the file "%1"</translation>
    </message>
    <message>
        <source>Не удалось открыть файл "%1": это каталог.</source>
        <translation>Could not open the file "%1": it is a folder.</translation>
    </message>
    <message>
        <source>Кодировка недоступна: %1</source>
        <translation>Encoding not available: %1</translation>
    </message>
    <message>
        <source>Некорректная дата или время: %1.%2.%3 %4:%5</source>
        <translation>Invalid date or time: %1.%2.%3 %4:%5</translation>
    </message>
    <message>
        <source>"%1" не является корректной датой и временем</source>
        <translation>"%1" is not a valid date and time</translation>
    </message>
    <message>
        <source>Некорректная комбинация: "%1"!</source>
        <translation>Invalid combination: "%1"!</translation>
    </message>
    <message>
        <source>Удалить выделенную запись?</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <source>Удалить все выделенные записи (всего будет удалено %1 записи(ей))?</source>
        <translation>Delete all selected records (%1 record(s) will be deleted)?</translation>
    </message>
    <message>
        <source>Тираж № %1 от %2.%3.%4 %5:%6, значения: %7;%8;%9</source>
        <translation>Draw No. %1 of %2.%3.%4 %5:%6, values: %7;%8;%9</translation>
    </message>
    <message>
        <source>Тираж № %1 от %2.%3.%4, значения: %5;%6;%7</source>
        <translation>Draw No. %1 of %2.%3.%4, values: %5;%6;%7</translation>
    </message>
    <message>
        <source>Тираж № %1 от , значения: %2;%3;%4</source>
        <translation>Draw No. %1 (no date), values: %2;%3;%4</translation>
    </message>
    <message>
        <source>Ошибка загрузки параметров программы!</source>
        <translation>Error loading the program settings!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла конфигурации!</source>
        <translation>Error reading the configuration file!</translation>
    </message>
    <message>
        <source>Ошибка запуска программы!</source>
        <translation>Error starting the program!</translation>
    </message>
    <message>
        <source>Ошибка инициализации программы!</source>
        <translation>Error initializing the program!</translation>
    </message>
    <message>
        <source>Ошибка сохранения параметров программы!</source>
        <translation>Error saving the program settings!</translation>
    </message>
    <message>
        <source>Обновить список тиражей?</source>
        <translation>Update the list of draws?</translation>
    </message>
    <message>
        <source>Для выполнения обновления необходимо действующее подключение к сети Интернет.</source>
        <translation>An active Internet connection is required for the update.</translation>
    </message>
    <message>
        <source>Ошибка чтения файла тиражей!</source>
        <translation>Error reading the draws file!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл тиражей!</source>
        <translation>Error writing the draws file!</translation>
    </message>
    <message>
        <source>Не импортировано строк: %1. В них есть значения вне диапазона от %2 до %3, такой тираж не может быть добавлен в архив.</source>
        <translation>Lines not imported: %1. They contain values outside the range %2 to %3; such a draw cannot be added to the archive.</translation>
    </message>
    <message>
        <source>Не загружено тиражей: %1. В них есть значения вне диапазона от %2 до %3, такой тираж не может быть добавлен в архив.</source>
        <translation>Draws not downloaded: %1. They contain values outside the range %2 to %3; such a draw cannot be added to the archive.</translation>
    </message>
    <message>
        <source>Ошибка генерации файла комбинаций!</source>
        <translation>Error generating the combinations file!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл конфигурации!</source>
        <translation>Error writing the configuration file!</translation>
    </message>
    <message>
        <source>В текущем списке комбинаций содержится %1 уникальных номеров</source>
        <translation>The current combination list contains %1 unique numbers</translation>
    </message>
    <message>
        <source>Выделенная комбинация не найдена архиве тиражей!</source>
        <translation>The selected combination was not found in the draw archive!</translation>
    </message>
    <message>
        <source>Выделенная комбинация найдена в следующих тиражах:</source>
        <translation>The selected combination was found in the following draws:</translation>
    </message>
    <message>
        <source>В выделенном диапазоне нет значений для фильтра!</source>
        <translation>The selected range has no values to filter by!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла "%1"!</source>
        <translation>Error reading the file "%1"!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл "%1"!</source>
        <translation>Error writing the file "%1"!</translation>
    </message>
    <message>
        <source>Файлы журналов не найдены!</source>
        <translation>No log files were found!</translation>
    </message>
    <message>
        <source>Удалено файлов: %1</source>
        <translation>Files deleted: %1</translation>
    </message>
    <message>
        <source>Удалено файлов: %1 из %2</source>
        <translation>Files deleted: %1 of %2</translation>
    </message>
    <message>
        <source>Ошибка проверки ставок!</source>
        <translation>Error checking the stakes!</translation>
    </message>
    <message>
        <source>Файл ставок не открыт!</source>
        <translation>The stakes file is not open!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла рейтинга!</source>
        <translation>Error reading the rating file!</translation>
    </message>
    <message>
        <source>Прежнее содержимое файла сохранено в "%1".</source>
        <translation>The previous contents of the file have been saved to "%1".</translation>
    </message>
    <message>
        <source>Ошибка записи в файл рейтинга!</source>
        <translation>Error writing the rating file!</translation>
    </message>
    <message>
        <source>Пересчитать рейтинг только по текущим ставкам?</source>
        <translation>Recalculate the rating from the current stakes only?</translation>
    </message>
    <message>
        <source>Накопленные ранее данные по удаленным ставкам будут потеряны.</source>
        <translation>The data accumulated earlier for deleted stakes will be lost.</translation>
    </message>
    <message>
        <source>Ошибка обновления рейтинга!</source>
        <translation>Error updating the rating!</translation>
    </message>
    <message>
        <source>Строку</source>
        <translation>The line</translation>
    </message>
    <message>
        <source>невозможно добавить в сценарий!</source>
        <translation>cannot be added to the scenario!</translation>
    </message>
    <message>
        <source>Ошибка загрузки списка систем!</source>
        <translation>Error loading the list of systems!</translation>
    </message>
    <message>
        <source>Ошибка добавления системы!</source>
        <translation>Error adding the system!</translation>
    </message>
    <message>
        <source>Ошибка изменения системы!</source>
        <translation>Error changing the system!</translation>
    </message>
    <message>
        <source>Ошибка удаления системы!</source>
        <translation>Error deleting the system!</translation>
    </message>
    <message>
        <source>Ошибка загрузки системы #%1!</source>
        <translation>Error loading system #%1!</translation>
    </message>
    <message>
        <source>Указано недопустмое количество используемых чисел!</source>
        <translation>The count of numbers used is not allowed!</translation>
    </message>
    <message>
        <source>Указан недопустмый размер блока!</source>
        <translation>The block size is not allowed!</translation>
    </message>
    <message>
        <source>Ни одной комбинации системы нет в списке комбинаций!</source>
        <translation>None of the system's combinations is in the combination list!</translation>
    </message>
    <message>
        <source>Для %1 чисел на компьютер уже загружена система "%2".</source>
        <translation>A system "%2" for %1 numbers is already on this computer.</translation>
    </message>
    <message>
        <source>Она будет удалена с компьютера. Продолжить?</source>
        <translation>It will be removed from the computer. Continue?</translation>
    </message>
    <message>
        <source>Вы можете изменять только свои системы!</source>
        <translation>You can only change your own systems!</translation>
    </message>
    <message>
        <source>Вы можете удалять только свои системы!</source>
        <translation>You can only delete your own systems!</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить систему "%1"?</source>
        <translation>Do you really want to delete the system "%1"?</translation>
    </message>
    <message>
        <source>Файл не содержит ни одной комбинации системы!</source>
        <translation>The file contains no system combinations!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла регулярных ставок!</source>
        <translation>Error reading the regular stakes file!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл регулярных ставок!</source>
        <translation>Error writing the regular stakes file!</translation>
    </message>
    <message>
        <source>Файл оставлен без изменений.</source>
        <translation>The file has been left unchanged.</translation>
    </message>
    <message>
        <source>Файл переименован в "%1".</source>
        <translation>The file has been renamed to "%1".</translation>
    </message>
    <message>
        <source>Файл "%1" не был прочитан.</source>
        <translation>The file "%1" was not read.</translation>
    </message>
    <message>
        <source>Запись со индексом %1 в файле данных не найдена!</source>
        <translation>The record with index %1 was not found in the data file!</translation>
    </message>
    <message>
        <source>Запись со индексом -%1 в файле данных не найдена!</source>
        <translation>The record with index -%1 was not found in the data file!</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is not valid!</translation>
    </message>
    <message>
        <source>Необходимо ввести комментарий!</source>
        <translation>Please enter a comment!</translation>
    </message>
    <message>
        <source>Запись с таким комментарией уже присутствует в списке!<byte value="xd" />Выберите другой комментарий.</source>
        <translation>A record with this comment is already in the list!<byte value="xd" />Choose another comment.</translation>
    </message>
    <message>
        <source>Некорректный признак использования тиража: %1!</source>
        <translation>Invalid draw usage flag: %1!</translation>
    </message>
    <message>
        <source>Шаг %1 выходит за пределы от -%2 до %3!</source>
        <translation>The step %1 is outside the range -%2 to %3!</translation>
    </message>
    <message>
        <source>Шаг -%1 выходит за пределы от -%2 до %3!</source>
        <translation>The step -%1 is outside the range -%2 to %3!</translation>
    </message>
    <message>
        <source>Некорректное количество ставок: -%1!</source>
        <translation>Invalid number of stakes: -%1!</translation>
    </message>
    <message>
        <source>Запись %1: Некорректный признак использования тиража: %2!</source>
        <translation>Record %1: Invalid draw usage flag: %2!</translation>
    </message>
    <message>
        <source>Запись %1: Некорректная комбинация: "%2"!</source>
        <translation>Record %1: Invalid combination: "%2"!</translation>
    </message>
    <message>
        <source>Запись %1: Шаг %2 выходит за пределы от -%3 до %4!</source>
        <translation>Record %1: The step %2 is outside the range -%3 to %4!</translation>
    </message>
    <message>
        <source>Запись %1: Шаг -%2 выходит за пределы от -%3 до %4!</source>
        <translation>Record %1: The step -%2 is outside the range -%3 to %4!</translation>
    </message>
    <message>
        <source>Запись %1: Некорректное количество ставок: -%2!</source>
        <translation>Record %1: Invalid number of stakes: -%2!</translation>
    </message>
    <message>
        <source>Размер файла (%1 байт) не кратен размеру записи (%2 байта)!</source>
        <translation>The file size (%1 bytes) is not a multiple of the record size (%2 bytes)!</translation>
    </message>
    <message>
        <source>Ошибка создания файла данных для полного набора вариантов!</source>
        <translation>Error creating the data file for the full set of variants!</translation>
    </message>
    <message>
        <source>Имя файла: %1</source>
        <translation>File name: %1</translation>
    </message>
    <message>
        <source>Ошибка загрузки архива тиражей с сайта: "%1"</source>
        <translation>Error downloading the draw archive from the site: "%1"</translation>
    </message>
    <message>
        <source>Ошибка загрузки архива тиражей с сайта: %1</source>
        <translation>Error downloading the draw archive from the site: %1</translation>
    </message>
    <message>
        <source>Повторить попытку?</source>
        <translation>Try again?</translation>
    </message>
    <message>
        <source>Не задан адрес сайта результатов лотереи.</source>
        <translation>The address of the lottery results site is not set.</translation>
    </message>
    <message>
        <source>Укажите его в диалоге "Параметры proxy-сервера" (поле "Адрес архива результатов:") или ключом ResultsUrl раздела [DOWNLOAD] файла "Quorvel_3r10.ini". Адрес, оканчивающийся на ".csv", читается как файл тиражей в формате импорта.</source>
        <translation>Enter it in the "Proxy server settings" dialog (the "Results archive address:" field) or with the ResultsUrl key of the [DOWNLOAD] section of the file "Quorvel_3r10.ini". An address ending in ".csv" is read as a draws file in the import format.</translation>
    </message>
    <message>
        <source>Ошибка получения списка proxy-серверов!</source>
        <translation>Error getting the list of proxy servers!</translation>
    </message>
    <message>
        <source>Некорректный адрес proxy-сервера: "%1"</source>
        <translation>Invalid proxy server address: "%1"</translation>
    </message>
    <message>
        <source>Ошибка автоматического выбора proxy сервера!</source>
        <translation>Error choosing a proxy server automatically!</translation>
    </message>
    <message>
        <source>Не задан адрес службы списка proxy-серверов (ключ ProxyListUrl раздела [DOWNLOAD] файла "Quorvel_3r10.ini")</source>
        <translation>The address of the proxy list service is not set (the ProxyListUrl key of the [DOWNLOAD] section of the file "Quorvel_3r10.ini")</translation>
    </message>
    <message>
        <source>Не найдено ни одного proxy-сервера с заданными параметрами</source>
        <translation>No proxy server with the given parameters was found</translation>
    </message>
    <message>
        <source>Не удалось создать web-клиент</source>
        <translation>Could not create the web client</translation>
    </message>
    <message>
        <source>Ответ сервера слишком велик</source>
        <translation>The server response is too large</translation>
    </message>
    <message>
        <source>Не удалось найти пару идентификаторов "%1" - "%2" в тексте</source>
        <translation>Could not find the pair of markers "%1" - "%2" in the text</translation>
    </message>
    <message>
        <source>Файл "%1" обрезан: после %2 полных записей осталось %3 лишних байт.</source>
        <translation>The file "%1" is truncated: %3 extra bytes remain after %2 complete records.</translation>
    </message>
    <message>
        <source>Невозможно получить монопольный доступ к файлам данных!</source>
        <translation>Cannot get exclusive access to the data files!</translation>
    </message>
    <message>
        <source>Возможные причины данной ошибки: </source>
        <translation>Possible causes of this error: </translation>
    </message>
    <message>
        <source>1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа нескольких копий программы возможна только из разных каталогов.</source>
        <translation>1) You are trying to start a second copy of the program from the same folder. Several copies of the program can work correctly only from different folders.</translation>
    </message>
    <message>
        <source>2) Для программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и выше по умолчанию запрещена запись в c:\Program Files.</source>
        <translation>2) The program has no permission to write in the folder where it is located. For example, in Windows 7 and later writing to c:\Program Files is not allowed by default.</translation>
    </message>
    <message>
        <source>Программа будет закрыта!</source>
        <translation>The program will be closed!</translation>
    </message>
    <message>
        <source>Ошибка чтения записи из файла ставок!</source>
        <translation>Error reading a record from the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка записи в файл ставок!</source>
        <translation>Error writing the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка добавления записи в файл ставок!</source>
        <translation>Error adding a record to the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка поиска записи в файле ставок!</source>
        <translation>Error searching for a record in the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка удаления записи из файла ставок!</source>
        <translation>Error deleting a record from the stakes file!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла ставок!</source>
        <translation>Error reading the stakes file!</translation>
    </message>
    <message>
        <source>Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!</source>
        <translation>A stakes file of an outdated version was found - the stakes in it will be deleted!</translation>
    </message>
    <message>
        <source>Добавление в конец файла уже проверенной ставки!</source>
        <translation>An already checked stake cannot be appended to the end of the file!</translation>
    </message>
    <message>
        <source>Номер тиража %1 для ставки на %2 тиражей выходит за пределы от %3 до %4!</source>
        <translation>The draw number %1 for a stake on %2 draws is outside the range %3 to %4!</translation>
    </message>
    <message>
        <source>Ошибка удаления файла "%1"!</source>
        <translation>Error deleting the file "%1"!</translation>
    </message>
    <message>
        <source>Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!</source>
        <translation>To build graphs, the selected data range must contain more than one draw!</translation>
    </message>
    <message>
        <source>Некорректное значение: %1!</source>
        <translation>Invalid value: %1!</translation>
    </message>
    <message>
        <source>Некорректное значение: %1</source>
        <translation>Invalid value: %1</translation>
    </message>
    <message>
        <source>Укажите любое число от %1 до %2</source>
        <translation>Enter any number from %1 to %2</translation>
    </message>
    <message>
        <source>Ошибка загрузки списка фильтров!</source>
        <translation>Error loading the list of filters!</translation>
    </message>
    <message>
        <source>Ошибка сохранения списка фильтров!</source>
        <translation>Error saving the list of filters!</translation>
    </message>
    <message>
        <source>Файл повреждён: его длина (%1 байт) не кратна длине записи</source>
        <translation>The file is damaged: its length (%1 bytes) is not a multiple of the record length</translation>
    </message>
    <message>
        <source>Не выбран метод расчета статистики (cb: %1</source>
        <translation>No statistics calculation method is selected (cb: %1</translation>
    </message>
    <message>
        <source>Сумма выигрыша ставки выходит за допустимые пределы!</source>
        <translation>The winning amount of the stake is out of the allowed range!</translation>
    </message>
    <message>
        <source>Не хватает скобочки</source>
        <translation>A bracket is missing</translation>
    </message>
    <message>
        <source>Синтаксическая ошибка</source>
        <translation>Syntax error</translation>
    </message>
    <message>
        <source>Деление на нуль</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Выражение под корнем меньне нуля</source>
        <translation>The expression under the root is less than zero</translation>
    </message>
    <message>
        <source>Выражение под логарифмом меньне нуля</source>
        <translation>The expression under the logarithm is less than zero</translation>
    </message>
    <message>
        <source>Ошибка в операции с плавающей точкой</source>
        <translation>Floating-point operation error</translation>
    </message>
    <message>
        <source>Ошибка записи журнала: %1</source>
        <translation>Error writing the log: %1</translation>
    </message>
    <message>
        <source>Некорректное описание фильтра: %1</source>
        <translation>Invalid filter description: %1</translation>
    </message>
    <message>
        <source>Введен некорректный диапазон значений!</source>
        <translation>An invalid range of values has been entered!</translation>
    </message>
    <message>
        <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
        <translation>Selection by a list of values is not available for this kind of statistics!</translation>
    </message>
    <message>
        <source>В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть выполнена!<byte value="xd" />Выберите другой способ останова.</source>
        <translation>In multi-selection mode the scenario cannot be stopped by the number of combinations or numbers!<byte value="xd" />Choose another way of stopping.</translation>
    </message>
    <message>
        <source>Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!<byte value="xd" />Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.</source>
        <translation>You have set too many filter variants - the program will not be able to process them all!<byte value="xd" />Please reduce the number of sample length and depth variants in each filter, then try again.</translation>
    </message>
    <message>
        <source>Значение "%1" не является целым числом!</source>
        <translation>The value "%1" is not an integer!</translation>
    </message>
    <message>
        <source>Значение "%1" не является числом!</source>
        <translation>The value "%1" is not a number!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: файл обрывается!</source>
        <translation>The test part file "%1" is damaged: the file is cut short!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: длина текста!</source>
        <translation>The test part file "%1" is damaged: invalid text length!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: это не файл части теста!</source>
        <translation>The test part file "%1" is damaged: it is not a test part file!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: число строк сценария!</source>
        <translation>The test part file "%1" is damaged: invalid number of scenario lines!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: неверный диапазон проходов!</source>
        <translation>The test part file "%1" is damaged: wrong range of passes!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: сценарий изменен!</source>
        <translation>The test part file "%1" is damaged: the scenario has been changed!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: неизвестная запись!</source>
        <translation>The test part file "%1" is damaged: unknown record!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: контрольная сумма не совпадает!</source>
        <translation>The test part file "%1" is damaged: the checksum does not match!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: проходы не по порядку!</source>
        <translation>The test part file "%1" is damaged: the passes are out of order!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: число записей!</source>
        <translation>The test part file "%1" is damaged: invalid number of records!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: неверный конец файла!</source>
        <translation>The test part file "%1" is damaged: wrong end of file!</translation>
    </message>
    <message>
        <source>Файл части теста "%1" поврежден: не хватает проходов!</source>
        <translation>The test part file "%1" is damaged: some passes are missing!</translation>
    </message>
    <message>
        <source>Версия файла части теста (%1) не поддерживается; нужна версия %2.</source>
        <translation>The test part file version (%1) is not supported; version %2 is required.</translation>
    </message>
    <message>
        <source>Версия файла части теста (-%1) не поддерживается; нужна версия %2.</source>
        <translation>The test part file version (-%1) is not supported; version %2 is required.</translation>
    </message>
    <message>
        <source>Файл "%1" не является файлом части теста!</source>
        <translation>The file "%1" is not a test part file!</translation>
    </message>
    <message>
        <source>Часть теста "%1" изменилась во время объединения!</source>
        <translation>The test part "%1" changed while it was being merged!</translation>
    </message>
    <message>
        <source>Файл "%1" содержит часть теста %2 из %3, а не %4!</source>
        <translation>The file "%1" holds part %2 of %3 of a test, not part %4!</translation>
    </message>
    <message>
        <source>Метод расчета статистики "%1" на найден!</source>
        <translation>The statistics calculation method "%1" was not found!</translation>
    </message>
    <message>
        <source>Возможно, Вы отключили данных метод расчета либо использовали сценарий от другой модификации программы.</source>
        <translation>You may have turned this calculation method off or used a scenario from another edition of the program.</translation>
    </message>
    <message>
        <source><byte value="xd" />Возможно, Вы отключили данных метод расчета либо использовали сценарий от другой модификации программы.</source>
        <translation><byte value="xd" />You may have turned this calculation method off or used a scenario from another edition of the program.</translation>
    </message>
    <message>
        <source>Выполнение сценария прервано.</source>
        <translation>The scenario run was stopped.</translation>
    </message>
    <message>
        <source>Часть теста "%1" относится к другому сценарию!</source>
        <translation>The test part "%1" belongs to another scenario!</translation>
    </message>
    <message>
        <source>Часть теста "%1" сделана по другому архиву тиражей!</source>
        <translation>The test part "%1" was made with another draw archive!</translation>
    </message>
    <message>
        <source>Часть теста "%1" сделана с другими настройками!</source>
        <translation>The test part "%1" was made with other settings!</translation>
    </message>
    <message>
        <source>Часть теста "%1" относится к другому тесту (количество тестов, начальное значение случайных чисел или число частей другие)!</source>
        <translation>The test part "%1" belongs to another test (the number of tests, the random seed or the number of parts differ)!</translation>
    </message>
    <message>
        <source>Укажите файлы частей теста!</source>
        <translation>Specify the test part files!</translation>
    </message>
    <message>
        <source>Часть теста %1 из %2 указана дважды: "%3"!</source>
        <translation>Test part %1 of %2 is given twice: "%3"!</translation>
    </message>
    <message>
        <source>Не хватает части теста %1 из %2 (проходы для смещений %3..%4)!</source>
        <translation>Test part %1 of %2 is missing (passes for offsets %3..%4)!</translation>
    </message>
    <message>
        <source>Нет прохода для смещения %1!</source>
        <translation>There is no pass for offset %1!</translation>
    </message>
    <message>
        <source>Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их осталось более одной: %1!</source>
        <translation>The scenario run was stopped because more than one combination remained in the list after all filters were applied: %1!</translation>
    </message>
    <message>
        <source>Фильтры: %1</source>
        <translation>Filters: %1</translation>
    </message>
    <message>
        <source>Не удалось создать временный каталог для проверки!</source>
        <translation>Could not create a temporary folder for the check!</translation>
    </message>
    <message>
        <source>Не удалось открыть временную копию каталога данных!</source>
        <translation>Could not open the temporary copy of the data folder!</translation>
    </message>
    <message>
        <source>Не удалось подготовить архив для проверки!</source>
        <translation>Could not prepare the archive for the check!</translation>
    </message>
    <message>
        <source>Количество проходов и строк должно быть не меньше %1!</source>
        <translation>The number of passes and of lines must be at least %1!</translation>
    </message>
    <message>
        <source>Для проверки нужно не менее %1 тиражей в архиве!</source>
        <translation>The check needs at least %1 draws in the archive!</translation>
    </message>
    <message>
        <source>Ошибка загрузки комбинаций системы!</source>
        <translation>Error loading the system combinations!</translation>
    </message>
    <message>
        <source>Система для %1 чисел не найдена или не загружена на компьютер!</source>
        <translation>No system for %1 numbers was found, or it is not loaded on the computer!</translation>
    </message>
    <message>
        <source>Перед системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню "Системы" - "Загрузить".</source>
        <translation>Before a system game, load the systems onto your computer with the "Systems" - "Load" menu.</translation>
    </message>
    <message>
        <source>Название системы должно быть указано обязательно!</source>
        <translation>The system name must be specified!</translation>
    </message>
    <message>
        <source>Имя автора должно быть указано обязательно!</source>
        <translation>The author name must be specified!</translation>
    </message>
    <message>
        <source>Описание системы должно быть указано обязательно!</source>
        <translation>The system description must be specified!</translation>
    </message>
    <message>
        <source>Содержимое системы должно быть указано обязательно!</source>
        <translation>The system contents must be specified!</translation>
    </message>
    <message>
        <source>Номера чисел в комбинациях системы должны быть от %1 до %2!</source>
        <translation>The numbers in the system combinations must be from %1 to %2!</translation>
    </message>
    <message>
        <source>Строка %1 файла "%2": меньше трех чисел!</source>
        <translation>Line %1 of the file "%2": fewer than three numbers!</translation>
    </message>
    <message>
        <source>Строка %1 файла "%2": значение "%3" не является целым числом!</source>
        <translation>Line %1 of the file "%2": the value "%3" is not an integer!</translation>
    </message>
    <message>
        <source>Строка %1 файла "%2": номер %3 вне диапазона от %4 до %5!</source>
        <translation>Line %1 of the file "%2": the number %3 is outside the range %4 to %5!</translation>
    </message>
    <message>
        <source>Не удалось создать каталог "%1"</source>
        <translation>Could not create the folder "%1"</translation>
    </message>
    <message>
        <source>Невозможно создать файл "%1"!</source>
        <translation>Cannot create the file "%1"!</translation>
    </message>
    <message>
        <source>Невозможно создать лист книги!</source>
        <translation>Cannot create the workbook sheet!</translation>
    </message>
    <message>
        <source>Сохранение файла конфигурации...</source>
        <translation>Saving the configuration file...</translation>
    </message>
    <message>
        <source>Загрузка архива тиражей...</source>
        <translation>Downloading the draw archive...</translation>
    </message>
    <message>
        <source>Загрузка файла конфигурации...</source>
        <translation>Loading the configuration file...</translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation>Initializing...</translation>
    </message>
    <message>
        <source>Загрузка файла ставок...</source>
        <translation>Loading the stakes file...</translation>
    </message>
    <message>
        <source>Загрузка файла тиражей...</source>
        <translation>Loading the draws file...</translation>
    </message>
    <message>
        <source>Сохранение файла тиражей...</source>
        <translation>Saving the draws file...</translation>
    </message>
    <message>
        <source>Удаление выделенных тиражей....</source>
        <translation>Deleting the selected draws...</translation>
    </message>
    <message>
        <source>Импорт тиражей из файла "%1"...</source>
        <translation>Importing draws from the file "%1"...</translation>
    </message>
    <message>
        <source>Экспорт тиражей в файл "%1"...</source>
        <translation>Exporting draws to the file "%1"...</translation>
    </message>
    <message>
        <source>Поиск файлов журналов...</source>
        <translation>Searching for log files...</translation>
    </message>
    <message>
        <source>Анализ тиражей и расчет статистики...</source>
        <translation>Analyzing the draws and calculating statistics...</translation>
    </message>
    <message>
        <source>Создание файлов для полного набора комбинаций...</source>
        <translation>Creating the files for the full set of combinations...</translation>
    </message>
    <message>
        <source>Генерация возможных комбинаций...</source>
        <translation>Generating the possible combinations...</translation>
    </message>
    <message>
        <source>Создание файла отката...</source>
        <translation>Creating the undo file...</translation>
    </message>
    <message>
        <source>Отмена изменений...</source>
        <translation>Undoing the changes...</translation>
    </message>
    <message>
        <source>Удаление выделенных комбинаций...</source>
        <translation>Deleting the selected combinations...</translation>
    </message>
    <message>
        <source>Загрузка файла "%1"...</source>
        <translation>Loading the file "%1"...</translation>
    </message>
    <message>
        <source>Сохранение файла "%1"...</source>
        <translation>Saving the file "%1"...</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Поиск по архиву тиражей...</source>
        <translation>Searching the draw archive...</translation>
    </message>
    <message>
        <source>Фильтрация комбинаций...</source>
        <translation>Filtering the combinations...</translation>
    </message>
    <message>
        <source>Удаление строк...</source>
        <translation>Deleting the lines...</translation>
    </message>
    <message>
        <source>Создание ставки...</source>
        <translation>Creating the stake...</translation>
    </message>
    <message>
        <source>Создание ставок...</source>
        <translation>Creating the stakes...</translation>
    </message>
    <message>
        <source>Проверка результатов ставок...</source>
        <translation>Checking the stake results...</translation>
    </message>
    <message>
        <source>Проверка результатов ставок ( завершено %1 % )...</source>
        <translation>Checking the stake results ( %1 % done )...</translation>
    </message>
    <message>
        <source>Удаление ставок...</source>
        <translation>Deleting the stakes...</translation>
    </message>
    <message>
        <source>Создание графиков...</source>
        <translation>Creating the graphs...</translation>
    </message>
    <message>
        <source>Загрузка файла рейтинга...</source>
        <translation>Loading the rating file...</translation>
    </message>
    <message>
        <source>Сортировка рейтинга...</source>
        <translation>Sorting the rating...</translation>
    </message>
    <message>
        <source>Сохранение файла рейтинга...</source>
        <translation>Saving the rating file...</translation>
    </message>
    <message>
        <source>Обновление рейтинга...</source>
        <translation>Updating the rating...</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл...</source>
        <translation>Exporting to a CSV file...</translation>
    </message>
    <message>
        <source>Генерация новых строк в сценарии...</source>
        <translation>Generating new scenario lines...</translation>
    </message>
    <message>
        <source>Загрузка файла регулярных ставок...</source>
        <translation>Loading the regular stakes file...</translation>
    </message>
    <message>
        <source>Сохранение файла регулярных ставок...</source>
        <translation>Saving the regular stakes file...</translation>
    </message>
    <message>
        <source>Создание регулярных ставок...</source>
        <translation>Creating the regular stakes...</translation>
    </message>
    <message>
        <source>Удаление регулярных ставок...</source>
        <translation>Deleting the regular stakes...</translation>
    </message>
    <message>
        <source>Создание ставок по регулярным табличным ставкам...</source>
        <translation>Creating stakes from the regular table stakes...</translation>
    </message>
    <message>
        <source>Выполнение сценария...</source>
        <translation>Running the scenario...</translation>
    </message>
    <message>
        <source>Фильтр %1 из %2: %3</source>
        <translation>Filter %1 of %2: %3</translation>
    </message>
    <message>
        <source>Сценарий завершен!</source>
        <translation>The scenario is finished!</translation>
    </message>
    <message>
        <source>Сценарий остановлен!</source>
        <translation>The scenario was stopped!</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров...</source>
        <translation>Creating every filter variant...</translation>
    </message>
    <message>
        <source>Создание всех вариантов фильтров ( %1 )...</source>
        <translation>Creating every filter variant ( %1 )...</translation>
    </message>
    <message>
        <source>Загрузка тиражей %1 - %2...</source>
        <translation>Downloading draws %1 - %2...</translation>
    </message>
    <message>
        <source>Удаление из списка комбинаций %1 последних тиражей...</source>
        <translation>Removing the last %1 draws from the combination list...</translation>
    </message>
    <message>
        <source>Удаление из списка комбинаций %1 последних тиражей ( завершено %2 % )...</source>
        <translation>Removing the last %1 draws from the combination list ( %2 % done )...</translation>
    </message>
    <message>
        <source>Неверный адрес: %1</source>
        <translation>Invalid address: %1</translation>
    </message>
    <message>
        <source>Сервер не найден: %1</source>
        <translation>Server not found: %1</translation>
    </message>
    <message>
        <source>Proxy-сервер не найден: %1</source>
        <translation>Proxy server not found: %1</translation>
    </message>
    <message>
        <source>Не удалось подключиться к серверу: %1</source>
        <translation>Could not connect to the server: %1</translation>
    </message>
    <message>
        <source>Сервер не ответил вовремя: %1</source>
        <translation>The server did not answer in time: %1</translation>
    </message>
    <message>
        <source>Не удалось установить защищенное соединение: %1</source>
        <translation>Could not set up a secure connection: %1</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл: %1</source>
        <translation>Could not read the file: %1</translation>
    </message>
    <message>
        <source>Соединение с сервером прервано: %1</source>
        <translation>The connection to the server was broken: %1</translation>
    </message>
    <message>
        <source>Слишком много перенаправлений: %1</source>
        <translation>Too many redirects: %1</translation>
    </message>
    <message>
        <source>Ошибка сети: %1</source>
        <translation>Network error: %1</translation>
    </message>
    <message>
        <source>Сервер ответил кодом %1: %2</source>
        <translation>The server answered with code %1: %2</translation>
    </message>
    <message>
        <source>Адрес &quot;%1&quot; не является адресом http:// или https://!</source>
        <translation>The address &quot;%1&quot; is not an http:// or https:// address!</translation>
    </message>
    <message>
        <source>Неизвестная переменная</source>
        <translation>Unknown variable</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Анализатор ежедневной лотереи «три цифры»: статистика тиражей, фильтры, сценарии и ставки.</source>
        <translation>An analyzer for a daily three-digit lottery: draw statistics, filters, scenarios and stakes.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::AppliedFiltersModel</name>
    <message>
        <source>Примененные фильтры</source>
        <translation>Applied filters</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ArchiveController</name>
    <message>
        <source>Файлы тиражей (*.csv)</source>
        <translation>Draw files (*.csv)</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Загрузка архива тиражей с сайта лотереи</source>
        <translation>Download the draw archive from the lottery website</translation>
    </message>
    <message>
        <source>Сайт лотереи</source>
        <translation>Lottery site</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Сведения о тираже</source>
        <translation>Draw details</translation>
    </message>
    <message>
        <source>Импорт из CSV-файла</source>
        <translation>Import from a CSV file</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл</source>
        <translation>Export to a CSV file</translation>
    </message>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Упорядочить MIN-&gt;MAX</source>
        <translation>Sort MIN-&gt;MAX</translation>
    </message>
    <message>
        <source>Введите данные следующего тиража</source>
        <translation>Enter the data of the next draw</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::AreaController</name>
    <message>
        <source>Количество тестов</source>
        <translation>Number of tests</translation>
    </message>
    <message>
        <source>Укажите количество тестов:</source>
        <translation>Enter the number of tests:</translation>
    </message>
    <message>
        <source>Укажите количество последних тиражей, на которых будет производится тестирование</source>
        <translation>The number of last draws to test on</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ChartWindow</name>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Отображать метки на графиках</source>
        <translation>Show labels on charts</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::CombsController</name>
    <message>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
    <message>
        <source>Генерировать</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Исключить тиражи</source>
        <translation>Exclude draws</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить из буфера</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Сведения о комбинации</source>
        <translation>Combination details</translation>
    </message>
    <message>
        <source>Количество уникальных номеров</source>
        <translation>Number of distinct values</translation>
    </message>
    <message>
        <source>Проверить по архиву тиражей</source>
        <translation>Search the draw archive</translation>
    </message>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::CombsModel</name>
    <message>
        <source>№ п.п.</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::CombsPage</name>
    <message>
        <source>Сценарий выполняется: список и фильтры обновятся, когда он закончит.</source>
        <translation>A scenario is running: the list and the filters will be updated when it ends.</translation>
    </message>
    <message>
        <source>Исключить указанное количество последних тиражей из списка комбинаций</source>
        <translation>Exclude the given number of last draws from the combination list</translation>
    </message>
    <message>
        <source>[-] Тиражи</source>
        <translation>[-] Draws</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::DescriptionWindow</name>
    <message>
        <source>Описание методики расчета</source>
        <translation>Description of the calculation method</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::DrawDialog</name>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Выпавшие числа, разделенные точкой с запятой или запятой:</source>
        <translation>Drawn numbers, separated by semicolons or commas:</translation>
    </message>
    <message>
        <source>Дата и время тиража:</source>
        <translation>Draw date and time:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is not valid!</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::DrawInfoWindow</name>
    <message>
        <source>Подробная информация</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
    </message>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Дата тиража:</source>
        <translation>Draw date:</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::DrawsModel</name>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Дата тиража</source>
        <translation>Draw date</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::DrawsPage</name>
    <message>
        <source>Смещение относительно последнего загруженного номера тиража</source>
        <translation>Offset from the last loaded draw number</translation>
    </message>
    <message>
        <source>Смещение назад:</source>
        <translation>Offset back:</translation>
    </message>
    <message>
        <source>Архив тиражей пуст. Импортируйте тиражи из файла .csv или загрузите их с сайта результатов (F3).</source>
        <translation>The draw archive is empty. Import draws from a .csv file or download them from the results site (F3).</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::FavouritesDialog</name>
    <message>
        <source>Наименования фильтров (*.flt)</source>
        <translation>Filter names (*.flt)</translation>
    </message>
    <message>
        <source>Менеджер избранных методов расчета статистики</source>
        <translation>Favourite statistics methods manager</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>всего %d методов</source>
        <translation>%d methods in all</translation>
    </message>
    <message>
        <source>Сбросить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Сбросить группу</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <source>Выбрать группу</source>
        <translation>Select group</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Импорт названий</source>
        <translation>Import names</translation>
    </message>
    <message>
        <source>Экспорт названий</source>
        <translation>Export names</translation>
    </message>
    <message>
        <source>Сортировать списки по названию метода</source>
        <translation>Sort the lists by method name</translation>
    </message>
    <message>
        <source>Отображать идентификатор группы { xxx } перед названием метода</source>
        <translation>Show the group identifier { xxx } before the method name</translation>
    </message>
    <message>
        <source>Отображать особенности метода [ YYY ] после названия метода</source>
        <translation>Show the method features [ YYY ] after the method name</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Переименование</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Введите наименование фильтра:</source>
        <translation>Enter the filter name:</translation>
    </message>
    <message>
        <source>Не отмечен ни один метод: списки методов покажут все методы, а выбранный метод сменится на первый. Продолжить?</source>
        <translation>No method is marked: the method lists will show every method, and the chosen method will change to the first one. Go on?</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::FilterStepDialog</name>
    <message>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Количество тиражей для расчета статистики<byte value="xd" />
<byte value="xd" />
Допустимые форматы:<byte value="xd" />
1 - одно значение<byte value="xd" />
1, 2, 3 - список значений через запятую<byte value="xd" />
1-10;2 - нижняя и верхняя граница диапазона; шаг изменения</source>
        <translation>Number of draws for the statistics

Accepted forms:
1 - one value
1, 2, 3 - a list of values separated by commas
1-10;2 - lower and upper bound of a range; step</translation>
    </message>
    <message>
        <source>Использовать режим одновременного выделения нескольких значений в списке</source>
        <translation>Select several values of the list at once</translation>
    </message>
    <message>
        <source>Использовать приведенные ниже коэффициенты для расчета значений "Вес"</source>
        <translation>Use the coefficients below to compute the "Weight" values</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Сверху-вниз</source>
        <translation>Top down</translation>
    </message>
    <message>
        <source>Снизу-вверх</source>
        <translation>Bottom up</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Тип фильтра:</source>
        <translation>Filter type:</translation>
    </message>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Режим выделения значений в списке статистики:</source>
        <translation>Selection of values in the statistics list:</translation>
    </message>
    <message>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Остановка по:</source>
        <translation>Stop by:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source> Коэффициенты для расчета значений "Вес" </source>
        <translation> Coefficients of the "Weight" values </translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Сортировать по столбцу:</source>
        <translation>Sort by column:</translation>
    </message>
    <message>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Режим фильтра:</source>
        <translation>Filter mode:</translation>
    </message>
    <message>
        <source>Шаг с режимом «Весь список» и «Удалить выделенные» удалит все комбинации списка.</source>
        <translation>A step with “Whole list” and “Remove selected” removes every combination of the list.</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::FirstRunDialog</name>
    <message>
        <source>Справочная информация</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <source>Добро пожаловать!

Прежде чем начать работу, рекомендуем прочитать встроенную справку: в ней описаны архив тиражей, методы статистики, фильтры, сценарии и ставки, а также порядок работы с ними. Открыть справку можно и позже, клавишей F1.

Новости программы, примеры сценариев и ответы на вопросы пользователей вы найдёте на сайте программы и в блоге.</source>
        <translation>Welcome!

Before you start, we recommend reading the built-in help: it describes the draw archive, the statistic methods, filters, scenarios and stakes, and how to work with them. You can also open the help later with the F1 key.

Program news, sample scenarios and answers to users' questions are on the program website and in the blog.</translation>
    </message>
    <message>
        <source>Открыть файл встроенной справочной системы</source>
        <translation>Open the built-in help file</translation>
    </message>
    <message>
        <source>Сайт программы</source>
        <translation>Program website</translation>
    </message>
    <message>
        <source>Блог</source>
        <translation>Blog</translation>
    </message>
    <message>
        <source>Больше не показывать данный диалог</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::GenerateDialog</name>
    <message>
        <source>Полный список (все возможные для данного лото варианты)</source>
        <translation>Full list (every combination this lottery has)</translation>
    </message>
    <message>
        <source>Мои числа - должно присутствовать любое из указанных</source>
        <translation>My numbers - any of them must be present</translation>
    </message>
    <message>
        <source>Мои числа - комбинации только из списка указанных</source>
        <translation>My numbers - combinations of these numbers only</translation>
    </message>
    <message>
        <source>Мои числа - исключить комбинации с любым из указанных</source>
        <translation>My numbers - no combination with any of them</translation>
    </message>
    <message>
        <source>Загрузить список из заранее подготовленного CSV-файла</source>
        <translation>Load the list from a prepared CSV file</translation>
    </message>
    <message>
        <source>Укажите свои числа от 0 до 9 через &quot;,&quot; или &quot;;&quot;: без них этот режим не даст нужного списка.</source>
        <translation>Enter your numbers from 0 to 9, separated by &quot;,&quot; or &quot;;&quot;: without them this mode cannot make the list you want.</translation>
    </message>
    <message>
        <source>Создание нового списка комбинаций</source>
        <translation>New combination list</translation>
    </message>
    <message>
        <source>Сохранить как параметры по умолчанию</source>
        <translation>Save as the default</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Режим генерации списка комбинаций:</source>
        <translation>Generation mode:</translation>
    </message>
    <message>
        <source>Мои числа или имя файла для загрузки:</source>
        <translation>My numbers or the file to load:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Файлы комбинаций (*.lcv)</source>
        <translation>Combination files (*.lcv)</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::GraphsController</name>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Distribution of the sums of the draws and of all combinations</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Сумма чисел</source>
        <translation>Sum of the numbers</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::GraphsPage</name>
    <message>
        <source>Количество тиражей, использующихся для построения графиков</source>
        <translation>Number of draws used for the graphs</translation>
    </message>
    <message>
        <source>Отображать метки на графике</source>
        <translation>Show labels on the graph</translation>
    </message>
    <message>
        <source>Тип графика</source>
        <translation>Graph type</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::LayoutPage</name>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::MainWindow</name>
    <message>
        <source>Проход %1 из %2: %3</source>
        <translation>Pass %1 of %2: %3</translation>
    </message>
    <message>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Регуляры</source>
        <translation>Regulars</translation>
    </message>
    <message>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Архив тиражей: %1</source>
        <translation>Draw archive: %1</translation>
    </message>
    <message>
        <source>Следующий тираж: %1</source>
        <translation>Next draw: %1</translation>
    </message>
    <message>
        <source>Комбинаций: %1</source>
        <translation>Combinations: %1</translation>
    </message>
    <message>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
    <message>
        <source>Рейтинг: %1</source>
        <translation>Rating: %1</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Формулы шинковки</source>
        <translation>Shredding formulas</translation>
    </message>
    <message>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>По запросу (по умолчанию)</source>
        <translation>On request (default)</translation>
    </message>
    <message>
        <source>Автоматически</source>
        <translation>Automatically</translation>
    </message>
    <message>
        <source>Отключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Тиражи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Автозагрузка при запуске программы</source>
        <translation>Download at program start</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Обновить график</source>
        <translation>Refresh the graph</translation>
    </message>
    <message>
        <source>Для смены языка программа будет перезапущена, а список комбинаций создан заново: примененные фильтры будут потеряны. Продолжить?</source>
        <translation>To change the language the program restarts and makes the combination list afresh: the applied filters will be lost. Go on?</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::MultiStakeDialog</name>
    <message>
        <source>Добавление мультиставки</source>
        <translation>Add a multi-stake</translation>
    </message>
    <message>
        <source>Номер первого тиража</source>
        <translation>Number of the first draw</translation>
    </message>
    <message>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to stake on (from the given one)</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ParamsDialog</name>
    <message>
        <source>Параметры системы</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Стоимость ставки:</source>
        <translation>Stake cost:</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Сумма выигрыша</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>Размеры выигрышей:</source>
        <translation>Prizes:</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Размер матрицы:</source>
        <translation>Matrix size:</translation>
    </message>
    <message>
        <source>Сегменты матрицы:</source>
        <translation>Matrix segments:</translation>
    </message>
    <message>
        <source>Размер канала:</source>
        <translation>Channel size:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ProxyDialog</name>
    <message>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <source>Не использовать proxy-сервер</source>
        <translation>Do not use a proxy server</translation>
    </message>
    <message>
        <source>Автоматический поиск сервера (возможны задержки)</source>
        <translation>Find a server automatically (may be slow)</translation>
    </message>
    <message>
        <source>Ручной выбор proxy-сервера:</source>
        <translation>Use this proxy server:</translation>
    </message>
    <message>
        <source>Имя пользователя (не обязательно)</source>
        <translation>User name (optional)</translation>
    </message>
    <message>
        <source>Пароль (не обязательно)</source>
        <translation>Password (optional)</translation>
    </message>
    <message>
        <source>Имя или адрес сервера:</source>
        <translation>Server name or address:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Имя пользователя:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Адрес сайта результатов или файла тиражей (*.csv)</source>
        <translation>Address of the results site or of a draws file (*.csv)</translation>
    </message>
    <message>
        <source>Адрес службы, отвечающей строками "сервер:порт"</source>
        <translation>Address of a service answering with "server:port" lines</translation>
    </message>
    <message>
        <source>Источники данных</source>
        <translation>Data sources</translation>
    </message>
    <message>
        <source>Адрес архива результатов:</source>
        <translation>Results archive address:</translation>
    </message>
    <message>
        <source>Адрес списка proxy-серверов:</source>
        <translation>Proxy list address:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Укажите имя или адрес proxy-сервера!</source>
        <translation>Enter the name or address of the proxy server!</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RatingController</name>
    <message>
        <source>Значимость (сравнение со случайной игрой)</source>
        <translation>Significance (compared with random play)</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл ставок: %1</source>
        <translation>Could not read the stakes file: %1</translation>
    </message>
    <message>
        <source>Ожидаемые значения совпадений</source>
        <translation>Expected match values</translation>
    </message>
    <message>
        <source>Абсолютные значения эффективности</source>
        <translation>Absolute efficiency values</translation>
    </message>
    <message>
        <source>Относительные значения эффективности</source>
        <translation>Relative efficiency values</translation>
    </message>
    <message>
        <source>Обновить рейтинг</source>
        <translation>Refresh rating</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в CSV-файл</source>
        <translation>Export the rating to a CSV file</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в Microsoft Excel</source>
        <translation>Export the rating to Microsoft Excel</translation>
    </message>
    <message>
        <source>Добавить в сценарий</source>
        <translation>Add to the scenario</translation>
    </message>
    <message>
        <source>График совпадений ставок</source>
        <translation>Stake matches graph</translation>
    </message>
    <message>
        <source>График количества совпадений для всех ставок по тиражам</source>
        <translation>Matches of all stakes by draw</translation>
    </message>
    <message>
        <source>График профита ставок</source>
        <translation>Stake profit graph</translation>
    </message>
    <message>
        <source>График профита для всех ставок по тиражам</source>
        <translation>Profit of all stakes by draw</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <source>График количества совпадений для выделенных строк рейтинга</source>
        <translation>Matches of the selected rating rows</translation>
    </message>
    <message>
        <source>CSV-файлы (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Эффективность (столбцы E0..n)</source>
        <translation>Efficiency (columns E0..n)</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RegularDialog</name>
    <message>
        <source>Использовать постоянную стартовую комбинацию:</source>
        <translation>Use a constant start combination:</translation>
    </message>
    <message>
        <source>Использовать данные предыдущего тиража</source>
        <translation>Use the previous draw</translation>
    </message>
    <message>
        <source>Добавление регулярной ставки</source>
        <translation>Add a regular stake</translation>
    </message>
    <message>
        <source>Введите числа, разделенные точкой с запятой или запятой</source>
        <translation>Enter numbers separated by semicolons or commas</translation>
    </message>
    <message>
        <source>{...Выделенные комбинации...}</source>
        <translation>{...Selected combinations...}</translation>
    </message>
    <message>
        <source>Шаг изменения элементов комбинации</source>
        <translation>Step of the combination values</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RegularsController</name>
    <message>
        <source>Добавить регулярную ставку</source>
        <translation>Add a regular stake</translation>
    </message>
    <message>
        <source>Удалить регулярную ставку</source>
        <translation>Delete the regular stake</translation>
    </message>
    <message>
        <source>Сделать ставку по регуляру</source>
        <translation>Stake by the regular</translation>
    </message>
    <message>
        <source>Тест регуляров</source>
        <translation>Test the regulars</translation>
    </message>
    <message>
        <source>Вкладка "Регуляры"</source>
        <translation>"Regulars" tab</translation>
    </message>
    <message>
        <source>Скрыть / показать вкладку "Регулярные ставки"</source>
        <translation>Hide / show the "Regular stakes" tab</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RegularsModel</name>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Стартовая комбинация</source>
        <translation>Start combination</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Текущая комбинация</source>
        <translation>Current combination</translation>
    </message>
    <message>
        <source>Ставок</source>
        <translation>Stakes</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RepeatsWindow</name>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Number of repeats by draw</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used for the statistics</translation>
    </message>
    <message>
        <source>Количество тиражей, просматриваемых "в глубину" для поиска совпадений</source>
        <translation>Number of draws looked back for matches</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>Список тиражей</source>
        <translation>Draws</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ScenarioController</name>
    <message>
        <source>Проверка на новых тиражах...</source>
        <translation>Check on new draws...</translation>
    </message>
    <message>
        <source>Файлы сценариев (*.lsc)</source>
        <translation>Scenario files (*.lsc)</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Добавить фильтры</source>
        <translation>Add filters</translation>
    </message>
    <message>
        <source>Создание новой строки</source>
        <translation>New line</translation>
    </message>
    <message>
        <source>Добавить разделитель</source>
        <translation>Add separator</translation>
    </message>
    <message>
        <source>Добавить сценарий</source>
        <translation>Append scenario</translation>
    </message>
    <message>
        <source>Клонировать</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Редактирование строки</source>
        <translation>Edit line</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить все</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Остановить выполнение сценария?</source>
        <translation>Stop the scenario?</translation>
    </message>
    <message>
        <source>Журнал выполнения сценария</source>
        <translation>Scenario log</translation>
    </message>
    <message>
        <source>Удалить журналы выполнения сценариев</source>
        <translation>Delete scenario logs</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ScenarioPage</name>
    <message>
        <source>Строк: %1</source>
        <translation>Lines: %1</translation>
    </message>
    <message>
        <source>Цикл: %1</source>
        <translation>Cycle: %1</translation>
    </message>
    <message>
        <source>Строка: %1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>Ставок: %1</source>
        <translation>Stakes: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ScriptLineDialog</name>
    <message>
        <source>Удалить все ставки перед выполнением (накопление только рейтинга)</source>
        <translation>Delete all stakes before running (keep only the rating)</translation>
    </message>
    <message>
        <source>Только новые ставки (пропускать те ставки, которые уже есть в списке)</source>
        <translation>New stakes only (skip stakes already in the list)</translation>
    </message>
    <message>
        <source>Элемент сценария</source>
        <translation>Scenario line</translation>
    </message>
    <message>
        <source>Комментарии (можно оставить пустым)</source>
        <translation>Comments (may be empty)</translation>
    </message>
    <message>
        <source>Исключить указанное количество тиражей из списка комбинаций перед применением фильтров</source>
        <translation>Exclude the given number of draws from the list before filtering</translation>
    </message>
    <message>
        <source>Комментарии:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <source> Опции </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>Начальный список комбинаций:</source>
        <translation>Starting combination list:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>В случае неоднозначного результата после применения фильтров:</source>
        <translation>When the filters leave more than one combination:</translation>
    </message>
    <message>
        <source> Фильтры </source>
        <translation> Filters </translation>
    </message>
    <message>
        <source>Фильтр %1:</source>
        <translation>Filter %1:</translation>
    </message>
    <message>
        <source>Редактировать фильтр</source>
        <translation>Edit the filter</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ShreddingDialog</name>
    <message>
        <source>Формула %1: %2, символ %3.</source>
        <translation>Formula %1: %2 at character %3.</translation>
    </message>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Используемая формула</source>
        <translation>Formula used</translation>
    </message>
    <message>
        <source>Количество используемых знаков после запятой</source>
        <translation>Number of decimal places used</translation>
    </message>
    <message>
        <source>Формула %1:</source>
        <translation>Formula %1:</translation>
    </message>
    <message>
        <source>Используемые переменные:</source>
        <translation>Variables:</translation>
    </message>
    <message>
        <source>n1, n2, n3, ..., nX - числа текущего тиража</source>
        <translation>n1, n2, n3, ..., nX - values of the current draw</translation>
    </message>
    <message>
        <source>p1, p2, p3, ..., pX - числа предыдущего тиража</source>
        <translation>p1, p2, p3, ..., pX - values of the previous draw</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> (есть n1–n3, p1–p3, t1–t3)</source>
        <translation> (there are n1–n3, p1–p3, t1–t3)</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::StakeDialog</name>
    <message>
        <source>Добавление ставки</source>
        <translation>New stake</translation>
    </message>
    <message>
        <source>Номер первого тиража</source>
        <translation>Number of the first draw</translation>
    </message>
    <message>
        <source>Количество тиражей, на которые нужно сделать ставку (начиная с указанного)</source>
        <translation>Number of draws to stake on (from the given one)</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Sum:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::StakeFilterDialog</name>
    <message>
        <source>Равно [ = ]</source>
        <translation>Equal [ = ]</translation>
    </message>
    <message>
        <source>Более [ &gt; ]</source>
        <translation>More [ &gt; ]</translation>
    </message>
    <message>
        <source>Не менее [ &gt;= ]</source>
        <translation>At least [ &gt;= ]</translation>
    </message>
    <message>
        <source>Менее [ &lt; ]</source>
        <translation>Less [ &lt; ]</translation>
    </message>
    <message>
        <source>Не более [ &lt;= ]</source>
        <translation>At most [ &lt;= ]</translation>
    </message>
    <message>
        <source>Удаление по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <source>Выберите условие:</source>
        <translation>Choose the condition:</translation>
    </message>
    <message>
        <source>Удалить ставки</source>
        <translation>Delete stakes</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::StakesController</name>
    <message>
        <source>Сделать ставку</source>
        <translation>Place a stake</translation>
    </message>
    <message>
        <source>Сделать случайную ставку</source>
        <translation>Make a random stake</translation>
    </message>
    <message>
        <source>Сделать ставки для выделенных комбинаций</source>
        <translation>Stake the selected combinations</translation>
    </message>
    <message>
        <source>Сделать ставки для всех комбинаций</source>
        <translation>Stake all combinations</translation>
    </message>
    <message>
        <source>Удалить ставку</source>
        <translation>Delete stake</translation>
    </message>
    <message>
        <source>Удалить по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Удалить все ставки</source>
        <translation>Delete all stakes</translation>
    </message>
    <message>
        <source>Проверить ставки</source>
        <translation>Check stakes</translation>
    </message>
    <message>
        <source>Суммарный профит по тиражам</source>
        <translation>Total profit by draw</translation>
    </message>
    <message>
        <source>График суммарного профита ставок по тиражам</source>
        <translation>Total stake profit by draw</translation>
    </message>
    <message>
        <source>Экспорт ставок в Microsoft Excel</source>
        <translation>Export the stakes to Microsoft Excel</translation>
    </message>
    <message>
        <source>Удалить журналы ставок</source>
        <translation>Delete stake logs</translation>
    </message>
    <message>
        <source>Журналы ставок</source>
        <translation>Stake logs</translation>
    </message>
    <message>
        <source>Прокручивать список при добавлении</source>
        <translation>Scroll the list when adding</translation>
    </message>
    <message>
        <source>Проверять ставки после каждой строки сценария</source>
        <translation>Check the stakes after each scenario line</translation>
    </message>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::StatsController</name>
    <message>
        <source>Избранные статистики</source>
        <translation>Favourite statistics</translation>
    </message>
    <message>
        <source>Все доступные статистики</source>
        <translation>All available statistics</translation>
    </message>
    <message>
        <source>Описание статистики</source>
        <translation>Statistics description</translation>
    </message>
    <message>
        <source>Вы действительно хотите сбросить список избранных фильтров?</source>
        <translation>Do you really want to reset the list of favourite filters?</translation>
    </message>
    <message>
        <source>Подождите пожалуйста...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Пересчитать статистику по выбранным параметрам</source>
        <translation>Recompute the statistics with the chosen parameters</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>В списке комбинаций оставить комбинации с выделенными характеристиками</source>
        <translation>Keep the combinations with the selected characteristics</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Из списка комбинаций удалить комбинации с выделенными характеристиками</source>
        <translation>Remove the combinations with the selected characteristics</translation>
    </message>
    <message>
        <source>Использовать сравнение с полным набором комбинаций</source>
        <translation>Compare with the full set of combinations</translation>
    </message>
    <message>
        <source>График идеального распределения</source>
        <translation>Ideal distribution line</translation>
    </message>
    <message>
        <source>Экспорт статистики в Microsoft Excel</source>
        <translation>Export statistics to Microsoft Excel</translation>
    </message>
    <message>
        <source>Обновить таблицу статистики</source>
        <translation>Refresh the statistics table</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::StatsPage</name>
    <message>
        <source>Избранное</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Вид расчета статистики</source>
        <translation>Statistics method</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used for the statistics</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Фактические данные</source>
        <translation>Actual data</translation>
    </message>
    <message>
        <source>Все возможные комбинации</source>
        <translation>All possible combinations</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::SystemDialog</name>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Открыть ссылку в браузере</source>
        <translation>Open the link in the browser</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Ссылка:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Создана:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>Комбинаций:</source>
        <translation>Combinations:</translation>
    </message>
    <message>
        <source>Загрузок:</source>
        <translation>Downloads:</translation>
    </message>
    <message>
        <source>Последняя:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Числа:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <source>Длина:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Блок:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Список комбинаций:</source>
        <translation>Combination list:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::SystemsController</name>
    <message>
        <source>Системная игра</source>
        <translation>System game</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cистемная игра по списку системы</source>
        <translation>System game by the system list</translation>
    </message>
    <message>
        <source>Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)</source>
        <translation>System game on every combination of the chosen system (even those not in the combination list)</translation>
    </message>
    <message>
        <source>Cистемная игра по списку комбинаций</source>
        <translation>System game by the combination list</translation>
    </message>
    <message>
        <source>Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций</source>
        <translation>System game only on combinations both in the system and in the combination list</translation>
    </message>
    <message>
        <source>Файлы систем (*.dat);;Все файлы (*)</source>
        <translation>System files (*.dat);;All files (*)</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ViewsController</name>
    <message>
        <source>Удалить выделенные</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>График по дням недели</source>
        <translation>Chart by weekday</translation>
    </message>
    <message>
        <source>График / диаграмма</source>
        <translation>Chart / diagram</translation>
    </message>
    <message>
        <source>Экспорт карты тиражей в Microsoft Excel</source>
        <translation>Export the draws card to Microsoft Excel</translation>
    </message>
    <message>
        <source>Экспорт схемы в Microsoft Excel</source>
        <translation>Export the layout to Microsoft Excel</translation>
    </message>
    <message>
        <source>Вкладка "Графики"</source>
        <translation>"Graphs" tab</translation>
    </message>
    <message>
        <source>Вкладка "Карта"</source>
        <translation>"Card" tab</translation>
    </message>
    <message>
        <source>Вкладка "Схема"</source>
        <translation>"Layout" tab</translation>
    </message>
    <message>
        <source>Вкладка "Неделя"</source>
        <translation>"Week" tab</translation>
    </message>
    <message>
        <source>Выделять каналы в карте тиражей</source>
        <translation>Highlight channels in the draws card</translation>
    </message>
    <message>
        <source>Выделять последовательности в карте тиражей</source>
        <translation>Highlight sequences in the draws card</translation>
    </message>
    <message>
        <source>Градиентная раскраска схемы</source>
        <translation>Gradient colours of the layout</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::WeekPage</name>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>%1 версия %2</source>
        <translation>%1 version %2</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>Тиражей</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Ожидается 3</source>
        <translation>Expected 3</translation>
    </message>
    <message>
        <source>Стартовая комбинация</source>
        <translation>Start combination</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Текущая комбинация</source>
        <translation>Current combination</translation>
    </message>
    <message>
        <source>Ставок (выбор)</source>
        <translation>Stakes (choice)</translation>
    </message>
    <message>
        <source>Среднее (выбор)</source>
        <translation>Average (choice)</translation>
    </message>
    <message>
        <source>p (выбор)</source>
        <translation>p (choice)</translation>
    </message>
    <message>
        <source>Ставок (проверка)</source>
        <translation>Stakes (check)</translation>
    </message>
    <message>
        <source>Среднее (проверка)</source>
        <translation>Average (check)</translation>
    </message>
    <message>
        <source>p (проверка)</source>
        <translation>p (check)</translation>
    </message>
    <message>
        <source>p (угадано)</source>
        <translation>p (guessed)</translation>
    </message>
    <message>
        <source>q (угадано)</source>
        <translation>q (guessed)</translation>
    </message>
    <message>
        <source>p (3)</source>
        <translation>p (3)</translation>
    </message>
    <message>
        <source>q (3)</source>
        <translation>q (3)</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Кол-во в %</source>
        <translation>Count %</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Откл-ие в %</source>
        <translation>Deviation %</translation>
    </message>
    <message>
        <source>Глубина</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Глубина в %</source>
        <translation>Depth %</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Посл. тираж</source>
        <translation>Last draw</translation>
    </message>
    <message>
        <source>Период min</source>
        <translation>Period min</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Период max</source>
        <translation>Period max</translation>
    </message>
    <message>
        <source>Ожд. ПРД</source>
        <translation>Exp. PRD</translation>
    </message>
    <message>
        <source>Ожд. СТФ</source>
        <translation>Exp. STF</translation>
    </message>
    <message>
        <source>Ожд. КРН</source>
        <translation>Exp. KRN</translation>
    </message>
    <message>
        <source>Факт</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>+/- ПРД</source>
        <translation>+/- PRD</translation>
    </message>
    <message>
        <source>+/- СТФ</source>
        <translation>+/- STF</translation>
    </message>
    <message>
        <source>+/- КРН</source>
        <translation>+/- KRN</translation>
    </message>
    <message>
        <source>№ тиража</source>
        <translation>Draw No.</translation>
    </message>
    <message>
        <source>Вид ставки</source>
        <translation>Stake type</translation>
    </message>
    <message>
        <source>Моя ставка</source>
        <translation>My stake</translation>
    </message>
    <message>
        <source>Выборка</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Результаты тиража</source>
        <translation>Draw result</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Совпадения</source>
        <translation>Matched</translation>
    </message>
    <message>
        <source>Профит</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Ставок</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Угадано</source>
        <translation>Guessed</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Ср. профит</source>
        <translation>Avg. profit</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Дата создания</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Latest</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Опции</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Фильтр 1</source>
        <translation>Filter 1</translation>
    </message>
    <message>
        <source>Фильтр 2</source>
        <translation>Filter 2</translation>
    </message>
    <message>
        <source>Фильтр 3</source>
        <translation>Filter 3</translation>
    </message>
    <message>
        <source>Фильтр 4</source>
        <translation>Filter 4</translation>
    </message>
    <message>
        <source>Фильтр 5</source>
        <translation>Filter 5</translation>
    </message>
    <message>
        <source>Фильтр 6</source>
        <translation>Filter 6</translation>
    </message>
    <message>
        <source>Фильтр 7</source>
        <translation>Filter 7</translation>
    </message>
    <message>
        <source>Пн</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Ср</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Чт</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Пт</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Сб</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Вс</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Регулярная ставка</source>
        <translation>Regular stake</translation>
    </message>
    <message>
        <source>Ставка "вручную"</source>
        <translation>Manual stake</translation>
    </message>
    <message>
        <source>Загружена</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>Полная система для %1 чисел</source>
        <translation>Complete system for %1 numbers</translation>
    </message>
    <message>
        <source>Все сочетания из %1 чисел по три, по возрастанию (%2 комбинаций).</source>
        <translation>All combinations of %1 numbers taken three at a time, in ascending order (%2 combinations).</translation>
    </message>
    <message>
        <source>Весь список (без условий)</source>
        <translation>Whole list (no conditions)</translation>
    </message>
    <message>
        <source>"Глубина": не менее заданного значения</source>
        <translation>"Depth": at least the given value</translation>
    </message>
    <message>
        <source>"Глубина": не менее заданного процента</source>
        <translation>"Depth": at least the given percentage</translation>
    </message>
    <message>
        <source>"Глубина": не более заданного значения</source>
        <translation>"Depth": at most the given value</translation>
    </message>
    <message>
        <source>"Глубина": не более заданного процента</source>
        <translation>"Depth": at most the given percentage</translation>
    </message>
    <message>
        <source>"Глубина": из заданного списка значений</source>
        <translation>"Depth": in the given list of values</translation>
    </message>
    <message>
        <source>"Глубина": из заданного списка процентов</source>
        <translation>"Depth": in the given list of percentages</translation>
    </message>
    <message>
        <source>"Отклонение": не менее заданного значения</source>
        <translation>"Deviation": at least the given value</translation>
    </message>
    <message>
        <source>"Отклонение": не менее заданного процента</source>
        <translation>"Deviation": at least the given percentage</translation>
    </message>
    <message>
        <source>"Отклонение": не более заданного значения</source>
        <translation>"Deviation": at most the given value</translation>
    </message>
    <message>
        <source>"Отклонение": не более заданного процента</source>
        <translation>"Deviation": at most the given percentage</translation>
    </message>
    <message>
        <source>"Отклонение": из заданного списка значений</source>
        <translation>"Deviation": in the given list of values</translation>
    </message>
    <message>
        <source>"Отклонение": из заданного списка процентов</source>
        <translation>"Deviation": in the given list of percentages</translation>
    </message>
    <message>
        <source>"Количество": не менее заданного значения</source>
        <translation>"Count": at least the given value</translation>
    </message>
    <message>
        <source>"Количество": не менее заданного процента</source>
        <translation>"Count": at least the given percentage</translation>
    </message>
    <message>
        <source>"Количество": не более заданного значения</source>
        <translation>"Count": at most the given value</translation>
    </message>
    <message>
        <source>"Количество": не более заданного процента</source>
        <translation>"Count": at most the given percentage</translation>
    </message>
    <message>
        <source>"Количество": из заданного списка значений</source>
        <translation>"Count": in the given list of values</translation>
    </message>
    <message>
        <source>"Количество": из заданного списка процентов</source>
        <translation>"Count": in the given list of percentages</translation>
    </message>
    <message>
        <source>"Вес": не менее заданного значения</source>
        <translation>"Weight": at least the given value</translation>
    </message>
    <message>
        <source>"Вес": не более заданного значения</source>
        <translation>"Weight": at most the given value</translation>
    </message>
    <message>
        <source>"Вес": из заданного списка значений</source>
        <translation>"Weight": in the given list of values</translation>
    </message>
    <message>
        <source>"Период min": не менее заданного значения</source>
        <translation>"Period min": at least the given value</translation>
    </message>
    <message>
        <source>"Период min": не более заданного значения</source>
        <translation>"Period min": at most the given value</translation>
    </message>
    <message>
        <source>"Период min": из заданного списка значений</source>
        <translation>"Period min": in the given list of values</translation>
    </message>
    <message>
        <source>"Период": не менее заданного значения</source>
        <translation>"Period": at least the given value</translation>
    </message>
    <message>
        <source>"Период": не более заданного значения</source>
        <translation>"Period": at most the given value</translation>
    </message>
    <message>
        <source>"Период": из заданного списка значений</source>
        <translation>"Period": in the given list of values</translation>
    </message>
    <message>
        <source>"Период max": не менее заданного значения</source>
        <translation>"Period max": at least the given value</translation>
    </message>
    <message>
        <source>"Период max": не более заданного значения</source>
        <translation>"Period max": at most the given value</translation>
    </message>
    <message>
        <source>"Период max": из заданного списка значений</source>
        <translation>"Period max": in the given list of values</translation>
    </message>
    <message>
        <source>"Значения": из заданного списка значений</source>
        <translation>"Values": in the given list of values</translation>
    </message>
    <message>
        <source>Обработать все записи</source>
        <translation>Process all rows</translation>
    </message>
    <message>
        <source>Количеству оставшихся комбинаций</source>
        <translation>Number of remaining combinations</translation>
    </message>
    <message>
        <source>Пока список не будет пуст и откатить на шаг</source>
        <translation>Until the list is empty, then one step back</translation>
    </message>
    <message>
        <source>Количеству шагов</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Значению в списке статистики</source>
        <translation>Value in the statistics list</translation>
    </message>
    <message>
        <source>Процентному соотношению в списке статистики</source>
        <translation>Percentage in the statistics list</translation>
    </message>
    <message>
        <source>Исходный список</source>
        <translation>Initial list</translation>
    </message>
    <message>
        <source>Исключить %1 тиражей</source>
        <translation>Exclude %1 draws</translation>
    </message>
    <message>
        <source>Текущий список</source>
        <translation>Current list</translation>
    </message>
    <message>
        <source>Случайно</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Первая</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Система [все]</source>
        <translation>System [all]</translation>
    </message>
    <message>
        <source>Система [комб]</source>
        <translation>System [combs]</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Не делать ставок</source>
        <translation>No stakes</translation>
    </message>
    <message>
        <source>Удалить ставки</source>
        <translation>Delete stakes</translation>
    </message>
    <message>
        <source>Только новые ставки</source>
        <translation>New stakes only</translation>
    </message>
    <message>
        <source>Все создаваемые ставки</source>
        <translation>All stakes made</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <translation>Average value</translation>
    </message>
    <message>
        <source>Наиболее часто встречающееся значение</source>
        <translation>Most frequent value</translation>
    </message>
    <message>
        <source>Фактическое распределение сумм (по тиражам)</source>
        <translation>Actual distribution of sums (by draws)</translation>
    </message>
    <message>
        <source>Теоретическое распределение сумм (по комбинациям)</source>
        <translation>Theoretical distribution of sums (by combinations)</translation>
    </message>
    <message>
        <source>Диапазон %1 (от %2/%3 и выше по оси Y) - суммы %4-%5</source>
        <translation>Range %1 (from %2/%3 and above on the Y axis) - sums %4-%5</translation>
    </message>
    <message>
        <source>Совпадений: %1</source>
        <translation>Matches: %1</translation>
    </message>
    <message>
        <source>Нормальные значения</source>
        <translation>Expected values</translation>
    </message>
    <message>
        <source>Вручную</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Регуляр</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Исходный список (рекомендуется для тестов)</source>
        <translation>Initial list (recommended for tests)</translation>
    </message>
    <message>
        <source>Удалить N последних тиражей (для прогнозов)</source>
        <translation>Remove the last N draws (for forecasts)</translation>
    </message>
    <message>
        <source>Текущий список (для последовательного выполнения)</source>
        <translation>Current list (for sequential runs)</translation>
    </message>
    <message>
        <source>Выбрать одну случайную комбинацию</source>
        <translation>Pick one random combination</translation>
    </message>
    <message>
        <source>Выбрать первую комбинацию в списке</source>
        <translation>Pick the first combination in the list</translation>
    </message>
    <message>
        <source>Выбрать последнюю комбинацию в списке</source>
        <translation>Pick the last combination in the list</translation>
    </message>
    <message>
        <source>Выбрать все комбинации (не рекомендуется)</source>
        <translation>Pick all combinations (not recommended)</translation>
    </message>
    <message>
        <source>Системная игра [вся система]</source>
        <translation>System game [whole system]</translation>
    </message>
    <message>
        <source>Системная игра [система * комбинации]</source>
        <translation>System game [system * combinations]</translation>
    </message>
    <message>
        <source>Остановить выполнение сценария</source>
        <translation>Stop the scenario</translation>
    </message>
    <message>
        <source>Пропустить (игнорировать) эту ставку</source>
        <translation>Skip (ignore) this stake</translation>
    </message>
    <message>
        <source>Не делать ставок (для последовательного выполнения)</source>
        <translation>Make no stakes (for sequential runs)</translation>
    </message>
</context>
<context>
    <name>Methods</name>
    <message>
        <source>Числа тиража</source>
        <translation>Draw numbers</translation>
    </message>
    <message>
        <source>Цифры тиража</source>
        <translation>Digits of the draw</translation>
    </message>
    <message>
        <source>Количество четных чисел в тираже (Ч:Н)</source>
        <translation>Count of even numbers in the draw (E:O)</translation>
    </message>
    <message>
        <source>Четные и нечетные числа в тираже (Чн..нЧ)</source>
        <translation>Even and odd numbers in the draw (Eo..oE)</translation>
    </message>
    <message>
        <source>Количество чисел из первой половины диапазона (1П:2П)</source>
        <translation>Count of numbers from the lower half of the range (1H:2H)</translation>
    </message>
    <message>
        <source>Числа из первой половины диапазона (12..12)</source>
        <translation>Numbers from the lower half of the range (12..12)</translation>
    </message>
    <message>
        <source>Количество простых чисел (П:С)</source>
        <translation>Count of prime numbers (P:C)</translation>
    </message>
    <message>
        <source>Простые и составные числа (ПС..СП)</source>
        <translation>Prime and composite numbers (PC..CP)</translation>
    </message>
    <message>
        <source>Сумма тиража: все значения</source>
        <translation>Sum of the draw: all values</translation>
    </message>
    <message>
        <source>Сумма тиража: диапазон 1 (1/3)</source>
        <translation>Sum of the draw: range 1 (1/3)</translation>
    </message>
    <message>
        <source>Сумма тиража: диапазон 2 (1/2)</source>
        <translation>Sum of the draw: range 2 (1/2)</translation>
    </message>
    <message>
        <source>Сумма тиража: диапазон 3 (2/3)</source>
        <translation>Sum of the draw: range 3 (2/3)</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (точно)</source>
        <translation>Sum of the draw: changes (exact)</translation>
    </message>
    <message>
        <source>Сумма тиража: изменения (диапазон)</source>
        <translation>Sum of the draw: changes (range)</translation>
    </message>
    <message>
        <source>Сумма тиража: направление изменения</source>
        <translation>Sum of the draw: direction of change</translation>
    </message>
    <message>
        <source>Сумма тиража: только четные</source>
        <translation>Sum of the draw: even numbers only</translation>
    </message>
    <message>
        <source>Сумма тиража: только простые</source>
        <translation>Sum of the draw: prime numbers only</translation>
    </message>
    <message>
        <source>Сумма двух чисел тиража равна третьему числу</source>
        <translation>Sum of two numbers of the draw equals the third</translation>
    </message>
    <message>
        <source>Все разности между соседними позициями</source>
        <translation>All differences between neighbouring positions</translation>
    </message>
    <message>
        <source>Максимальная разность между соседними позициями</source>
        <translation>Largest difference between neighbouring positions</translation>
    </message>
    <message>
        <source>Разность между минимальным и максимальным числом</source>
        <translation>Difference between the smallest and the largest number</translation>
    </message>
    <message>
        <source>Одинаковые разности между соседними позициями</source>
        <translation>Equal differences between neighbouring positions</translation>
    </message>
    <message>
        <source>Количество одинаковых разностей между соседними позициями</source>
        <translation>Count of equal differences between neighbouring positions</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Количество чисел в канале</source>
        <translation>Count of numbers in a channel</translation>
    </message>
    <message>
        <source>Количество каналов в тираже</source>
        <translation>Count of channels in the draw</translation>
    </message>
    <message>
        <source>Сегменты матрицы</source>
        <translation>Matrix segments</translation>
    </message>
    <message>
        <source>Количество чисел в сегменте матрицы</source>
        <translation>Count of numbers in a matrix segment</translation>
    </message>
    <message>
        <source>Количество не пустых сегментов в матрице</source>
        <translation>Count of non-empty segments in the matrix</translation>
    </message>
    <message>
        <source>Длина последовательности в тираже</source>
        <translation>Length of a sequence in the draw</translation>
    </message>
    <message>
        <source>Количество последовательностей в тираже</source>
        <translation>Count of sequences in the draw</translation>
    </message>
    <message>
        <source>Макс. длина последовательности в тираже</source>
        <translation>Longest sequence in the draw</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах подряд</source>
        <translation>Numbers repeated in 2 draws in a row</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 3-х тиражах подряд</source>
        <translation>Numbers repeated in 3 draws in a row</translation>
    </message>
    <message>
        <source>Повторяющиеся числа не более чем в 2-х тиражах</source>
        <translation>Numbers repeated in at most 2 draws</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 1 тираж(а)</source>
        <translation>Numbers repeated in 2 draws 1 draw(s) apart</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 2 тираж(а)</source>
        <translation>Numbers repeated in 2 draws 2 draw(s) apart</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в 2-х тиражах через 3 тираж(а)</source>
        <translation>Numbers repeated in 2 draws 3 draw(s) apart</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража + 1</source>
        <translation>Values of the previous draw + 1</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража - 1</source>
        <translation>Values of the previous draw - 1</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража + 2</source>
        <translation>Values of the previous draw + 2</translation>
    </message>
    <message>
        <source>Данные предыдущего тиража - 2</source>
        <translation>Values of the previous draw - 2</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах подряд</source>
        <translation>Count of repeats in 2 draws in a row</translation>
    </message>
    <message>
        <source>Количество повторов в 3-х тиражах подряд</source>
        <translation>Count of repeats in 3 draws in a row</translation>
    </message>
    <message>
        <source>Количество повторов не более чем в 2-х тиражах</source>
        <translation>Count of repeats in at most 2 draws</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 1 тираж(а)</source>
        <translation>Count of repeats in 2 draws 1 draw(s) apart</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 2 тираж(а)</source>
        <translation>Count of repeats in 2 draws 2 draw(s) apart</translation>
    </message>
    <message>
        <source>Количество повторов в 2-х тиражах через 3 тираж(а)</source>
        <translation>Count of repeats in 2 draws 3 draw(s) apart</translation>
    </message>
    <message>
        <source>Количество совпадений "значений + 1"</source>
        <translation>Count of matches of "values + 1"</translation>
    </message>
    <message>
        <source>Количество совпадений "значений - 1"</source>
        <translation>Count of matches of "values - 1"</translation>
    </message>
    <message>
        <source>Количество совпадений "значений + 2"</source>
        <translation>Count of matches of "values + 2"</translation>
    </message>
    <message>
        <source>Количество совпадений "значений - 2"</source>
        <translation>Count of matches of "values - 2"</translation>
    </message>
    <message>
        <source>Сочетания из 2 чисел по всем числам тиража</source>
        <translation>Combinations of 2 numbers over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 чисел по всем числам тиража</source>
        <translation>Combinations of 3 numbers over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2 соседних чисел тиража</source>
        <translation>Combinations of 2 neighbouring numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 соседних чисел тиража</source>
        <translation>Combinations of 3 neighbouring numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2-х чисел тиража начиная с 1 позиции</source>
        <translation>Combinations of 2 numbers of the draw from position 1</translation>
    </message>
    <message>
        <source>Сочетания из 2-х чисел тиража начиная с 2 позиции</source>
        <translation>Combinations of 2 numbers of the draw from position 2</translation>
    </message>
    <message>
        <source>Сочетания из 3-х чисел тиража начиная с 1 позиции</source>
        <translation>Combinations of 3 numbers of the draw from position 1</translation>
    </message>
    <message>
        <source>Сочетания из 2 чисел тиража по возрастанию</source>
        <translation>Combinations of 2 numbers of the draw in ascending order</translation>
    </message>
    <message>
        <source>Сочетания из 3 чисел тиража по возрастанию</source>
        <translation>Combinations of 3 numbers of the draw in ascending order</translation>
    </message>
    <message>
        <source>Сочетания из 2 разностей между числами</source>
        <translation>Combinations of 2 differences between numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 каналов по всем числам тиража</source>
        <translation>Combinations of 2 channels over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 каналов по всем числам тиража</source>
        <translation>Combinations of 3 channels over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2 каналов по соседним числам</source>
        <translation>Combinations of 2 channels over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 каналов по соседним числам</source>
        <translation>Combinations of 3 channels over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 столбцов по всем числам тиража</source>
        <translation>Combinations of 2 columns over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 столбцов по всем числам тиража</source>
        <translation>Combinations of 3 columns over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2 столбцов по соседним числам</source>
        <translation>Combinations of 2 columns over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 столбцов по соседним числам</source>
        <translation>Combinations of 3 columns over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 строк по всем числам тиража</source>
        <translation>Combinations of 2 rows over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 строк по всем числам тиража</source>
        <translation>Combinations of 3 rows over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2 строк по соседним числам</source>
        <translation>Combinations of 2 rows over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 строк по соседним числам</source>
        <translation>Combinations of 3 rows over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 2 сегментов по всем числам тиража</source>
        <translation>Combinations of 2 segments over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 3 сегментов по всем числам тиража</source>
        <translation>Combinations of 3 segments over all numbers of the draw</translation>
    </message>
    <message>
        <source>Сочетания из 2 сегментов по соседним числам</source>
        <translation>Combinations of 2 segments over neighbouring numbers</translation>
    </message>
    <message>
        <source>Сочетания из 3 сегментов по соседним числам</source>
        <translation>Combinations of 3 segments over neighbouring numbers</translation>
    </message>
    <message>
        <source>Число в 1 позиции тиража</source>
        <translation>Number in position 1 of the draw</translation>
    </message>
    <message>
        <source>Число в 2 позиции тиража</source>
        <translation>Number in position 2 of the draw</translation>
    </message>
    <message>
        <source>Число в 3 позиции тиража</source>
        <translation>Number in position 3 of the draw</translation>
    </message>
    <message>
        <source>Количество чисел в 1 канале</source>
        <translation>Count of numbers in channel 1</translation>
    </message>
    <message>
        <source>Количество чисел в 2 канале</source>
        <translation>Count of numbers in channel 2</translation>
    </message>
    <message>
        <source>Количество чисел в 3 канале</source>
        <translation>Count of numbers in channel 3</translation>
    </message>
    <message>
        <source>Количество чисел в 4 канале</source>
        <translation>Count of numbers in channel 4</translation>
    </message>
    <message>
        <source>Количество чисел в 5 канале</source>
        <translation>Count of numbers in channel 5</translation>
    </message>
    <message>
        <source>Количество чисел в 1 сегменте матрицы</source>
        <translation>Count of numbers in matrix segment 1</translation>
    </message>
    <message>
        <source>Повторы чисел в нескольких тиражах подряд</source>
        <translation>Repeats of numbers in several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями чисел</source>
        <translation>Intervals between repeats of numbers</translation>
    </message>
    <message>
        <source>Повторы каналов в нескольких тиражах подряд</source>
        <translation>Repeats of channels in several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями каналов</source>
        <translation>Intervals between repeats of channels</translation>
    </message>
    <message>
        <source>Повторы сегментов в нескольких тиражах подряд</source>
        <translation>Repeats of segments in several draws in a row</translation>
    </message>
    <message>
        <source>Интервалы между повторениями сегментов</source>
        <translation>Intervals between repeats of segments</translation>
    </message>
    <message>
        <source>Периоды повторения чисел</source>
        <translation>Recurrence periods of numbers</translation>
    </message>
    <message>
        <source>Периоды повторения каналов</source>
        <translation>Recurrence periods of channels</translation>
    </message>
    <message>
        <source>Периоды повторения сегментов</source>
        <translation>Recurrence periods of segments</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами без учета позиции</source>
        <translation>Transitions of numbers between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами с учетом позиции</source>
        <translation>Transitions of numbers between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами в 1 позиции</source>
        <translation>Transitions of numbers between 2 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами в 2 позиции</source>
        <translation>Transitions of numbers between 2 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы чисел между 2 тиражами в 3 позиции</source>
        <translation>Transitions of numbers between 2 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами с учетом позиции</source>
        <translation>Transitions of numbers between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами в 1 позиции</source>
        <translation>Transitions of numbers between 3 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами в 2 позиции</source>
        <translation>Transitions of numbers between 3 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы чисел между 3 тиражами в 3 позиции</source>
        <translation>Transitions of numbers between 3 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами без учета позиции</source>
        <translation>Transitions of channels between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами с учетом позиции</source>
        <translation>Transitions of channels between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами в 1 позиции</source>
        <translation>Transitions of channels between 2 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами в 2 позиции</source>
        <translation>Transitions of channels between 2 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы каналов между 2 тиражами в 3 позиции</source>
        <translation>Transitions of channels between 2 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами с учетом позиции</source>
        <translation>Transitions of channels between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами в 1 позиции</source>
        <translation>Transitions of channels between 3 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами в 2 позиции</source>
        <translation>Transitions of channels between 3 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы каналов между 3 тиражами в 3 позиции</source>
        <translation>Transitions of channels between 3 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 1 канале между 2 тиражами</source>
        <translation>Transitions of the count of numbers in channel 1 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 2 канале между 2 тиражами</source>
        <translation>Transitions of the count of numbers in channel 2 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 3 канале между 2 тиражами</source>
        <translation>Transitions of the count of numbers in channel 3 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 4 канале между 2 тиражами</source>
        <translation>Transitions of the count of numbers in channel 4 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 5 канале между 2 тиражами</source>
        <translation>Transitions of the count of numbers in channel 5 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 1 канале между 3 тиражами</source>
        <translation>Transitions of the count of numbers in channel 1 between 3 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 2 канале между 3 тиражами</source>
        <translation>Transitions of the count of numbers in channel 2 between 3 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 3 канале между 3 тиражами</source>
        <translation>Transitions of the count of numbers in channel 3 between 3 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 4 канале между 3 тиражами</source>
        <translation>Transitions of the count of numbers in channel 4 between 3 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 5 канале между 3 тиражами</source>
        <translation>Transitions of the count of numbers in channel 5 between 3 draws</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (все)</source>
        <translation>Transitions of numbers within channels (all)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-M, удачные)</source>
        <translation>Transitions of numbers within channels (N-M, successful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (N-0, не удачные)</source>
        <translation>Transitions of numbers within channels (N-0, unsuccessful)</translation>
    </message>
    <message>
        <source>Переходы чисел в пределах каналов (количество)</source>
        <translation>Transitions of numbers within channels (count)</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами без учета позиции</source>
        <translation>Transitions of segments between 2 draws regardless of position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами с учетом позиции</source>
        <translation>Transitions of segments between 2 draws by position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами в 1 позиции</source>
        <translation>Transitions of segments between 2 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами в 2 позиции</source>
        <translation>Transitions of segments between 2 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы сегментов между 2 тиражами в 3 позиции</source>
        <translation>Transitions of segments between 2 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами с учетом позиции</source>
        <translation>Transitions of segments between 3 draws by position</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами в 1 позиции</source>
        <translation>Transitions of segments between 3 draws in position 1</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами в 2 позиции</source>
        <translation>Transitions of segments between 3 draws in position 2</translation>
    </message>
    <message>
        <source>Переходы сегментов между 3 тиражами в 3 позиции</source>
        <translation>Transitions of segments between 3 draws in position 3</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 1 сегменте между 2 тиражами</source>
        <translation>Transitions of the count of numbers in segment 1 between 2 draws</translation>
    </message>
    <message>
        <source>Переходы кол-ва чисел в 1 сегменте между 3 тиражами</source>
        <translation>Transitions of the count of numbers in segment 1 between 3 draws</translation>
    </message>
    <message>
        <source>Число Veveda 1 (только разность)</source>
        <translation>Veveda number 1 (difference only)</translation>
    </message>
    <message>
        <source>Число Veveda 2 (разность + сложение, если {0,1})</source>
        <translation>Veveda number 2 (difference + addition if {0,1})</translation>
    </message>
    <message>
        <source>Числа Veveda 3 (динамический, только фильтр)</source>
        <translation>Veveda numbers 3 (dynamic, filter only)</translation>
    </message>
    <message>
        <source>Сумма чисел тиража</source>
        <translation>Sum of the draw numbers</translation>
    </message>
    <message>
        <source>Разности между числами тиража</source>
        <translation>Differences between the draw numbers</translation>
    </message>
    <message>
        <source>Каналы (группы чисел)</source>
        <translation>Channels (groups of numbers)</translation>
    </message>
    <message>
        <source>Матрица тиража</source>
        <translation>Draw matrix</translation>
    </message>
    <message>
        <source>Сегменты матрицы тиража</source>
        <translation>Segments of the draw matrix</translation>
    </message>
    <message>
        <source>Последовательности чисел в одном тираже</source>
        <translation>Sequences of numbers within a draw</translation>
    </message>
    <message>
        <source>Повторяющиеся числа в нескольких тиражах</source>
        <translation>Numbers repeated over several draws</translation>
    </message>
    <message>
        <source>Серии (цепочки) значений</source>
        <translation>Series (runs) of values</translation>
    </message>
    <message>
        <source>Периоды повторения значений</source>
        <translation>Periods of recurrence of values</translation>
    </message>
    <message>
        <source>Переходы (изменения) значений между тиражами</source>
        <translation>Transitions (changes) of values between draws</translation>
    </message>
    <message>
        <source>Характеристическое число Veveda</source>
        <translation>Veveda characteristic number</translation>
    </message>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Метод шинковки %1: %2</source>
        <translation>Shredding method %1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::RatingPage</name>
    <message>
        <source>Строк со ставками: %1; из них q (угадано) не больше %2: %3; случайная игра дала бы p не больше %2 примерно в %4</source>
        <translation>Rows with stakes: %1; of them q (guessed) at most %2: %3; random play would give p at most %2 in about %4</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ValidationDialog</name>
    <message>
        <source>Проверка на новых тиражах</source>
        <translation>Check on new draws</translation>
    </message>
    <message>
        <source>по p (угадано), сначала меньшие</source>
        <translation>by p (guessed), smallest first</translation>
    </message>
    <message>
        <source>по "Среднее", сначала большие</source>
        <translation>by "Average", largest first</translation>
    </message>
    <message>
        <source>Сценарий тестируется на проходах перед последними тиражами, лучшие строки его рейтинга становятся строками сценария и тестируются на последних тиражах, которых выбор не видел. Ставки, рейтинг и журналы программы не меняются.</source>
        <translation>The scenario is tested on the passes before the last draws; the best rows of its rating become scenario lines and are tested on the last draws, which the choice never saw. The program's stakes, rating and logs stay as they are.</translation>
    </message>
    <message>
        <source>Проходов для выбора строк:</source>
        <translation>Passes to choose rows on:</translation>
    </message>
    <message>
        <source>Последних тиражей для проверки:</source>
        <translation>Last draws to check on:</translation>
    </message>
    <message>
        <source>Лучших строк рейтинга:</source>
        <translation>Best rating rows:</translation>
    </message>
    <message>
        <source>Порядок выбора:</source>
        <translation>Ranked:</translation>
    </message>
</context>
<context>
    <name>quorvel::gui::ValidationWindow</name>
    <message>
        <source>Проверка на новых тиражах</source>
        <translation>Check on new draws</translation>
    </message>
    <message>
        <source>Проверено строк: %1 из %2; на новых тиражах p не больше %3: %4; случайная игра дала бы примерно %5</source>
        <translation>Rows checked: %1 of %2; on the new draws p at most %3: %4; random play would give about %5</translation>
    </message>
    <message>
        <source>Строку нельзя проверить: в ней нет шага фильтра</source>
        <translation>The row cannot be checked: it has no filter step</translation>
    </message>
    <message>
        <source>Среднее на проходах выбора</source>
        <translation>Average on the choosing passes</translation>
    </message>
    <message>
        <source>Среднее на новых тиражах</source>
        <translation>Average on the new draws</translation>
    </message>
    <message>
        <source>Случайная игра (%1)</source>
        <translation>Random play (%1)</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Row</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Неизвестный язык:</source>
        <translation>Unknown language:</translation>
    </message>
    <message>
        <source>Неизвестная команда:</source>
        <translation>Unknown command:</translation>
    </message>
    <message>
        <source>Разделитель дробной части должен быть одним символом</source>
        <translation>The decimal separator must be a single character</translation>
    </message>
    <message>
        <source>Неизвестный параметр:</source>
        <translation>Unknown option:</translation>
    </message>
    <message>
        <source>Параметр %s должен быть целым числом от %d до %d</source>
        <translation>Option %s must be a whole number from %d to %d</translation>
    </message>
    <message>
        <source>Ошибка записи в файл "%s"!<byte value="xd" /><byte value="xd" />%s</source>
        <translation>Error writing the file "%s"!<byte value="xd" /><byte value="xd" />%s</translation>
    </message>
    <message>
        <source>Неверное число параметров команды; см. quorvel --help</source>
        <translation>Wrong number of arguments for the command; see quorvel --help</translation>
    </message>
    <message>
        <source>Добавлено тиражей: %d</source>
        <translation>Draws added: %d</translation>
    </message>
    <message>
        <source>Выгружено тиражей: %d</source>
        <translation>Draws exported: %d</translation>
    </message>
    <message>
        <source>Смещение должно быть целым числом от 0 до %d</source>
        <translation>The offset must be a whole number from 0 to %d</translation>
    </message>
    <message>
        <source>Номер тиража должен быть целым числом от 1 до 2147483647</source>
        <translation>The draw number must be a whole number from 1 to 2147483647</translation>
    </message>
    <message>
        <source>Введена некорректная комбинация!</source>
        <translation>The combination entered is not valid!</translation>
    </message>
    <message>
        <source>Тираж № %s не найден в архиве</source>
        <translation>Draw No. %s is not in the archive</translation>
    </message>
    <message>
        <source>Удаление отменено</source>
        <translation>Deletion cancelled</translation>
    </message>
    <message>
        <source>Удалено тиражей: %d</source>
        <translation>Draws deleted: %d</translation>
    </message>
    <message>
        <source>Укажите --keep или --remove и хотя бы одно значение</source>
        <translation>Give --keep or --remove and at least one value</translation>
    </message>
    <message>
        <source>Метод расчета статистики не найден:</source>
        <translation>Statistic method not found:</translation>
    </message>
    <message>
        <source>Значение "%s" не найдено в таблице статистики</source>
        <translation>Value "%s" is not in the statistics table</translation>
    </message>
    <message>
        <source>Некорректный адрес proxy-сервера: "%s"</source>
        <translation>Invalid proxy server address: "%s"</translation>
    </message>
    <message>
        <source>Не задан proxy-сервер: укажите --proxy ХОСТ:ПОРТ</source>
        <translation>No proxy server given: use --proxy HOST:PORT</translation>
    </message>
    <message>
        <source>Загружено тиражей: %d</source>
        <translation>Draws downloaded: %d</translation>
    </message>
    <message>
        <source>Регулярных ставок: %d</source>
        <translation>Regular stakes: %d</translation>
    </message>
    <message>
        <source>Укажите номера комбинаций списка через запятую, начиная с 1</source>
        <translation>Give the combination numbers of the list separated by commas, starting from 1</translation>
    </message>
    <message>
        <source>Укажите комментарий регулярной ставки; см. quorvel --help</source>
        <translation>Give the comment of the regular stake; see quorvel --help</translation>
    </message>
    <message>
        <source>Укажите номера регулярных ставок от 1 до %d через запятую
</source>
        <translation>Give the regular stake numbers from 1 to %d separated by commas
</translation>
    </message>
    <message>
        <source>Нет регулярных ставок для теста!</source>
        <translation>There are no regular stakes to test!</translation>
    </message>
    <message>
        <source>Укажите количество тестов от 1 до %d
</source>
        <translation>Give the number of tests from 1 to %d
</translation>
    </message>
    <message>
        <source>Ставок: %d</source>
        <translation>Stakes: %d</translation>
    </message>
    <message>
        <source>Проходов:</source>
        <translation>Passes:</translation>
    </message>
    <message>
        <source>Вариантов фильтров:</source>
        <translation>Filter variants:</translation>
    </message>
    <message>
        <source>Ставок:</source>
        <translation>Stakes:</translation>
    </message>
    <message>
        <source>Журнал:</source>
        <translation>Log:</translation>
    </message>
    <message>
        <source>Неверная часть теста "%s": нужно K/M, где 1 &lt;= K &lt;= M &lt;= %d</source>
        <translation>Invalid test part "%s": K/M is needed, where 1 &lt;= K &lt;= M &lt;= %d</translation>
    </message>
    <message>
        <source>Часть теста:</source>
        <translation>Test part:</translation>
    </message>
    <message>
        <source>Укажите файлы частей теста; см. quorvel --help</source>
        <translation>Give the files of the test parts; see quorvel --help</translation>
    </message>
    <message>
        <source>Выполнение сценария прервано.</source>
        <translation>The scenario run was stopped.</translation>
    </message>
    <message>
        <source>Параметры --shard, --out, --shards и --pending относятся только к тесту сценария</source>
        <translation>The options --shard, --out, --shards and --pending belong to a scenario test only</translation>
    </message>
    <message>
        <source>Недостающие части теста задаются так: --shards M --pending КАТАЛОГ</source>
        <translation>The missing parts of a test are asked for so: --shards M --pending FOLDER</translation>
    </message>
    <message>
        <source>Неверное число частей теста &quot;%s&quot;: нужно M, где 1 &lt;= M &lt;= %d</source>
        <translation>Wrong number of test parts &quot;%s&quot;: M is needed, where 1 &lt;= M &lt;= %d</translation>
    </message>
    <message>
        <source>Нет каталога частей теста &quot;%s&quot;</source>
        <translation>There is no folder of test parts &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Эта часть будет сделана заново.</source>
        <translation>This part will be worked out again.</translation>
    </message>
    <message>
        <source>Часть теста задается вместе: --shard K/M --out ФАЙЛ</source>
        <translation>A test part is given together: --shard K/M --out FILE</translation>
    </message>
    <message>
        <source>Для тестирования сценария в архиве должно быть не менее двух тиражей!</source>
        <translation>To test a scenario the archive must hold at least two draws!</translation>
    </message>
    <message>
        <source>Укажите количество тестов: --tests N (от 1 до %d)</source>
        <translation>Give the number of tests: --tests N (from 1 to %d)</translation>
    </message>
    <message>
        <source>Укажите файл сценария; см. quorvel --help</source>
        <translation>Give the scenario file; see quorvel --help</translation>
    </message>
    <message>
        <source>Архив тиражей пуст!</source>
        <translation>The draws archive is empty!</translation>
    </message>
    <message>
        <source>Укажите порядок выбора: --by p или --by mean</source>
        <translation>Give the ranking: --by p or --by mean</translation>
    </message>
    <message>
        <source>Укажите проходы выбора и проверки: --train N --test M</source>
        <translation>Give the passes of choice and check: --train N --test M</translation>
    </message>
    <message>
        <source>Проверено строк: %d из %d; p (проверка) &lt;= %s: %d; случайно ожидается: %s</source>
        <translation>Rows checked: %d of %d; p (check) &lt;= %s: %d; expected by chance: %s</translation>
    </message>
    <message>
        <source>Неверные параметры команды; см. quorvel --help</source>
        <translation>Invalid arguments for the command; see quorvel --help</translation>
    </message>
    <message>
        <source>Укажите описание фильтра одним параметром; см. quorvel --help</source>
        <translation>Give the filter description as a single argument; see quorvel --help</translation>
    </message>
    <message>
        <source>Укажите описание фильтра; см. quorvel --help</source>
        <translation>Give the filter description; see quorvel --help</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл ставок: %s</source>
        <translation>Could not read the stakes file: %s</translation>
    </message>
    <message>
        <source>Укажите одну ставку вида "v1;v2;v3"; см. quorvel --help</source>
        <translation>Give one stake as "v1;v2;v3"; see quorvel --help</translation>
    </message>
    <message>
        <source>Проверено ставок: %d</source>
        <translation>Stakes checked: %d</translation>
    </message>
    <message>
        <source>Укажите условие: --matches =|&gt;|&gt;=|&lt;|&lt;= ЧИСЛО (от 0 до 3)</source>
        <translation>Give the condition: --matches =|&gt;|&gt;=|&lt;|&lt;= NUMBER (from 0 to 3)</translation>
    </message>
    <message>
        <source>Укажите действие: add, list, check или delete; см. quorvel --help</source>
        <translation>Give the action: add, list, check or delete; see quorvel --help</translation>
    </message>
    <message>
        <source>Рейтинг: %d</source>
        <translation>Rating: %d</translation>
    </message>
    <message>
        <source>Укажите файл: quorvel rating export ФАЙЛ.csv</source>
        <translation>Give the file: quorvel rating export FILE.csv</translation>
    </message>
    <message>
        <source>Файлов полного набора: %d</source>
        <translation>Full-set files: %d</translation>
    </message>
    <message>
        <source>Укажите --all (вся система) или --filtered (только комбинации из списка)</source>
        <translation>Give --all (the whole system) or --filtered (only the combinations in the list)</translation>
    </message>
    <message>
        <source>Список комбинаций пуст</source>
        <translation>The combination list is empty</translation>
    </message>
    <message>
        <source>Укажите файл системы: quorvel systems import ФАЙЛ</source>
        <translation>Give the system file: quorvel systems import FILE</translation>
    </message>
    <message>
        <source>Сумма;Комбинаций;Тиражей</source>
        <translation>Sum;Combinations;Draws</translation>
    </message>
    <message>
        <source>Тираж;Совпадений;Кол-во повторов;Список тиражей</source>
        <translation>Draw;Matches;Repeats;Draws list</translation>
    </message>
    <message>
        <source>Метод построения графика не найден:</source>
        <translation>Graph method not found:</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Укажите --keep или --remove</source>
        <translation>Give --keep or --remove</translation>
    </message>
    <message>
        <source>Значение "%s" не является значением от 0 до 9</source>
        <translation>"%s" is not a value from 0 to 9</translation>
    </message>
    <message>
        <source>Укажите вид: card, layout или week</source>
        <translation>Give the view: card, layout or week</translation>
    </message>
    <message>
        <source>Укажите вид: sums, card, week, layout, repeats, graph или filter</source>
        <translation>Give the view: sums, card, week, layout, repeats, graph or filter</translation>
    </message>
    <message>
        <source>[да/нет]:</source>
        <translation>[yes/no]:</translation>
    </message>
    <message>
        <source>Неизвестное действие: %s; см. quorvel --help</source>
        <translation>Unknown action: %s; see quorvel --help</translation>
    </message>
    <message>
        <source>quorvel stakes add "1;2;3" --draws 3 --comment Мой</source>
        <translation>quorvel stakes add "1;2;3" --draws 3 --comment Mine</translation>
    </message>
    <message>
        <source>quorvel regulars add Мой --start "1;2;3" --step 7</source>
        <translation>quorvel regulars add Mine --start "1;2;3" --step 7</translation>
    </message>
    <message>
        <source>Использование: quorvel [--data-dir КАТАЛОГ] [--language ru|en] [--yes|--no] [--decimal-separator С] КОМАНДА
               [ПАРАМЕТРЫ]

Команды:
  download [--url АДРЕС] [--proxy-mode 0|1|2] [--proxy ХОСТ:ПОРТ] [--proxy-user ИМЯ]
           [--proxy-password ПАРОЛЬ] [--proxy-list АДРЕС]
                                   загрузить новые тиражи с сайта результатов (адрес на ".csv" -
                                   файл тиражей в формате импорта); параметры сохраняются в
                                   Quorvel_3r10.ini; с --yes неудачный запрос повторяется до 3 раз
  import ФАЙЛ.csv                  добавить в архив тиражи из файла
  export ФАЙЛ.csv                  записать архив в файл
  info [--offset K]                размер архива, следующий тираж и его значения при смещении K
  add НОМЕР "v1;v2;v3" [ДАТА]      добавить тираж (дата в виде "дд.мм.гггг чч:мм")
  delete НОМЕР...                  удалить тиражи с этими номерами, по одному на номер
  methods [--list]                 методы статистики: код;группа;особенности;название
                                   (--list: список методов, как на вкладке статистики)
  stats --method КОД [--window N] [--offset K] [--sort КОЛОНКА] [--desc] [--prefetch] [--xlsx Ф.xlsx]
                                   таблица статистики: заголовки и строки через ";"
  fullset [--force] [--groups МАСКА]  файлы полного набора комбинаций
  combs [--mode M] [--numbers ТЕКСТ] [--file Ф.lcv]  новый список комбинаций
  filter --method КОД [--window N] [--offset K] (--keep|--remove) ЗНАЧЕНИЕ... [--combs Ф.lcv] [--out Ф.lcv]
                                   оставить или удалить комбинации с выбранными значениями
  scenario show [ФАЙЛ.lsc]         строки сценария (по умолчанию текущего), как их показывает список
  scenario run ФАЙЛ.lsc [--log] [--seed S]
                                   прогноз: все строки сценария при текущем смещении, ставки
  scenario test ФАЙЛ.lsc --tests N [--log] [--seed S] [--jobs J]
                                   тест: строки сценария на N последних тиражах, ставки проверяются;
                                   --jobs J: проходы считаются в J потоках, файлы те же, что с одним
  scenario test ФАЙЛ.lsc --tests N --shard K/M --out ЧАСТЬ [--log] [--seed S] [--jobs J]
                                   K-я из M частей теста (проходы N..1 подряд): проходы считаются
                                   и записываются в файл ЧАСТЬ, данные каталога не меняются
  scenario test ФАЙЛ.lsc --tests N --shards M --pending КАТАЛОГ [--log] [--seed S]
                                   номера частей теста из M, которых нет в КАТАЛОГЕ (part-K.qpart)
                                   или которые сделаны для другого теста, по одному в строке
  scenario validate ФАЙЛ.lsc --train N --test M [--top K] [--by p|mean] [--jobs J] [--seed S]
                                   проверка на новых тиражах: лучшие K строк рейтинга теста на N
                                   проходах перед последними M тиражами проверяются на последних M;
                                   все во временной копии каталога данных
  scenario merge ЧАСТЬ...          ставки, проверки, рейтинг и журнал частей теста по порядку
                                   проходов: то же, что оставил бы весь тест
  step "ФИЛЬТР" [--offset K] [--window N] [--combs Ф.lcv]
                                   выполнить шаг фильтра (например "TSD1#NUMS:10#LNO:#SF:0"),
                                   журнал шага в поток ошибок; --window заменяет длины выборки
  stakes add [--draw N] "v1;v2;v3" [--draws K] [--comment ТЕКСТ]
                                   сделать ставку на K тиражей начиная с N, затем проверить ставки
  stakes list                      ставки, как их показывает таблица ставок (ячейки через ";")
  stakes check                     проверить ставки по архиву тиражей
  stakes delete --matches ОП V     удалить ставки, у которых число совпадений ОП V (=, &gt;, &gt;=, &lt;, &lt;=)
  rating [--sort КОЛОНКА] [--desc] [--mode 0|1|2] [--xlsx Ф.xlsx]
                                   рейтинг: заголовки и строки через ";"
  rating rebuild                   пересчитать рейтинг по текущим ставкам (с --yes без вопроса)
  rating export ФАЙЛ.csv           записать рейтинг в CSV-файл
  rating significance [--csv Ф.csv] значимость строк рейтинга: вероятность угадать не меньше
                                   случайной игрой (p) и с поправкой на число строк (q)
  regulars [list]                  регулярные ставки, как их показывает вкладка "Регуляры"
                                   (ячейки через "|")
  regulars add КОММЕНТАРИЙ [--start "v1;v2;v3"] [--step S] [--last-draw] [--comb-rows 1,2]
                                   добавить регулярную ставку (шаг от -9 до 9, по умолчанию 1);
                                   с несколькими номерами комбинаций списка - по одной на каждую
  regulars test N [--rows 1,2]     ставки выбранных (по умолчанию всех) регулярных ставок на N
                                   последних тиражах, затем проверка ставок
  systems [list]                   локальные системы, как их показывает вкладка систем
  systems stake (--all|--filtered) [--combs Ф.lcv] [--draw N] [--draws K] [--comment ТЕКСТ]
                                   системная игра по текущему списку: вся система или только
                                   ее комбинации из списка
  systems import ФАЙЛ              загрузить файл системы в каталог "Systems"
  view sums                        распределение сумм: сумма;комбинаций;тиражей и три диапазона
  view card [--offset K] [--length N]  карта тиражей (ячейки через ";"), строки с K-й, N строк
  view week [--offset K] [--length N]  статистика по дням недели при смещении K
  view layout [--offset K] [--length N]  схема выпадения номеров и пять списков сравнения
  view repeats [--length N] [--deep M]  количество повторов в зависимости от тиража
  view graph --method КОД [--offset K] [--length N]  значения метода по тиражам, среднее и частое
  view filter card|layout|week (--keep|--remove) ЯЧЕЙКА... [--offset K] [--combs Ф.lcv]
                                   фильтр по ячейкам вида (для недели — значения столбцов)

  --data-dir КАТАЛОГ               каталог файлов данных (по умолчанию каталог программы; у
                                   установленной команды quorvel - $XDG_DATA_HOME/Quorvel_3r10,
                                   обычно ~/.local/share/Quorvel_3r10)
  --language ru|en                 язык сообщений, справки и заголовков (по умолчанию язык
                                   интерфейса программы для этого каталога)
  --yes, --no                      ответ на вопросы программы
  --version                        номер версии программы
  --help                           эта справка; quorvel help КОМАНДА или КОМАНДА --help - одна
                                   команда с примером

Параметры пишутся в любом порядке, как --имя значение или --имя=значение. Код выхода: 0 - успех,
1 - ошибка (сообщение в потоке ошибок), 2 - неизвестная команда, параметр или действие, лишнее
или недостающее слово (с описанием команды в потоке ошибок), 75 - каталог данных занят другой
копией программы (например, программой с окнами).
</source>
        <translation>Usage: quorvel [--data-dir DIR] [--language ru|en] [--yes|--no] [--decimal-separator C] COMMAND
               [OPTIONS]

Commands:
  download [--url ADDRESS] [--proxy-mode 0|1|2] [--proxy HOST:PORT] [--proxy-user NAME]
           [--proxy-password PASSWORD] [--proxy-list ADDRESS]
                                   download new draws from the results site (an address ending in
                                   ".csv" is a draws file in the import format); the options are
                                   kept in Quorvel_3r10.ini; with --yes a failed request is
                                   retried up to 3 times
  import FILE.csv                  add the draws of a file to the archive
  export FILE.csv                  write the archive to a file
  info [--offset K]                archive size, the next draw and its values at offset K
  add NUMBER "v1;v2;v3" [DATE]     add a draw (date as "dd.mm.yyyy hh:mm")
  delete NUMBER...                 delete the draws with these numbers, one per number
  methods [--list]                 statistic methods: code;group;features;title
                                   (--list: the list of methods as the statistics tab shows it)
  stats --method CODE [--window N] [--offset K] [--sort COLUMN] [--desc] [--prefetch] [--xlsx F.xlsx]
                                   statistics table: captions and rows separated by ";"
  fullset [--force] [--groups MASK]  full-set combination files
  combs [--mode M] [--numbers TEXT] [--file F.lcv]  a new combination list
  filter --method CODE [--window N] [--offset K] (--keep|--remove) VALUE... [--combs F.lcv] [--out F.lcv]
                                   keep or remove the combinations with the chosen values
  scenario show [FILE.lsc]         the scenario's lines (by default the current one's), as the
                                   list shows them
  scenario run FILE.lsc [--log] [--seed S]
                                   forecast: every line of the scenario at the current offset,
                                   stakes
  scenario test FILE.lsc --tests N [--log] [--seed S] [--jobs J]
                                   test: the scenario's lines on the last N draws, the stakes are
                                   checked; --jobs J: passes are computed in J threads, the files
                                   are the same as with one
  scenario test FILE.lsc --tests N --shard K/M --out PART [--log] [--seed S] [--jobs J]
                                   part K of M of a test (passes N..1 in a row): the passes are
                                   computed and written to the file PART, the data directory is
                                   not changed
  scenario test FILE.lsc --tests N --shards M --pending FOLDER [--log] [--seed S]
                                   the numbers of the parts of an M-part test that FOLDER lacks
                                   (part-K.qpart) or that were made for another test, one a line
  scenario validate FILE.lsc --train N --test M [--top K] [--by p|mean] [--jobs J] [--seed S]
                                   check on unseen draws: the best K rating rows of a test on N
                                   passes before the last M draws are checked on the last M;
                                   everything in a temporary copy of the data directory
  scenario merge PART...           stakes, checks, rating and log of the test's parts in the order
                                   of the passes: the same as the whole test would leave
  step "FILTER" [--offset K] [--window N] [--combs F.lcv]
                                   run a filter step (for example "TSD1#NUMS:10#LNO:#SF:0"), the
                                   step's log to the error stream; --window replaces the window
                                   lengths
  stakes add [--draw N] "v1;v2;v3" [--draws K] [--comment TEXT]
                                   stake on K draws from draw N, then check the stakes
  stakes list                      the stakes as the stakes table shows them (cells separated by ";")
  stakes check                     check the stakes against the draws archive
  stakes delete --matches OP V     delete the stakes whose number of matches is OP V (=, &gt;, &gt;=, &lt;, &lt;=)
  rating [--sort COLUMN] [--desc] [--mode 0|1|2] [--xlsx F.xlsx]
                                   rating: captions and rows separated by ";"
  rating rebuild                   rebuild the rating from the current stakes (with --yes without
                                   asking)
  rating export FILE.csv           write the rating to a CSV file
  rating significance [--csv F.csv] significance of the rating rows: the chance of guessing as
                                   many by random play (p) and adjusted for the number of rows (q)
  regulars [list]                  regular stakes as the "Regulars" tab shows them
                                   (cells separated by "|")
  regulars add COMMENT [--start "v1;v2;v3"] [--step S] [--last-draw] [--comb-rows 1,2]
                                   add a regular stake (step from -9 to 9, 1 by default); with
                                   several combination numbers of the list, one for each
  regulars test N [--rows 1,2]     stakes of the chosen (by default all) regular stakes on the last
                                   N draws, then check the stakes
  systems [list]                   local systems as the systems tab shows them
  systems stake (--all|--filtered) [--combs F.lcv] [--draw N] [--draws K] [--comment TEXT]
                                   system game on the current list: the whole system or only its
                                   combinations that are in the list
  systems import FILE              load a system file into the "Systems" folder
  view sums                        sum distribution: sum;combinations;draws and three ranges
  view card [--offset K] [--length N]  draws card (cells separated by ";"), N rows from row K
  view week [--offset K] [--length N]  statistics by day of the week at offset K
  view layout [--offset K] [--length N]  number layout and the five compare lists
  view repeats [--length N] [--deep M]  number of repeats by draw
  view graph --method CODE [--offset K] [--length N]  the method's values by draw, mean and most
                                   frequent
  view filter card|layout|week (--keep|--remove) CELL... [--offset K] [--combs F.lcv]
                                   filter by the view's cells (for the week, column values)

  --data-dir DIR                   the folder of the data files (by default the program's folder;
                                   for the installed quorvel command $XDG_DATA_HOME/Quorvel_3r10,
                                   usually ~/.local/share/Quorvel_3r10)
  --language ru|en                 language of messages, help and captions (by default the
                                   program's interface language for this folder)
  --yes, --no                      the answer to the program's questions
  --version                        the program's version
  --help                           this help; quorvel help COMMAND or COMMAND --help: one command
                                   with an example

Options may be given in any order, as --name value or --name=value. Exit code: 0 success, 1 error
(the message on the error stream), 2 unknown command, option or action, a word too many or too
few (with the command's usage on the error stream), 75 the data directory is held by another copy
of the program (the desktop program, say).
</translation>
    </message>
</context>
</TS>