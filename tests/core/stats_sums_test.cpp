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

// A selection of values, each given as the signed numbers of its two 32-bit halves.
TStatDrawArray Selected(std::initializer_list<std::pair<int, int>> values) {
    TStatDrawArray selected;
    for (auto [low, high] : values) {
        TStatDraw entry;
        entry.SetKeyDword(1, static_cast<uint32_t>(low));
        entry.SetKeyDword(2, static_cast<uint32_t>(high));
        selected.push_back(entry);
    }
    return selected;
}

using Texts = std::vector<std::string>;

class SumsFamily : public ::testing::Test {
protected:
    SumsFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int entry = stats.IndexOfCode(code);
        EXPECT_GE(entry, 0) << code;
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    // The rows of a window as "text=count".
    Texts Rows(TCustomStat& stat, int first, int last, bool sorted = false) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, first, last, sorted, table, scratch, lastValues);
        Texts rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat.ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    Texts Rows(const std::string& code, int first, int last) { return Rows(*Create(code), first, last); }
    int FullSetCount(const std::string& code, uint32_t key) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        for (const TStatDraw& row : table) {
            if (row.KeyDword(1) == key) return row.Count;
        }
        return 0;
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(SumsFamily, ValuesOfOneDraw) {
    struct Case {
        const char* Code;
        TDraw Draw;
        Texts Expected;  // the rows with a count, in table order
        size_t RowCount;
    };
    const Case cases[] = {
        {"SUMS", Draw(1, 0, 0, 1), {"1=1"}, 23},  // below the listed 3..24: an extra row
        {"SUMS", Draw(1, 3, 5, 4), {"12=1"}, 22},
        {"SUM1", Draw(1, 2, 2, 1), {"Остальные=1"}, 2},
        {"SUM1", Draw(1, 9, 9, 3), {"6-21=1"}, 2},
        {"SUM2", Draw(1, 0, 0, 8), {"8-19=1"}, 2},
        {"SUM2", Draw(1, 9, 9, 2), {"Остальные=1"}, 2},
        {"SUM3", Draw(1, 0, 9, 0), {"9-18=1"}, 2},
        {"SUM3", Draw(1, 9, 9, 1), {"Остальные=1"}, 2},
        {"SUME", Draw(1, 2, 3, 0), {"2=1"}, 1},  // 0 counts as even
        {"SUMP", Draw(1, 1, 4, 7), {"8=1"}, 1},  // 1 counts as prime
        {"SUMP", Draw(1, 0, 4, 9), {"0=1"}, 1},
        {"S2T3", Draw(1, 0, 0, 0), {"3=1"}, 1},
        {"S2T3", Draw(1, 1, 2, 3), {"1=1"}, 1},
        {"S2T3", Draw(1, 0, 5, 5), {"2=1"}, 1},
        {"S2T3", Draw(1, 2, 3, 9), {"0=1"}, 1},
        // A damaged value is only added up, never used as an index.
        {"SUMS", Draw(1, 200, 0, 0), {"200=1"}, 23},
        {"S2T3", Draw(1, 200, 100, 100), {"1=1"}, 1},
    };
    for (const Case& c : cases) {
        draws = {c.Draw};
        const Texts rows = Rows(c.Code, 0, 0);
        Texts counted;
        for (const std::string& row : rows) {
            if (row.substr(row.size() - 2) != "=0") counted.push_back(row);
        }
        EXPECT_EQ(counted, c.Expected)
            << c.Code << " " << int(c.Draw.Values[0]) << int(c.Draw.Values[1]) << int(c.Draw.Values[2]);
        EXPECT_EQ(rows.size(), c.RowCount) << c.Code;
    }
    draws = {Draw(1, 0, 0, 1)};
    EXPECT_EQ(Rows("SUMS", 0, 0).front(), "3=0");
    EXPECT_EQ(Rows("SUM1", 0, 0), (Texts{"Остальные=1", "6-21=0"}));
}

