#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/app/workspace.h"
#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/systems/system_catalogue.h"
#include "core/systems/system_files.h"
#include "core/systems/system_game.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FakeUiHost;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// Writes a file, making its folder first.
void Put(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    test::WriteBytes(path, bytes);
}

std::vector<TComb> Combs(std::initializer_list<const char*> texts) {
    std::vector<TComb> combs;
    for (const char* text : texts)
        combs.push_back(StrToComb(text));
    return combs;
}

std::vector<std::string> CombTexts(const std::vector<TComb>& combs) {
    std::vector<std::string> texts;
    for (const TComb& comb : combs)
        texts.push_back(CombToStr(comb));
    return texts;
}

TEST(SystemFiles, NamesFollowThePatternAndReadBack) {
    EXPECT_EQ(SystemFileName({5, 2, 17}), "3-05-2_0017.dat");
    EXPECT_EQ(SystemFileName({10, 0, 9001}), "3-10-0_9001.dat");
    EXPECT_EQ(ParseSystemFileName("3-05-2_0017.dat"), (TSystemFileKey{5, 2, 17}));
    EXPECT_EQ(ParseSystemFileName("3-05-2_0017.DAT"), (TSystemFileKey{5, 2, 17}));
    EXPECT_FALSE(ParseSystemFileName("3-05-x_0017.dat"));
    EXPECT_FALSE(ParseSystemFileName("4-05-2_0017.dat"));
    EXPECT_FALSE(ParseSystemFileName("3-05-2_0017.txt"));

    EXPECT_TRUE(MatchesSystemPattern("3-04-2_0017.dat", 4));
    EXPECT_TRUE(MatchesSystemPattern("3-04-my_own.dat", 4));
    EXPECT_TRUE(MatchesSystemPattern("3-04-_.dat", 4));
    EXPECT_FALSE(MatchesSystemPattern("3-04-2.dat", 4));
    EXPECT_FALSE(MatchesSystemPattern("3-05-2_0017.dat", 4));
    EXPECT_FALSE(MatchesSystemPattern("3-4-2_0017.dat", 4));
    EXPECT_TRUE(MatchesSystemPattern("3-4-2_0017.dat", -1));
}

TEST(SystemFiles, TheFirstFileByNameIsFoundForItsNumbersOnly) {
    TempDir dir;
    for (const char* name :
         {"3-04-2_0020.dat", "3-04-0_0300.dat", "3-05-0_0001.dat", "3-04.dat", "notes.txt"})
        Put(dir / name, "01 02 03\r\n");
    const auto files = FindSystemFiles(dir.Path(), 4);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].filename(), "3-04-0_0300.dat");
    EXPECT_EQ(files[1].filename(), "3-04-2_0020.dat");
    EXPECT_EQ(FindSystemFiles(dir.Path(), -1).size(), 3u);
    EXPECT_TRUE(FindSystemFiles(dir / "missing", 4).empty());
}

TEST(SystemLines, EverySeparatorReadsTheSameAndOnlyThreeWordsCount) {
    const std::vector<TSystemLine> expected(15, TSystemLine{1, 2, 3});
    const std::vector<std::string> lines = {"1,2,3",   "01 02 03", "1*2*3", "1+2+3", "1-2-3",
                                            "1.2.3",   "1/2/3",    "1:2:3", "1;2;3", "1=2=3",
                                            "1\\2\\3", "1_2_3",    "1|2|3", "1~2~3", " ;01  02,,03 9 x"};
    EXPECT_EQ(ParseSystemLines(lines, 4, "f"), expected);
    // Lines without words are passed over, so a trailing blank line does no harm.
    EXPECT_EQ(ParseSystemLines({"", "04 01 03", "  ", ""}, 4, "f"), (std::vector<TSystemLine>{{4, 1, 3}}));
    EXPECT_EQ(SystemLineText({4, 1, 10}), "04 01 10");
}

