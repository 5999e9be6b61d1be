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

const char* const AllCodes[] = {"RPV2",   "RPV3",   "PRL2",  "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1",
                                "PRV-1",  "PRV+2",  "PRV-2", "RPC2",   "RPC3",   "PRB2",   "RPO1",
                                "PRC2O2", "PRC2O3", "PRC+1", "PRC-1",  "PRC+2",  "PRC-2"};

class RepeatsFamily : public ::testing::Test {
protected:
    RepeatsFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        const int entry = stats.IndexOfCode(code);
        EXPECT_GE(entry, 0) << code;
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    // The rows of a method over draws first..newest, as "value=count".
    std::vector<std::string> Rows(const std::string& code, int first = 0, bool sorted = false) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, first, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        std::vector<std::string> rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    // A filter of the method with the given values, tested as the filtering pass does.
    bool Matches(const std::string& code, std::initializer_list<uint16_t> keys, int refIndex,
                 const TComb& comb, bool sorted = false) {
        auto stat = Create(code);
        stat->LoadDraws(-1, refIndex, sorted);
        return stat->Matches(Selected(keys), refIndex, comb, sorted, false);
    }

    TDrawsArray draws;
    TStatList stats;
};

using Texts = std::vector<std::string>;

TEST_F(RepeatsFamily, RegisteredInTableOrderWithTheirTexts) {
    struct Row {
        const char* code;
        const char* title;
    };
    const Row rows[] = {
        {"RPV2", "Повторяющиеся числа в 2-х тиражах подряд"},
        {"RPV3", "Повторяющиеся числа в 3-х тиражах подряд"},
        {"PRL2", "Повторяющиеся числа не более чем в 2-х тиражах"},
        {"PRV2O1", "Повторяющиеся числа в 2-х тиражах через 1 тираж(а)"},
        {"PRV2O2", "Повторяющиеся числа в 2-х тиражах через 2 тираж(а)"},
        {"PRV2O3", "Повторяющиеся числа в 2-х тиражах через 3 тираж(а)"},
        {"PRV+1", "Данные предыдущего тиража + 1"},
        {"PRV-1", "Данные предыдущего тиража - 1"},
        {"PRV+2", "Данные предыдущего тиража + 2"},
        {"PRV-2", "Данные предыдущего тиража - 2"},
        {"RPC2", "Количество повторов в 2-х тиражах подряд"},
        {"RPC3", "Количество повторов в 3-х тиражах подряд"},
        {"PRB2", "Количество повторов не более чем в 2-х тиражах"},
        {"RPO1", "Количество повторов в 2-х тиражах через 1 тираж(а)"},
        {"PRC2O2", "Количество повторов в 2-х тиражах через 2 тираж(а)"},
        {"PRC2O3", "Количество повторов в 2-х тиражах через 3 тираж(а)"},
        {"PRC+1", "Количество совпадений \"значений + 1\""},
        {"PRC-1", "Количество совпадений \"значений - 1\""},
        {"PRC+2", "Количество совпадений \"значений + 2\""},
        {"PRC-2", "Количество совпадений \"значений - 2\""},
    };
    const int first = stats.IndexOfCode("RPV2");
    ASSERT_GE(first, 0);
    for (size_t i = 0; i < std::size(rows); ++i) {
        const TStatMethod& entry = stats.Items[static_cast<size_t>(first) + i];
        EXPECT_EQ(entry.Code(), rows[i].code);
        EXPECT_EQ(stats.ListText(first + static_cast<int>(i), true),
                  std::string("{ rep } ") + rows[i].title + " [ D ]");
        EXPECT_TRUE(entry.StatClass->NumericValues);
        EXPECT_EQ(entry.StatClass->Position, 43 + static_cast<int>(i));
    }
    EXPECT_EQ(stats.IndexOfCode("PRC2O1"), -1);
}

// Archive 1 2 3, 1 5 3, 1 5 7 (newest), the window being all three draws.
TEST_F(RepeatsFamily, TheThreeDrawArchive) {
    draws = {Draw(1, 1, 2, 3), Draw(2, 1, 5, 3), Draw(3, 1, 5, 7)};
    EXPECT_EQ(Rows("RPV2"), (Texts{"1=2", "5=1", "7=0"}));
    EXPECT_EQ(Rows("RPV3"), (Texts{"1=1", "5=0", "7=0"}));
    EXPECT_EQ(Rows("PRL2"), (Texts{"1=1", "5=1", "7=0"}));
    // Counts list 1..3 in advance; 0 enters when first met.
    EXPECT_EQ(Rows("RPC2"), (Texts{"1=0", "2=2", "3=0", "0=1"}));
    EXPECT_EQ(Rows("RPO1"), (Texts{"1=1", "2=0", "3=0", "0=2"}));
    EXPECT_EQ(Rows("RPC3"), (Texts{"1=1", "2=0", "3=0", "0=2"}));
    EXPECT_EQ(Rows("PRB2"), (Texts{"1=1", "2=1", "3=0", "0=1"}));

    // The combination 1 0 7 after the newest draw.
    EXPECT_TRUE(Matches("RPC2", {2}, 2, Comb(1, 0, 7)));
    EXPECT_FALSE(Matches("RPC2", {1, 3}, 2, Comb(1, 0, 7)));
    EXPECT_TRUE(Matches("RPC3", {1}, 2, Comb(1, 0, 7)));
    EXPECT_FALSE(Matches("RPC3", {0, 2}, 2, Comb(1, 0, 7)));
    EXPECT_TRUE(Matches("PRB2", {1}, 2, Comb(1, 0, 7)));
    EXPECT_FALSE(Matches("PRB2", {0, 2}, 2, Comb(1, 0, 7)));
    // Two back from the combination is the middle draw 1 5 3.
    EXPECT_TRUE(Matches("RPO1", {2}, 2, Comb(1, 5, 0)));
    EXPECT_TRUE(Matches("RPO1", {0}, 2, Comb(0, 0, 7)));
}

