#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/stakes/rating.h"
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

struct SeparatorScope {
    explicit SeparatorScope(char c) : saved(FormatSettings().DecimalSeparator) {
        FormatSettings().DecimalSeparator = c;
    }
    ~SeparatorScope() { FormatSettings().DecimalSeparator = saved; }
    char saved;
};

TStakeRecord Checked(const std::string& comment, int matches, Money profit = -10000) {
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = 1;
    stake.Values = {3, {1, 2, 3, 0}};
    stake.Checked = 1;
    stake.Matches.Count = matches;
    stake.Profit = profit;
    stake.Comment.SetText(comment);
    return stake;
}

TRatingRow Row(const std::string& comment, int stakes, std::array<int32_t, 4> counts, Money profit = 0) {
    TRatingRow row;
    row.Comment.SetText(comment);
    row.Stakes = stakes;
    row.MatchCounts = counts;
    row.MatchesTotal = counts[1] + 2 * counts[2] + 3 * counts[3];
    row.Profit = profit;
    return row;
}

std::vector<std::string> Comments(const TRating& rating) {
    std::vector<std::string> comments;
    for (const TRatingRow& row : rating.Rows())
        comments.push_back(row.Comment.Text());
    return comments;
}

TEST(RatingRow, FieldsSitAtTheirPlacesAndRoundTrip) {
    TRatingRow row = Row("Мой", 0x01020304, {5, 6, 7, 8}, -2);
    row.Comment.Chars[200] = 'z';  // beyond the length: kept
    uint8_t bytes[RatingRecordSize] = {};
    WriteRatingRecord(bytes, row);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 0xCC);  // "М" in code page 1251
    EXPECT_EQ(bytes[201], 'z');
    EXPECT_EQ(bytes[256], 0x04);
    EXPECT_EQ(bytes[259], 0x01);
    EXPECT_EQ(bytes[260], 6 + 14 + 24);
    EXPECT_EQ(bytes[264], 5);
    EXPECT_EQ(bytes[276], 8);
    EXPECT_EQ(bytes[280], 0xFE);
    EXPECT_EQ(bytes[287], 0xFF);
    EXPECT_EQ(ReadRatingRecord(bytes), row);
}

TEST(RatingAdd, CommentsDifferingOnlyInCaseShareARow) {
    TRating rating;
    EXPECT_TRUE(rating.AddStake(Checked("Мой", 3, 4990000)));
    EXPECT_TRUE(rating.AddStake(Checked("мой", 0)));
    EXPECT_TRUE(rating.AddStake(Checked("Ёлка", 1)));
    EXPECT_TRUE(rating.AddStake(Checked("ёЛКА", 1)));
    EXPECT_TRUE(rating.AddStake(Checked("МОЙ", 2)));
    TStakeRecord unchecked = Checked("Мой", -1);
    unchecked.Checked = 0;
    EXPECT_FALSE(rating.AddStake(unchecked));
    EXPECT_FALSE(rating.AddStake(Checked("Мой", 4)));  // no such count in a row
    ASSERT_EQ(Comments(rating), (std::vector<std::string>{"Мой", "Ёлка"}));
    const TRatingRow& mine = rating.Rows()[0];
    EXPECT_EQ(mine.Stakes, 3);
    EXPECT_EQ(mine.MatchesTotal, 5);
    EXPECT_EQ(mine.MatchCounts, (std::array<int32_t, 4>{1, 0, 1, 1}));
    EXPECT_EQ(mine.Profit, 4990000 - 20000);
    // After a sort the rows are found again at their new places.
    rating.Sort(0, false);
    rating.AddStake(Checked("ЁЛКА", 3));
    EXPECT_EQ(rating.Rows()[1].Stakes, 3);
    EXPECT_EQ(rating.Rows()[1].MatchCounts[3], 1);
    EXPECT_EQ(rating.Count(), 2);
}

TEST(RatingTexts, EfficiencyOfTwoHundredStakesWithOneHundredFiftyMisses) {
    const TRatingRow row = Row("Мой", 200, {150, 40, 10, 0}, -1234567);
    auto mode0 = RatingRowTexts(row, 0);
    EXPECT_EQ(mode0[10], "146");
    EXPECT_EQ(mode0[13], "0");
    EXPECT_EQ(mode0[11], "49");  // 48.6
    EXPECT_EQ(RatingRowTexts(row, 1)[10], "2.100%");
    EXPECT_EQ(RatingRowTexts(row, 2)[10], "102.881%");
    EXPECT_EQ(mode0[3], "0.300");
    EXPECT_EQ(mode0[4], "-123.46");
    EXPECT_EQ(mode0[5], "-0.62");
    EXPECT_EQ(mode0[0], "Мой");
    {
        SeparatorScope comma(',');
        EXPECT_EQ(RatingRowTexts(row, 1)[10], "2,100%");
        EXPECT_EQ(RatingRowTexts(row, 2)[10], "102,881%");
    }
    // 500 stakes expect 0.5 of three matches: the half goes to the even 0.
    EXPECT_EQ(RatingRowTexts(Row("x", 500, {}), 0)[13], "0");
    EXPECT_EQ(RatingRowTexts(Row("x", 1500, {}), 0)[13], "2");
    // A row without stakes shows no averages and no efficiency.
    auto empty = RatingRowTexts(Row("x", 0, {}), 2);
    EXPECT_EQ(empty[3], "");
    EXPECT_EQ(empty[5], "");
    EXPECT_EQ(empty[10], "");
    EXPECT_EQ(empty[4], "0.00");
}

