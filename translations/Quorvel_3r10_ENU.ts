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
        <source>Строк: %1; на новых тиражах p не больше %2: %3; случайная игра дала бы примерно %4</source>
        <translation>Rows: %1; on the new draws p at most %2: %3; random play would give about %4</translation>
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
</TS>