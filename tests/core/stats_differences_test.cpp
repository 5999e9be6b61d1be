#include <gtest/gtest.h>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/registry.h"
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

TStatDraw Value(uint16_t w0, uint16_t w1 = 0, uint16_t w2 = 0, uint16_t w3 = 0) {
    TStatDraw value;
    value.Key = {w0, w1, w2, w3};
    return value;
}

using Rows = std::vector<std::string>;

class DifferencesFamily : public ::testing::Test {
protected:
    DifferencesFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int entry = stats.IndexOfCode(code);
        EXPECT_GE(entry, 0) << code;
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    TStatDrawArray Window(TCustomStat& stat, bool sorted) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        return table;
    }
    const TStatDraw* Find(const TStatDrawArray& table, uint16_t key) {
        for (const TStatDraw& row : table) {
            if (row.KeyBits() == Value(key).KeyBits()) return &row;
        }
        return nullptr;
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(DifferencesFamily, ValuesOfOneDraw) {
    struct Case {
        const char* Code;
        TDraw Draw;
        bool Sorted;
        Rows Expected;  // the rows with a count, in table order
        size_t RowCount;
    };
    const Case cases[] = {
        {"DIFA", Draw(1, 1, 3, 5), false, {"2=2"}, 9},
        {"DIFM", Draw(1, 1, 3, 5), false, {"2=1"}, 9},
        {"DIFD", Draw(1, 1, 3, 5), false, {"4=1"}, 9},
        {"DIFO", Draw(1, 1, 3, 5), false, {"2 x 2=1"}, 1},
        {"DIFK", Draw(1, 1, 3, 5), false, {"2=1"}, 2},
        {"KDS2", Draw(1, 1, 3, 5), false, {"2:2=1"}, 1},
        {"DIFA", Draw(1, 7, 2, 3), false, {"1=1", "5=1"}, 9},
        {"DIFM", Draw(1, 7, 2, 3), false, {"5=1"}, 9},
        {"DIFD", Draw(1, 7, 2, 3), false, {"5=1"}, 9},
        {"DIFO", Draw(1, 7, 2, 3), false, {"5 x 1=1", "1 x 1=1"}, 2},
        {"DIFK", Draw(1, 7, 2, 3), false, {"1=1"}, 2},
        {"KDS2", Draw(1, 7, 2, 3), false, {"5:1=1"}, 1},
        // Sorted draws read 2 3 7: the gaps between sorted values; the spread stays.
        {"DIFA", Draw(1, 7, 2, 3), true, {"1=1", "4=1"}, 9},
        {"KDS2", Draw(1, 7, 2, 3), true, {"1:4=1"}, 1},
        {"DIFD", Draw(1, 7, 2, 3), true, {"5=1"}, 9},
        {"DIFO", Draw(1, 7, 2, 3), true, {"1 x 1=1", "4 x 1=1"}, 2},
        // No difference: 0 is not listed in advance, so it shows as an extra row.
        {"DIFA", Draw(1, 4, 4, 4), false, {"0=2"}, 10},
        {"DIFM", Draw(1, 4, 4, 4), false, {"0=1"}, 10},
        {"DIFD", Draw(1, 4, 4, 4), false, {"0=1"}, 10},
        {"DIFO", Draw(1, 4, 4, 4), false, {"0 x 2=1"}, 1},
        {"DIFK", Draw(1, 4, 4, 4), false, {"2=1"}, 2},
        {"KDS2", Draw(1, 4, 4, 4), false, {"0:0=1"}, 1},
        // A damaged value gives a large difference, stored and never used as an index.
        {"DIFA", Draw(1, 200, 0, 0), false, {"200=1", "0=1"}, 11},
        {"DIFD", Draw(1, 0, 255, 0), false, {"255=1"}, 10},
        {"KDS2", Draw(1, 0, 255, 0), false, {"255:255=1"}, 1},
    };
    for (const Case& c : cases) {
        draws = {c.Draw};
        auto stat = Create(c.Code);
        const TStatDrawArray table = Window(*stat, c.Sorted);
        Rows counted;
        for (const TStatDraw& row : table) {
            if (row.Count > 0) counted.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        }
        const std::string label = std::string(c.Code) + (c.Sorted ? " sorted " : " ") +
                                  std::to_string(c.Draw.Values[0]) + std::to_string(c.Draw.Values[1]) +
                                  std::to_string(c.Draw.Values[2]);
        EXPECT_EQ(counted, c.Expected) << label;
        EXPECT_EQ(table.size(), c.RowCount) << label;
    }
}

TEST_F(DifferencesFamily, OnlyTheFirstDifferenceOfADrawRecordsAGap) {
    draws = {Draw(10, 1, 3, 5), Draw(12, 3, 5, 7)};
    auto difa = Create("DIFA");
    const TStatDrawArray twice = Window(*difa, false);
    const TStatDraw* two = Find(twice, 2);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->Count, 4);
    EXPECT_EQ(two->LastDraw, 12);
    EXPECT_EQ(two->PeriodMin, 2);
    EXPECT_EQ(two->PeriodMax, 2);

    // 3 is the second difference of draw 10 and the first of draws 15 and 17; 0 is only ever
    // a second difference after draw 10.
    draws = {Draw(10, 1, 1, 4), Draw(15, 4, 1, 1), Draw(17, 1, 4, 4)};
    const TStatDrawArray table = Window(*difa, false);
    const TStatDraw* three = Find(table, 3);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->Count, 3);
    EXPECT_EQ(three->PeriodMin, 2);
    EXPECT_EQ(three->PeriodMax, 5);
    const TStatDraw* zero = Find(table, 0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Count, 3);
    EXPECT_EQ(zero->LastDraw, 17);
    EXPECT_EQ(zero->Depth, 1);
    EXPECT_EQ(zero->PeriodMin, 0);
    EXPECT_EQ(zero->PeriodMax, 0);

    // Every other member tracks periods on each of its additions.
    auto difo = Create("DIFO");
    const TStatDrawArray pairs = Window(*difo, false);
    ASSERT_EQ(pairs.size(), 2u);  // 0 x 1 and 3 x 1
    EXPECT_EQ(pairs[1].PeriodMin, 2);
    EXPECT_EQ(pairs[1].PeriodMax, 5);
}