TEST_F(SumsFamily, CatalogueEntriesAndTheirTexts) {
    stats.Rebuild();
    const int first = stats.IndexOfCode("SUMS");
    ASSERT_GT(first, 0);
    EXPECT_EQ(stats.Items[static_cast<size_t>(first - 1)].Code(), "PRMV");
    const Texts expected = {
        "SUMS { sum } Сумма тиража: все значения [ NG ]",
        "SUM1 { sum } Сумма тиража: диапазон 1 (1/3) [ NG ]",
        "SUM2 { sum } Сумма тиража: диапазон 2 (1/2) [ NG ]",
        "SUM3 { sum } Сумма тиража: диапазон 3 (2/3) [ NG ]",
        "SUMC { sum } Сумма тиража: изменения (точно) [ DG ]",
        "SUMV { sum } Сумма тиража: изменения (диапазон) [ D ]",
        "SUMT { sum } Сумма тиража: направление изменения [ DG ]",
        "SUME { sum } Сумма тиража: только четные [ NG ]",
        "SUMP { sum } Сумма тиража: только простые [ NG ]",
        "S2T3 { sum } Сумма двух чисел тиража равна третьему числу [ NG ]",
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const int entry = first + static_cast<int>(i);
        EXPECT_EQ(stats.Items[static_cast<size_t>(entry)].Code() + " " + stats.ListText(entry, true),
                  expected[i]);
    }
    const TStatClass& ranges = *stats.Items[static_cast<size_t>(first + 1)].StatClass;
    EXPECT_EQ(ranges.Title(0), "");
    EXPECT_EQ(ranges.Title(4), "");
    // Only the plain numbers can be listed by value in a selection rule.
    EXPECT_EQ(Create("SUMS")->ParseListedValue("12"), 12);
    EXPECT_EQ(Create("S2T3")->ParseListedValue("2"), 2);
    for (const char* code : {"SUM1", "SUMC", "SUMV", "SUMT"})
        EXPECT_EQ(Create(code)->ParseListedValue("1"), 0) << code;
}

TEST_F(SumsFamily, MatchesAndGraphValuesOfCombinations) {
    struct Case {
        const char* Code;
        TStatDrawArray Selected;
        TComb Comb;
        bool Matches;
    };
    const Case cases[] = {
        {"SUMS", Selected({{5, 0}}), Comb(2, 2, 1), true},
        {"SUMS", Selected({{5, 7}}), Comb(2, 2, 1), false},  // the other words must be zero
        {"SUME", Selected({{10, 0}}), Comb(4, 6, 3), true},
        {"SUME", Selected({{10, 0}}), Comb(5, 5, 0), false},
        {"SUMP", Selected({{10, 0}}), Comb(3, 7, 4), true},
        {"SUMP", Selected({{10, 0}}), Comb(9, 1, 0), false},
        {"S2T3", Selected({{2, 0}}), Comb(5, 0, 5), true},
        {"S2T3", Selected({{2, 0}}), Comb(1, 2, 3), false},
        // The range methods: the value 1 selects in-range sums, its absence out-of-range ones.
        {"SUM1", Selected({{1, 0}}), Comb(9, 9, 3), true},
        {"SUM1", Selected({{1, 0}}), Comb(2, 2, 1), false},
        {"SUM1", Selected({{0, 0}}), Comb(2, 2, 1), true},
        {"SUM1", Selected({{0, 0}, {1, 0}}), Comb(9, 9, 3), true},
        {"SUM1", Selected({{0, 0}, {1, 0}}), Comb(9, 9, 4), false},
        {"SUM1", Selected({}), Comb(0, 0, 0), true},
        {"SUM3", Selected({{1, 0}}), Comb(0, 9, 9), true},
        {"SUM3", Selected({{1, 0}}), Comb(1, 9, 9), false},
    };
    for (const Case& c : cases) {
        auto stat = Create(c.Code);
        EXPECT_EQ(stat->Matches(c.Selected, -1, c.Comb, false, false), c.Matches)
            << c.Code << " " << int(c.Comb.Values[0]) << int(c.Comb.Values[1]) << int(c.Comb.Values[2]);
    }
    auto graph = [&](const std::string& code, const TComb& comb) {
        auto stat = Create(code);
        return dynamic_cast<TCustomGraphStat&>(*stat).GraphValue(0, -1, comb, false);
    };
    EXPECT_EQ(graph("SUMS", Comb(9, 8, 7)), 24);
    EXPECT_EQ(graph("SUME", Comb(9, 8, 0)), 8);
    EXPECT_EQ(graph("SUMP", Comb(9, 8, 7)), 7);
    EXPECT_EQ(graph("SUM2", Comb(9, 8, 7)), 0);
    EXPECT_EQ(graph("SUM2", Comb(1, 8, 7)), 1);
    EXPECT_EQ(graph("S2T3", Comb(0, 0, 0)), 3);
}