TEST(RatingSort, ColumnRulesAndTies) {
    TRating rating;
    rating.Assign({Row("b", 10, {5, 5, 0, 0}, 100), Row("a", 10, {0, 10, 0, 0}, 50), Row("none", 0, {}),
                   Row("c", 20, {10, 10, 0, 0}, 149)});
    rating.Sort(3, true);  // the average: b 0.5, a 1.0, c 0.5
    EXPECT_EQ(Comments(rating), (std::vector<std::string>{"a", "b", "none", "c"}));
    rating.Sort(10, false);  // efficiency columns never reorder
    EXPECT_EQ(Comments(rating), (std::vector<std::string>{"a", "b", "none", "c"}));
    rating.Sort(4, false);  // 0.0050, 0.0100, 0.0149: a and b differ by half a hundredth, b and c by less
    EXPECT_EQ(Comments(rating), (std::vector<std::string>{"a", "b", "none", "c"}));

    TRating counted;
    counted.Assign({Row("b", 10, {5, 5, 0, 0}), Row("a", 10, {0, 10, 0, 0}), Row("c", 20, {10, 10, 0, 0})});
    counted.Sort(1, true);
    EXPECT_EQ(Comments(counted), (std::vector<std::string>{"c", "b", "a"}));
    counted.Sort(-1, false);
    EXPECT_EQ(Comments(counted), (std::vector<std::string>{"c", "b", "a"}));
    counted.Sort(7, false);  // stakes with one match; c and a tie and keep their order
    EXPECT_EQ(Comments(counted), (std::vector<std::string>{"b", "c", "a"}));

    TRating words;
    words.Assign({Row("Б", 1, {1, 0, 0, 0}), Row("а", 1, {1, 0, 0, 0}), Row("А", 1, {1, 0, 0, 0}),
                  Row("b", 1, {1, 0, 0, 0})});
    words.Sort(0, false);
    EXPECT_EQ(Comments(words), (std::vector<std::string>{"b", "а", "А", "Б"}));
    words.Sort(0, true);
    EXPECT_EQ(Comments(words), (std::vector<std::string>{"Б", "А", "а", "b"}));
}

// Rows with no stakes equal every row, so the comparison is no ordering; the sort must stay
// sound and keep every row, and rows with stakes among themselves still come out in order.
TEST(RatingSort, RowsWithoutStakesAmongManyKeepTheSortSound) {
    std::vector<TRatingRow> rows;
    for (int i = 0; i < 2000; ++i)
        rows.push_back(i % 3 == 0 ? Row("z" + std::to_string(i), 0, {})
                                  : Row(std::to_string(i), (i * 7919) % 2000 + 1, {}));
    TRating rating;
    rating.Assign(rows);
    rating.Sort(1, true);
    ASSERT_EQ(rating.Count(), 2000);
    std::vector<std::string> before, after = Comments(rating);
    for (const TRatingRow& row : rows)
        before.push_back(row.Comment.Text());
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
    // Without the rows lacking stakes the order is total.
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [](const TRatingRow& row) { return row.Stakes == 0; }),
        rows.end());
    rating.Assign(rows);
    rating.Sort(1, true);
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_GE(rating.Rows()[i - 1].Stakes, rating.Rows()[i].Stakes);
}

TEST(RatingExport, CaptionsThenTenFieldsPerRow) {
    SeparatorScope comma(',');
    auto lines = RatingCsvLines({Row("Сказал \"да\"", 4, {1, 1, 1, 1}, 12345), Row("пусто", 0, {})});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. "
              "профит\";\"0\";\"1\";\"2\";\"3\";"
              "\"E0\";\"E1\";\"E2\";\"E3\"");
    EXPECT_EQ(lines[1], "\"Сказал \"\"да\"\"\";4;6;1,500;1,23;0,31;1;1;1;1");
    EXPECT_EQ(lines[2], "\"пусто\";0;0;;0,00;;0;0;0;0");
}

TEST(RatingScript, TheVariantOfAScenarioCommentBecomesALine) {
    EXPECT_EQ(
        RatingToScriptLine("03.012: Мой @ FULL#RAND + TSD#NUMS:10#LMV:5#SF:0 + BMF#SUMS:1-3;1#LNO:#ST:2"),
        "FULL#RAND|TSD#NUMS:10#LMV:5#SF:0|BMF#SUMS:1-3;1#LNO:#ST:2| | | | | |03.012: Мой");
    EXPECT_EQ(RatingToScriptLine("@EXCL:5#ALL + TSD#NUMS:10#LNO:#SF:0"),
              "EXCL:5#ALL|TSD#NUMS:10#LNO:#SF:0| | | | | | |");
    EXPECT_FALSE(RatingToScriptLine("Ставка \"вручную\""));
    EXPECT_FALSE(RatingToScriptLine("01.001: @ FULL#RAND"));
}

