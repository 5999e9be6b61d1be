#include "core/stats/help_texts.h"

#include <array>
#include <utility>

#include "core/stats/stat_class.h"

namespace quorvel {

namespace {

constexpr std::array<std::string_view, 13> GroupTexts = {
    // 0 num
    "Методы этой группы смотрят на три числа тиража по отдельности или небольшими наборами: какие "
    "числа выпали, сколько среди них четных, малых (0..4) или простых (1, 2, 3, 5, 7), как эти "
    "признаки расположены по позициям, какое число стоит в заданной позиции и какие пары и тройки "
    "чисел образует тираж.",
    // 1 sum
    "Методы этой группы складывают числа тиража. Сумма трех чисел лежит в пределах 0..27; "
    "кроме самой суммы считаются суммы четных и простых чисел, попадание суммы в фиксированные "
    "диапазоны и то, как сумма меняется от тиража к тиражу.",
    // 2 dif
    "Методы этой группы измеряют расстояния между числами тиража: разности соседних позиций "
    "(первой и второй, второй и третьей), разброс между наименьшим и наибольшим числом и "
    "повторяющиеся разности.",
    // 3 grp
    "Канал — это полоса соседних чисел. Диапазон 0..9 делится на каналы по «Размеру канала» из "
    "параметров системы (по умолчанию 2: канал 1 — числа 0-1, канал 2 — 2-3, ..., канал 5 — 8-9). "
    "Методы группы описывают тираж каналами, в которые попали его числа.",
    // 4 mtx
    "Матрица тиража — это таблица, в которой каждому числу отведена своя строка (строки 1..10 для "
    "чисел 0..9) и один общий столбец. Методы группы описывают тираж сочетаниями номеров строк или "
    "столбцов своих чисел.",
    // 5 sgm
    "Сегмент — это группа клеток матрицы, заданная пользователем в параметрах системы: каждой паре "
    "(позиция, число) присвоен номер сегмента. По умолчанию все клетки входят в сегмент 1. Методы "
    "группы описывают тираж сегментами трех его клеток.",
    // 6 seq
    "Последовательность — это несколько соседних позиций, числа которых растут ровно на единицу "
    "(2;3 или 4;5;6). Методы группы считают длины таких последовательностей, их количество и "
    "наибольшую длину.",
    // 7 rep
    "Методы этой группы сравнивают тираж с предыдущими тиражами позиция за позицией: какие числа "
    "повторились и в скольких позициях. Варианты смотрят на один, два, три или четыре тиража назад, "
    "сравнивают со сдвинутым на ±1 или ±2 прежним числом или требуют повтора в трех тиражах подряд.",
    // 8 ser
    "Серия — это число тиражей подряд, в которых состояние (число, канал или сегмент) "
    "присутствовало (повторы) или отсутствовало (интервалы). Методы группы считают серии для "
    "состояний самого нового тиража окна.",
    // 9 per
    "Период — это число тиражей, прошедших от предыдущего появления состояния (числа, канала или "
    "сегмента) до очередного. Методы группы собирают такие периоды для каждого появления.",
    // 10 mov
    "Переход — это то, во что превратилось число (его канал, сегмент или количество чисел в канале "
    "или сегменте) в следующем тираже. Учитываются только переходы из того же состояния, в котором "
    "находится самый новый тираж окна, поэтому таблица показывает, что выпадало после похожих "
    "тиражей.",
    // 11 ogn
    "Характеристическое число сводит тираж к одному числу через треугольник модулей разностей: "
    "сначала разности соседних чисел, затем разность этих разностей. Варианты отличаются тем, чем "
    "заменяется результат 0 или 1.",
    // 12 shr
    "Шинковка превращает тираж в число по формуле пользователя над числами этого тиража и двух "
    "предыдущих (n1..n3 — числа тиража, формулы задаются в диалоге «Формулы шинковки»). Значением "
    "служат первые цифры дробной части результата.",
};

constexpr std::pair<std::string_view, std::string_view> TopicTexts[] = {
    {"NUMS",
     "Каждое из трех чисел тиража учитывается отдельно; значения 0..9. Тираж с двумя "
     "одинаковыми числами добавляет это число дважды."},
    {"DIGS",
     "Каждая цифра чисел тиража учитывается отдельно. В этой игре числа однозначные, "
     "поэтому счет совпадает с методом NUMS, но заранее значения не перечисляются."},
    {"EVEN",
     "Количество четных чисел тиража (0 считается четным), показанное как «четные:нечетные», "
     "например 2:1."},
    {"EVNV",
     "Расположение четных (Ч) и нечетных (н) чисел по позициям тиража: восемь вариантов от "
     "ЧЧЧ до ннн, в скобках номер варианта."},
    {"SMAL", "Количество чисел из первой половины диапазона (0..4), показанное как «малые:большие»."},
    {"SMLV", "Расположение малых (1, числа 0..4) и больших (2, числа 5..9) чисел по позициям тиража."},
    {"PRIM", "Количество простых чисел тиража (1, 2, 3, 5, 7), показанное как «простые:составные»."},
    {"PRMV", "Расположение простых (П) и составных (С) чисел по позициям тиража."},
    {"POSx",
     "Число, стоящее в выбранной позиции тиража (1, 2 или 3); значения 0..9. Одна страница "
     "описывает все три позиции."},
    {"KNM2", "Пары чисел тиража по всем сочетаниям позиций (1-2, 1-3, 2-3) с сохранением порядка."},
    {"KNM3", "Все три числа тиража вместе, в порядке позиций: по сути, сама комбинация."},
    {"KNS2", "Пары чисел соседних позиций (1-2 и 2-3)."},
    {"KNS3", "Тройка чисел трех соседних позиций, то есть весь тираж."},
    {"KNP2",
     "Пара чисел, начинающаяся с выбранной позиции: с первой (позиции 1-2) или со второй "
     "(позиции 2-3)."},
    {"KNP3", "Тройка чисел, начинающаяся с первой позиции, то есть весь тираж по порядку."},
    {"KNO2", "Пары чисел тиража, взятые после упорядочивания чисел по возрастанию."},
    {"KNO3", "Три числа тиража, упорядоченные по возрастанию: порядок выпадения не важен."},
    {"SUMS",
     "Сумма трех чисел тиража; заранее перечисляются суммы 3..24, остальные появляются, "
     "когда встретятся."},
    {"SUM1", "Попадает ли сумма тиража в диапазон 6..21: значение «6-21» или «Остальные»."},
    {"SUM2", "Попадает ли сумма тиража в диапазон 8..19: значение «8-19» или «Остальные»."},
    {"SUM3", "Попадает ли сумма тиража в диапазон 9..18: значение «9-18» или «Остальные»."},
    {"SUMC",
     "Точное изменение суммы от предыдущего тиража к следующему. Учитываются только тиражи, "
     "предшественник которых имел ту же сумму, что и самый новый тираж окна."},
    {"SUMV",
     "Изменение суммы от предыдущего тиража, учтенное только для тиражей, предшественник "
     "которых имел сумму в пределах ±2 от суммы самого нового тиража."},
    {"SUMT",
     "Направление изменения суммы («+», «-» или «=») после тиражей с той же суммой, что у "
     "самого нового тиража."},
    {"SUME", "Сумма только четных чисел тиража (0 считается четным)."},
    {"SUMP", "Сумма только простых чисел тиража (1, 2, 3, 5, 7)."},
    {"S2T3",
     "Сколько чисел тиража равны сумме двух других (0..3): у 1;2;3 одно такое число, у 0;0;0 "
     "три."},
    {"DIFA",
     "Обе разности соседних позиций (|n1-n2| и |n2-n3|), каждая учитывается отдельно; "
     "значения 0..9."},
    {"DIFM", "Наибольшая из двух разностей соседних позиций; значения 0..9."},
    {"DIFD", "Разность между наибольшим и наименьшим числом тиража (разброс); значения 0..9."},
    {"DIFO",
     "Разности соседних позиций вместе с кратностью: «2 x 2» значит, что обе разности равны 2, "
     "«5 x 1» — что разность 5 встретилась один раз."},
    {"DIFK", "Наибольшее число одинаковых разностей соседних позиций: 2, если разности равны, иначе 1."},
    {"KDS2", "Упорядоченная пара разностей соседних позиций «|n1-n2|:|n2-n3|», например 3:5."},
    {"CHAN", "Каналы, в которые попали числа тиража; каждый канал учитывается один раз."},
    {"CHNV", "Канал вместе с количеством чисел тиража в нем."},
    {"CHNC", "Сколько разных каналов занимает тираж (1..3)."},
    {"CHNx", "Сколько чисел тиража (0..3) лежит в выбранном канале. Одна страница описывает все каналы."},
    {"KCM2", "Пары каналов по всем сочетаниям позиций тиража."},
    {"KCM3", "Каналы всех трех позиций тиража вместе."},
    {"KCS2", "Пары каналов соседних позиций."},
    {"KCS3", "Каналы трех соседних позиций."},
    {"KFM2", "Пары номеров столбцов матрицы по всем сочетаниям позиций."},
    {"KFM3", "Номера столбцов матрицы всех трех позиций."},
    {"KFS2", "Пары номеров столбцов матрицы соседних позиций."},
    {"KFS3", "Номера столбцов матрицы трех соседних позиций."},
    {"KRM2", "Пары номеров строк матрицы (число + 1) по всем сочетаниям позиций."},
    {"KRM3", "Номера строк матрицы всех трех позиций."},
    {"KRS2", "Пары номеров строк матрицы соседних позиций."},
    {"KRS3", "Номера строк матрицы трех соседних позиций."},
    {"SGMS", "Сегменты, в которые попали клетки тиража; каждый сегмент учитывается один раз."},
    {"SGMV", "Сегмент вместе с количеством клеток тиража в нем."},
    {"SGMC", "Сколько разных сегментов занимает тираж."},
    {"SGMx",
     "Сколько клеток тиража (0..3) лежит в выбранном сегменте. Одна страница описывает все "
     "сегменты."},
    {"KGM2", "Пары сегментов по всем сочетаниям позиций."},
    {"KGM3", "Сегменты всех трех позиций тиража."},
    {"KGS2", "Пары сегментов соседних позиций."},
    {"KGS3", "Сегменты трех соседних позиций."},
    {"SEQL", "Длины всех последовательностей тиража (одиночное число — последовательность длины 1)."},
    {"SEQS", "Сколько в тираже последовательностей длиной два и больше."},
    {"LENS", "Длина самой длинной последовательности тиража (1..3)."},
    {"RPV2", "Числа, которые стоят в той же позиции, что и в предыдущем тираже."},
    {"RPV3", "Числа, которые стоят в той же позиции в трех тиражах подряд."},
    {"PRL2", "Числа, повторившиеся в той же позиции ровно в двух тиражах подряд, но не в трех."},
    {"PRV2O1", "Числа, совпавшие по позиции с тиражом, выпавшим за два тиража до этого (через один)."},
    {"PRV2O2", "Числа, совпавшие по позиции с тиражом, выпавшим за три тиража до этого (через два)."},
    {"PRV2O3", "Числа, совпавшие по позиции с тиражом, выпавшим за четыре тиража до этого (через три)."},
    {"PRV+1", "Числа, равные числу той же позиции предыдущего тиража плюс 1."},
    {"PRV-1", "Числа, равные числу той же позиции предыдущего тиража минус 1."},
    {"PRV+2", "Числа, равные числу той же позиции предыдущего тиража плюс 2."},
    {"PRV-2", "Числа, равные числу той же позиции предыдущего тиража минус 2."},
    {"RPC2", "В скольких позициях (0..3) тираж повторил предыдущий тираж."},
    {"RPC3", "В скольких позициях число повторилось в трех тиражах подряд."},
    {"PRB2", "В скольких позициях число повторилось ровно в двух тиражах подряд."},
    {"RPO1", "В скольких позициях тираж совпал с тиражом, выпавшим через один тираж до него."},
    {"PRC2O2", "В скольких позициях тираж совпал с тиражом, выпавшим через два тиража до него."},
    {"PRC2O3", "В скольких позициях тираж совпал с тиражом, выпавшим через три тиража до него."},
    {"PRC+1", "В скольких позициях число равно прежнему числу той же позиции плюс 1."},
    {"PRC-1", "В скольких позициях число равно прежнему числу той же позиции минус 1."},
    {"PRC+2", "В скольких позициях число равно прежнему числу той же позиции плюс 2."},
    {"PRC-2", "В скольких позициях число равно прежнему числу той же позиции минус 2."},
    {"GRPV", "Для каждого числа самого нового тиража — сколько тиражей подряд это число выпадало."},
    {"GRPP",
     "Для чисел самого нового тиража — сколько тиражей подряд число не выпадало перед "
     "очередным появлением."},
    {"GRCV", "Для каждого канала самого нового тиража — сколько тиражей подряд канал был занят."},
    {"GRCP", "Для каналов самого нового тиража — длины пауз, когда канал был пуст."},
    {"GRSV", "Для каждого сегмента самого нового тиража — сколько тиражей подряд сегмент был занят."},
    {"GRSP", "Для сегментов самого нового тиража — длины пауз, когда сегмент был пуст."},
    {"PRDV", "Для каждого появления числа — сколько тиражей прошло с его предыдущего появления."},
    {"PRDC", "Для каждого появления канала — сколько тиражей прошло с его предыдущего появления."},
    {"PRDG", "Для каждого появления сегмента — сколько тиражей прошло с его предыдущего появления."},
    {"SDV2", "Во что переходили числа самого нового тиража в следующем тираже, без учета позиций."},
    {"SDP2", "Во что переходили числа самого нового тиража в следующем тираже, позиция за позицией."},
    {"SDNx", "Переходы числа выбранной позиции (1, 2 или 3) в следующий тираж."},
    {"SDP3", "Переходы по позициям после пары тиражей, похожей на два самых новых тиража."},
    {"SDMx", "Переходы числа выбранной позиции после пары тиражей, похожей на два самых новых."},
    {"SCV2", "Переходы каналов самого нового тиража в следующий тираж, без учета позиций."},
    {"SCP2", "Переходы каналов в следующий тираж, позиция за позицией."},
    {"SCNx", "Переходы канала выбранной позиции в следующий тираж."},
    {"SCP3", "Переходы каналов по позициям после пары тиражей, похожей на два самых новых."},
    {"SCMx", "Переходы канала выбранной позиции после пары тиражей, похожей на два самых новых."},
    {"SC2Cx", "Как менялось количество чисел в выбранном канале от тиража к следующему."},
    {"SC3Cx", "Как менялось количество чисел в выбранном канале после двух похожих тиражей."},
    {"SDA2", "Все переходы чисел в пределах своего канала между соседними тиражами."},
    {"SDG2", "Удачные переходы в пределах канала: канал остался занятым в следующем тираже (N-M)."},
    {"SDZ2", "Неудачные переходы в пределах канала: канал опустел в следующем тираже (N-0)."},
    {"SDC2", "Количество переходов в пределах каналов между соседними тиражами."},
    {"SSV2", "Переходы сегментов самого нового тиража в следующий тираж, без учета позиций."},
    {"SSP2", "Переходы сегментов в следующий тираж, позиция за позицией."},
    {"SSNx", "Переходы сегмента выбранной позиции в следующий тираж."},
    {"SSP3", "Переходы сегментов по позициям после пары тиражей, похожей на два самых новых."},
    {"SSMx", "Переходы сегмента выбранной позиции после пары тиражей, похожей на два самых новых."},
    {"SS2Cx", "Как менялось количество клеток в выбранном сегменте от тиража к следующему."},
    {"SS3Cx", "Как менялось количество клеток в выбранном сегменте после двух похожих тиражей."},
    {"HCO1",
     "Модуль разности двух разностей соседних чисел, без замены: у 7;2;3 разности 5 и 1, "
     "число 4."},
    {"HCO2",
     "То же, но результат 0 или 1 заменяется суммой двух разностей: у 1;3;5 разности 2 и 2 "
     "дают 0, и число становится 4."},
    {"HCO3",
     "Число второго варианта для самого нового тиража вместе с некоторыми его кратными; "
     "метод предназначен для фильтра и показывает, выпало ли число в следующем тираже."},
    {"SHRx",
     "Первые цифры дробной части результата формулы шинковки (по умолчанию две цифры, "
     "значения 00..99). Одна страница описывает все три формулы."},
};

constexpr std::array<std::string_view, 13> EnglishGroupTitles = {
    "Draw numbers",
    "Sum of the draw numbers",
    "Differences between the draw numbers",
    "Channels (groups of numbers)",
    "Draw matrix",
    "Segments of the draw matrix",
    "Sequences of numbers within a draw",
    "Numbers repeated over several draws",
    "Series (runs) of values",
    "Periods of recurrence of values",
    "Transitions (changes) of values between draws",
    "Veveda characteristic number",
    "Shredding methods",
};

constexpr std::array<std::string_view, 13> EnglishGroupTexts = {
    // 0 num
    "The methods of this group look at the three numbers of a draw one at a time or in small "
    "sets: which numbers came up, how many of them are even, small (0..4) or prime (1, 2, 3, 5, "
    "7), how these properties are laid out over the positions, which number stands in a given "
    "position, and which pairs and triples of numbers the draw forms.",
    // 1 sum
    "The methods of this group add up the numbers of a draw. The sum of the three numbers lies "
    "within 0..27; besides the sum itself they count the sums of the even and of the prime "
    "numbers, whether the sum falls into fixed ranges, and how the sum changes from draw to draw.",
    // 2 dif
    "The methods of this group measure the distances between the numbers of a draw: the "
    "differences of neighbouring positions (first and second, second and third), the spread "
    "between the smallest and the largest number, and repeated differences.",
    // 3 grp
    "A channel is a band of neighbouring numbers. The range 0..9 is split into channels by the "
    "“Channel size” of the system settings (2 by default: channel 1 holds the numbers 0-1, "
    "channel 2 holds 2-3, ..., channel 5 holds 8-9). The methods of this group describe a draw by "
    "the channels its numbers fall into.",
    // 4 mtx
    "The draw matrix is a table in which every number has a row of its own (rows 1..10 for the "
    "numbers 0..9) and all numbers share one column. The methods of this group describe a draw "
    "by combinations of the row or column numbers of its numbers.",
    // 5 sgm
    "A segment is a group of matrix cells defined by the user in the system settings: every "
    "(position, number) pair is given a segment number. By default all cells belong to segment "
    "1. The methods of this group describe a draw by the segments of its three cells.",
    // 6 seq
    "A sequence is a run of neighbouring positions whose numbers rise by exactly one (2;3 or "
    "4;5;6). The methods of this group count the lengths of such sequences, how many there are "
    "and the greatest length.",
    // 7 rep
    "The methods of this group compare a draw with earlier draws position by position: which "
    "numbers repeated and in how many positions. The variants look one, two, three or four draws "
    "back, compare with the earlier number shifted by ±1 or ±2, or require a repeat in three "
    "draws in a row.",
    // 8 ser
    "A series is the number of consecutive draws in which a state (a number, channel or segment) "
    "was present (repeats) or absent (intervals). The methods of this group count the series for "
    "the states of the newest draw of the window.",
    // 9 per
    "A period is the number of draws that passed from the previous appearance of a state (a "
    "number, channel or segment) to the next one. The methods of this group collect such periods "
    "for every appearance.",
    // 10 mov
    "A transition is what a number (its channel, its segment, or the count of numbers in a "
    "channel or segment) turned into in the next draw. Only transitions from the state the "
    "newest draw of the window is in are counted, so the table shows what came up after similar "
    "draws.",
    // 11 ogn
    "The characteristic number reduces a draw to a single number through a triangle of absolute "
    "differences: first the differences of neighbouring numbers, then the difference of these "
    "differences. The variants differ in what replaces a result of 0 or 1.",
    // 12 shr
    "Shredding turns a draw into a number with a formula the user writes over the numbers of "
    "this draw and the two before it (n1..n3 are the numbers of the draw; the formulas are set in "
    "the “Shredding formulas” dialog). The value is the first few digits of the fractional part of "
    "the result.",
};

constexpr std::pair<std::string_view, std::string_view> EnglishTopicTexts[] = {
    {"NUMS",
     "Each of the three numbers of the draw is counted on its own; values 0..9. A draw with two "
     "equal numbers adds that number twice."},
    {"DIGS",
     "Each digit of the draw's numbers is counted on its own. In this game every number has one "
     "digit, so the counts are those of NUMS, but the values are not listed in advance."},
    {"EVEN",
     "How many numbers of the draw are even (0 counts as even), shown as “even:odd”, for "
     "example 2:1."},
    {"EVNV",
     "How the even and odd numbers are laid out over the positions of the draw: eight variants, "
     "from all three even to all three odd, with the variant number in brackets. The values spell "
     "the layout with the initials of the Russian words for even and odd."},
    {"SMAL", "How many numbers come from the lower half of the range (0..4), shown as “small:large”."},
    {"SMLV",
     "How the small (1, the numbers 0..4) and large (2, the numbers 5..9) numbers are laid out "
     "over the positions of the draw."},
    {"PRIM", "How many numbers of the draw are prime (1, 2, 3, 5, 7), shown as “prime:composite”."},
    {"PRMV",
     "How the prime and composite numbers are laid out over the positions of the draw. The values "
     "spell the layout with the initials of the Russian words for prime and composite."},
    {"POSx",
     "The number standing in the chosen position of the draw (1, 2 or 3); values 0..9. One page "
     "describes all three positions."},
    {"KNM2",
     "Pairs of the draw's numbers over all combinations of positions (1-2, 1-3, 2-3), in their order."},
    {"KNM3", "All three numbers of the draw together, in position order: in effect, the combination itself."},
    {"KNS2", "Pairs of numbers in neighbouring positions (1-2 and 2-3)."},
    {"KNS3", "The triple of numbers in three neighbouring positions, that is, the whole draw."},
    {"KNP2",
     "The pair of numbers starting at the chosen position: the first (positions 1-2) or the "
     "second (positions 2-3)."},
    {"KNP3", "The triple of numbers starting at the first position, that is, the whole draw in order."},
    {"KNO2", "Pairs of the draw's numbers, taken after the numbers are sorted in ascending order."},
    {"KNO3",
     "The three numbers of the draw sorted in ascending order: the order they came up in does not matter."},
    {"SUMS",
     "The sum of the three numbers of the draw; the sums 3..24 are listed in advance, the others "
     "appear once they occur."},
    {"SUM1",
     "Whether the sum of the draw falls within 6..21: the value “6-21”, or one value that "
     "gathers all other sums."},
    {"SUM2",
     "Whether the sum of the draw falls within 8..19: the value “8-19”, or one value that "
     "gathers all other sums."},
    {"SUM3",
     "Whether the sum of the draw falls within 9..18: the value “9-18”, or one value that "
     "gathers all other sums."},
    {"SUMC",
     "The exact change of the sum from one draw to the next. Only draws whose predecessor had the "
     "same sum as the newest draw of the window are counted."},
    {"SUMV",
     "The change of the sum from the previous draw, counted only for draws whose predecessor had a "
     "sum within ±2 of the newest draw's sum."},
    {"SUMT",
     "Which way the sum changed (“+”, “-” or “=”) after draws with the same sum as the newest "
     "draw."},
    {"SUME", "The sum of the even numbers of the draw only (0 counts as even)."},
    {"SUMP", "The sum of the prime numbers of the draw only (1, 2, 3, 5, 7)."},
    {"S2T3",
     "How many numbers of the draw equal the sum of the other two (0..3): 1;2;3 has one such "
     "number, 0;0;0 has three."},
    {"DIFA",
     "Both differences of neighbouring positions (|n1-n2| and |n2-n3|), each counted on its own; "
     "values 0..9."},
    {"DIFM", "The larger of the two differences of neighbouring positions; values 0..9."},
    {"DIFD",
     "The difference between the largest and the smallest number of the draw (the spread); values 0..9."},
    {"DIFO",
     "The differences of neighbouring positions together with how often they occur: “2 x 2” "
     "means that both differences are 2, “5 x 1” that the difference 5 occurred once."},
    {"DIFK",
     "The greatest number of equal differences of neighbouring positions: 2 when the differences "
     "are equal, otherwise 1."},
    {"KDS2",
     "The ordered pair of the differences of neighbouring positions, “|n1-n2|:|n2-n3|”, for example 3:5."},
    {"CHAN", "The channels the numbers of the draw fall into; each channel is counted once."},
    {"CHNV", "A channel together with how many numbers of the draw lie in it."},
    {"CHNC", "How many different channels the draw occupies (1..3)."},
    {"CHNx",
     "How many numbers of the draw (0..3) lie in the chosen channel. One page describes all "
     "channels."},
    {"KCM2", "Pairs of channels over all combinations of the draw's positions."},
    {"KCM3", "The channels of all three positions of the draw together."},
    {"KCS2", "Pairs of channels of neighbouring positions."},
    {"KCS3", "The channels of three neighbouring positions."},
    {"KFM2", "Pairs of matrix column numbers over all combinations of positions."},
    {"KFM3", "The matrix column numbers of all three positions."},
    {"KFS2", "Pairs of matrix column numbers of neighbouring positions."},
    {"KFS3", "The matrix column numbers of three neighbouring positions."},
    {"KRM2", "Pairs of matrix row numbers (the number + 1) over all combinations of positions."},
    {"KRM3", "The matrix row numbers of all three positions."},
    {"KRS2", "Pairs of matrix row numbers of neighbouring positions."},
    {"KRS3", "The matrix row numbers of three neighbouring positions."},
    {"SGMS", "The segments the cells of the draw fall into; each segment is counted once."},
    {"SGMV", "A segment together with how many cells of the draw lie in it."},
    {"SGMC", "How many different segments the draw occupies."},
    {"SGMx",
     "How many cells of the draw (0..3) lie in the chosen segment. One page describes all "
     "segments."},
    {"KGM2", "Pairs of segments over all combinations of positions."},
    {"KGM3", "The segments of all three positions of the draw."},
    {"KGS2", "Pairs of segments of neighbouring positions."},
    {"KGS3", "The segments of three neighbouring positions."},
    {"SEQL", "The lengths of all sequences in the draw (a lone number is a sequence of length 1)."},
    {"SEQS", "How many sequences of length two or more the draw holds."},
    {"LENS", "The length of the longest sequence in the draw (1..3)."},
    {"RPV2", "The numbers that stand in the same position as in the previous draw."},
    {"RPV3", "The numbers that stand in the same position in three draws in a row."},
    {"PRL2", "The numbers repeated in the same position in exactly two draws in a row, but not in three."},
    {"PRV2O1", "The numbers that match, by position, the draw two draws back (one draw in between)."},
    {"PRV2O2", "The numbers that match, by position, the draw three draws back (two draws in between)."},
    {"PRV2O3", "The numbers that match, by position, the draw four draws back (three draws in between)."},
    {"PRV+1", "The numbers equal to the number in the same position of the previous draw plus 1."},
    {"PRV-1", "The numbers equal to the number in the same position of the previous draw minus 1."},
    {"PRV+2", "The numbers equal to the number in the same position of the previous draw plus 2."},
    {"PRV-2", "The numbers equal to the number in the same position of the previous draw minus 2."},
    {"RPC2", "In how many positions (0..3) the draw repeated the previous draw."},
    {"RPC3", "In how many positions a number repeated in three draws in a row."},
    {"PRB2", "In how many positions a number repeated in exactly two draws in a row."},
    {"RPO1", "In how many positions the draw matched the draw two draws back (one draw in between)."},
    {"PRC2O2", "In how many positions the draw matched the draw three draws back (two draws in between)."},
    {"PRC2O3", "In how many positions the draw matched the draw four draws back (three draws in between)."},
    {"PRC+1", "In how many positions the number equals the earlier number of the same position plus 1."},
    {"PRC-1", "In how many positions the number equals the earlier number of the same position minus 1."},
    {"PRC+2", "In how many positions the number equals the earlier number of the same position plus 2."},
    {"PRC-2", "In how many positions the number equals the earlier number of the same position minus 2."},
    {"GRPV", "For each number of the newest draw: for how many draws in a row that number has come up."},
    {"GRPP",
     "For the numbers of the newest draw: for how many draws in a row a number stayed away before "
     "it came up again."},
    {"GRCV",
     "For each channel of the newest draw: for how many draws in a row the channel has been occupied."},
    {"GRCP", "For the channels of the newest draw: the lengths of the pauses while a channel was empty."},
    {"GRSV",
     "For each segment of the newest draw: for how many draws in a row the segment has been occupied."},
    {"GRSP", "For the segments of the newest draw: the lengths of the pauses while a segment was empty."},
    {"PRDV", "For every appearance of a number: how many draws have passed since its previous appearance."},
    {"PRDC", "For every appearance of a channel: how many draws have passed since its previous appearance."},
    {"PRDG", "For every appearance of a segment: how many draws have passed since its previous appearance."},
    {"SDV2", "What the numbers of the newest draw turned into in the next draw, regardless of position."},
    {"SDP2", "What the numbers of the newest draw turned into in the next draw, position by position."},
    {"SDNx", "Transitions of the number in the chosen position (1, 2 or 3) into the next draw."},
    {"SDP3", "Transitions by position after a pair of draws similar to the two newest draws."},
    {"SDMx",
     "Transitions of the number in the chosen position after a pair of draws similar to the two newest."},
    {"SCV2", "Transitions of the channels of the newest draw into the next draw, regardless of position."},
    {"SCP2", "Transitions of the channels into the next draw, position by position."},
    {"SCNx", "Transitions of the channel of the chosen position into the next draw."},
    {"SCP3", "Transitions of the channels by position after a pair of draws similar to the two newest."},
    {"SCMx",
     "Transitions of the channel of the chosen position after a pair of draws similar to the two newest."},
    {"SC2Cx", "How the count of numbers in the chosen channel changed from one draw to the next."},
    {"SC3Cx", "How the count of numbers in the chosen channel changed after two similar draws."},
    {"SDA2", "All transitions of numbers within their channel between neighbouring draws."},
    {"SDG2", "Successful transitions within a channel: the channel stayed occupied in the next draw (N-M)."},
    {"SDZ2", "Failed transitions within a channel: the channel was empty in the next draw (N-0)."},
    {"SDC2", "The number of transitions within channels between neighbouring draws."},
    {"SSV2", "Transitions of the segments of the newest draw into the next draw, regardless of position."},
    {"SSP2", "Transitions of the segments into the next draw, position by position."},
    {"SSNx", "Transitions of the segment of the chosen position into the next draw."},
    {"SSP3", "Transitions of the segments by position after a pair of draws similar to the two newest."},
    {"SSMx",
     "Transitions of the segment of the chosen position after a pair of draws similar to the two newest."},
    {"SS2Cx", "How the count of cells in the chosen segment changed from one draw to the next."},
    {"SS3Cx", "How the count of cells in the chosen segment changed after two similar draws."},
    {"HCO1",
     "The absolute difference of the two differences of neighbouring numbers, with no "
     "replacement: 7;2;3 has the differences 5 and 1, so the number is 4."},
    {"HCO2",
     "The same, but a result of 0 or 1 is replaced by the sum of the two differences: for 1;3;5 "
     "the differences 2 and 2 give 0, so the number becomes 4."},
    {"HCO3",
     "The number of the second variant for the newest draw together with some of its multiples; "
     "the method is meant for filtering and shows whether the number came up in the next draw."},
    {"SHRx",
     "The first digits of the fractional part of the shredding formula's result (two digits by "
     "default, values 00..99). One page describes all three formulas."},
};

std::string_view FindTopicText(const auto& texts, std::string_view topic) {
    for (const auto& [name, text] : texts) {
        if (name == topic) return text;
    }
    return {};
}

}  // namespace

std::string_view GroupHelpText(int group, int language) {
    const auto& texts = language == EnglishHelpLanguage ? EnglishGroupTexts : GroupTexts;
    if (group < 0 || group >= static_cast<int>(texts.size())) return {};
    return texts[static_cast<size_t>(group)];
}

std::string GroupHelpTitle(int group, int language) {
    if (language != EnglishHelpLanguage || group < 0 || group >= static_cast<int>(EnglishGroupTitles.size()))
        return GroupTitle(group);
    return std::string(EnglishGroupTitles[static_cast<size_t>(group)]);
}

std::string_view TopicHelpText(std::string_view topic, int language) {
    return language == EnglishHelpLanguage ? FindTopicText(EnglishTopicTexts, topic)
                                           : FindTopicText(TopicTexts, topic);
}

std::string_view HelpIntroText(int language) {
    if (language == EnglishHelpLanguage)
        return "The program studies a daily numbers lottery in which every draw brings three numbers "
               "from 0 to 9 (the order matters and numbers may repeat, 1000 combinations in all). It "
               "keeps the archive of draws, studies it with statistical methods, narrows the list of "
               "combinations with filters and scenarios, tests scenarios on past draws, and keeps "
               "track of stakes and of the rating of their sources.";
    return "Программа изучает ежедневную числовую лотерею, в каждом тираже которой выпадают три числа "
           "от 0 до 9 (порядок важен, числа могут повторяться, всего 1000 комбинаций). Она хранит "
           "архив тиражей, изучает его методами статистики, сужает список комбинаций фильтрами и "
           "сценариями, проверяет сценарии на прошлых тиражах, ведет ставки и рейтинг их источников.";
}

std::string_view FilterHelpText(int language) {
    if (language == EnglishHelpLanguage)
        return "Select rows of the statistics table and press “Keep selected” to leave only the "
               "combinations with the selected values in the combination list, or “Remove "
               "selected” to take them out. Every combination is checked as the draw that would "
               "come after the newest draw of the window. A filter can be undone once, and the list "
               "of applied filters shows what has been done.";
    return "Выделите строки таблицы статистики и нажмите «Оставить выделенные», чтобы в списке "
           "комбинаций остались только комбинации с выделенными значениями, или «Удалить "
           "выделенные», чтобы убрать их. Каждая комбинация проверяется как тираж, который "
           "выпадет после самого нового тиража окна. Фильтр можно отменить один раз, а список "
           "примененных фильтров показывает, что было сделано.";
}

std::string_view FilterOtherDrawHelpText(int language) {
    if (language == EnglishHelpLanguage)
        return "The method compares a combination with earlier draws, so the result of the filter "
               "depends on the latest draws of the archive and on the offset.";
    return "Метод сравнивает комбинацию с предыдущими тиражами, поэтому результат фильтра зависит "
           "от последних тиражей архива и от смещения.";
}

const std::vector<HelpSection>& WorkflowHelpSections(int language) {
    static const std::vector<HelpSection> english = {
        {"archive",
         "Draw archive",
         {"The left panel of the window shows the archive of past draws, newest at the top. Draws "
          "can be entered and edited by hand, imported and exported as a delimited text file, and "
          "downloaded from the lottery website.",
          "The offset moves the analysis back in time: with an offset of N the program treats the "
          "last N draws as not drawn yet. This makes it easy to check how a forecast would have "
          "worked."}},
        {"statistics",
         "Statistics",
         {"On the “Statistics” tab choose a method and the window length in draws. For every value "
          "of the method the table shows the count, the share, the norm (what is expected over all "
          "1000 combinations), the deviation, the depth (how many draws ago the value last came "
          "up), the weight and the periods.",
          "The “Statistics description” button opens the description of the selected method; all "
          "methods are listed below, in the index. Favourite methods are picked in the favourites "
          "manager."}},
        {"filtering",
         "Filtering",
         {"At first the combination list holds all 1000 combinations (or the generated part of "
          "them). Select rows of the statistics table, the card, the layout or the week, and keep or "
          "remove the combinations with those values. One step can be undone, and the applied "
          "filters are listed under the list."}},
        {"scenarios",
         "Scenarios",
         {"A scenario automates filtering: a scenario line holds up to seven steps, and every step "
          "selects statistics rows by a selection rule. All variants of the step parameters are "
          "tried, and running the scenario gives a forecast for the next draw."}},
        {"backtest",
         "Testing a scenario on past draws",
         {"The scenario test repeats the scenario at offsets from N down to 1 and checks the stakes "
          "it made right away against the draws that actually followed. The scenario log keeps the "
          "course of the test; the test can be stopped with the “Stop” button."}},
        {"stakes",
         "Stakes",
         {"The remaining combinations can be staked: by hand, by a scenario, by regular stakes or by "
          "a system. When a draw is downloaded or entered, the stakes on it are checked: the matches "
          "are counted, the prize is taken from the prize table, and the result goes into the log."}},
        {"rating",
         "Rating",
         {"The rating adds up the hits and the profit by stake source (the stake comment) and shows "
          "which scenarios and techniques have brought results."}},
        {"keys",
         "Keys the desktop takes",
         {"Some desktops take keys before the program sees them: Alt+F4 closes the window and "
          "Ctrl+Alt+F4 switches to a text console. Those commands have a second key, shown in their "
          "menu: “Stake the selected combinations” Shift+F4 (Alt+F4 in the combination list), "
          "“Stake all combinations” Ctrl+Shift+F4 (Ctrl+Alt+F4), “Exit” Ctrl+Q (Alt+F4). "
          "“Open” on the scenario tab is Ctrl+Shift+O, as Ctrl+J also switches system games."}},
    };
    if (language == EnglishHelpLanguage) return english;
    static const std::vector<HelpSection> sections = {
        {"archive",
         "Архив тиражей",
         {"Левая панель окна показывает архив прошлых тиражей, самый новый сверху. Тиражи можно "
          "вводить и править вручную, импортировать и экспортировать в текстовом файле с "
          "разделителями и загружать с сайта лотереи.",
          "Смещение сдвигает анализ назад во времени: при смещении N программа считает, что "
          "последние N тиражей еще не выпали. Так удобно проверять, как сработал бы прогноз."}},
        {"statistics",
         "Статистика",
         {"На вкладке «Статистика» выберите метод и длину окна в тиражах. Таблица показывает для "
          "каждого значения метода количество, долю, норму (ожидание по всем 1000 комбинациям), "
          "отклонение, глубину (сколько тиражей назад значение было последний раз), вес и "
          "периоды.",
          "Описание выбранного метода открывает кнопка «Описание статистики»; список методов "
          "приведен ниже, в указателе. Избранные методы отбираются в менеджере избранного."}},
        {"filtering",
         "Фильтрация",
         {"Список комбинаций сначала содержит все 1000 комбинаций (или сгенерированную часть). "
          "Выделите строки таблицы статистики, карточки, раскладки или недели и оставьте или "
          "удалите комбинации с этими значениями. Один шаг можно отменить, а примененные фильтры "
          "перечислены под списком."}},
        {"scenarios",
         "Сценарии",
         {"Сценарий автоматизирует фильтрацию: строка сценария содержит до семи шагов, каждый шаг "
          "выбирает строки статистики по правилу отбора. Все варианты параметров шагов "
          "перебираются, а запуск сценария дает прогноз на следующий тираж."}},
        {"backtest",
         "Проверка сценария на прошлых тиражах",
         {"Тест сценария повторяет его на смещениях от N до 1 и сразу проверяет сделанные ставки по "
          "тиражам, которые действительно выпали после. Журнал сценария хранит ход теста; тест "
          "можно остановить кнопкой «Стоп»."}},
        {"stakes",
         "Ставки",
         {"Оставшиеся комбинации можно поставить: вручную, сценарием, регулярными ставками или по "
          "системе. Когда тираж загружен или введен, ставки на него проверяются: считаются "
          "совпадения, по таблице выигрышей определяется выигрыш, результат попадает в журнал."}},
        {"rating",
         "Рейтинг",
         {"Рейтинг суммирует попадания и прибыль по источникам ставок (комментарию ставки) и "
          "показывает, какие сценарии и приемы приносили результат."}},
        {"keys",
         "Клавиши, которые забирает рабочий стол",
         {"Некоторые рабочие столы перехватывают клавиши раньше программы: Alt+F4 закрывает окно, "
          "Ctrl+Alt+F4 переключает на текстовую консоль. У этих команд есть вторая клавиша, она "
          "показана в меню: «Сделать ставки для выделенных комбинаций» — Shift+F4 (Alt+F4 в "
          "списке комбинаций), «Сделать ставки для всех комбинаций» — Ctrl+Shift+F4 (Ctrl+Alt+F4), "
          "«Выход» — Ctrl+Q (Alt+F4). «Открыть» на вкладке «Сценарий» — Ctrl+Shift+O, так как "
          "Ctrl+J включает и системную игру."}},
    };
    return sections;
}

}  // namespace quorvel