TEST(SystemLines, AFaultyLineFailsTheWholeReadNamingIt) {
    auto failure = [](const std::vector<std::string>& lines) {
        try {
            ParseSystemLines(lines, 4, "sys.dat");
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure({"01 02 03", "01 0x 03"}),
              "Строка 2 файла \"sys.dat\": значение \"0x\" не является целым числом!");
    // An index outside the user's numbers must never reach past them.
    EXPECT_EQ(failure({"01 02 05"}), "Строка 1 файла \"sys.dat\": номер 5 вне диапазона от 1 до 4!");
    EXPECT_EQ(failure({"00 02 03"}), "Строка 1 файла \"sys.dat\": номер 0 вне диапазона от 1 до 4!");
    EXPECT_EQ(failure({"01 02"}), "Строка 1 файла \"sys.dat\": меньше трех чисел!");
}

TEST(SystemLines, NormalisingKeepsLinesOfExactlyThreeNumbers) {
    const TNormalizedSystem system = NormalizeSystemText("2,3,4\r\n1 2\nx 2 3\n\n5;6;7;8\n03-04-05\n");
    EXPECT_EQ(system.Lines, (std::vector<std::string>{"02 03 04", "03 04 05"}));
    EXPECT_EQ(system.Span(), 4);  // 2..5
    EXPECT_EQ(NormalizeSystemText("a\nb").Span(), 0);
    EXPECT_TRUE(NormalizeSystemText("").Lines.empty());
}

TEST(SystemLines, TheCompleteSystemHoldsEveryThreeNumbersOnce) {
    for (int n = SystemNumbersMin; n <= SystemNumbersMax; ++n) {
        const auto lines = CompleteSystem(n);
        EXPECT_EQ(static_cast<int>(lines.size()), n * (n - 1) * (n - 2) / 6) << n;
        std::set<TSystemLine> distinct(lines.begin(), lines.end());
        EXPECT_EQ(distinct.size(), lines.size());
        for (const TSystemLine& line : lines) {
            EXPECT_TRUE(line[0] >= 1 && line[0] < line[1] && line[1] < line[2] && line[2] <= n);
        }
        EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    }
    const auto shipped = ShippedSystems();
    ASSERT_EQ(shipped.size(), 7u);
    EXPECT_EQ(SystemFileName(shipped.front().Key), "3-04-0_0004.dat");
    EXPECT_EQ(SystemFileName(shipped.back().Key), "3-10-0_0010.dat");
}

TEST(SystemGame, TheUsersNumbersPickAndTranslateTheSystem) {
    TempDir dir;
    Put(dir / "3-04-0_0001.dat", "04 01 03\r\n1,2,3\r\n");
    const std::vector<TComb> current = Combs({"5;1;5", "2;9;1"});
    const TByteArray numbers = UniqueValues(current);
    EXPECT_EQ(numbers, (TByteArray{5, 1, 2, 9}));

    const TSystemLoad load = LoadSystemForNumbers(dir.Path(), numbers);
    ASSERT_TRUE(load.Game);
    EXPECT_EQ(load.Game->File.filename(), "3-04-0_0001.dat");
    EXPECT_EQ(CombTexts(load.Game->Combs), (std::vector<std::string>{"9;5;2", "5;1;2"}));
    EXPECT_EQ(CombTexts(SystemStakeCombs(*load.Game, current, false)),
              (std::vector<std::string>{"2;5;9", "1;2;5"}));
    // Filtered: only what the current list itself holds, compared position by position.
    EXPECT_TRUE(SystemStakeCombs(*load.Game, current, true).empty());
    const std::vector<TComb> holding = Combs({"5;1;5", "2;9;1", "2;5;9", "5;2;1"});
    EXPECT_EQ(CombTexts(SystemStakeCombs(*load.Game, holding, true)), (std::vector<std::string>{"2;5;9"}));

    TStakeRecord pattern;
    pattern.Kind = StakeKindSystem;
    pattern.DrawNumber = 77;
    const auto all = SystemStakeRecords(*load.Game, holding, false, pattern);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].SelectionSize, 2);  // the system's combinations
    EXPECT_EQ(all[0].Values, (TStakeComb{3, {2, 5, 9, 0}}));
    EXPECT_EQ(all[0].DrawNumber, 77);
    const auto some = SystemStakeRecords(*load.Game, holding, true, pattern);
    ASSERT_EQ(some.size(), 1u);
    EXPECT_EQ(some[0].SelectionSize, 4);  // the current list's size
    EXPECT_EQ(SystemStakeComment(*load.Game, false), "Системная игра для 4 чисел [вся система]: 3-04-0_0001");
    EXPECT_EQ(SystemStakeComment(*load.Game, true), "Системная игра для 4 чисел [комбинации]: 3-04-0_0001");
}

