#include <gtest/gtest.h>

#include "core/model/lists.h"
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

// Selected (state, length) rows.
TStatDrawArray Selected(std::initializer_list<std::pair<int, int>> rows) {
    TStatDrawArray selected;
    for (const auto& [state, length] : rows) {
        TStatDraw value;
        value.Key = {static_cast<uint16_t>(state), static_cast<uint16_t>(length), 0, 0};
        selected.push_back(value);
    }
    return selected;
}

using Rows = std::vector<std::string>;

class SeriesFamily : public ::testing::Test {
protected:
    SeriesFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        // The window of the worked example, oldest first.
        draws = {Draw(101, 1, 2, 3), Draw(102, 1, 5, 3), Draw(103, 4, 5, 6), Draw(104, 1, 5, 8)};
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int index = stats.IndexOfCode(code);
        EXPECT_GE(index, 0) << code;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    TStatDrawArray Evaluate(TCustomStat& stat, int firstIndex, int lastIndex, bool sorted = false) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, firstIndex, lastIndex, sorted, table, scratch, lastValues);
        return table;
    }
    // The rows over the window firstIndex..lastIndex, as "text=count".
    Rows RowsOf(const std::string& code, int firstIndex, int lastIndex, bool sorted = false) {
        auto stat = Create(code);
        Rows rows;
        for (const TStatDraw& row : Evaluate(*stat, firstIndex, lastIndex, sorted))
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    Rows RowsOf(const std::string& code) { return RowsOf(code, 0, static_cast<int>(draws.size()) - 1); }
    // As the filtering pass asks: the combination stands for the draw after refIndex.
    bool Matches(const std::string& code, const TStatDrawArray& selected, const TComb& comb, int refIndex,
                 bool sorted = false) {
        auto stat = Create(code);
        stat->LoadDraws(-1, refIndex, sorted);
        return stat->Matches(selected, refIndex, comb, sorted, false);
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(SeriesFamily, CatalogueEntries) {
    struct Case {
        const char* code;
        const char* title;
        int group;
        const char* letters;
    };
    const Case cases[] = {
        {"GRPV", "Повторы чисел в нескольких тиражах подряд", 8, "D"},
        {"GRPP", "Интервалы между повторениями чисел", 8, "D"},
        {"GRCV", "Повторы каналов в нескольких тиражах подряд", 8, "D"},
        {"GRCP", "Интервалы между повторениями каналов", 8, "D"},
        {"GRSV", "Повторы сегментов в нескольких тиражах подряд", 8, "D"},
        {"GRSP", "Интервалы между повторениями сегментов", 8, "D"},
        {"PRDV", "Периоды повторения чисел", 9, "P"},
        {"PRDC", "Периоды повторения каналов", 9, "P"},
        {"PRDG", "Периоды повторения сегментов", 9, "P"},
    };
    stats.Rebuild();
    int previous = stats.IndexOfCode("GRPV") - 1;
    for (const Case& c : cases) {
        const int index = stats.IndexOfCode(c.code);
        ASSERT_GE(index, 0) << c.code;
        EXPECT_EQ(index, previous + 1) << c.code;
        previous = index;
        const TStatMethod& entry = stats.Items[static_cast<size_t>(index)];
        EXPECT_EQ(entry.Title(), c.title);
        EXPECT_EQ(entry.StatClass->Group, c.group);
        EXPECT_EQ(FeatureLetters(entry.StatClass->DisplayFlags()), c.letters);
        EXPECT_FALSE(entry.StatClass->NumericValues);
    }
}

TEST_F(SeriesFamily, WorkedExampleOverDraws101To104) {
    struct Case {
        const char* code;
        Rows rows;
    };
    const Case cases[] = {
        // 1 ran 101..102 (ended by 103) and is open at 104; 5 runs 102..104; 8 only at 104.
        {"GRPV", {"1 x 2=1", "1 x 1=1", "5 x 3=1", "8 x 1=1"}},
        // Absences ended by a reappearance: 5 in 101, 1 in 103, 8 in 101..103.
        {"GRPP", {"5 x 1=1", "1 x 1=1", "8 x 3=1"}},
        // 102 repeats 1 and 3, 103 repeats 5, 104 repeats 1 after two draws and 5 again.
        {"PRDV", {"1 x 1=1", "3 x 1=1", "5 x 1=2", "1 x 2=1"}},
        // Channels of size 2: {1,2}, {1,3,2}, {3,4}, {1,3,5}.
        {"GRCV", {"01 x 2=1", "01 x 1=1", "03 x 3=1", "05 x 1=1"}},
        {"GRCP", {"03 x 1=1", "01 x 1=1", "05 x 3=1"}},
        {"PRDC", {"01 x 1=1", "02 x 1=1", "03 x 1=2", "01 x 2=1"}},
        // Every segment 1: present in every draw, never absent.
        {"GRSV", {"1 x 4=1"}},
        {"GRSP", {}},
        {"PRDG", {"1 x 1=3"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowsOf(c.code), c.rows) << c.code;
}

TEST_F(SeriesFamily, RowsCarryTheLastDrawOfTheRun) {
    auto groups = Create("GRPV");
    const TStatDrawArray table = Evaluate(*groups, 0, 3);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].LastDraw, 102);  // 1 x 2
    EXPECT_EQ(table[0].Depth, 3);
    EXPECT_EQ(table[2].LastDraw, 104);  // 5 x 3
    EXPECT_EQ(table[2].Depth, 1);
    auto pauses = Create("GRPP");
    const TStatDrawArray gaps = Evaluate(*pauses, 0, 3);
    ASSERT_EQ(gaps.size(), 3u);
    EXPECT_EQ(gaps[2].LastDraw, 103);  // 8 x 3: the absence ended with draw 103
    EXPECT_EQ(gaps[2].Depth, 2);
    auto periods = Create("PRDV");
    const TStatDrawArray repeats = Evaluate(*periods, 0, 3);
    ASSERT_EQ(repeats.size(), 4u);
    EXPECT_EQ(repeats[2].LastDraw, 104);  // 5 x 1, counted in 103 and 104
    EXPECT_EQ(repeats[2].PeriodMin, 1);
    EXPECT_EQ(repeats[2].PeriodMax, 1);
}

TEST_F(SeriesFamily, WindowEdges) {
    // A run going at the window's first draw counts from that draw.
    EXPECT_EQ(RowsOf("GRPV", 1, 3), (Rows{"1 x 1=2", "5 x 3=1", "8 x 1=1"}));
    // A window of one draw: each state of the draw once, no pauses, no periods.
    EXPECT_EQ(RowsOf("GRPV", 2, 2), (Rows{"4 x 1=1", "5 x 1=1", "6 x 1=1"}));
    EXPECT_EQ(RowsOf("GRPP", 2, 2), Rows{});
    EXPECT_EQ(RowsOf("PRDV", 2, 2), Rows{});
    // The sorted-draws option changes no state of a value.
    EXPECT_EQ(RowsOf("GRPV", 0, 3, true), (Rows{"1 x 2=1", "1 x 1=1", "5 x 3=1", "8 x 1=1"}));
    draws = {Draw(7, 3, 3, 4), Draw(8, 3, 3, 5)};
    // Two equal values count once in the series and once in the periods.
    EXPECT_EQ(RowsOf("GRPV", 0, 0), (Rows{"3 x 1=1", "4 x 1=1"}));
    EXPECT_EQ(RowsOf("GRPV"), (Rows{"3 x 2=1", "5 x 1=1"}));
    EXPECT_EQ(RowsOf("PRDV"), (Rows{"3 x 1=1"}));
}

TEST_F(SeriesFamily, PeriodsMatchStepsBackByIndex) {
    const int ref = 3;  // draw 104; the combination stands for the draw after it
    // 1 x 2 looks at 103 (4 5 6), which lacks 1.
    EXPECT_FALSE(Matches("PRDV", Selected({{1, 2}}), Comb(1, 0, 0), ref));
    // 1 x 1 looks at 104, which holds 1.
    EXPECT_TRUE(Matches("PRDV", Selected({{1, 1}}), Comb(0, 1, 0), ref));
    // 5 x 2 looks at 103, which holds 5; the other selected row does not matter.
    EXPECT_TRUE(Matches("PRDV", Selected({{1, 2}, {5, 2}}), Comb(5, 1, 0), ref));
    EXPECT_FALSE(Matches("PRDV", Selected({{5, 2}}), Comb(1, 2, 3), ref));
    // Draw numbers with a gap: the table says 1 x 4, yet the match counts draws by index.
    draws = {Draw(1, 1, 2, 3), Draw(2, 4, 5, 6), Draw(5, 1, 7, 8)};
    EXPECT_EQ(RowsOf("PRDV"), (Rows{"1 x 4=1"}));
    EXPECT_FALSE(Matches("PRDV", Selected({{1, 4}}), Comb(1, 0, 0), 2));
    EXPECT_TRUE(Matches("PRDV", Selected({{1, 3}}), Comb(1, 0, 0), 2));
    // Stepping back before the oldest draw reads the zero draw.
    EXPECT_TRUE(Matches("PRDV", Selected({{0, 4}}), Comb(0, 9, 9), 2));
}

TEST_F(SeriesFamily, PeriodsMatchReadsTheDrawInDrawnOrder) {
    stats.Config.MatrixSegments = StrToSegments("333333333311111222221111122222");
    // 103 is 4 5 6: segments 3 2 2 at positions 1 2 3 as drawn.
    EXPECT_TRUE(Matches("PRDG", Selected({{3, 2}}), Comb(9, 9, 9), 3));
    EXPECT_FALSE(Matches("PRDG", Selected({{1, 2}}), Comb(0, 0, 0), 3));
    EXPECT_TRUE(Matches("PRDC", Selected({{4, 2}}), Comb(7, 0, 0), 3));  // 6 is in channel 4
    // 9 0 0 as drawn has segments 3 1 1; sorted (0 0 9) it would have 3 1 2.
    draws = {Draw(1, 9, 0, 0)};
    EXPECT_FALSE(Matches("PRDG", Selected({{2, 1}}), Comb(0, 5, 0), 0, true));
    EXPECT_TRUE(Matches("PRDG", Selected({{1, 1}}), Comb(0, 5, 0), 0, true));
}

TEST_F(SeriesFamily, SeriesMatchCompareTheStateOnly) {
    EXPECT_TRUE(Matches("GRPV", Selected({{5, 3}}), Comb(0, 0, 5), 3));
    EXPECT_TRUE(Matches("GRPV", Selected({{5, 9}}), Comb(5, 0, 0), 3));  // the length is not compared
    EXPECT_FALSE(Matches("GRPV", Selected({{5, 3}}), Comb(4, 6, 0), 3));
    // Channels of size 2: 03 x 2 keeps combinations holding 4 or 5.
    auto channels = Create("GRCV");
    EXPECT_EQ(channels->ValueText(Selected({{3, 2}})[0]), "03 x 2");
    for (const auto& [comb, matches] : std::vector<std::pair<TComb, bool>>{
             {Comb(4, 0, 0), true}, {Comb(0, 0, 5), true}, {Comb(3, 6, 7), false}, {Comb(9, 9, 9), false}})
        EXPECT_EQ(Matches("GRCV", Selected({{3, 2}}), comb, 3), matches);
}

TEST_F(SeriesFamily, SegmentStatesDependOnThePosition) {
    // Position 1: every value in segment 3; positions 2 and 3: 0..4 in 1, 5..9 in 2.
    stats.Config.MatrixSegments = StrToSegments("333333333311111222221111122222");
    EXPECT_EQ(RowsOf("GRSV"), (Rows{"2 x 3=1", "3 x 4=1"}));
    EXPECT_EQ(RowsOf("GRSP"), (Rows{"2 x 1=1"}));
    EXPECT_EQ(RowsOf("PRDG"), (Rows{"3 x 1=3", "1 x 1=1", "2 x 1=2"}));
    EXPECT_TRUE(Matches("GRSV", Selected({{2, 3}}), Comb(0, 5, 0), 3));
    EXPECT_FALSE(Matches("GRSV", Selected({{2, 3}}), Comb(5, 0, 0), 3));
    // Segment 0 is a state of its own; the range still reaches state 1.
    stats.Config.MatrixSegments = StrToSegments("000000000000000000000000000000");
    EXPECT_EQ(RowsOf("GRSV"), (Rows{"0 x 4=1"}));
}

TEST_F(SeriesFamily, ChannelSizesAtTheEdges) {
    draws = {Draw(1, 9, 9, 9), Draw(2, 9, 0, 9), Draw(3, 9, 9, 0)};
    // Size 1: ten channels, the value 9 in the tenth.
    stats.Config.ChannelSize = 1;
    EXPECT_EQ(RowsOf("GRCV"), (Rows{"01 x 2=1", "10 x 3=1"}));
    EXPECT_EQ(RowsOf("GRCP"), (Rows{"01 x 1=1"}));
    EXPECT_EQ(RowsOf("PRDC"), (Rows{"10 x 1=2", "01 x 1=1"}));
    // A size below 1 counts as 1 instead of dividing by zero.
    stats.Config.ChannelSize = 0;
    EXPECT_EQ(RowsOf("GRCV"), (Rows{"01 x 2=1", "10 x 3=1"}));
    stats.Config.ChannelSize = -3;
    EXPECT_EQ(RowsOf("PRDC"), (Rows{"10 x 1=2", "01 x 1=1"}));
    // A size of ten or more puts every value in channel 1.
    stats.Config.ChannelSize = 300;
    EXPECT_EQ(RowsOf("GRCV"), (Rows{"01 x 3=1"}));
}

TEST_F(SeriesFamily, DamagedValuesGetNoTableSlot) {
    draws = {Draw(1, 12, 0, 200), Draw(2, 12, 0, 200)};
    EXPECT_EQ(RowsOf("GRPV"), (Rows{"0 x 2=1"}));
    EXPECT_EQ(RowsOf("GRCV"), (Rows{"01 x 2=1"}));
    EXPECT_EQ(RowsOf("GRSV"), (Rows{"1 x 2=1"}));
    EXPECT_EQ(RowsOf("PRDV"), (Rows{"12 x 1=1", "0 x 1=1", "200 x 1=1"}));
    EXPECT_EQ(RowsOf("PRDG"), (Rows{"1 x 1=1"}));
    // The earlier draw 12 0 200 has a segment only at its second position.
    EXPECT_TRUE(Matches("PRDG", Selected({{1, 1}}), Comb(0, 0, 0), 1));
    EXPECT_FALSE(Matches("PRDV", Selected({{12, 1}}), Comb(1, 2, 0), 1));
}

TEST_F(SeriesFamily, NextOccurrenceOfARow) {
    draws.push_back(Draw(105, 1, 7, 9));
    draws.push_back(Draw(106, 1, 0, 0));
    draws.push_back(Draw(107, 2, 2, 2));
    // After the window 101..104, the value 1 runs 105..106 and ends at 107: the search
    // finds the run 1 x 2 and answers its last draw.
    auto groups = Create("GRPV");
    const TStatDrawArray table = Evaluate(*groups, 0, 3);
    ASSERT_EQ(groups->ValueText(table[0]), "1 x 2");
    EXPECT_EQ(groups->FindNext(table[0], 4, 3, false), 106);
    EXPECT_EQ(groups->FindNext(table[2], 4, 3, false), -1);  // 5 x 3 does not come again
    EXPECT_EQ(groups->FindNext(table[0], 7, 3, false), -1);
    // The last-seen table is emptied before every draw of the search: a period never recurs.
    auto periods = Create("PRDV");
    const TStatDrawArray repeats = Evaluate(*periods, 0, 3);
    EXPECT_EQ(periods->FindNext(repeats[0], 4, 3, false), -1);
}

}  // namespace
}  // namespace quorvel
