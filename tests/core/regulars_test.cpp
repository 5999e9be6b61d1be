#include <gtest/gtest.h>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/model/text_forms.h"
#include "core/stakes/entry_checks.h"
#include "core/stakes/regulars_file.h"
#include "core/util/endian.h"
#include "support/fake_ui_host.h"
#include "support/records_from_text.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::Draw;
using test::FakeUiHost;
using test::ReadBytes;
using test::Regular;
using test::TempDir;
using test::WriteBytes;

std::string Current(const TRegular& regular) {
    return CombToStr(regular.Current);
}

// A started workspace over draws 10 (1;2;3) to 13 (7;0;9), with two combinations in the list.
struct RegularsWorld {
    explicit RegularsWorld(const TempDir& directory) : dir(directory) {
        SaveDrawsFile(dir / "Quorvel_3r10.ldr",
                      {Draw(10, "1;2;3"), Draw(11, "4;4;4"), Draw(12, "0;5;9"), Draw(13, "7;0;9")});
        workspace.LoadStartupSettings();
        started = workspace.Initialise();
        const std::vector<TComb> list = {StrToComb("1;1;1"), StrToComb("2;2;2"), StrToComb("3;3;3")};
        workspace.Combs().List().AssignList(list);
        workspace.Regulars().LoadRegulars();
    }
    int Add(const char* comment, const char* start, int step, bool useLastDraw = false,
            std::vector<int> rows = {}) {
        TRegularDraft draft;
        draft.Comment = comment;
        draft.Start = StrToComb(start);
        draft.Step = step;
        draft.UseLastDraw = useLastDraw;
        return workspace.Regulars().AddRegulars(draft, rows);
    }
    // The stake dialog accepted unchanged for one draw.
    TStakeRecord StakeOnce(int index) {
        auto plan = workspace.Regulars().PrepareRegularStake(index);
        EXPECT_TRUE(plan);
        EXPECT_TRUE(workspace.Regulars().CommitRegularStake(*plan, plan->Stake, 1));
        return plan->Stake;
    }
    std::vector<TRegular> Stored() { return LoadRegularsFile(dir / RegularsFileName).Regulars; }

    const TempDir& dir;
    FakeUiHost host;
    Workspace workspace{DataDirectory(dir.Path()), host, {}, Workspace::Mode::CommandLine};
    bool started = false;
};

TEST(RegularAdvance, ShiftsEveryValueByTheStepAroundTen) {
    TRegular up = Regular("Вверх", "8;9;0", 1);
    AdvanceRegular(up, {});
    EXPECT_EQ(Current(up), "9;0;1");
    AdvanceRegular(up, {});
    EXPECT_EQ(Current(up), "0;1;2");
    EXPECT_EQ(up.StakesMade, 2);
    EXPECT_EQ(CombToStr(up.Start), "8;9;0");

    TRegular down = Regular("Вниз", "1;5;0", -3);
    AdvanceRegular(down, {});
    EXPECT_EQ(Current(down), "8;2;7");
    TRegular extremes = Regular("Края", "0;9;5", 9);
    AdvanceRegular(extremes, {});
    EXPECT_EQ(Current(extremes), "9;8;4");
    extremes.Step = -9;
    AdvanceRegular(extremes, {});
    EXPECT_EQ(Current(extremes), "0;9;5");

    // With the newest draw as base, the regular's own combination does not matter.
    TRegular last = Regular("Тираж", "5;5;5", 0, true);
    AdvanceRegular(last, StrToComb("3;1;4"));
    EXPECT_EQ(Current(last), "3;1;4");
    last.Step = 2;
    AdvanceRegular(last, StrToComb("3;1;8"));
    EXPECT_EQ(Current(last), "5;3;0");
}

TEST(RegularStake, CarriesTheCommentAndTheAdvancedCombination) {
    TRegular regular = Regular("Мой регуляр", "1;2;3", 1);
    AdvanceRegular(regular, {});
    const TStakeRecord stake = RegularStake(regular, 77, 250, -10000);
    EXPECT_EQ(stake.Kind, StakeKindRegular);
    EXPECT_EQ(stake.DrawNumber, 77);
    EXPECT_EQ(stake.SelectionSize, 250);
    EXPECT_EQ(stake.Values, (TStakeComb{3, {2, 3, 4, 0}}));
    EXPECT_EQ(stake.Matches.Count, -1);
    EXPECT_FALSE(stake.IsChecked());
    EXPECT_EQ(stake.Comment.Text(), "Мой регуляр");
    EXPECT_EQ(StakeCellTexts(stake)[1], "Регуляр");
    EXPECT_EQ(RegularCellTexts(regular),
              (std::array<std::string, 5>{"Мой регуляр", "1;2;3", "1", "2;3;4", "1"}));
}

