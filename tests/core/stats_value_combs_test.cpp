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

TStatDrawArray Selected(std::initializer_list<std::array<uint16_t, 4>> keys) {
    TStatDrawArray selected;
    for (const auto& key : keys) {
        TStatDraw value;
        value.Key = key;
        selected.push_back(value);
    }
    return selected;
}

class ValueCombsFamily : public ::testing::Test {
protected:
    ValueCombsFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        const int index = stats.IndexOfCode(code);
        EXPECT_GE(index, 0) << code;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    TStatDrawArray Evaluate(TCustomStat& stat, bool sorted) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        return table;
    }
    // The rows of one method over the whole archive, as "text=count".
    std::vector<std::string> Rows(const std::string& code, bool sorted = false) {
        auto stat = Create(code);
        std::vector<std::string> rows;
        for (const TStatDraw& row : Evaluate(*stat, sorted))
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
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

TEST_F(ValueCombsFamily, CatalogueOffersThePairsAndTriplesOnly) {
    struct Case {
        const char* code;
        const char* title;
        const char* letters;
    };
    const Case offered[] = {
        {"KNM2", "Сочетания из 2 чисел по всем числам тиража", "S"},
        {"KNM3", "Сочетания из 3 чисел по всем числам тиража", "S"},
        {"KNS2", "Сочетания из 2 соседних чисел тиража", "S"},
        {"KNS3", "Сочетания из 3 соседних чисел тиража", "S"},
        {"KNP21", "Сочетания из 2-х чисел тиража начиная с 1 позиции", "S"},
        {"KNP22", "Сочетания из 2-х чисел тиража начиная с 2 позиции", "S"},
        {"KNP31", "Сочетания из 3-х чисел тиража начиная с 1 позиции", "S"},
        {"KNO2", "Сочетания из 2 чисел тиража по возрастанию", ""},
        {"KNO3", "Сочетания из 3 чисел тиража по возрастанию", ""},
    };
    int previous = -1;
    for (const Case& c : offered) {
        const int index = stats.IndexOfCode(c.code);
        ASSERT_GE(index, 0) << c.code;
        EXPECT_GT(index, previous) << c.code;  // in the order of the registration table
        previous = index;
        const TStatMethod& entry = stats.Items[static_cast<size_t>(index)];
        EXPECT_EQ(entry.Title(), c.title);
        EXPECT_EQ(FeatureLetters(entry.StatClass->DisplayFlags()), c.letters) << c.code;
        EXPECT_EQ(entry.StatClass->Group, 0);
        EXPECT_FALSE(entry.StatClass->NumericValues);
        EXPECT_FALSE(entry.StatClass->SupportsFullSet());
    }
    for (const char* code : {"KNM4", "KNS4", "KNO4", "KNP41", "KNP23", "KNP32"})
        EXPECT_EQ(stats.IndexOfCode(code), -1) << code;
    EXPECT_EQ(stats.Items[static_cast<size_t>(stats.IndexOfCode("KNP22"))].StatClass->HelpTopicFormat(),
              "KNP2");
}

TEST_F(ValueCombsFamily, WorkedExampleOfDraw723) {
    draws = {Draw(1, 7, 2, 3)};
    struct Case {
        const char* code;
        bool sorted;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"KNM2", false, {"7:2=1", "7:3=1", "2:3=1"}},
        {"KNM3", false, {"7:2:3=1"}},
        {"KNS2", false, {"7:2=1", "2:3=1"}},
        {"KNS3", false, {"7:2:3=1"}},
        {"KNP21", false, {"7:2=1"}},
        {"KNP22", false, {"2:3=1"}},
        {"KNP31", false, {"7:2:3=1"}},
        {"KNO2", false, {"2:3=1", "3:7=1"}},
        {"KNO3", false, {"2:3:7=1"}},
        // The sorted-draws option reorders the positional tuples but not the ascending ones.
        {"KNM2", true, {"2:3=1", "2:7=1", "3:7=1"}},
        {"KNS3", true, {"2:3:7=1"}},
        {"KNO2", true, {"2:3=1", "3:7=1"}},
        {"KNO3", true, {"2:3:7=1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.code, c.sorted), c.rows) << c.code << (c.sorted ? " sorted" : "");
}

TEST_F(ValueCombsFamily, EqualTuplesOfOneDrawCountEachTime) {
    draws = {Draw(1, 5, 5, 5)};
    EXPECT_EQ(Rows("KNM2"), (std::vector<std::string>{"5:5=3"}));
    EXPECT_EQ(Rows("KNS2"), (std::vector<std::string>{"5:5=2"}));
    EXPECT_EQ(Rows("KNO2"), (std::vector<std::string>{"5:5=2"}));
    EXPECT_EQ(Rows("KNP22"), (std::vector<std::string>{"5:5=1"}));
}

TEST_F(ValueCombsFamily, TuplesTrackDepthAndPeriodsOverDraws) {
    draws = {Draw(10, 7, 2, 3), Draw(13, 7, 2, 5), Draw(20, 7, 2, 0), Draw(21, 1, 1, 1)};
    auto stat = Create("KNP21");
    const TStatDrawArray table = Evaluate(*stat, false);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(stat->ValueText(table[0]), "7:2");
    EXPECT_EQ(table[0].Count, 3);
    EXPECT_EQ(table[0].LastDraw, 20);
    EXPECT_EQ(table[0].Depth, 2);
    EXPECT_EQ(table[0].PeriodMin, 3);
    EXPECT_EQ(table[0].PeriodMax, 7);
    // The value's next occurrence after the window: none in this archive.
    EXPECT_EQ(stat->FindNext(table[0], 3, 3, false), -1);
    EXPECT_EQ(stat->FindNext(table[0], 1, 1, false), 13);
}

TEST_F(ValueCombsFamily, MatchesFollowEachScheme) {
    draws = {Draw(1, 1, 2, 3)};
    struct Case {
        const char* code;
        TComb comb;
        bool matches;
    };
    const TStatDrawArray pair = Selected({{2, 3, 0, 0}});
    const Case pairCases[] = {
        {"KNO2", Comb(3, 2, 9), true},  {"KNO2", Comb(2, 3, 9), true},   {"KNO2", Comb(9, 3, 2), true},
        {"KNO2", Comb(2, 9, 9), false}, {"KNS2", Comb(2, 3, 9), true},   {"KNS2", Comb(9, 2, 3), true},
        {"KNS2", Comb(3, 2, 9), false}, {"KNS2", Comb(2, 9, 3), false},  {"KNM2", Comb(2, 9, 3), true},
        {"KNM2", Comb(3, 9, 2), false}, {"KNP21", Comb(2, 3, 9), true},  {"KNP21", Comb(9, 2, 3), false},
        {"KNP22", Comb(9, 2, 3), true}, {"KNP22", Comb(2, 3, 9), false},
    };
    for (const Case& c : pairCases)
        EXPECT_EQ(Matches(c.code, pair, c.comb), c.matches)
            << c.code << " " << int(c.comb.Values[0]) << int(c.comb.Values[1]) << int(c.comb.Values[2]);
    // A triple compares all three values in their order.
    const TStatDrawArray triple = Selected({{7, 2, 3, 0}});
    EXPECT_TRUE(Matches("KNM3", triple, Comb(7, 2, 3)));
    EXPECT_TRUE(Matches("KNP31", triple, Comb(7, 2, 3)));
    EXPECT_FALSE(Matches("KNS3", triple, Comb(2, 7, 3)));
    EXPECT_FALSE(Matches("KNM3", triple, Comb(7, 2, 4)));
    EXPECT_FALSE(Matches("KNO3", triple, Comb(7, 2, 3)));
    EXPECT_TRUE(Matches("KNO3", Selected({{2, 3, 7, 0}}), Comb(7, 2, 3)));
}

TEST_F(ValueCombsFamily, DamagedValuesStayInTheirWords) {
    draws = {Draw(1, 12, 200, 3)};
    EXPECT_EQ(Rows("KNM2"), (std::vector<std::string>{"12:200=1", "12:3=1", "200:3=1"}));
    EXPECT_EQ(Rows("KNO3"), (std::vector<std::string>{"3:12:200=1"}));
}

}  // namespace
}  // namespace quorvel
