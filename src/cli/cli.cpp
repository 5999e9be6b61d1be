#include "cli/cli.h"

#include <algorithm>
#include <iostream>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/console_host.h"
#include "core/app/data_dir.h"
#include "core/app/workspace.h"
#include "core/util/format.h"
#include "core/util/version.h"

namespace quorvel::cli {

namespace {

// What the program ends with when another copy (the desktop program, say) holds the data
// directory: sysexits' EX_TEMPFAIL, so that a timer's run can tell "later" from a failure.
constexpr int DataDirectoryHeldCode = 75;

constexpr const char* Usage =
    "Использование: quorvel [--data-dir КАТАЛОГ] [--language ru|en] [--yes|--no] [--decimal-separator С] "
    "КОМАНДА\n"
    "               [ПАРАМЕТРЫ]\n"
    "\n"
    "Команды:\n"
    "  download [--url АДРЕС] [--proxy-mode 0|1|2] [--proxy ХОСТ:ПОРТ] [--proxy-user ИМЯ]\n"
    "           [--proxy-password ПАРОЛЬ] [--proxy-list АДРЕС]\n"
    "                                   загрузить новые тиражи с сайта результатов (адрес на \".csv\" -\n"
    "                                   файл тиражей в формате импорта); параметры сохраняются в\n"
    "                                   Quorvel_3r10.ini; с --yes неудачный запрос повторяется до 3 раз\n"
    "  import ФАЙЛ.csv                  добавить в архив тиражи из файла\n"
    "  export ФАЙЛ.csv                  записать архив в файл\n"
    "  info [--offset K]                размер архива, следующий тираж и его значения при смещении K\n"
    "  add НОМЕР \"v1;v2;v3\" [ДАТА]      добавить тираж (дата в виде \"дд.мм.гггг чч:мм\")\n"
    "  delete НОМЕР...                  удалить тиражи с этими номерами, по одному на номер\n"
    "  methods [--list]                 методы статистики: код;группа;особенности;название\n"
    "                                   (--list: список методов, как на вкладке статистики)\n"
    "  stats --method КОД [--window N] [--offset K] [--sort КОЛОНКА] [--desc] [--prefetch] [--xlsx Ф.xlsx]\n"
    "                                   таблица статистики: заголовки и строки через \";\"\n"
    "  fullset [--force] [--groups МАСКА]  файлы полного набора комбинаций\n"
    "  combs [--mode M] [--numbers ТЕКСТ] [--file Ф.lcv]  новый список комбинаций\n"
    "  filter --method КОД [--window N] [--offset K] (--keep|--remove) ЗНАЧЕНИЕ... [--combs Ф.lcv] [--out "
    "Ф.lcv]\n"
    "                                   оставить или удалить комбинации с выбранными значениями\n"
    "  scenario show [ФАЙЛ.lsc]         строки сценария (по умолчанию текущего), как их показывает список\n"
    "  scenario run ФАЙЛ.lsc [--log] [--seed S]\n"
    "                                   прогноз: все строки сценария при текущем смещении, ставки\n"
    "  scenario test ФАЙЛ.lsc --tests N [--log] [--seed S] [--jobs J]\n"
    "                                   тест: строки сценария на N последних тиражах, ставки проверяются;\n"
    "                                   --jobs J: проходы считаются в J потоках, файлы те же, что с одним\n"
    "  scenario test ФАЙЛ.lsc --tests N --shard K/M --out ЧАСТЬ [--log] [--seed S] [--jobs J]\n"
    "                                   K-я из M частей теста (проходы N..1 подряд): проходы считаются\n"
    "                                   и записываются в файл ЧАСТЬ, данные каталога не меняются\n"
    "  scenario test ФАЙЛ.lsc --tests N --shards M --pending КАТАЛОГ [--log] [--seed S]\n"
    "                                   номера частей теста из M, которых нет в КАТАЛОГЕ (part-K.qpart)\n"
    "                                   или которые сделаны для другого теста, по одному в строке\n"
    "  scenario validate ФАЙЛ.lsc --train N --test M [--top K] [--by p|mean] [--jobs J] [--seed S]\n"
    "                                   проверка на новых тиражах: лучшие K строк рейтинга теста на N\n"
    "                                   проходах перед последними M тиражами проверяются на последних M;\n"
    "                                   все во временной копии каталога данных\n"
    "  scenario merge ЧАСТЬ...          ставки, проверки, рейтинг и журнал частей теста по порядку\n"
    "                                   проходов: то же, что оставил бы весь тест\n"
    "  step \"ФИЛЬТР\" [--offset K] [--window N] [--combs Ф.lcv]\n"
    "                                   выполнить шаг фильтра (например \"TSD1#NUMS:10#LNO:#SF:0\"),\n"
    "                                   журнал шага в поток ошибок; --window заменяет длины выборки\n"
    "  stakes add [--draw N] \"v1;v2;v3\" [--draws K] [--comment ТЕКСТ]\n"
    "                                   сделать ставку на K тиражей начиная с N, затем проверить ставки\n"
    "  stakes list                      ставки, как их показывает таблица ставок (ячейки через \";\")\n"
    "  stakes check                     проверить ставки по архиву тиражей\n"
    "  stakes delete --matches ОП V     удалить ставки, у которых число совпадений ОП V (=, >, >=, <, <=)\n"
    "  rating [--sort КОЛОНКА] [--desc] [--mode 0|1|2] [--xlsx Ф.xlsx]\n"
    "                                   рейтинг: заголовки и строки через \";\"\n"
    "  rating rebuild                   пересчитать рейтинг по текущим ставкам (с --yes без вопроса)\n"
    "  rating export ФАЙЛ.csv           записать рейтинг в CSV-файл\n"
    "  rating significance [--csv Ф.csv] значимость строк рейтинга: вероятность угадать не меньше\n"
    "                                   случайной игрой (p) и с поправкой на число строк (q)\n"
    "  regulars [list]                  регулярные ставки, как их показывает вкладка \"Регуляры\"\n"
    "                                   (ячейки через \"|\")\n"
    "  regulars add КОММЕНТАРИЙ [--start \"v1;v2;v3\"] [--step S] [--last-draw] [--comb-rows 1,2]\n"
    "                                   добавить регулярную ставку (шаг от -9 до 9, по умолчанию 1);\n"
    "                                   с несколькими номерами комбинаций списка - по одной на каждую\n"
    "  regulars test N [--rows 1,2]     ставки выбранных (по умолчанию всех) регулярных ставок на N\n"
    "                                   последних тиражах, затем проверка ставок\n"
    "  systems [list]                   локальные системы, как их показывает вкладка систем\n"
    "  systems stake (--all|--filtered) [--combs Ф.lcv] [--draw N] [--draws K] [--comment ТЕКСТ]\n"
    "                                   системная игра по текущему списку: вся система или только\n"
    "                                   ее комбинации из списка\n"
    "  systems import ФАЙЛ              загрузить файл системы в каталог \"Systems\"\n"
    "  view sums                        распределение сумм: сумма;комбинаций;тиражей и три диапазона\n"
    "  view card [--offset K] [--length N]  карта тиражей (ячейки через \";\"), строки с K-й, N строк\n"
    "  view week [--offset K] [--length N]  статистика по дням недели при смещении K\n"
    "  view layout [--offset K] [--length N]  схема выпадения номеров и пять списков сравнения\n"
    "  view repeats [--length N] [--deep M]  количество повторов в зависимости от тиража\n"
    "  view graph --method КОД [--offset K] [--length N]  значения метода по тиражам, среднее и частое\n"
    "  view filter card|layout|week (--keep|--remove) ЯЧЕЙКА... [--offset K] [--combs Ф.lcv]\n"
    "                                   фильтр по ячейкам вида (для недели — значения столбцов)\n"
    "\n"
    "  --data-dir КАТАЛОГ               каталог файлов данных (по умолчанию каталог программы; у\n"
    "                                   установленной команды quorvel - $XDG_DATA_HOME/Quorvel_3r10,\n"
    "                                   обычно ~/.local/share/Quorvel_3r10)\n"
    "  --language ru|en                 язык сообщений, справки и заголовков (по умолчанию язык\n"
    "                                   интерфейса программы для этого каталога)\n"
    "  --yes, --no                      ответ на вопросы программы\n"
    "  --version                        номер версии программы\n"
    "  --help                           эта справка; quorvel help КОМАНДА или КОМАНДА --help - одна\n"
    "                                   команда с примером\n"
    "\n"
    "Параметры пишутся в любом порядке, как --имя значение или --имя=значение. Код выхода: 0 - успех,\n"
    "1 - ошибка (сообщение в потоке ошибок), 2 - неизвестная команда, параметр или действие, лишнее\n"
    "или недостающее слово (с описанием команды в потоке ошибок), 75 - каталог данных занят другой\n"
    "копией программы (например, программой с окнами).\n";

// The first word that is not an option nor the value of a global one.
std::string CommandWord(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--decimal-separator") {
            ++i;
        } else if (args[i].rfind("-", 0) != 0) {
            return args[i];
        }
    }
    return {};
}