// The window need not start at the oldest draw: earlier draws are still read from the archive.
TEST_F(RepeatsFamily, DistancesReachBeforeTheWindow) {
    draws = {Draw(1, 1, 2, 3), Draw(2, 1, 2, 9), Draw(3, 1, 8, 9), Draw(4, 7, 8, 9), Draw(5, 1, 2, 3)};
    struct Case {
        const char* code;
        Texts rows;
    };
    const Case cases[] = {
        {"RPV2", {"1=0", "2=0", "3=0"}},        {"PRV2O1", {"1=1", "2=0", "3=0"}},
        {"PRV2O2", {"1=1", "2=1", "3=0"}},      {"PRV2O3", {"1=1", "2=1", "3=1"}},
        {"RPC2", {"1=0", "2=0", "3=0", "0=1"}}, {"RPO1", {"1=1", "2=0", "3=0"}},
        {"PRC2O2", {"1=0", "2=1", "3=0"}},      {"PRC2O3", {"1=0", "2=0", "3=1"}},
        {"RPC3", {"1=0", "2=0", "3=0", "0=1"}}, {"PRB2", {"1=0", "2=0", "3=0", "0=1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.code, 4), c.rows) << c.code;
    // 1 8 9 repeats position 1 over three draws (1 2 9, 1 2 3) and 7 8 9 position 3 (1 8 9, 1 2 9).
    EXPECT_EQ(Rows("RPC3", 2), (Texts{"1=2", "2=0", "3=0", "0=1"}));

    // After the draw 1 2 3 at index 4 the combination 1 2 3 repeats all three positions of
    // it, none of 7 8 9 two back, one of 1 8 9 three back and two of 1 2 9 four back.
    EXPECT_TRUE(Matches("RPC2", {3}, 4, Comb(1, 2, 3)));
    EXPECT_TRUE(Matches("RPO1", {0}, 4, Comb(1, 2, 3)));
    EXPECT_TRUE(Matches("PRC2O2", {1}, 4, Comb(1, 2, 3)));
    EXPECT_TRUE(Matches("PRC2O3", {2}, 4, Comb(1, 2, 3)));
    EXPECT_FALSE(Matches("PRC2O3", {3}, 4, Comb(1, 2, 3)));
}

TEST_F(RepeatsFamily, ShiftedValuesWrapAround) {
    draws = {Draw(1, 4, 0, 0), Draw(2, 5, 0, 0), Draw(3, 4, 9, 9)};
    EXPECT_EQ(Rows("PRV+1"), (Texts{"5=1", "0=0"}));  // 4+1, 9+1 wrapped, listed once
    EXPECT_EQ(Rows("PRC+1"), (Texts{"1=1", "2=0", "3=0", "0=2"}));
    draws = {Draw(1, 0, 9, 5)};
    EXPECT_EQ(Rows("PRV-1"), (Texts{"9=0", "8=0", "4=0"}));
    EXPECT_EQ(Rows("PRV+2"), (Texts{"2=0", "1=0", "7=0"}));
    EXPECT_EQ(Rows("PRV-2"), (Texts{"8=0", "7=0", "3=0"}));
    // The first draw against 0 0 0: shifted by -1 it reads 9 9 9, repeated by the 9 at position 2.
    EXPECT_EQ(Rows("PRC-1"), (Texts{"1=1", "2=0", "3=0"}));
    EXPECT_EQ(Rows("PRC+1")[3], "0=1");
    // The combination after 0 9 5 shifted by -1 (9 8 4) and by +2 (2 1 7).
    EXPECT_TRUE(Matches("PRC-1", {3}, 0, Comb(9, 8, 4)));
    EXPECT_TRUE(Matches("PRC+2", {2}, 0, Comb(2, 1, 0)));
    EXPECT_TRUE(Matches("PRC-2", {0}, 0, Comb(0, 9, 5)));
}

TEST_F(RepeatsFamily, EdgesOfTheArchive) {
    // The first draw is compared with 0 0 0: a 0 at position 1 repeats.
    draws = {Draw(1, 0, 4, 7)};
    EXPECT_EQ(Rows("RPC2"), (Texts{"1=1", "2=0", "3=0"}));
    EXPECT_EQ(Rows("RPV2"), (Texts{"0=1", "4=0", "7=0"}));
    EXPECT_EQ(Rows("PRL2"), (Texts{"0=0", "4=0", "7=0"}));  // 0 0 0 two back too
    EXPECT_EQ(Rows("RPV3"), (Texts{"0=1", "4=0", "7=0"}));
    // A combination after the first draw looks at 0 0 0 before it.
    EXPECT_TRUE(Matches("RPO1", {3}, 0, Comb(0, 0, 0)));
    EXPECT_TRUE(Matches("RPC3", {1}, 0, Comb(0, 5, 5)));
    EXPECT_TRUE(Matches("PRB2", {2}, 0, Comb(1, 4, 7)));
    // An empty archive: the reference draw and all before it read as 0 0 0.
    draws.clear();
    EXPECT_TRUE(Matches("RPC2", {3}, -1, Comb(0, 0, 0)));
    EXPECT_TRUE(Matches("PRB2", {0}, -1, Comb(0, 0, 0)));

    // A repeated value in the newest draw gives one row for it.
    draws = {Draw(1, 5, 5, 1)};
    EXPECT_EQ(Rows("RPV2"), (Texts{"5=0", "1=0"}));

    // Values outside 0..9 from a damaged file are compared, never looked up.
    draws = {Draw(1, 250, 3, 3), Draw(2, 250, 3, 4)};
    EXPECT_EQ(Rows("RPV2"), (Texts{"250=1", "3=1", "4=0"}));
}

TEST_F(RepeatsFamily, ValueFiltersAcceptASelectedValueAtAnyPosition) {
    draws = {Draw(1, 1, 2, 3), Draw(2, 1, 5, 3), Draw(3, 1, 5, 7)};
    for (const char* code : {"RPV2", "RPV3", "PRL2", "PRV2O2", "PRV+1", "PRV-2"}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(Matches(code, {5}, 2, Comb(5, 0, 0)));
        EXPECT_TRUE(Matches(code, {5}, 2, Comb(0, 5, 0)));
        EXPECT_TRUE(Matches(code, {4, 5}, 2, Comb(0, 0, 5)));
        EXPECT_FALSE(Matches(code, {5}, 2, Comb(1, 2, 3)));
    }
}

TEST_F(RepeatsFamily, SortedDrawsCompareSortedValues) {
    draws = {Draw(1, 3, 2, 1), Draw(2, 1, 2, 3)};
    EXPECT_EQ(Rows("RPC2", 0, false), (Texts{"1=1", "2=0", "3=0", "0=1"}));
    EXPECT_EQ(Rows("RPC2", 0, true), (Texts{"1=0", "2=0", "3=1", "0=1"}));
    draws = {Draw(1, 9, 8, 7), Draw(2, 7, 1, 9), Draw(3, 7, 9, 1)};
    // The newest draw's rows stay in drawn order; the comparisons use sorted values.
    EXPECT_EQ(Rows("RPV2", 1, true), (Texts{"7=1", "9=2", "1=1"}));
    EXPECT_EQ(Rows("RPV2", 1, false), (Texts{"7=1", "9=0", "1=0"}));
    EXPECT_TRUE(Matches("RPC2", {3}, 2, Comb(1, 7, 9), true));
    EXPECT_TRUE(Matches("RPC2", {0}, 2, Comb(1, 7, 9), false));
}

TEST_F(RepeatsFamily, FindNextAndFullSet) {
    draws = {Draw(1, 1, 2, 3), Draw(2, 1, 5, 3), Draw(3, 1, 5, 7), Draw(4, 2, 5, 8)};
    auto rpc2 = Create("RPC2");
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*rpc2, 0, 2, false, table, scratch, lastValues);
    TStatDraw two;
    two.Key[0] = 2;
    EXPECT_EQ(rpc2->FindNext(two, 2, 2, false), 3);
    TStatDraw one;
    one.Key[0] = 1;
    EXPECT_EQ(rpc2->FindNext(one, 3, 2, false), 4);  // 2 5 8 keeps the 5 of 1 5 7
    // A fresh instance finds its draws without a prepared window.
    EXPECT_EQ(Create("RPC2")->FindNext(one, 3, 2, false), 4);
    EXPECT_EQ(Create("RPO1")->FindNext(one, 0, 3, false), 3);

    // The family describes draws against earlier ones only: a combination alone adds nothing.
    for (const char* code : AllCodes) {
        auto stat = Create(code);
        TStatDrawArray full;
        EvaluateFullSet(*stat, full);
        EXPECT_TRUE(full.empty()) << code;
    }
}

}  // namespace
}  // namespace quorvel