TEST(SystemGame, FailuresGiveTheReasonAndTheMessage) {
    TempDir dir;
    const std::string notFound = "Система для 3 чисел не найдена или не загружена на компьютер!";
    // Fewer than four numbers find nothing, even a file made for them by hand.
    Put(dir / "3-03-0_0001.dat", "01 02 03\r\n");
    TSystemLoad load = LoadSystemForNumbers(dir.Path(), {1, 2, 3});
    EXPECT_FALSE(load.Game);
    EXPECT_EQ(load.Reason, notFound);
    EXPECT_EQ(load.Message.value_or(""),
              notFound +
                  "\r\rПеред системной игрой необходимо предварительно загрузить системы на Ваш "
                  "компьютер через меню \"Системы\" - \"Загрузить\".");
    EXPECT_EQ(LoadSystemForNumbers(dir.Path(), {1, 2, 3, 4, 5}).Reason,
              "Система для 5 чисел не найдена или не загружена на компьютер!");

    // A file without lines fails silently; the reason is its path.
    Put(dir / "3-04-0_0001.dat", "\r\n\r\n");
    load = LoadSystemForNumbers(dir.Path(), {1, 2, 3, 4});
    EXPECT_FALSE(load.Game);
    EXPECT_FALSE(load.Message);
    EXPECT_EQ(load.Reason, PathText(dir / "3-04-0_0001.dat"));

    Put(dir / "3-04-0_0001.dat", "01 02 03\r\n01 02 07\r\n");
    load = LoadSystemForNumbers(dir.Path(), {1, 2, 3, 4});
    EXPECT_FALSE(load.Game);
    EXPECT_EQ(load.Message.value_or(""), "Ошибка загрузки комбинаций системы!\r\rСтрока 2 файла \"" +
                                             PathText(dir / "3-04-0_0001.dat") +
                                             "\": номер 7 вне диапазона от 1 до 4!");
}

TEST(SystemCatalogue, LocalFilesListWithTheirDescriptions) {
    TempDir dir;
    TSystemInfo own;
    own.Id = 9001;
    own.Numbers = 5;
    own.Title = "Моя";
    own.Author = "Я";
    own.Description = "Две строки\r\nописания \\ с чертой";
    own.Created = 1700000000;
    WriteSystemFile(dir / SystemFileName({5, 1, 9001}), {{1, 2, 3}, {3, 4, 5}}, own.Created);
    StoreSystemDescription(dir.Path(), own);
    Put(dir / "3-06-0_abc.dat", "1 2 3\r\n\r\n4 5 6\r\n7 8 9\r\n");

    const auto systems = ListLocalSystems(dir.Path());
    ASSERT_EQ(systems.size(), 2u);
    const TSystemInfo& first = systems[0];
    EXPECT_EQ(first.Title, "Моя");
    EXPECT_EQ(first.Description, own.Description);
    EXPECT_EQ(first.Block, 1);
    EXPECT_EQ(first.Combinations, 2);
    EXPECT_EQ(first.Created, own.Created);
    EXPECT_EQ(SystemFileTime(first.File), own.Created);
    EXPECT_TRUE(first.IsOwn());
    auto texts = SystemRowTexts(first);
    EXPECT_EQ(texts[2], "05");
    EXPECT_EQ(texts[7], "Загружена");
    EXPECT_EQ(texts[9], "Две строки описания \\ с чертой");
    EXPECT_EQ(ReadSystemCombsText(first), "01 02 03\r\n03 04 05");

    // A hand-placed file whose name carries no identifier: the row shows no numbers.
    const TSystemInfo& second = systems[1];
    EXPECT_FALSE(second.HasId());
    texts = SystemRowTexts(second);
    EXPECT_EQ(texts[0], "3-06-0_abc");
    EXPECT_EQ(texts[2], "");
    EXPECT_EQ(texts[4], "");
    EXPECT_EQ(NextOwnSystemId(dir.Path()), 9002);
}

