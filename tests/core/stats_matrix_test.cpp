#include <gtest/gtest.h>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

using Values = std::array<int, PositionCount>;
using Texts = std::vector<std::string>;

TComb Comb(int i) {
    return TComb{
        {static_cast<uint8_t>(i / 100), static_cast<uint8_t>(i / 10 % 10), static_cast<uint8_t>(i % 10)}};
}

class MatrixFamily : public ::testing::Test {
protected:
    MatrixFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    void SetDraws(const std::vector<Values>& values) {
        draws.clear();
        for (const Values& v : values) {
            TDraw draw;
            draw.Number = static_cast<int32_t>(draws.size()) + 1;
            draw.Values = {static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]),
                           static_cast<uint8_t>(v[2])};
            draws.push_back(draw);
        }
    }
    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int index = stats.IndexOfCode(code);
        if (index < 0) return nullptr;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    Texts Rows(const std::string& code, bool sorted) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        Texts rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    // How many of the 1000 combinations match a one-value selection.
    int MatchCount(const std::string& code, std::array<uint16_t, 4> key) {
        auto stat = Create(code);
        TStatDrawArray selected(1);
        selected[0].Key = key;
        int count = 0;
        for (int i = 0; i < CombinationCount; ++i)
            count += stat->Matches(selected, -1, Comb(i), false, false) ? 1 : 0;
        return count;
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(MatrixFamily, RowAndColumnTuplesOfDraws) {
    struct Case {
        std::vector<Values> Draws;
        bool Sorted;
        const char* Code;
        Texts Rows;
    };
    const std::vector<Values> d723 = {{7, 2, 3}};  // rows 8, 3, 4; columns 0, 0, 0
    const Case cases[] = {
        {d723, false, "KRM2", {"8:3=1", "8:4=1", "3:4=1"}},
        {d723, false, "KRM3", {"8:3:4=1"}},
        {d723, false, "KRS2", {"8:3=1", "3:4=1"}},
        {d723, false, "KRS3", {"8:3:4=1"}},
        {d723, false, "KFM2", {"0:0=3"}},
        {d723, false, "KFM3", {"0:0:0=1"}},
        {d723, false, "KFS2", {"0:0=2"}},
        {d723, false, "KFS3", {"0:0:0=1"}},
        {d723, true, "KRM2", {"3:4=1", "3:8=1", "4:8=1"}},
        {d723, true, "KRS3", {"3:4:8=1"}},
        {{{0, 0, 0}, {9, 0, 0}}, false, "KRS2", {"1:1=3", "10:1=1"}},
        // A damaged value is one more row, never an index into a table.
        {{{200, 0, 1}}, false, "KRS2", {"201:1=1", "1:2=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Code) + (c.Sorted ? " sorted" : ""));
        SetDraws(c.Draws);
        EXPECT_EQ(Rows(c.Code, c.Sorted), c.Rows);
    }
}

TEST_F(MatrixFamily, TheColumnCountChangesNoValue) {
    SetDraws({{7, 2, 3}, {1, 1, 9}});
    for (const char* code : {"KFM2", "KFS3", "KRM2", "KRS2"}) {
        SCOPED_TRACE(code);
        stats.Config.MatrixCols = 3;
        const Texts usual = Rows(code, false);
        for (int columns : {1, 10, 255}) {
            stats.Config.MatrixCols = columns;
            EXPECT_EQ(Rows(code, false), usual);
        }
    }
}

TEST_F(MatrixFamily, SelectionsMatchCombinations) {
    struct Case {
        const char* Code;
        std::array<uint16_t, 4> Selected;
        int Matching;
    };
    const Case cases[] = {
        {"KFM2", {0, 0, 0, 0}, 1000},  // every combination has the all-zero column tuple
        {"KFS2", {0, 0, 0, 0}, 1000}, {"KFM3", {0, 0, 0, 0}, 1000}, {"KFM2", {0, 1, 0, 0}, 0},
        {"KFS3", {1, 1, 1, 0}, 0},    {"KRS2", {1, 1, 0, 0}, 19},  // first two or last two values both 0
        {"KRM2", {1, 1, 0, 0}, 28},                                // any two of the three values 0
        {"KRM3", {8, 3, 4, 0}, 1},    {"KRS2", {1, 1, 1, 0}, 0},   // a word beyond k must be zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Code);
        EXPECT_EQ(MatchCount(c.Code, c.Selected), c.Matching);
    }
    auto krs2 = Create("KRS2");
    TStatDrawArray selected(1);
    selected[0].Key = {1, 1, 0, 0};
    EXPECT_TRUE(krs2->Matches(selected, -1, TComb{{5, 0, 0}}, false, false));
    EXPECT_TRUE(krs2->Matches(selected, -1, TComb{{0, 0, 5}}, false, false));
    EXPECT_FALSE(krs2->Matches(selected, -1, TComb{{0, 5, 0}}, false, false));
}

TEST_F(MatrixFamily, OnlyTheTupleMethodsAreOffered) {
    stats.Rebuild();
    Texts shown;
    for (const TStatMethod& entry : stats.Items) {
        if (entry.StatClass->Group != 4) continue;
        shown.push_back(entry.Code() + " " + entry.Title() + " [" +
                        FeatureLetters(entry.StatClass->DisplayFlags()) + "]" +
                        (entry.StatClass->NumericValues ? " numeric" : ""));
    }
    const Texts expected = {
        "KFM2 Сочетания из 2 столбцов по всем числам тиража [S]",
        "KFM3 Сочетания из 3 столбцов по всем числам тиража [S]",
        "KFS2 Сочетания из 2 столбцов по соседним числам [S]",
        "KFS3 Сочетания из 3 столбцов по соседним числам [S]",
        "KRM2 Сочетания из 2 строк по всем числам тиража [S]",
        "KRM3 Сочетания из 3 строк по всем числам тиража [S]",
        "KRS2 Сочетания из 2 строк по соседним числам [S]",
        "KRS3 Сочетания из 3 строк по соседним числам [S]",
    };
    EXPECT_EQ(shown, expected);

    // The classes that are never offered still hold their places in the table.
    Texts hidden;
    for (const TStatClass& statClass : RegisteredClasses()) {
        if (statClass.Group == 4 && !statClass.Available)
            hidden.push_back(std::to_string(statClass.Position) + " " + statClass.CodeFormat);
    }
    const Texts expectedHidden = {"25 COLS", "26 ROWS", "27 COLV", "28 ROWV", "29 COLN",   "30 ROWN",
                                  "31 COLM", "32 ROWM", "33 COLA", "34 ROWA", "35 COLC",   "36 ROWC",
                                  "86 KFM4", "89 KFS4", "92 KRM4", "95 KRS4", "105 COL%d", "106 ROW%d"};
    EXPECT_EQ(hidden, expectedHidden);
}

TEST_F(MatrixFamily, TuplesTrackPeriodsAndStayOutOfTheFullSet) {
    SetDraws({{7, 2, 3}, {0, 0, 0}, {7, 2, 9}});
    draws[0].Number = 4;
    draws[1].Number = 5;
    draws[2].Number = 9;
    auto krs2 = Create("KRS2");
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*krs2, 0, 2, false, table, scratch, lastValues);
    ASSERT_EQ(krs2->ValueText(table[0]), "8:3");
    EXPECT_EQ(table[0].Count, 2);
    EXPECT_EQ(table[0].LastDraw, 9);
    EXPECT_EQ(table[0].PeriodMin, 5);
    EXPECT_EQ(table[0].PeriodMax, 5);

    EvaluateFullSet(*krs2, table);
    EXPECT_TRUE(table.empty());
}

}  // namespace
}  // namespace quorvel