struct RatingWorld {
    explicit RatingWorld(const TempDir& directory) : dir(directory) {
        TDraw draw;
        draw.Number = 1;
        draw.Values = {1, 2, 3};
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", {draw});
    }
    void Start() {
        workspace.LoadStartupSettings();
        ASSERT_TRUE(workspace.Initialise());
    }
    void Stake(const std::string& comment, const std::string& values) {
        TStakeRecord stake = workspace.Stakes().NewManualStake();
        stake.DrawNumber = 1;
        stake.Values = *ParseStakeValues(values);
        stake.Comment.SetText(comment);
        workspace.Stakes().File().Append(stake);
    }
    const TempDir& dir;
    FakeUiHost host;
    Workspace workspace{DataDirectory(dir.Path()), host, {}};
};

TEST(RatingFile, WrittenAfterEveryCheckAndReadBackSortedAtStart) {
    TempDir dir;
    {
        RatingWorld w(dir);
        w.Start();
        EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.lrt"));  // nothing to write back yet
        w.Stake("Мой", "1;2;3");
        w.Stake("мой", "1;0;0");
        w.Stake("Другой", "0;0;0");
        w.workspace.Stakes().CheckStakes();
        EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lrt").size(), 2 * RatingRecordSize);
        EXPECT_EQ(w.workspace.Stakes().RatingTexts(0)[0], "Мой");  // average 2 against 0
        EXPECT_EQ(w.workspace.Stakes().RatingTexts(0)[1], "2");
    }
    RatingWorld again(dir);
    again.Start();
    ASSERT_EQ(again.workspace.Stakes().Rating().Count(), 2);
    EXPECT_EQ(again.workspace.Stakes().Rating().Rows()[0].MatchesTotal, 4);
    EXPECT_TRUE(again.host.Messages.empty());
}

TEST(RatingFile, ATornFileLoadsItsWholeRowsSaysSoAndKeepsTheOldBytes) {
    TempDir dir;
    std::string bytes(2 * RatingRecordSize + 100, '\0');
    TRatingRow row = Row("Мой", 2, {1, 1, 0, 0});
    WriteRatingRecord(reinterpret_cast<uint8_t*>(bytes.data()), row);
    row.Comment.SetText("Другой");
    WriteRatingRecord(reinterpret_cast<uint8_t*>(bytes.data()) + RatingRecordSize, row);
    WriteBytes(dir / "Quorvel_3r10.lrt", bytes);
    RatingWorld w(dir);
    w.Start();
    EXPECT_EQ(w.workspace.Stakes().Rating().Count(), 2);
    EXPECT_EQ(w.host.Count("error"), 1);
    EXPECT_EQ(w.host.Last("error").rfind("Ошибка чтения файла рейтинга!\r\r", 0), 0u);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lrt.bak"), bytes);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lrt").size(), 2 * RatingRecordSize);
}

TEST(RatingRebuild, AsksFirstAndThenCountsOnlyTheStakesInTheFile) {
    TempDir dir;
    RatingWorld w(dir);
    w.Start();
    EXPECT_TRUE(w.workspace.Stakes().RebuildRating());  // an empty rating: no question
    EXPECT_EQ(w.host.Count("question"), 0);
    w.Stake("a", "1;2;3");
    w.Stake("b", "1;2;3");
    w.workspace.Stakes().CheckStakes();
    w.workspace.Stakes().File().DeleteRange(1, 1);
    EXPECT_EQ(w.workspace.Stakes().Rating().Count(), 2);
    EXPECT_FALSE(w.workspace.Stakes().RebuildRating());
    EXPECT_EQ(w.workspace.Stakes().Rating().Count(), 2);
    w.host.Answers = {true};
    EXPECT_TRUE(w.workspace.Stakes().RebuildRating());
    EXPECT_EQ(Comments(w.workspace.Stakes().Rating()), (std::vector<std::string>{"a"}));
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lrt").size(), RatingRecordSize);
}

TEST(RatingScript, RowsBecomeScenarioLinesOrAMessage) {
    TempDir dir;
    RatingWorld w(dir);
    w.Start();
    w.Stake("01.002: Мой @ FULL#RAND + TSD#NUMS:10#LNO:#SF:0", "1;2;3");
    w.Stake("Ставка \"вручную\"", "1;2;3");
    w.workspace.Stakes().CheckStakes();
    w.workspace.Stakes().SortRating(0, false);
    EXPECT_EQ(w.workspace.Stakes().RatingsToScript({1, 0}), 1);
    EXPECT_EQ(w.host.Last("warning"), "Строку\r\rСтавка \"вручную\"\r\rневозможно добавить в сценарий!");
    ASSERT_EQ(w.workspace.Script().Scenario().Count(), 1);
    EXPECT_EQ(w.workspace.Script().ScriptLine(0), "FULL#RAND|TSD#NUMS:10#LNO:#SF:0| | | | | | |01.002: Мой");
}

}  // namespace
}  // namespace quorvel