TEST_F(DifferencesFamily, MatchesTakeTheCombinationInItsOwnOrder) {
    struct Case {
        const char* Code;
        TStatDraw Selected;
        TComb Comb;
        bool Matches;
    };
    const Case cases[] = {
        {"DIFA", Value(5), Comb(7, 2, 3), true},  // first difference
        {"DIFA", Value(5), Comb(1, 1, 6), true},  // second difference
        {"DIFA", Value(5), Comb(7, 3, 2), false},
        {"DIFM", Value(5), Comb(7, 2, 3), true},
        {"DIFD", Value(5), Comb(2, 3, 7), true},
        {"DIFD", Value(5), Comb(1, 3, 5), false},
        {"DIFK", Value(2), Comb(1, 3, 5), true},
        {"DIFK", Value(2), Comb(7, 2, 3), false},
        {"DIFO", Value(2, 2), Comb(1, 3, 5), true},
        {"DIFO", Value(2, 2), Comb(5, 3, 1), true},
        {"DIFO", Value(2, 2), Comb(3, 5, 3), true},
        {"DIFO", Value(2, 2), Comb(1, 3, 6), false},
        {"DIFO", Value(3, 1), Comb(1, 3, 6), true},
        {"DIFO", Value(2, 1), Comb(1, 3, 5), false},  // the multiplicity is part of the value
        {"KDS2", Value(3, 5), Comb(1, 4, 9), true},
        {"KDS2", Value(3, 5), Comb(9, 6, 1), true},
        {"KDS2", Value(3, 5), Comb(4, 1, 6), true},
        {"KDS2", Value(3, 5), Comb(4, 9, 6), false},  // the pair is ordered
    };
    for (const Case& c : cases) {
        auto stat = Create(c.Code);
        EXPECT_EQ(stat->Matches(TStatDrawArray{c.Selected}, -1, c.Comb, true, false), c.Matches)
            << c.Code << " " << int(c.Comb.Values[0]) << int(c.Comb.Values[1]) << int(c.Comb.Values[2]);
    }
    auto graph = [&](const std::string& code, const TComb& comb) {
        auto stat = Create(code);
        return dynamic_cast<TCustomGraphStat&>(*stat).GraphValue(0, -1, comb, false);
    };
    EXPECT_EQ(graph("DIFM", Comb(7, 2, 3)), 5);
    EXPECT_EQ(graph("DIFD", Comb(7, 2, 3)), 5);
    EXPECT_EQ(graph("DIFK", Comb(1, 3, 5)), 2);
}