TEST(SystemCatalogue, TheDialogChecksItsEntriesInOrder) {
    TSystemData data;
    auto problem = [&] { return SystemDataProblem(data).value_or("none"); };
    EXPECT_EQ(problem(), "Название системы должно быть указано обязательно!");
    data.Info.Title = "T";
    data.Info.Numbers = 3;
    EXPECT_EQ(problem(), "Указано недопустмое количество используемых чисел!");
    data.Info.Numbers = 11;
    EXPECT_EQ(problem(), "Указано недопустмое количество используемых чисел!");
    data.Info.Numbers = 5;
    data.Info.Block = 3;
    EXPECT_EQ(problem(), "Указан недопустмый размер блока!");
    data.Info.Block = 2;
    EXPECT_EQ(problem(), "Имя автора должно быть указано обязательно!");
    data.Info.Author = "A";
    EXPECT_EQ(problem(), "Описание системы должно быть указано обязательно!");
    data.Info.Description = "D";
    data.CombsText = "only words";
    EXPECT_EQ(problem(), "Содержимое системы должно быть указано обязательно!");
    data.CombsText = "02 03 06";
    EXPECT_EQ(problem(), "Номера чисел в комбинациях системы должны быть от 1 до 5!");
    data.CombsText = "01 03 05";
    EXPECT_EQ(problem(), "none");
}

TEST(SystemFiles, ShippedSystemsSeedOnlyAFolderThatIsMissing) {
    TempDir dir;
    Put(dir / "shipped" / "3-04-0_0004.dat", "01 02 03\r\n");
    Put(dir / "shipped" / "Systems.ini", "[4]\r\nTitle=x\r\n");
    EXPECT_TRUE(SeedShippedSystems(dir / "data" / "Systems", dir / "shipped"));
    EXPECT_EQ(ReadBytes(dir / "data" / "Systems" / "3-04-0_0004.dat"), "01 02 03\r\n");
    EXPECT_FALSE(fs::exists(dir / "data" / "Systems.~tmp"));
    // The user's folder stays as it is, even after every system in it was deleted.
    fs::remove(dir / "data" / "Systems" / "3-04-0_0004.dat");
    EXPECT_FALSE(SeedShippedSystems(dir / "data" / "Systems", dir / "shipped"));
    EXPECT_FALSE(fs::exists(dir / "data" / "Systems" / "3-04-0_0004.dat"));
    EXPECT_FALSE(SeedShippedSystems(dir / "other", dir / "none"));
    EXPECT_FALSE(fs::exists(dir / "other"));
}

struct SystemsWorkspace {
    SystemsWorkspace() : workspace(DataDirectory(dir.Path()), host, {}, Workspace::Mode::CommandLine) {
        workspace.Systems().SetShippedSystemsFolder(dir / "nothing shipped");
        workspace.LoadStartupSettings();
        workspace.Initialise();
        workspace.Combs().List().AssignList(Combs({"5;1;5", "2;9;1"}));
        folder = dir / "Systems";
    }
    TSystemData Data(int numbers, const std::string& combs) {
        TSystemData data;
        data.Info.Title = "Система " + std::to_string(numbers);
        data.Info.Author = "Автор";
        data.Info.Description = "Описание";
        data.Info.Numbers = static_cast<uint8_t>(numbers);
        data.CombsText = combs;
        return data;
    }
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const fs::path& file : FindSystemFiles(folder, -1))
            names.push_back(file.filename().string());
        return names;
    }
    TempDir dir;
    FakeUiHost host;
    Workspace workspace;
    fs::path folder;
};

