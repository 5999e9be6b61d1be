#include <gtest/gtest.h>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

class NumbersFamily : public ::testing::Test {
protected:
    NumbersFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    // The rows of one method over the whole archive, as "text=count".
    std::vector<std::string> Rows(const std::string& code) {
        stats.Rebuild();
        auto stat = stats.Items[static_cast<size_t>(stats.IndexOfCode(code))].CreateStat(stats);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, 0, static_cast<int>(draws.size()) - 1, false, table, scratch, lastValues);
        std::vector<std::string> rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        return stats.Items[static_cast<size_t>(stats.IndexOfCode(code))].CreateStat(stats);
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(NumbersFamily, TheWorkedExampleOfDraw274) {
    draws = {Draw(1, 2, 7, 4)};
    EXPECT_EQ(Rows("EVEN"), (std::vector<std::string>{"1:2=0", "2:1=1", "3:0=0"}));
    EXPECT_EQ(Rows("EVNV")[2], "ЧнЧ (002)=1");
    EXPECT_EQ(Rows("EVNV").size(), 8u);
    EXPECT_EQ(Rows("SMAL")[1], "2:1=1");
    EXPECT_EQ(Rows("SMLV"), (std::vector<std::string>{"121 (002)=1"}));  // nothing listed in advance
    EXPECT_EQ(Rows("PRIM")[1], "2:1=1");
    EXPECT_EQ(Rows("PRMV")[6], "ППС (006)=1");
    EXPECT_EQ(Rows("POS2")[7], "7=1");
    EXPECT_EQ(Rows("NUMS")[2], "2=1");
    EXPECT_EQ(Rows("DIGS"), (std::vector<std::string>{"2=1", "7=1", "4=1"}));
}

TEST_F(NumbersFamily, AllZeroAndPrimeOneDraws) {
    draws = {Draw(1, 0, 0, 0)};
    EXPECT_EQ(Rows("NUMS")[0], "0=3");
    EXPECT_EQ(Rows("EVEN")[2], "3:0=1");
    EXPECT_EQ(Rows("EVNV")[0], "ЧЧЧ (000)=1");
    EXPECT_EQ(Rows("SMAL")[2], "3:0=1");
    // No prime value: the row 0:3 appears after the three listed in advance.
    EXPECT_EQ(Rows("PRIM"), (std::vector<std::string>{"1:2=0", "2:1=0", "3:0=0", "0:3=1"}));
    draws = {Draw(1, 1, 9, 8)};
    EXPECT_EQ(Rows("PRIM")[0], "1:2=1");
    EXPECT_EQ(Rows("PRMV")[4], "ПСС (004)=1");
}

TEST_F(NumbersFamily, ValueTextsParseBack) {
    auto evnv = Create("EVNV");
    EXPECT_EQ(evnv->ParseValue("нЧн (005)"), 5);
    EXPECT_EQ(evnv->ParseValue("ЧЧ"), 0);
    EXPECT_EQ(evnv->ParseValue(""), 0);
    auto prmv = Create("PRMV");
    EXPECT_EQ(prmv->ParseValue("ПСП"), 5);
    auto even = Create("EVEN");
    EXPECT_EQ(even->ParseValue("2:1"), 2);
    EXPECT_EQ(even->ParseValue("2"), 0);
    EXPECT_EQ(Create("NUMS")->ParseValue(" 7 "), 7);
    EXPECT_EQ(Create("NUMS")->ParseValue("x"), 0);
}

TEST_F(NumbersFamily, MatchesTestsTheCombinationItself) {
    auto nums = Create("NUMS");
    TStatDrawArray selected(2);
    selected[0].Key[0] = 3;
    selected[1].Key[0] = 5;
    EXPECT_TRUE(nums->Matches(selected, -1, Comb(1, 3, 9), false, false));
    EXPECT_FALSE(nums->Matches(selected, -1, Comb(2, 2, 2), false, false));
    // A damaged list may hold values beyond the game's, selected or not.
    TStatDrawArray large(1);
    large[0].Key[0] = 67;
    EXPECT_TRUE(nums->Matches(large, -1, Comb(1, 67, 9), false, false));
    EXPECT_FALSE(nums->Matches(large, -1, Comb(3, 200, 3), false, false));
    EXPECT_FALSE(nums->Matches(selected, -1, Comb(67, 2, 2), false, false));
    EXPECT_TRUE(nums->Matches(selected, -1, Comb(67, 5, 2), false, false));
    TStatDrawArray wide(1);
    wide[0].Key = {3, 1, 0, 0};  // not the value 3: the whole key counts
    EXPECT_FALSE(nums->Matches(wide, -1, Comb(3, 3, 3), false, false));
    auto pos3 = Create("POS3");
    TStatDrawArray seven(1);
    seven[0].Key[0] = 7;
    EXPECT_TRUE(pos3->Matches(seven, -1, Comb(0, 0, 7), false, false));
    EXPECT_FALSE(pos3->Matches(seven, -1, Comb(7, 7, 0), false, false));
    auto evnv = Create("EVNV");
    TStatDrawArray mask(1);
    mask[0].SetKeyDword(1, 5);  // odd, even, odd
    EXPECT_TRUE(evnv->Matches(mask, -1, Comb(1, 2, 3), false, false));
    EXPECT_FALSE(evnv->Matches(mask, -1, Comb(2, 1, 3), false, false));
    auto digs = Create("DIGS");
    EXPECT_TRUE(digs->Matches(selected, -1, Comb(0, 0, 5), false, false));
}

TEST_F(NumbersFamily, FullSetCountsAndGraphValues) {
    auto count = [&](const std::string& code, uint32_t key) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        for (const TStatDraw& row : table) {
            if (row.KeyDword(1) == key) return row.Count;
        }
        return -1;
    };
    EXPECT_EQ(count("NUMS", 4), 300);
    EXPECT_EQ(count("POS1", 9), 100);
    EXPECT_EQ(count("EVEN", 0), 125);
    EXPECT_EQ(count("EVEN", 2), 375);
    EXPECT_EQ(count("PRMV", 7), 125);
    EXPECT_EQ(count("SMLV", 0), 125);
    draws = {Draw(1, 2, 7, 4)};
    auto pos2 = Create("POS2");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*pos2).DrawGraphValue(0, -1, false), 7);
    auto even = Create("EVEN");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*even).GraphValue(0, -1, Comb(2, 4, 6), false), 3);
}

}  // namespace
}  // namespace quorvel