TEST(EntryChecks, RefuseWhatEveryDialogAndCommandRefusesInOneOrder) {
    const std::vector<TRegular> regulars = {Regular("Регулярная ставка", "1;2;3", 1)};
    EXPECT_EQ(CheckRegularEntry(std::nullopt, "  ", regulars), EntryProblem::NoComment);
    EXPECT_EQ(CheckRegularEntry(std::nullopt, "РЕГУЛЯРНАЯ Ставка", regulars), EntryProblem::CommentInUse);
    EXPECT_EQ(CheckRegularEntry(std::nullopt, "Регулярная ставка 2", regulars), EntryProblem::None);
    // The typed start is checked first, and only when it is typed.
    EXPECT_EQ(CheckRegularEntry("1;2", " ", regulars), EntryProblem::BadCombination);
    EXPECT_EQ(CheckRegularEntry("1;2;3", "Другая", regulars), EntryProblem::None);
    // A stake: the values first, then a comment that is more than blanks.
    EXPECT_EQ(CheckStakeEntry("1;2;10", ""), EntryProblem::BadCombination);
    EXPECT_EQ(CheckStakeEntry("1;2;3", " \t "), EntryProblem::NoComment);
    EXPECT_EQ(CheckStakeEntry("1,2,3", "Ставка"), EntryProblem::None);
    EXPECT_STREQ(EntryProblemText(EntryProblem::CommentInUse),
                 "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.");
}

TEST(RegularsFile, RoundTripKeepsEveryByte) {
    TempDir dir;
    TRegular first = Regular("Первый", "8;9;0", -9, true);
    first.Comment.Chars[200] = 'x';  // beyond the length, still kept
    first.StakesMade = 123456;
    first.Reserved = 0;
    TRegular second = Regular("Second", "0;0;0", 0);
    second.Current = StrToComb("4;5;6");
    SaveRegularsFile(dir / "r.ltb", {first, second});
    const std::string bytes = ReadBytes(dir / "r.ltb");
    ASSERT_EQ(bytes.size(), 2 * RegularRecordSize);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    EXPECT_EQ(data[0], 6);  // "Первый" is six bytes in code page 1251
    EXPECT_EQ(data[256], 1);
    EXPECT_EQ(data[257], 8);
    EXPECT_EQ(data[259], 0);
    EXPECT_EQ(ReadInt32Le(data + 264), -9);
    EXPECT_EQ(ReadInt32Le(data + 268), 123456);
    EXPECT_EQ(data[RegularRecordSize + 260], 4);

    const TRegularsFileContent content = LoadRegularsFile(dir / "r.ltb");
    EXPECT_FALSE(content.Problem);
    ASSERT_EQ(content.Regulars.size(), 2u);
    EXPECT_EQ(content.Regulars[0], first);
    EXPECT_EQ(content.Regulars[1], second);
    SaveRegularsFile(dir / "again.ltb", content.Regulars);
    EXPECT_EQ(ReadBytes(dir / "again.ltb"), bytes);
}

TEST(RegularsFile, DamagedRecordsAreNamedAndTheRestRead) {
    TempDir dir;
    SaveRegularsFile(dir / "r.ltb",
                     {Regular("A", "1;2;3", 1), Regular("B", "1;2;3", 1), Regular("C", "1;2;3", 1)});
    std::string bytes = ReadBytes(dir / "r.ltb");
    bytes[RegularRecordSize + 264] = 12;  // B: a step beyond 9
    bytes += "torn";
    WriteBytes(dir / "r.ltb", bytes);
    const TRegularsFileContent content = LoadRegularsFile(dir / "r.ltb");
    ASSERT_EQ(content.Regulars.size(), 2u);
    EXPECT_EQ(content.Regulars[1].Comment.Text(), "C");
    ASSERT_TRUE(content.Problem);
    EXPECT_NE(content.Problem->find("Запись 2: Шаг 12 выходит за пределы от -9 до 9!"), std::string::npos);
    EXPECT_NE(content.Problem->find("не кратен"), std::string::npos);
}