TEST_F(SumsFamily, FullSetCounts) {
    EXPECT_EQ(FullSetCount("SUMS", 13), 75);
    EXPECT_EQ(FullSetCount("SUM1", 1), 888);
    EXPECT_EQ(FullSetCount("SUM2", 1), 760);
    EXPECT_EQ(FullSetCount("SUM3", 1), 670);
    EXPECT_EQ(FullSetCount("SUME", 0), 216);
    EXPECT_EQ(FullSetCount("SUMP", 0), 125);
    EXPECT_EQ(FullSetCount("S2T3", 1), 108);
}

// The change methods count a draw only when the draw before it resembles the newest draw.
class SumChanges : public SumsFamily {
protected:
    SumChanges() {
        // sum:         12           15           12           8            9
        draws = {
            Draw(10, 4, 4, 4), Draw(11, 5, 5, 5), Draw(12, 3, 4, 5), Draw(13, 2, 2, 4), Draw(14, 4, 5, 0),
            // 10           10           14           12           12
            Draw(15, 1, 1, 8), Draw(16, 5, 0, 5), Draw(17, 6, 3, 5), Draw(18, 4, 4, 4), Draw(19, 3, 3, 6)};
    }
};

TEST_F(SumChanges, WindowsCountDrawsAfterSumsLikeTheNewest) {
    struct Case {
        const char* Code;
        int First;
        int Last;
        Texts Expected;
    };
    const Case cases[] = {
        // Newest sum 12: draws after a 12 (indices 1, 3 and the newest itself).
        {"SUMC", 0, 9, {"+03 : 12 + 3 = 15=1", "- 04 : 12 - 4 = 8=1", "+00 : 12 + 0 = 12=1"}},
        {"SUMT", 0, 9, {"==1", "+=1", "-=1"}},
        // Within 2 of the predecessor: after 12, 12, 10, 10, 14, 12; not after 0, 15, 8 or 9.
        {"SUMV", 0, 9, {"+03=1", "- 04=1", "+00=2", "+04=1", "- 02=1"}},
        // The first draw of a window takes its predecessor from the archive.
        {"SUMC", 3, 9, {"- 04 : 12 - 4 = 8=1", "+00 : 12 + 0 = 12=1"}},
        {"SUMC", 2, 9, {"- 04 : 12 - 4 = 8=1", "+00 : 12 + 0 = 12=1"}},
        // A window ending earlier compares with its own newest draw (sum 10).
        {"SUMC", 0, 6, {"+00 : 10 + 0 = 10=1"}},
        {"SUMC", 0, 5, {}},
        {"SUMT", 0, 5, {"==0", "+=0", "-=0"}},  // listed even when nothing is added
        {"SUMV", 0, 4, {"+01=1"}},              // newest sum 9: only after the 8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rows(c.Code, c.First, c.Last), c.Expected) << c.Code << " " << c.First << ".." << c.Last;
        // Sorting the values of each draw changes no sum.
        EXPECT_EQ(Rows(*Create(c.Code), c.First, c.Last, true), c.Expected) << c.Code << " sorted";
    }
}

TEST_F(SumChanges, TheOldestDrawFollowsTheZeroDraw) {
    draws = {Draw(1, 0, 0, 0), Draw(2, 1, 0, 0), Draw(3, 0, 0, 0)};
    EXPECT_EQ(Rows("SUMC", 0, 2), (Texts{"+00 : 0 + 0 = 0=1", "+01 : 0 + 1 = 1=1"}));
    EXPECT_EQ(Rows("SUMV", 0, 2), (Texts{"+00=1", "+01=1", "- 01=1"}));
    EXPECT_EQ(Rows("SUMT", 0, 2), (Texts{"==1", "+=1", "-=0"}));
}

TEST_F(SumChanges, PeriodsAndDepthOfCountedDraws) {
    auto sumv = Create("SUMV");
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*sumv, 0, 9, false, table, scratch, lastValues);
    ASSERT_EQ(table.size(), 5u);
    const TStatDraw& same = table[2];  // +00, after draws 16 and 19
    EXPECT_EQ(same.Count, 2);
    EXPECT_EQ(same.LastDraw, 19);
    EXPECT_EQ(same.Depth, 1);
    EXPECT_EQ(same.PeriodMin, 3);
    EXPECT_EQ(same.PeriodMax, 3);
    EXPECT_EQ(table[1].KeyDword(1), static_cast<uint32_t>(-4));  // a signed number over two words
    EXPECT_EQ(table[1].Depth, 7);
}