TEST(SystemWorkspace, StakesOfBothModesFollowASeparatorAndAreChecked) {
    SystemsWorkspace s;
    Put(s.folder / "3-04-0_0001.dat", "04 01 03\r\n01 02 03\r\n");
    StakesFile& stakes = s.workspace.Stakes().File();
    TStakeRecord manual = s.workspace.Stakes().NewManualStake();
    manual.Values = TStakeComb{3, {1, 2, 3, 0}};
    ASSERT_TRUE(s.workspace.Stakes().AddStake(manual, 1));

    auto plan = s.workspace.Systems().PrepareSystemStakes(false);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->DrawNumber, 1);
    EXPECT_EQ(plan->Comment, "Системная игра для 4 чисел [вся система]: 3-04-0_0001");
    plan->Draws = 2;
    ASSERT_TRUE(s.workspace.Systems().AddSystemStakes(*plan));
    // After the manual stake: a separator, then each stake for two draws, each copy after a separator.
    ASSERT_EQ(stakes.RecordCount(), 9);
    EXPECT_FALSE(stakes.Read(1).IsRealStake());
    const TStakeRecord first = stakes.Read(2);
    EXPECT_EQ(first.Kind, StakeKindSystem);
    EXPECT_EQ(first.Values, (TStakeComb{3, {2, 5, 9, 0}}));
    EXPECT_EQ(first.SelectionSize, 2);
    EXPECT_EQ(first.Comment.Text(), plan->Comment);
    EXPECT_EQ(stakes.Read(4).DrawNumber, 2);
    EXPECT_EQ(stakes.Read(8).Values, (TStakeComb{3, {1, 2, 5, 0}}));

    // Filtered with nothing in common: not a failure, but told. The separator rule holds as
    // for any group (after a real stake only), and nothing is staked.
    plan = s.workspace.Systems().PrepareSystemStakes(true);
    ASSERT_TRUE(plan);
    EXPECT_TRUE(s.workspace.Systems().AddSystemStakes(*plan));
    EXPECT_EQ(s.host.Last("info"), "Ни одной комбинации системы нет в списке комбинаций!");
    ASSERT_EQ(stakes.RecordCount(), 10);
    EXPECT_FALSE(stakes.Read(9).IsRealStake());
    EXPECT_TRUE(s.workspace.Systems().AddSystemStakes(*plan));
    EXPECT_EQ(stakes.RecordCount(), 10);

    s.workspace.Combs().List().AssignList(Combs({"5;1;5", "2;9;1", "2;5;9"}));
    plan = s.workspace.Systems().PrepareSystemStakes(true);
    ASSERT_TRUE(plan);
    ASSERT_TRUE(s.workspace.Systems().AddSystemStakes(*plan));
    ASSERT_EQ(stakes.RecordCount(), 11);
    EXPECT_EQ(stakes.Read(10).Values, (TStakeComb{3, {2, 5, 9, 0}}));
    EXPECT_EQ(stakes.Read(10).SelectionSize, 3);
}

TEST(SystemWorkspace, AMissingSystemIsShownAndStakesNothing) {
    SystemsWorkspace s;
    std::string reason;
    EXPECT_FALSE(s.workspace.Systems().LoadSystemForNumbers({1, 2, 5, 9}, &reason));
    EXPECT_EQ(reason, "Система для 4 чисел не найдена или не загружена на компьютер!");
    EXPECT_EQ(s.host.Count("error"), 1);
    EXPECT_FALSE(s.workspace.Systems().PrepareSystemStakes(false));
    EXPECT_EQ(s.workspace.Stakes().File().RecordCount(), 0);
}

