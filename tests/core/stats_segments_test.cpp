#include <gtest/gtest.h>

#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

using Values = std::array<int, PositionCount>;
using Texts = std::vector<std::string>;

// Values 0-2 in segment 1, 3-5 in 2, 6-8 in 3 and 9 in 4, at every position.
const std::string Bands = "111222333411122233341112223334";
// Position 1 puts the value 0 alone in segment 2.
const std::string ZeroFirst = "211111111111111111111111111111";
// Position 1 uses segments 0 to 4.
const std::string WithZero = "012340123411111111111111111111";

TComb Comb(const Values& v) {
    return TComb{{static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]), static_cast<uint8_t>(v[2])}};
}

class SegmentsFamily : public ::testing::Test {
protected:
    SegmentsFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    void SetDraws(const std::vector<Values>& values) {
        draws.clear();
        for (const Values& v : values) {
            TDraw draw;
            draw.Number = static_cast<int32_t>(draws.size()) + 1;
            draw.Values = Comb(v).Values;
            draws.push_back(draw);
        }
    }
    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int index = stats.IndexOfCode(code);
        if (index < 0) return nullptr;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    Texts Rows(TCustomStat& stat, bool sorted) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        Texts rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat.ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    Texts Codes() {
        stats.Rebuild();
        Texts codes;
        for (const TStatMethod& entry : stats.Items) {
            if (entry.StatClass->Group == 5) codes.push_back(entry.Code());
        }
        return codes;
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(SegmentsFamily, ValuesOfDraws) {
    struct Case {
        const char* Name;
        std::string Segments;
        std::vector<Values> Draws;
        bool Sorted;
        const char* Code;
        Texts Rows;
    };
    const std::vector<Values> d723 = {{7, 2, 3}};  // segments 3, 1, 2 under Bands
    const Case cases[] = {
        {"sgms", Bands, d723, false, "SGMS", {"1=1", "2=1", "3=1", "4=0"}},
        {"sgmv", Bands, d723, false, "SGMV", {"1 x 1=1", "2 x 1=1", "3 x 1=1", "4 x 0=1"}},
        {"sgmc", Bands, d723, false, "SGMC", {"3=1"}},
        {"sgm1", Bands, d723, false, "SGM1", {"1=1"}},
        {"sgm4", Bands, d723, false, "SGM4", {"0=1"}},
        {"kgm2", Bands, d723, false, "KGM2", {"3:1=1", "3:2=1", "1:2=1"}},
        {"kgs2", Bands, d723, false, "KGS2", {"3:1=1", "1:2=1"}},
        {"kgm3", Bands, d723, false, "KGM3", {"3:1:2=1"}},
        {"kgs3", Bands, d723, false, "KGS3", {"3:1:2=1"}},
        // Default settings: every cell in segment 1.
        {"default sgms", "", d723, false, "SGMS", {"1=3"}},
        {"default sgmv", "", d723, false, "SGMV", {"1 x 3=1"}},
        {"default sgmc", "", d723, false, "SGMC", {"1=1"}},
        {"default kgm2", "", d723, false, "KGM2", {"1:1=3"}},
        {"default sgm1", "", d723, false, "SGM1", {"3=1"}},
        // Sorted draws look the smallest value up at position 1, wherever it was drawn.
        {"drawn order", ZeroFirst, {{5, 0, 9}}, false, "SGMS", {"2=0", "1=3"}},
        {"sorted", ZeroFirst, {{5, 0, 9}}, true, "SGMS", {"2=1", "1=2"}},
        {"sorted sgmc", ZeroFirst, {{5, 0, 9}}, true, "SGMC", {"2=1"}},
        {"sorted kgs2", ZeroFirst, {{5, 0, 9}}, true, "KGS2", {"2:1=1", "1:1=1"}},
        // A hand-edited table with segment 0.
        {"segment 0", WithZero, {{0, 0, 0}}, false, "SGMS", {"0=1", "1=2", "2=0", "3=0", "4=0"}},
        {"sgm0", WithZero, {{5, 1, 1}}, false, "SGM0", {"1=1"}},
        {"sgmv segment 0",
         WithZero,
         {{0, 0, 0}},
         false,
         "SGMV",
         {"0 x 1=1", "1 x 2=1", "2 x 0=1", "3 x 0=1", "4 x 0=1"}},
        // A short text or a letter reads as segment 1.
        {"short text", "2a", {{1, 1, 1}}, false, "SGMS", {"2=0", "1=3"}},
        // A damaged value's cell lies in no segment.
        {"damaged sgms", Bands, {{12, 0, 0}}, false, "SGMS", {"1=2", "2=0", "3=0", "4=0"}},
        {"damaged sgmv", Bands, {{12, 0, 0}}, false, "SGMV", {"1 x 2=1", "2 x 0=1", "3 x 0=1", "4 x 0=1"}},
        {"damaged sgmc", Bands, {{12, 0, 0}}, false, "SGMC", {"1=1"}},
        {"damaged kgm2", Bands, {{12, 0, 0}}, false, "KGM2", {"1:1=1"}},
        {"damaged sgm1", Bands, {{12, 0, 255}}, false, "SGM1", {"1=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        stats.Config.MatrixSegments = StrToSegments(c.Segments);
        SetDraws(c.Draws);
        auto stat = Create(c.Code);
        ASSERT_NE(stat, nullptr);
        EXPECT_EQ(Rows(*stat, c.Sorted), c.Rows);
    }
}

TEST_F(SegmentsFamily, CatalogueFollowsTheSegmentsInUse) {
    struct Case {
        std::string Segments;
        Texts PerSegment;
    };
    const Case cases[] = {
        {"", {"SGM1"}},
        {Bands, {"SGM1", "SGM2", "SGM3", "SGM4"}},
        {WithZero, {"SGM0", "SGM1", "SGM2", "SGM3", "SGM4"}},
        {std::string(30, '0'), {"SGM0", "SGM1"}},  // the range always reaches 1
        {std::string(30, '5'), {"SGM5"}},
        {"19", {"SGM1", "SGM2", "SGM3", "SGM4", "SGM5", "SGM6", "SGM7", "SGM8", "SGM9"}},  // unused ones too
    };
    const Texts fixed = {"SGMS", "SGMV", "SGMC", "KGM2", "KGM3", "KGS2", "KGS3"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Segments);
        stats.Config.MatrixSegments = StrToSegments(c.Segments);
        Texts expected = fixed;
        expected.insert(expected.end(), c.PerSegment.begin(), c.PerSegment.end());
        EXPECT_EQ(Codes(), expected);
    }
    // Numbers above 9 come only from code; the range starts no higher than 9.
    for (auto& row : stats.Config.MatrixSegments)
        row.fill(12);
    const Texts codes = Codes();
    EXPECT_EQ(Texts(codes.begin() + 7, codes.end()), (Texts{"SGM9", "SGM10", "SGM11", "SGM12"}));
}

TEST_F(SegmentsFamily, EntriesShowTheirTitlesAndFeatures) {
    stats.Rebuild();
    Texts shown;
    for (const TStatMethod& entry : stats.Items) {
        if (entry.StatClass->Group != 5) continue;
        shown.push_back(entry.Code() + " " + entry.Title() + " [" +
                        FeatureLetters(entry.StatClass->DisplayFlags()) + "] " +
                        (entry.StatClass->NumericValues ? "numeric" : "listed"));
    }
    const Texts expected = {
        "SGMS Сегменты матрицы [N] numeric",
        "SGMV Количество чисел в сегменте матрицы [N] listed",
        "SGMC Количество не пустых сегментов в матрице [NG] numeric",
        "KGM2 Сочетания из 2 сегментов по всем числам тиража [S] listed",
        "KGM3 Сочетания из 3 сегментов по всем числам тиража [S] listed",
        "KGS2 Сочетания из 2 сегментов по соседним числам [S] listed",
        "KGS3 Сочетания из 3 сегментов по соседним числам [S] listed",
        "SGM1 Количество чисел в 1 сегменте матрицы [NG] numeric",
    };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(stats.Items[static_cast<size_t>(stats.IndexOfCode("SGM1"))].StatClass->HelpTopicFormat(),
              "SGMx");
}

TEST_F(SegmentsFamily, MatchesLookEachValueUpAtItsPosition) {
    struct Case {
        const char* Code;
        std::array<uint16_t, 4> Selected;
        Values Comb;
        bool Matches;
    };
    const Case cases[] = {
        {"SGMS", {4, 0, 0, 0}, {9, 0, 0}, true},
        {"SGMS", {4, 0, 0, 0}, {0, 0, 0}, false},
        {"SGMV", {1, 2, 0, 0}, {0, 0, 5}, true},
        {"SGMV", {1, 2, 0, 0}, {0, 5, 5}, false},
        {"SGMV", {4, 0, 0, 0}, {0, 0, 0}, true},  // an untouched segment is a value too
        {"SGMV", {1, 2, 0, 1}, {0, 0, 5}, false},
        {"SGMC", {3, 0, 0, 0}, {0, 3, 6}, true},
        {"SGMC", {3, 0, 0, 0}, {0, 0, 6}, false},
        {"SGM3", {2, 0, 0, 0}, {6, 7, 0}, true},
        {"SGM3", {2, 0, 0, 0}, {6, 0, 0}, false},
        {"KGM2", {1, 3, 0, 0}, {0, 5, 6}, true},  // positions 1 and 3
        {"KGM2", {1, 3, 0, 0}, {6, 5, 0}, false},
        {"KGS2", {1, 3, 0, 0}, {0, 5, 6}, false},
        {"KGS2", {1, 3, 0, 0}, {5, 0, 6}, true},
        {"KGS3", {3, 1, 2, 0}, {7, 2, 3}, true},
        {"KGS3", {3, 1, 2, 0}, {7, 3, 2}, false},
    };
    stats.Config.MatrixSegments = StrToSegments(Bands);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Code) + " " + CombToStr(Comb(c.Comb)));
        auto stat = Create(c.Code);
        TStatDrawArray selected(1);
        selected[0].Key = c.Selected;
        EXPECT_EQ(stat->Matches(selected, -1, Comb(c.Comb), false, false), c.Matches);
    }
}