TEST_F(DifferencesFamily, FullSetCounts) {
    auto count = [&](const std::string& code, TStatDraw value) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        for (const TStatDraw& row : table) {
            if (row.KeyBits() == value.KeyBits()) return row.Count;
        }
        return 0;
    };
    EXPECT_EQ(count("DIFA", Value(0)), 200);  // per combination and per difference
    EXPECT_EQ(count("DIFM", Value(4)), 160);
    EXPECT_EQ(count("DIFD", Value(5)), 150);
    EXPECT_EQ(count("DIFK", Value(2)), 140);
    EXPECT_EQ(count("DIFO", Value(0, 2)), 10);
    EXPECT_EQ(count("DIFO", Value(1, 1)), 292);
    auto kds2 = Create("KDS2");
    TStatDrawArray table;
    EvaluateFullSet(*kds2, table);
    EXPECT_TRUE(table.empty());
}

TEST_F(DifferencesFamily, CatalogueEntriesAndTheLongerTuples) {
    stats.Rebuild();
    const Rows expected = {
        "DIFA { dif } Все разности между соседними позициями [ SN ]",
        "DIFM { dif } Максимальная разность между соседними позициями [ SNG ]",
        "DIFD { dif } Разность между минимальным и максимальным числом [ NG ]",
        "DIFO { dif } Одинаковые разности между соседними позициями [ SN ]",
        "DIFK { dif } Количество одинаковых разностей между соседними позициями [ SNG ]",
        "KDS2 { dif } Сочетания из 2 разностей между числами [ S ]",
    };
    for (const std::string& line : expected) {
        const std::string code = line.substr(0, 4);
        const int entry = stats.IndexOfCode(code);
        ASSERT_GE(entry, 0) << code;
        EXPECT_EQ(code + " " + stats.ListText(entry, true), line);
    }
    EXPECT_EQ(stats.IndexOfCode("DIFA"), stats.IndexOfCode("DIFD") - 2);
    EXPECT_EQ(stats.IndexOfCode("KDS3"), -1);
    EXPECT_EQ(Create("DIFA")->ParseListedValue("5"), 5);
    EXPECT_EQ(Create("DIFO")->ParseListedValue("5"), 0);
    EXPECT_EQ(Create("KDS2")->ParseListedValue("5"), 0);
    EXPECT_FALSE(Create("KDS2")->Class().SupportsFullSet());

    // The longer tuples keep their places without producing entries or values.
    for (int size : {3, 4}) {
        const TStatClass* tuple = nullptr;
        for (const TStatClass& c : RegisteredClasses()) {
            if (c.Position == 73 + size) tuple = &c;
        }
        ASSERT_NE(tuple, nullptr);
        EXPECT_EQ(tuple->Code(0), "KDS" + std::to_string(size));
        EXPECT_FALSE(tuple->Available);
        EXPECT_FALSE(tuple->NumericValues);
        EXPECT_EQ(tuple->Flags, FeaturePositional);
        draws = {Draw(1, 1, 4, 9)};
        auto stat = tuple->Create(*tuple, stats, 0);
        EXPECT_EQ(stat->ValueText(Value(1, 2, 3, 4)), size == 3 ? "1:2:3" : "1:2:3:4");
        EXPECT_TRUE(Window(*stat, false).empty());
        EXPECT_FALSE(stat->Matches(TStatDrawArray{Value(3, 5, 0, 0)}, -1, Comb(1, 4, 9), false, false));
    }
}

}  // namespace
}  // namespace quorvel
