#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/stakes/stakes_check.h"
#include "core/util/codepage.h"
#include "core/util/format.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::FakeUiHost;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

// A started workspace with draws 100 (1;2;3) and 101 (4;5;6), a stake cost of 1 and a prize of
// 500 for three matches.
struct StakesWorld {
    explicit StakesWorld(const TempDir& directory,
                         TDrawsArray draws = {Draw(100, 1, 2, 3), Draw(101, 4, 5, 6)})
        : dir(directory) {
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", draws);
        workspace.LoadStartupSettings();
        started = workspace.Initialise();
        workspace.Stats().List().Config.Cost = 10000;
        workspace.Stats().List().Config.Profits = {{3, 5000000}};
    }
    TStakeRecord Stake(int draw, const std::string& values, const std::string& comment = "Мой") {
        TStakeRecord stake = workspace.Stakes().NewManualStake();
        stake.DrawNumber = draw;
        stake.Values = *ParseStakeValues(values);
        stake.Comment.SetText(comment);
        return stake;
    }
    void Add(int draw, const std::string& values, const std::string& comment = "Мой") {
        workspace.Stakes().File().Append(Stake(draw, values, comment));
    }
    std::array<std::string, StakeColumnCount> Cells(int index) {
        return StakeCellTexts(workspace.Stakes().File().Read(index));
    }
    const TempDir& dir;
    FakeUiHost host;
    Workspace workspace{DataDirectory(dir.Path()), host, {}};
    bool started = false;
};

TEST(StakesCheck, ProfitMatchesAndDrawnValuesByPosition) {
    TempDir dir;
    StakesWorld w(dir);
    ASSERT_TRUE(w.started);
    w.Add(100, "1;2;3");
    w.Add(100, "1;2;9");
    w.Add(100, "3;2;1");
    w.Add(101, "0;0;0");
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 4);
    EXPECT_EQ(w.Cells(0), (std::array<std::string, 9>{"100", "Вручную", "1;2;3", "1000", "1;2;3", "3",
                                                      "1 2 3", "499.00", "Мой"}));
    EXPECT_EQ(w.Cells(1)[5], "2");
    EXPECT_EQ(w.Cells(1)[6], "1 2");
    EXPECT_EQ(w.Cells(1)[7], "-1.00");
    EXPECT_EQ(w.Cells(2)[5], "1");  // 3;2;1 against 1;2;3: only position 2
    EXPECT_EQ(w.Cells(2)[6], "2");
    EXPECT_EQ(w.Cells(3)[5], "0");
    EXPECT_EQ(w.Cells(3)[6], "");
    EXPECT_EQ(w.Cells(3)[4], "4;5;6");
    // A second check finds nothing new and adds nothing to the rating twice.
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 0);
    ASSERT_EQ(w.workspace.Stakes().Rating().Count(), 1);
    EXPECT_EQ(w.workspace.Stakes().Rating().Rows()[0].Stakes, 4);
    EXPECT_EQ(w.workspace.Stakes().Rating().Rows()[0].Profit, 4990000 - 3 * 10000);
    EXPECT_TRUE(w.host.Messages.empty());
}

TEST(StakesCheck, AStakeWaitsForItsDrawAndSeparatorsAndShortStakesAreSkipped) {
    TempDir dir;
    StakesWorld w(dir);
    w.Add(102, "7;8;9");
    w.workspace.Stakes().File().Append(StakeSeparator());
    TStakeRecord two = w.Stake(100, "1;2;3");
    two.Values.Count = 2;
    w.workspace.Stakes().File().Append(two);
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 0);
    EXPECT_EQ(w.Cells(0)[5], "");
    EXPECT_TRUE(w.workspace.Stakes().Rating().Empty());
    EXPECT_TRUE(w.workspace.Draws().AddDraw(Draw(102, 7, 8, 0)));
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 1);
    EXPECT_EQ(w.Cells(0)[5], "2");
    EXPECT_EQ(w.workspace.Stakes().File().Read(1), StakeSeparator());
    EXPECT_FALSE(w.workspace.Stakes().File().Read(2).IsChecked());
}