TEST_F(SegmentsFamily, FullSetGraphValuesAndPeriods) {
    auto count = [&](const std::string& code, std::array<uint16_t, 4> key) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        for (const TStatDraw& row : table) {
            if (row.Key == key) return row.Count;
        }
        return 0;
    };
    EXPECT_EQ(count("SGMC", {1, 0, 0, 0}), 1000);
    EXPECT_EQ(count("SGMV", {1, 3, 0, 0}), 1000);
    EXPECT_EQ(count("SGM1", {3, 0, 0, 0}), 1000);
    stats.Config.MatrixSegments = StrToSegments(Bands);
    EXPECT_EQ(count("SGMS", {4, 0, 0, 0}), 300);
    EXPECT_EQ(count("SGMV", {4, 0, 0, 0}), 729);
    EXPECT_EQ(count("SGMC", {1, 0, 0, 0}), 1 + 27 + 27 + 27);
    auto tuples = Create("KGM2");
    TStatDrawArray table;
    EvaluateFullSet(*tuples, table);
    EXPECT_TRUE(table.empty());

    SetDraws({{7, 2, 3}, {9, 9, 9}, {6, 6, 9}});
    draws[0].Number = 10;
    draws[1].Number = 13;
    draws[2].Number = 20;
    auto sgmc = Create("SGMC");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*sgmc).DrawGraphValue(0, -1, false), 3);
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*sgmc).GraphValue(0, -1, Comb({9, 9, 0}), false), 2);
    auto sgm4 = Create("SGM4");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*sgm4).DrawGraphValue(1, -1, false), 3);

    // Segment 3 occurs in draw 10 and twice in draw 20: the gap of 10, then 0 within the draw.
    auto sgms = Create("SGMS");
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*sgms, 0, 2, false, table, scratch, lastValues);
    ASSERT_EQ(table[2].Key[0], 3);
    EXPECT_EQ(table[2].Count, 3);
    EXPECT_EQ(table[2].LastDraw, 20);
    EXPECT_EQ(table[2].Depth, 1);
    EXPECT_EQ(table[2].PeriodMin, 0);
    EXPECT_EQ(table[2].PeriodMax, 10);
    // Segment 4 occurs three times in draw 13 and once in 20: a gap of 0 counts as none yet.
    ASSERT_EQ(table[3].Key[0], 4);
    EXPECT_EQ(table[3].PeriodMin, 7);
    EXPECT_EQ(table[3].PeriodMax, 7);
}

TEST_F(SegmentsFamily, ObjectsKeepTheTableOfTheirCreation) {
    stats.Config.MatrixSegments = StrToSegments(Bands);
    SetDraws({{9, 9, 9}});
    auto before = Create("SGMS");
    stats.Config.MatrixSegments = StrToSegments("");
    EXPECT_EQ(Rows(*before, false), (Texts{"1=0", "2=0", "3=0", "4=3"}));
    EXPECT_EQ(Rows(*Create("SGMS"), false), (Texts{"1=3"}));
}

}  // namespace
}  // namespace quorvel
