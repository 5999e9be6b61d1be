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

TStatDrawArray Selected(std::initializer_list<uint16_t> keys) {
    TStatDrawArray selected;
    for (uint16_t key : keys) {
        selected.emplace_back();
        selected.back().Key[0] = key;
    }
    return selected;
}

class SequencesFamily : public ::testing::Test {
protected:
    SequencesFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        const int entry = stats.IndexOfCode(code);
        EXPECT_GE(entry, 0) << code;
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    TStatDrawArray Window(const std::string& code, bool sorted, int first = 0) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, first, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        return table;
    }
    // The rows of a method over the archive, as "value=count".
    std::vector<std::string> Rows(const std::string& code, bool sorted = false) {
        auto stat = Create(code);
        std::vector<std::string> rows;
        for (const TStatDraw& row : Window(code, sorted))
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    int Graph(const std::string& code, bool sorted) {
        auto stat = Create(code);
        return dynamic_cast<TCustomGraphStat&>(*stat).DrawGraphValue(0, 0, sorted);
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(SequencesFamily, RegisteredWithTheirTextsAndFeatures) {
    const int seql = stats.IndexOfCode("SEQL");
    ASSERT_GE(seql, 0);
    EXPECT_EQ(stats.ListText(seql, true), "{ seq } Длина последовательности в тираже [ SN ]");
    EXPECT_EQ(stats.ListText(seql + 1, true), "{ seq } Количество последовательностей в тираже [ SNG ]");
    EXPECT_EQ(stats.ListText(seql + 2, true), "{ seq } Макс. длина последовательности в тираже [ SNG ]");
    EXPECT_EQ(stats.Items[static_cast<size_t>(seql + 1)].Code(), "SEQS");
    EXPECT_EQ(stats.Items[static_cast<size_t>(seql + 2)].Code(), "LENS");
}

// One draw at a time: the worked examples and edge cases, with the graph values.
TEST_F(SequencesFamily, RunsOfSingleDraws) {
    struct Case {
        std::array<int, 3> values;
        bool sorted;
        std::vector<std::string> seql;  // rows 1, 2, 3
        int seqs;
        int lens;
        int seqsGraph;
        int lensGraph;
    };
    const Case cases[] = {
        {{4, 5, 6}, false, {"1=0", "2=0", "3=1"}, 1, 3, 1, 3},
        {{7, 2, 3}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 2},
        {{3, 2, 1}, false, {"1=3", "2=0", "3=0"}, 0, 1, 1, 3},  // the graph joins the descent
        {{3, 2, 1}, true, {"1=0", "2=0", "3=1"}, 1, 3, 1, 3},   // taken as 1 2 3
        {{9, 0, 1}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 2},  // 9 to 0 is no step
        {{5, 5, 6}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 2},
        {{1, 2, 5}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 2},
        {{0, 5, 9}, false, {"1=3", "2=0", "3=0"}, 0, 1, 0, 0},
        {{2, 1, 2}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 3},
        {{5, 4, 8}, false, {"1=3", "2=0", "3=0"}, 0, 1, 1, 2},
        {{200, 201, 7}, false, {"1=1", "2=1", "3=0"}, 1, 2, 1, 2},  // a damaged value still climbs
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.values[0] << " " << c.values[1] << " " << c.values[2]
                                        << (c.sorted ? " sorted" : ""));
        draws = {Draw(1, c.values[0], c.values[1], c.values[2])};
        EXPECT_EQ(Rows("SEQL", c.sorted), c.seql);
        const std::string seqs = std::to_string(c.seqs) + "=1";
        const std::string lens = std::to_string(c.lens) + "=1";
        const std::vector<std::string> seqsRows = Rows("SEQS", c.sorted);
        const std::vector<std::string> lensRows = Rows("LENS", c.sorted);
        ASSERT_EQ(seqsRows.size(), 2u);
        EXPECT_EQ(seqsRows[static_cast<size_t>(c.seqs)], seqs);
        ASSERT_EQ(lensRows.size(), 3u);
        EXPECT_EQ(lensRows[static_cast<size_t>(c.lens - 1)], lens);
        EXPECT_EQ(Graph("SEQS", c.sorted), c.seqsGraph);
        EXPECT_EQ(Graph("LENS", c.sorted), c.lensGraph);
    }
}

TEST_F(SequencesFamily, PeriodsAreTrackedOverTheWindow) {
    draws = {Draw(10, 1, 2, 7), Draw(13, 0, 0, 0), Draw(20, 4, 5, 9), Draw(21, 3, 4, 8)};
    const TStatDrawArray seqs = Window("SEQS", false);
    ASSERT_EQ(seqs.size(), 2u);
    EXPECT_EQ(seqs[1].Count, 3);
    EXPECT_EQ(seqs[1].LastDraw, 21);
    EXPECT_EQ(seqs[1].Depth, 1);
    EXPECT_EQ(seqs[1].PeriodMin, 1);
    EXPECT_EQ(seqs[1].PeriodMax, 10);
    EXPECT_EQ(seqs[0].Count, 1);
    EXPECT_EQ(seqs[0].Depth, 3);
    // Three runs of one in a draw add the value three times; the repeats within the draw
    // reset the shortest period.
    const TStatDrawArray seql = Window("SEQL", false);
    EXPECT_EQ(seql[0].Count, 1 + 3 + 1 + 1);
    EXPECT_EQ(seql[0].PeriodMin, 1);  // reset by draw 13, then 20 -> 21
    EXPECT_EQ(seql[0].PeriodMax, 7);
}

TEST_F(SequencesFamily, FiltersTakeTheCombinationInItsOwnOrder) {
    auto seql = Create("SEQL");
    auto seqs = Create("SEQS");
    auto lens = Create("LENS");
    seqs->LoadDraws(-1, 0, true);
    EXPECT_TRUE(seql->Matches(Selected({2}), 0, Comb(7, 2, 3), true, false));
    EXPECT_FALSE(seql->Matches(Selected({2, 3}), 0, Comb(3, 2, 1), true, false));  // not sorted
    EXPECT_TRUE(seql->Matches(Selected({1}), 0, Comb(3, 2, 1), false, false));
    EXPECT_TRUE(seqs->Matches(Selected({0}), 0, Comb(3, 2, 1), true, false));
    EXPECT_FALSE(seqs->Matches(Selected({1}), 0, Comb(3, 2, 1), true, false));

    // LENS 1 keeps exactly the combinations without a climbing pair.
    const TStatDrawArray one = Selected({1});
    int kept = 0;
    for (int i = 0; i < CombinationCount; ++i) {
        const TComb comb = Comb(i / 100, i / 10 % 10, i % 10);
        const bool climbs = comb.Values[1] == comb.Values[0] + 1 || comb.Values[2] == comb.Values[1] + 1;
        EXPECT_EQ(lens->Matches(one, 0, comb, false, false), !climbs) << i;
        kept += climbs ? 0 : 1;
    }
    EXPECT_EQ(kept, 828);
}

TEST_F(SequencesFamily, FullSetCounts) {
    auto count = [&](const std::string& code) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        std::vector<int> counts;
        for (const TStatDraw& row : table)
            counts.push_back(row.Count);
        return counts;
    };
    // Both pairs climb in 8 combinations, one pair in 164, none in 828.
    EXPECT_EQ(count("LENS"), (std::vector<int>{828, 164, 8}));
    EXPECT_EQ(count("SEQS"), (std::vector<int>{828, 172}));
    EXPECT_EQ(count("SEQL"), (std::vector<int>{3 * 828 + 164, 164, 8}));
}

}  // namespace
}  // namespace quorvel