TEST(StakesCheck, TheDialogAddsForSeveralDrawsAndChecksAtOnce) {
    TempDir dir;
    StakesWorld w(dir);
    TStakeRecord stake = w.workspace.Stakes().NewManualStake();
    EXPECT_EQ(stake.DrawNumber, 102);
    EXPECT_EQ(stake.Comment.Text(), "Ставка \"вручную\"");
    EXPECT_EQ(stake.Profit, -10000);
    stake.DrawNumber = 100;
    stake.Values = {3, {4, 5, 6, 0}};
    EXPECT_TRUE(w.workspace.Stakes().AddStake(stake, 3));
    ASSERT_EQ(w.workspace.Stakes().File().RecordCount(), 5);
    EXPECT_EQ(w.Cells(0)[5], "0");
    EXPECT_EQ(w.Cells(2)[5], "3");
    EXPECT_EQ(w.Cells(2)[7], "499.00");
    EXPECT_EQ(w.Cells(4)[5], "");  // draw 102 is not there yet
    EXPECT_EQ(w.workspace.Stakes().Rating().Rows()[0].Stakes, 2);

    TStakeRecord checked = stake;
    checked.Checked = 1;
    EXPECT_FALSE(w.workspace.Stakes().AddStake(checked, 1));
    EXPECT_EQ(w.host.Last("error"),
              "Ошибка добавления записи в файл ставок!\r\rДобавление в конец файла уже проверенной ставки!");

    // The multi-stake dialog: one stake per combination, each for two draws.
    EXPECT_TRUE(
        w.workspace.Stakes().AddStakesForCombs({TComb{{1, 2, 3}}, TComb{{0, 0, 0}}}, 101, 2, "Мульти"));
    EXPECT_EQ(w.workspace.Stakes().File().RecordCount(), 5 + 8);
    EXPECT_EQ(w.Cells(6)[2], "1;2;3");
    EXPECT_EQ(w.Cells(6)[8], "Мульти");
    EXPECT_EQ(w.Cells(6)[3], "1000");
}

TEST(StakesCheck, ProgressIsReportedInHundredthsFromTheFirstEligibleRecord) {
    TempDir dir;
    StakesWorld w(dir);
    w.workspace.Stakes().File().Append(StakeSeparator());
    std::vector<TStakeRecord> stakes(300, w.Stake(100, "1;2;3"));
    w.workspace.Stakes().File().AppendStakes(stakes, 1);
    w.host.Progress.clear();
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 300);
    std::vector<std::string> percents;
    for (const std::string& text : w.host.Progress) {
        if (text.rfind("Проверка результатов ставок ( завершено", 0) == 0) percents.push_back(text);
    }
    ASSERT_EQ(percents.size(), 100u);
    EXPECT_EQ(percents.front(), "Проверка результатов ставок ( завершено 1 % )...");
    EXPECT_EQ(percents.back(), "Проверка результатов ставок ( завершено 100 % )...");
    EXPECT_EQ(w.host.Progress.front(), "Проверка результатов ставок...");
}

// A failure part way: what was checked before it stays checked and reaches the rating file.
TEST(StakesCheck, AFailureEndsTheCheckAndKeepsWhatWasDone) {
    TempDir dir;
    StakesWorld w(dir);
    w.Add(100, "1;2;3");
    TStakeRecord huge = w.Stake(100, "1;2;3");
    huge.Values.Count = 3000000;  // only a damaged file holds such a count: its cost overflows
    w.workspace.Stakes().File().Append(huge);
    w.Add(101, "4;5;6");
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 1);
    EXPECT_EQ(w.host.Last("error").rfind("Ошибка проверки ставок!\r\r", 0), 0u);
    EXPECT_TRUE(w.workspace.Stakes().File().Read(0).IsChecked());
    EXPECT_FALSE(w.workspace.Stakes().File().Read(2).IsChecked());
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lrt").size(), 288u);
}