TEST(SystemWorkspace, OwnSystemsAreAddedEditedAndDeleted) {
    SystemsWorkspace s;
    ASSERT_TRUE(s.workspace.Systems().AddSystem(s.Data(5, "1 2 3\n3 4 5\njunk")));
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-05-0_9001.dat"}));
    EXPECT_EQ(ReadBytes(s.folder / "3-05-0_9001.dat"), "01 02 03\r\n03 04 05\r\n");
    ASSERT_EQ(s.workspace.Systems().List().size(), 1u);
    const TSystemInfo added = s.workspace.Systems().List()[0];
    EXPECT_EQ(added.Title, "Система 5");
    EXPECT_EQ(added.Combinations, 2);
    EXPECT_GT(added.Created, 0);

    // A second system for five numbers replaces the first only when the user agrees.
    EXPECT_FALSE(s.workspace.Systems().AddSystem(s.Data(5, "1 2 3")));
    EXPECT_NE(s.host.Last("question").find("3-05-0_9001"), std::string::npos);
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-05-0_9001.dat"}));
    s.host.Answers.push_back(true);
    ASSERT_TRUE(s.workspace.Systems().AddSystem(s.Data(5, "1 2 3")));
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-05-0_9002.dat"}));

    // Editing to six numbers renames the file and keeps identifier and creation time.
    const TSystemInfo current = s.workspace.Systems().List()[0];
    TSystemData edited = s.Data(6, "1 2 6");
    edited.Info.Title = "Новая";
    ASSERT_TRUE(s.workspace.Systems().UpdateSystem(current, edited));
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-06-0_9002.dat"}));
    EXPECT_EQ(s.workspace.Systems().List()[0].Title, "Новая");
    EXPECT_EQ(s.workspace.Systems().List()[0].Created, current.Created);

    // An invalid entry changes nothing.
    EXPECT_FALSE(s.workspace.Systems().UpdateSystem(s.workspace.Systems().List()[0], s.Data(6, "1 2 7")));
    EXPECT_EQ(s.host.Last("error"),
              "Ошибка изменения системы!\r\rНомера чисел в комбинациях системы должны быть от 1 до 6!");

    // Deleting asks with the title; "no" keeps the file.
    const TSystemInfo own = s.workspace.Systems().List()[0];
    EXPECT_FALSE(s.workspace.Systems().DeleteSystem(own));
    EXPECT_EQ(s.host.Last("question"), "Вы действительно хотите удалить систему \"Новая\"?");
    s.host.Answers.push_back(true);
    EXPECT_TRUE(s.workspace.Systems().DeleteSystem(own));
    EXPECT_TRUE(s.Files().empty());
    EXPECT_TRUE(s.workspace.Systems().List().empty());
}

TEST(SystemWorkspace, ImportingReplacesTheSystemWithTheSameNumbers) {
    SystemsWorkspace s;
    Put(s.dir / "in" / "3-04-1_0017.dat", "1;2;3\r\n2;3;4\r\n");
    ASSERT_TRUE(s.workspace.Systems().ImportSystemFile(s.dir / "in" / "3-04-1_0017.dat"));
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-04-1_0017.dat"}));
    EXPECT_EQ(ReadBytes(s.folder / "3-04-1_0017.dat"), "01 02 03\r\n02 03 04\r\n");
    EXPECT_EQ(s.workspace.Systems().List()[0].Downloads, 1);
    EXPECT_GT(s.workspace.Systems().List()[0].LastDownload, 0);

    // A system that is not the user's own cannot be deleted.
    EXPECT_FALSE(s.workspace.Systems().DeleteSystem(s.workspace.Systems().List()[0]));
    EXPECT_EQ(s.host.Last("warning"), "Вы можете удалять только свои системы!");

    // A second system for four numbers: the first one's file goes. A name of another form
    // takes its numbers from the largest index and a new own identifier.
    Put(s.dir / "in" / "wheel.txt", "1 2 3\r\n1 2 4\r\n");
    ASSERT_TRUE(s.workspace.Systems().ImportSystemFile(s.dir / "in" / "wheel.txt"));
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-04-0_9001.dat"}));

    // A damaged file fails with the identifier and keeps what was there.
    Put(s.dir / "in" / "3-04-0_0033.dat", "1 2 3\r\n1 2 x\r\n");
    EXPECT_FALSE(s.workspace.Systems().ImportSystemFile(s.dir / "in" / "3-04-0_0033.dat"));
    EXPECT_EQ(s.host.Last("error").rfind("Ошибка загрузки системы #33!\r\rСтрока 2 файла", 0), 0u);
    EXPECT_EQ(s.Files(), (std::vector<std::string>{"3-04-0_9001.dat"}));
    Put(s.dir / "in" / "3-11-0_0034.dat", "1 2 3\r\n");
    EXPECT_FALSE(s.workspace.Systems().ImportSystemFile(s.dir / "in" / "3-11-0_0034.dat"));
    EXPECT_EQ(s.host.Last("error"),
              "Ошибка загрузки системы #34!\r\rУказано недопустмое количество используемых чисел!");
}

}  // namespace
}  // namespace quorvel