TEST_F(SumChanges, FindNextKeepsTheWindowsNewestDraw) {
    TStatDraw row;
    row.SetKeyDword(1, 10);
    row.SetKeyDword(2, 14);
    // Past the window's newest draw (index 6) the comparison draw stays that newest draw.
    auto evaluated = Create("SUMC");
    Rows(*evaluated, 0, 6);
    EXPECT_EQ(evaluated->FindNext(row, 0, 6, false), 17);
    // An instance that never evaluated a window, and one that evaluated another window.
    EXPECT_EQ(Create("SUMC")->FindNext(row, 0, 6, false), 17);
    auto other = Create("SUMC");
    Rows(*other, 0, 9);
    EXPECT_EQ(other->FindNext(row, 0, 6, false), 17);
    EXPECT_EQ(other->FindNext(row, 8, 6, false), -1);
    row.SetKeyDword(2, 10);
    EXPECT_EQ(other->FindNext(row, 0, 6, false), 16);
}

TEST_F(SumChanges, MatchesCompareWithTheReferenceDraw) {
    struct Case {
        const char* Code;
        TStatDrawArray Selected;
        int RefIndex;
        TComb Comb;
        bool Matches;
    };
    const Case cases[] = {
        // SUMC offers the sums that followed the newest sum in the past.
        {"SUMC", Selected({{12, 15}, {12, 8}}), 9, Comb(9, 6, 0), true},
        {"SUMC", Selected({{12, 15}, {12, 8}}), 9, Comb(0, 0, 8), true},
        {"SUMC", Selected({{12, 15}, {12, 8}}), 9, Comb(4, 4, 4), false},
        // SUMV and SUMT measure the change from the reference draw (sum 12 at 9, 8 at 3).
        {"SUMV", Selected({{3, 0}}), 9, Comb(9, 6, 0), true},
        {"SUMV", Selected({{3, 0}}), 9, Comb(9, 5, 0), false},
        {"SUMV", Selected({{-2, 0}}), 9, Comb(5, 5, 0), true},
        {"SUMV", Selected({{3, 0}}), 3, Comb(5, 5, 1), true},
        {"SUMV", Selected({{3, 0}}), -1, Comb(1, 1, 1), true},  // before the archive: the zero draw
        {"SUMT", Selected({{-1, 0}}), 9, Comb(5, 5, 1), true},
        {"SUMT", Selected({{-1, 0}}), 9, Comb(5, 5, 2), false},
        {"SUMT", Selected({{0, 0}}), 9, Comb(5, 5, 2), true},
        {"SUMT", Selected({{1, 0}}), 3, Comb(0, 0, 9), true},
    };
    for (const Case& c : cases) {
        auto stat = Create(c.Code);
        stat->LoadDraws(-1, c.RefIndex, false);
        EXPECT_EQ(stat->Matches(c.Selected, c.RefIndex, c.Comb, false, false), c.Matches)
            << c.Code << " ref " << c.RefIndex << " " << int(c.Comb.Values[0]) << int(c.Comb.Values[1])
            << int(c.Comb.Values[2]);
    }
    // The graph compares with the draw before the given index (the zero draw before the oldest).
    auto sumc = Create("SUMC");
    auto& sumcGraph = dynamic_cast<TCustomGraphStat&>(*sumc);
    EXPECT_EQ(sumcGraph.DrawGraphValue(1, 9, false), 3);
    EXPECT_EQ(sumcGraph.DrawGraphValue(0, 9, false), 12);
    EXPECT_EQ(sumcGraph.GraphValue(3, 9, Comb(0, 0, 0), false), -12);
    auto sumt = Create("SUMT");
    auto& sumtGraph = dynamic_cast<TCustomGraphStat&>(*sumt);
    EXPECT_EQ(sumtGraph.DrawGraphValue(2, 9, false), -1);
    EXPECT_EQ(sumtGraph.DrawGraphValue(6, 9, false), 0);
    EXPECT_EQ(sumtGraph.DrawGraphValue(0, 9, false), 1);
}

}  // namespace
}  // namespace quorvel