TEST(StakeLog, LinesGoToTheFileOfTheirMatchesInCodePage1251) {
    TempDir dir;
    TStakeLog log(dir.Path());
    log.Clock = [] { return std::string("2024.03.05 21:30:07"); };
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = 100;
    stake.SelectionSize = 12;
    stake.Values = {3, {1, 2, 3, 0}};
    stake.Checked = 1;
    stake.DrawValues = {1, 2, 3};
    stake.Matches = {3, {1, 2, 3, 0}};
    stake.Profit = 4990000;
    stake.Comment.SetText("Мой");
    log.Append(stake);
    log.Append(stake);
    const std::string line =
        "2024.03.05 21:30:07: Тираж № 100. Ставка: \"Мой\" [1;2;3] {12}. Результаты тиража: [1;2;3]. "
        "Совпадений: 3. Профит: 499.00.\r\n";
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10-3.log"), Utf8ToCp1251(line + line));
    EXPECT_TRUE(std::regex_match(StakeLogTime(), std::regex(R"(\d{4}\.\d\d\.\d\d \d\d:\d\d:\d\d)")));
}

TEST(StakeLog, AFileBeyond256MiBIsStartedAfresh) {
    TempDir dir;
    TStakeRecord stake;
    stake.DrawNumber = 1;
    stake.Values = {3, {1, 2, 3, 0}};
    stake.Matches = {0, {}};
    const auto path = dir / "Quorvel_3r10-0.log";
    for (int64_t size : {StakeLogSizeLimit, StakeLogSizeLimit + 1}) {
        std::filesystem::remove(path);
        WriteBytes(path, "");
        std::filesystem::resize_file(path, static_cast<uintmax_t>(size));  // sparse, costs no disk
        TStakeLog log(dir.Path());
        log.Append(stake);
        const auto after = std::filesystem::file_size(path);
        if (size == StakeLogSizeLimit)
            EXPECT_GT(after, static_cast<uintmax_t>(size));
        else
            EXPECT_LT(after, 200u);
    }
}

TEST(StakeLog, AnUnwritableLogIsReportedOnceAndTheCheckGoesOn) {
    TempDir dir;
    StakesWorld w(dir);
    w.workspace.Options().StakesLogEnabled = true;
    std::filesystem::create_directory(dir / "Quorvel_3r10-3.log");
    w.Add(100, "1;2;3");
    w.Add(100, "1;2;3");
    w.Add(100, "1;2;0");
    EXPECT_EQ(w.workspace.Stakes().CheckStakes(), 3);
    EXPECT_EQ(w.host.Count("error"), 1);
    EXPECT_EQ(w.host.Last("error").rfind(
                  "Ошибка записи в файл \"" + (dir / "Quorvel_3r10-3.log").string() + "\"!\r\r", 0),
              0u);
    EXPECT_TRUE(w.workspace.Stakes().File().Read(1).IsChecked());
    EXPECT_EQ(w.workspace.Stakes().Rating().Rows()[0].Stakes, 3);
    EXPECT_NE(ReadBytes(dir / "Quorvel_3r10-2.log").find(Utf8ToCp1251("Совпадений: 2.")), std::string::npos);
}

TEST(StakeLog, DeletingFindsEveryLogFileAndReports) {
    TempDir dir;
    StakesWorld w(dir);
    w.workspace.Stakes().DeleteStakeLogs();
    EXPECT_EQ(w.host.Last("info"), "Файлы журналов не найдены!");
    WriteBytes(dir / "Quorvel_3r10-0.log", "a");
    WriteBytes(dir / "Quorvel_3r10-x.log", "b");
    WriteBytes(dir / "Quorvel_3r10.log", "keep");
    WriteBytes(dir / "Other-1.log", "keep");
    w.workspace.Stakes().DeleteStakeLogs();
    EXPECT_EQ(w.host.Last("info").rfind("Удалено файлов: 2\r\r", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10-0.log"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10-x.log"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Quorvel_3r10.log"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Other-1.log"));
}

