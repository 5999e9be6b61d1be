#include <gtest/gtest.h>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/families/divav.h"
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

TStatDrawArray Selected(std::initializer_list<int> values) {
    TStatDrawArray selected;
    for (int v : values) {
        TStatDraw value;
        value.Key[0] = static_cast<uint16_t>(v);
        selected.push_back(value);
    }
    return selected;
}

class DivavFamily : public ::testing::Test {
protected:
    DivavFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        const int index = stats.IndexOfCode(code);
        EXPECT_GE(index, 0) << code;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    // The rows over the window firstIndex..lastIndex, as "text=count".
    std::vector<std::string> Rows(const std::string& code, int firstIndex, int lastIndex,
                                  bool sorted = false) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, firstIndex, lastIndex, sorted, table, scratch, lastValues);
        std::vector<std::string> rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    std::vector<std::string> Rows(const std::string& code) {
        return Rows(code, 0, static_cast<int>(draws.size()) - 1);
    }
    bool Matches(const std::string& code, const TStatDrawArray& selected, const TComb& comb) {
        auto stat = Create(code);
        const int refIndex = static_cast<int>(draws.size()) - 1;
        stat->LoadDraws(-1, refIndex, false);
        return stat->Matches(selected, refIndex, comb, false, false);
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST(DivavNumber, WorkedExamplesInEveryMode) {
    struct Case {
        std::array<uint8_t, PositionCount> values;
        int difference;
        int sumOnSmall;
        TDivavNumber pairOnOne;
    };
    const Case cases[] = {
        {{7, 2, 3}, 4, 4, {4, false}},   {{1, 3, 5}, 0, 4, {4, false}}, {{1, 2, 4}, 1, 3, {3, true}},
        {{9, 0, 9}, 0, 18, {18, false}}, {{2, 3, 7}, 3, 3, {3, false}}, {{5, 5, 5}, 0, 0, {0, false}},
        {{0, 1, 1}, 1, 1, {1, true}},
    };
    for (const Case& c : cases) {
        const std::string name =
            std::to_string(c.values[0]) + std::to_string(c.values[1]) + std::to_string(c.values[2]);
        EXPECT_EQ(DivavNumberOf(c.values, DivavMode::Difference).Value, c.difference) << name;
        EXPECT_EQ(DivavNumberOf(c.values, DivavMode::SumOnSmall).Value, c.sumOnSmall) << name;
        const TDivavNumber pair = DivavNumberOf(c.values, DivavMode::PairOnOne);
        EXPECT_EQ(pair.Value, c.pairOnOne.Value) << name;
        EXPECT_EQ(pair.Pair, c.pairOnOne.Pair) << name;
    }
}

TEST(DivavNumber, ListsOfOtherLengthsReduceToTwoValues) {
    std::array<int, 2> two{3, 4};  // difference 1, sum 7
    EXPECT_EQ(DivavNumberOf(std::span<int>(two), DivavMode::Difference).Value, 1);
    EXPECT_EQ(DivavNumberOf(std::span<int>(two), DivavMode::SumOnSmall).Value, 7);
    // 1 4 9 3 -> 3 5 6 -> 2 1: difference 1, sum 3.
    std::array<int, 4> four{1, 4, 9, 3};
    const TDivavNumber number = DivavNumberOf(std::span<int>(four), DivavMode::PairOnOne);
    EXPECT_EQ(number.Value, 3);
    EXPECT_TRUE(number.Pair);
    std::array<int, 1> one{6};
    EXPECT_EQ(DivavNumberOf(std::span<int>(one), DivavMode::Difference).Value, 6);
}

TEST_F(DivavFamily, CatalogueEntries) {
    struct Case {
        const char* code;
        const char* title;
        const char* letters;
        bool numeric;
    };
    const Case cases[] = {
        {"HCO1", "Число Veveda 1 (только разность)", "SNG", true},
        {"HCO2", "Число Veveda 2 (разность + сложение, если {0,1})", "SNG", true},
        {"HCO3", "Числа Veveda 3 (динамический, только фильтр)", "SD", false},
    };
    for (const Case& c : cases) {
        const int index = stats.IndexOfCode(c.code);
        ASSERT_GE(index, 0) << c.code;
        const TStatMethod& entry = stats.Items[static_cast<size_t>(index)];
        EXPECT_EQ(entry.Title(), c.title);
        EXPECT_EQ(FeatureLetters(entry.StatClass->DisplayFlags()), c.letters);
        EXPECT_EQ(entry.StatClass->Group, 11);
        EXPECT_EQ(entry.StatClass->NumericValues, c.numeric);
    }
    EXPECT_EQ(stats.IndexOfCode("HCO2"), stats.IndexOfCode("HCO1") + 1);
    EXPECT_EQ(stats.IndexOfCode("HCO3"), stats.IndexOfCode("HCO2") + 1);
}

TEST_F(DivavFamily, HcoOneAndTwoCountEveryDraw) {
    draws = {Draw(1, 7, 2, 3), Draw(2, 1, 3, 5), Draw(3, 1, 2, 4), Draw(4, 9, 0, 9), Draw(5, 8, 3, 4)};
    EXPECT_EQ(Rows("HCO1"), (std::vector<std::string>{"4=2", "0=2", "1=1"}));
    EXPECT_EQ(Rows("HCO2"), (std::vector<std::string>{"4=3", "3=1", "18=1"}));
    // Sorted, 7 2 3 is taken as 2 3 7.
    EXPECT_EQ(Rows("HCO1", 0, 0, true), (std::vector<std::string>{"3=1"}));
    auto hco2 = Create("HCO2");
    auto& graph = dynamic_cast<TCustomGraphStat&>(*hco2);
    EXPECT_EQ(graph.DrawGraphValue(2, -1, false), 3);
    EXPECT_EQ(graph.DrawGraphValue(3, -1, false), 18);
    EXPECT_EQ(graph.GraphValue(0, -1, Comb(1, 3, 5), false), 4);
}

TEST_F(DivavFamily, FullSetCounts) {
    auto count = [&](const std::string& code, int key) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        int total = 0;
        int found = 0;
        for (const TStatDraw& row : table) {
            total += row.Count;
            if (row.Key[0] == key) found = row.Count;
        }
        EXPECT_EQ(total, 1000) << code;
        return found;
    };
    // Only 0 9 0 and 9 0 9 reach 18; a difference of 9 needs a step of 9 next to a step of 0.
    EXPECT_EQ(count("HCO2", 18), 2);
    EXPECT_EQ(count("HCO1", 9), 4);
    EXPECT_EQ(count("HCO1", 18), 0);
}