TEST(RegularsWorkspace, ADamagedFileIsShownKeptAsideAndNotLost) {
    TempDir dir;
    SaveRegularsFile(dir / RegularsFileName, {Regular("A", "1;2;3", 1), Regular("B", "4;5;6", 2)});
    const std::string damaged = ReadBytes(dir / RegularsFileName) + "xyz";
    WriteBytes(dir / RegularsFileName, damaged);
    RegularsWorld w(dir);
    ASSERT_EQ(w.workspace.Regulars().List().size(), 2u);
    EXPECT_EQ(w.host.Count("error"), 1);
    EXPECT_EQ(w.host.Last("error").rfind("Ошибка чтения файла регулярных ставок!\r\r", 0), 0u);
    EXPECT_NE(w.host.Last("error").find("Quorvel_3r10.ltb.bak"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb.bak"), damaged);
    // The next change writes the whole records only; the backup still holds the old bytes.
    EXPECT_EQ(w.Add("C", "0;0;0", 1), 1);
    EXPECT_EQ(w.Stored().size(), 3u);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb.bak"), damaged);
}

TEST(RegularsWorkspace, AddingMakesOneOrOnePerChosenCombination) {
    TempDir dir;
    RegularsWorld w(dir);
    ASSERT_TRUE(w.started);
    EXPECT_TRUE(w.workspace.Regulars().List().empty());
    EXPECT_EQ(w.Add("Одна", "8;9;0", 1, false, {1}), 1);
    EXPECT_EQ(Current(w.workspace.Regulars().List()[0]), "8;9;0");

    // Three chosen with a constant start: one each, named by list position, in list order.
    EXPECT_EQ(w.Add("Ряд", "0;0;0", -2, false, {2, 0, 1}), 3);
    ASSERT_EQ(w.workspace.Regulars().List().size(), 4u);
    EXPECT_EQ(w.workspace.Regulars().List()[1].Comment.Text(), "Ряд (1)");
    EXPECT_EQ(CombToStr(w.workspace.Regulars().List()[1].Start), "1;1;1");
    EXPECT_EQ(w.workspace.Regulars().List()[3].Comment.Text(), "Ряд (3)");
    EXPECT_EQ(Current(w.workspace.Regulars().List()[3]), "3;3;3");
    EXPECT_EQ(w.workspace.Regulars().List()[3].Step, -2);

    // With the newest draw as base the chosen combinations do not multiply it.
    EXPECT_EQ(w.Add("По тиражу", "5;5;5", 0, true, {0, 1}), 1);
    EXPECT_TRUE(w.workspace.Regulars().List()[4].UsesLastDraw());
    // A comment already used is refused whatever its case, and nothing is added.
    EXPECT_EQ(w.Add("ОДНА", "1;2;3", 1), 0);
    EXPECT_EQ(w.host.Last("error"),
              "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.");
    EXPECT_EQ(w.Stored(), w.workspace.Regulars().List());
    EXPECT_EQ(w.Stored().size(), 5u);
}

TEST(RegularsWorkspace, DeletingAsksAndRemovesOnlyWholeSelections) {
    TempDir dir;
    RegularsWorld w(dir);
    for (const char* name : {"A", "B", "C"})
        w.Add(name, "1;2;3", 1);
    EXPECT_FALSE(w.workspace.Regulars().DeleteRegulars({0, 2}));  // answered No
    EXPECT_EQ(w.host.Last("delete"), "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    EXPECT_EQ(w.workspace.Regulars().List().size(), 3u);

    w.host.Answers = {true};
    EXPECT_FALSE(w.workspace.Regulars().DeleteRegulars({1, 7}));
    EXPECT_EQ(w.host.Last("error"), "Запись со индексом 7 в файле данных не найдена!");
    EXPECT_EQ(w.workspace.Regulars().List().size(), 3u);

    w.host.Answers = {true};
    EXPECT_TRUE(w.workspace.Regulars().DeleteRegulars({2, 0}));
    ASSERT_EQ(w.Stored().size(), 1u);
    EXPECT_EQ(w.Stored()[0].Comment.Text(), "B");
}

TEST(RegularsWorkspace, StakingAdvancesAndStoresTheRegular) {
    TempDir dir;
    RegularsWorld w(dir);
    w.Add("Вверх", "8;9;0", 1);
    const TStakeRecord first = w.StakeOnce(0);
    EXPECT_EQ(first.Values, (TStakeComb{3, {9, 0, 1, 0}}));
    EXPECT_EQ(first.DrawNumber, 14);
    EXPECT_EQ(first.SelectionSize, 3);
    EXPECT_EQ(first.Kind, StakeKindRegular);
    EXPECT_EQ(w.StakeOnce(0).Values, (TStakeComb{3, {0, 1, 2, 0}}));
    EXPECT_EQ(w.Stored()[0].StakesMade, 2);
    EXPECT_EQ(Current(w.Stored()[0]), "0;1;2");
    EXPECT_EQ(w.workspace.Stakes().File().RecordCount(), 2);
    EXPECT_EQ(w.workspace.Stakes().File().Read(1).Comment.Text(), "Вверх");

    // A plan that is never committed (the dialog cancelled) changes nothing.
    ASSERT_TRUE(w.workspace.Regulars().PrepareRegularStake(0));
    EXPECT_EQ(w.workspace.Regulars().List()[0].StakesMade, 2);
    EXPECT_EQ(Current(w.workspace.Regulars().List()[0]), "0;1;2");
    EXPECT_FALSE(w.workspace.Regulars().PrepareRegularStake(1));
}

TEST(RegularsWorkspace, StepZeroOnTheNewestDrawStakesItsValuesEachTime) {
    TempDir dir;
    RegularsWorld w(dir);
    w.Add("Повтор", "0;0;0", 0, true);
    EXPECT_EQ(w.StakeOnce(0).Values, (TStakeComb{3, {7, 0, 9, 0}}));
    EXPECT_EQ(w.StakeOnce(0).Values, (TStakeComb{3, {7, 0, 9, 0}}));
    // At an offset the newest visible draw is the base, and the stake is for the draw after it.
    w.workspace.Draws().SetDrawsOffset(2);
    const TStakeRecord hidden = w.StakeOnce(0);
    EXPECT_EQ(hidden.Values, (TStakeComb{3, {4, 4, 4, 0}}));
    EXPECT_EQ(hidden.DrawNumber, 12);
    EXPECT_EQ(w.Stored()[0].StakesMade, 3);
}

TEST(RegularsWorkspace, TestingStakesEachPastDrawAndRestoresTheOffset) {
    TempDir dir;
    RegularsWorld w(dir);
    w.Add("Тираж+1", "0;0;0", 1, true);
    w.Add("Свой", "8;9;0", 1);
    w.workspace.Draws().SetDrawsOffset(1);
    ASSERT_TRUE(w.workspace.Regulars().TestRegulars({1, 0}, 3));
    EXPECT_EQ(w.workspace.Archive().Offset(), 1);
    StakesFile& stakes = w.workspace.Stakes().File();
    ASSERT_EQ(stakes.RecordCount(), 6);
    // Offset 3 first: draw 10 is the newest, the stakes are for draw 11.
    EXPECT_EQ(stakes.Read(0).DrawNumber, 11);
    EXPECT_EQ(stakes.Read(0).Values, (TStakeComb{3, {2, 3, 4, 0}}));
    EXPECT_EQ(stakes.Read(1).Values, (TStakeComb{3, {9, 0, 1, 0}}));
    EXPECT_EQ(stakes.Read(2).DrawNumber, 12);
    EXPECT_EQ(stakes.Read(2).Values, (TStakeComb{3, {5, 5, 5, 0}}));
    EXPECT_EQ(stakes.Read(4).DrawNumber, 13);
    EXPECT_EQ(stakes.Read(4).Values, (TStakeComb{3, {1, 6, 0, 0}}));
    EXPECT_EQ(stakes.Read(5).Values, (TStakeComb{3, {1, 2, 3, 0}}));
    // Every past draw is known, so every stake got checked.
    EXPECT_TRUE(stakes.Read(4).IsChecked());
    EXPECT_EQ(stakes.Read(4).Matches.Count, 0);
    EXPECT_EQ(stakes.Read(3).Matches.Count, 1);  // 0;1;2 against 0;5;9
    EXPECT_EQ(w.Stored()[1].StakesMade, 3);
    EXPECT_EQ(Current(w.Stored()[1]), "1;2;3");

    // More tests than past draws, or none, do nothing.
    EXPECT_FALSE(w.workspace.Regulars().TestRegulars({0}, 4));
    EXPECT_FALSE(w.workspace.Regulars().TestRegulars({0}, 0));
    EXPECT_FALSE(w.workspace.Regulars().TestRegulars({5}, 1));
    EXPECT_EQ(stakes.RecordCount(), 6);
}

TEST(RegularsWorkspace, HidingEmptiesTheListButNotTheFile) {
    TempDir dir;
    RegularsWorld w(dir);
    w.Add("A", "1;2;3", 1);
    w.workspace.Regulars().ClearRegulars();
    EXPECT_TRUE(w.workspace.Regulars().List().empty());
    EXPECT_EQ(w.Stored().size(), 1u);
    w.workspace.Regulars().LoadRegulars();
    EXPECT_EQ(w.workspace.Regulars().List().size(), 1u);
}

}  // namespace
}  // namespace quorvel