TEST(StakesDelete, SelectedRowsAfterConfirmationThenByConditionThenAll) {
    TempDir dir;
    StakesWorld w(dir);
    w.Add(100, "1;2;3", "a");
    w.Add(100, "0;0;0", "b");
    w.Add(105, "1;2;3", "c");
    w.Add(105, "1;2;3", "d");
    w.workspace.Stakes().CheckStakes();
    EXPECT_FALSE(w.workspace.Stakes().DeleteStakeRows(0, 0));  // the header row holds no record
    EXPECT_FALSE(w.workspace.Stakes().DeleteStakeRows(3, 4));  // answered No
    EXPECT_EQ(w.host.Last("delete"), "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    w.host.Answers = {true};
    EXPECT_TRUE(w.workspace.Stakes().DeleteStakeRows(4, 9));
    EXPECT_EQ(w.host.Last("delete"), "Удалить выделенную запись?");
    EXPECT_EQ(w.workspace.Stakes().File().RecordCount(), 3);

    EXPECT_TRUE(w.workspace.Stakes().DeleteStakesWhere(TStakeCondition::Less, 1));
    ASSERT_EQ(w.workspace.Stakes().File().RecordCount(), 1);
    EXPECT_EQ(w.Cells(0)[8], "a");
    // The rating outlives the stakes until it is rebuilt.
    EXPECT_EQ(w.workspace.Stakes().Rating().Count(), 2);

    w.host.Answers = {true, false};
    EXPECT_TRUE(w.workspace.Stakes().ClearStakes());
    EXPECT_EQ(w.workspace.Stakes().File().Size(), 0);
    EXPECT_EQ(w.host.Last("question"),
              "Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее данные по удаленным "
              "ставкам будут "
              "потеряны.");
    EXPECT_EQ(w.workspace.Stakes().Rating().Count(), 2);
    EXPECT_FALSE(w.workspace.Stakes().ClearStakes());  // nothing left to delete
}

TEST(StakesGraphs, ProfitPerDrawWithAverageAndRunningTotal) {
    TempDir dir;
    StakesWorld w(dir);
    try {
        StakesProfitGraph(w.workspace.Stakes().File());
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), GraphNeedsDrawsMessage);
    }
    w.Add(101, "4;5;6");
    w.Add(100, "1;2;3");
    w.Add(101, "0;0;0");
    w.Add(100, "1;2;0");
    w.Add(300, "1;2;0");  // not checked: not drawn
    w.workspace.Stakes().CheckStakes();
    TChartData chart = StakesProfitGraph(w.workspace.Stakes().File());
    EXPECT_EQ(chart.Title, "График суммарного профита ставок по тиражам");
    ASSERT_EQ(chart.Series.size(), 3u);
    using Points = std::vector<std::pair<double, double>>;
    EXPECT_EQ(chart.Series[0].Title, "Суммарный профит ставок по тиражу");
    EXPECT_EQ(chart.Series[0].Points, (Points{{101, 498}, {100, 498}}));
    EXPECT_EQ(chart.Series[1].Points, (Points{{101, 498}, {100, 498}}));
    EXPECT_EQ(chart.Series[2].Title, "Накопленное значение");
    EXPECT_EQ(chart.Series[2].Points, (Points{{101, 498}, {100, 996}}));
}

TEST(StakesGraphs, RatingGraphsTakeTheLastHundredDrawsOfTheChosenComments) {
    TempDir dir;
    TDrawsArray draws;
    for (int n = 1; n <= 120; ++n)
        draws.push_back(Draw(n, n % 10, 0, 0));
    StakesWorld w(dir, draws);
    for (int n = 1; n <= 120; ++n) {
        w.Add(n, Format("%d;0;0", {n % 10}), "Мой");
        w.Add(n, "9;9;9", "Чужой");
    }
    w.workspace.Stakes().CheckStakes();
    TChartData chart = RatingStakesGraph(w.workspace.Stakes().File(), {"МОЙ"}, false);
    ASSERT_EQ(chart.Series.size(), 1u);
    EXPECT_EQ(chart.Series[0].Title, "МОЙ");
    ASSERT_EQ(chart.Series[0].Points.size(), 100u);
    EXPECT_EQ(chart.Series[0].Points.front(), (std::pair<double, double>{21, 3}));
    TChartData profits = RatingStakesGraph(w.workspace.Stakes().File(), {"Чужой"}, true);
    EXPECT_EQ(profits.Title, "График профита для всех ставок по тиражам");
    EXPECT_EQ(profits.Series[0].Points.back().second, -1);
    EXPECT_THROW(RatingStakesGraph(w.workspace.Stakes().File(), {}, true), std::exception);
}

}  // namespace
}  // namespace quorvel