// "quorvel --help", "quorvel help COMMAND" and "quorvel COMMAND --help".
int ShowHelp(std::vector<std::string> args, const std::string& usage, std::ostream& out, std::ostream& err) {
    std::string command = CommandWord(args);
    if (command == "help") {
        args.erase(std::find(args.begin(), args.end(), command));
        command = CommandWord(args);
    }
    if (command.empty()) {
        out << usage;
        return 0;
    }
    const std::string help = CommandHelp(usage, command);
    if (help.empty()) {
        err << Text("Неизвестная команда:") << " " << command << "\n" << usage;
        return 2;
    }
    out << help;
    return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = SplitOptionValues(arguments);
    const std::optional<std::string> languageAsked = TakeOption(args, "--language");
    const DataDirectory dir = DataDirectory::FromArguments(args);
    CliLanguage language;
    if (!language.Start(languageAsked, dir, err)) return 1;
    const std::string usage = Text(Usage);
    if (args.empty()) {
        err << usage;
        return 2;
    }
    if (TakeFlag(args, "--help") || TakeFlag(args, "-h") || CommandWord(args) == "help")
        return ShowHelp(args, usage, out, err);
    if (TakeFlag(args, "--version")) {
        out << "quorvel " << ProgramVersion << "\n";
        return 0;
    }
    Answer answer = TakeFlag(args, "--yes") ? Answer::Yes : TakeFlag(args, "--no") ? Answer::No : Answer::Ask;
    if (auto separator = TakeOption(args, "--decimal-separator")) {
        if (separator->size() != 1) {
            err << Text("Разделитель дробной части должен быть одним символом") << "\n";
            return 1;
        }
        FormatSettings().DecimalSeparator = (*separator)[0];
    }
    if (args.empty()) {
        err << usage;
        return 2;
    }
    const Command* command = FindCommand(args[0]);
    if (command == nullptr) {
        err << Text("Неизвестная команда:") << " " << args[0] << "\n" << usage;
        return 2;
    }
    args.erase(args.begin());

    // An option the command does not know is refused before anything is opened.
    const std::string help = CommandHelp(usage, command->Name);
    if (const std::string unknown = UnknownOption(help, args); !unknown.empty()) {
        err << Text("Неизвестный параметр:") << " " << unknown << "\n\n" << help;
        return 2;
    }
    ConsoleHost host(out, err, std::cin, answer);
    Workspace workspace(dir, host, {}, Workspace::Mode::CommandLine);
    workspace.LoadStartupSettings();
    if (!workspace.Initialise()) return workspace.HeldByAnotherCopy() ? DataDirectoryHeldCode : 1;
    ClearUsageError();
    int code = command->Run(workspace, args, out, err);
    workspace.Shutdown();
    if (code != 0 && UsageErrorSeen()) {
        err << "\n" << help;
        return 2;
    }
    return (code == 0 && host.ErrorShown()) ? 1 : code;
}

}  // namespace quorvel::cli