TEST_F(DivavFamily, HcoOneAndTwoMatchTheCombinationsOwnNumber) {
    draws = {Draw(1, 1, 1, 1)};
    EXPECT_TRUE(Matches("HCO1", Selected({4}), Comb(7, 2, 3)));
    EXPECT_FALSE(Matches("HCO1", Selected({4}), Comb(2, 3, 7)));
    // A selected 18 keeps the combinations whose own number is 18.
    EXPECT_TRUE(Matches("HCO2", Selected({18}), Comb(0, 9, 0)));
    EXPECT_TRUE(Matches("HCO2", Selected({18}), Comb(9, 0, 9)));
    EXPECT_FALSE(Matches("HCO2", Selected({18}), Comb(9, 9, 0)));
    EXPECT_TRUE(Matches("HCO2", Selected({3, 5}), Comb(1, 2, 4)));
}

TEST_F(DivavFamily, HcoThreeProposesForTheNewestDrawOnly) {
    draws = {Draw(1, 1, 3, 5), Draw(2, 7, 2, 3), Draw(3, 1, 2, 4), Draw(4, 9, 6, 0),
             Draw(5, 8, 4, 1), Draw(6, 9, 0, 9), Draw(7, 5, 5, 5)};
    struct Case {
        int firstIndex;
        int lastIndex;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        // 7 2 3: 4 and its multiple 8; the next draw 1 2 4 holds only the 4.
        {1, 1, {"4=1", "8=0"}},
        // Any window size: only the newest draw proposes.
        {0, 1, {"4=1", "8=0"}},
        // 1 2 4 gives the pair (1, 3) with the multiples 9 and 6, both in 9 6 0.
        {0, 2, {"3 (1)=0", "9=1", "6=1"}},
        // 9 6 0: d 3 and 6, r 3, multiples 9 and 6 (not 3); the next draw 8 4 1 holds none.
        {3, 3, {"3=0", "9=0", "6=0"}},
        // 8 4 1: d 4 and 3, r 1: the pair (1, 7); 7 is not in 9 0 9.
        {4, 4, {"7 (1)=0"}},
        // 9 0 9 gives 18 and no multiple.
        {5, 5, {"18=0"}},
        // The archive's newest draw has no next draw: it reads as 0 0 0, so only 0 counts.
        {6, 6, {"0=1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows("HCO3", c.firstIndex, c.lastIndex), c.rows) << c.firstIndex << ".." << c.lastIndex;
    draws.back() = Draw(7, 1, 3, 5);
    EXPECT_EQ(Rows("HCO3", 6, 6), (std::vector<std::string>{"4=0", "8=0"}));
}

TEST_F(DivavFamily, HcoThreeRowsCarryTheNewestDraw) {
    draws = {Draw(11, 7, 2, 3), Draw(12, 8, 4, 1), Draw(13, 4, 8, 0)};
    auto stat = Create("HCO3");
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*stat, 0, 1, false, table, scratch, lastValues);
    ASSERT_EQ(table.size(), 1u);  // 8 4 1: the pair (1, 7)
    EXPECT_EQ(table[0].Key, (std::array<uint16_t, 4>{7, 1, 0, 2}));
    EXPECT_EQ(table[0].LastDraw, 12);
    EXPECT_EQ(table[0].Depth, 1);
}

TEST_F(DivavFamily, HcoThreeMatchesAnyValueOfTheCombination) {
    draws = {Draw(1, 1, 2, 4)};
    TStatDrawArray pair = Selected({3});
    pair[0].Key[1] = 1;
    pair[0].Key[3] = 2;
    EXPECT_TRUE(Matches("HCO3", pair, Comb(0, 0, 3)));
    EXPECT_TRUE(Matches("HCO3", Selected({9, 6}), Comb(6, 1, 1)));
    EXPECT_FALSE(Matches("HCO3", Selected({9, 6}), Comb(1, 2, 4)));
    // Numbers above 9 are proposed but no combination holds them.
    for (int v = 0; v < 10; ++v)
        EXPECT_FALSE(Matches("HCO3", Selected({18}), Comb(v, 9 - v, v)));
}

}  // namespace
}  // namespace quorvel
