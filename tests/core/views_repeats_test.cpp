#include <gtest/gtest.h>

#include "core/stats/custom_stat.h"
#include "core/stats/stat_list.h"
#include "core/views/graph_series.h"
#include "core/views/repeats_analysis.h"

namespace quorvel {

void PrintTo(const TRepeatsRow& row, std::ostream* out) {
    *out << row.Number << ";" << row.Matches << ";" << row.Repeats << ";" << row.Draws;
}

namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

TEST(RepeatsAnalysis, TwoIdenticalConsecutiveDrawsMatchFully) {
    const auto rows = AnalyzeRepeats({Draw(1, 1, 2, 3), Draw(2, 4, 5, 6), Draw(3, 4, 5, 6)}, 100, 100);
    EXPECT_EQ(rows, (std::vector<TRepeatsRow>{{3, 3, 1, "2"}}));
}

// Draw 11 shares position 1 with draws 9, 6 and 2 of the previous ten.
TDrawsArray SharedFirstPosition() {
    TDrawsArray draws;
    for (int n = 1; n <= 10; ++n)
        draws.push_back(Draw(n, 0, 6, 7));
    draws[1] = Draw(2, 5, 2, 2);
    draws[5] = Draw(6, 5, 3, 3);
    draws[8] = Draw(9, 5, 4, 4);
    draws.push_back(Draw(11, 5, 1, 1));
    return draws;
}

TEST(RepeatsAnalysis, LengthAndDepthLimitThePairs) {
    const TDrawsArray draws = SharedFirstPosition();
    const struct {
        int Length, Deep;
        TRepeatsRow First;
        size_t Rows;
    } cases[] = {
        {1, 10, {11, 1, 3, "9 6 2"}, 1},
        {1, 100, {11, 1, 3, "9 6 2"}, 1},
        {1, 3, {11, 1, 1, "9"}, 1},
        {2, 10, {11, 1, 3, "9 6 2"}, 2},  // draw 10 then matches the older 0 6 7 draws
    };
    for (const auto& c : cases) {
        const auto rows = AnalyzeRepeats(draws, c.Length, c.Deep);
        ASSERT_EQ(rows.size(), c.Rows) << c.Length << "/" << c.Deep;
        EXPECT_EQ(rows[0], c.First);
    }
    const auto second = AnalyzeRepeats(draws, 2, 10)[1];
    EXPECT_EQ(second, (TRepeatsRow{10, 3, 6, "8 7 5 4 3 1"}));
    EXPECT_TRUE(AnalyzeRepeats({}, 100, 100).empty());
    EXPECT_TRUE(AnalyzeRepeats({Draw(1, 1, 1, 1)}, 100, 100).empty());
}

TEST(RepeatsAnalysis, RowsInOrderOfFirstMatchAndSeriesFromTheLastRow) {
    const auto rows = AnalyzeRepeats({Draw(1, 1, 2, 8), Draw(2, 1, 9, 9), Draw(3, 1, 2, 3)}, 100, 100);
    ASSERT_EQ(rows, (std::vector<TRepeatsRow>{{3, 1, 1, "2"}, {3, 2, 1, "1"}, {2, 1, 1, "1"}}));
    const auto series = RepeatsSeries(rows);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].Title, "Совпадений: 1");
    EXPECT_EQ(series[1].Title, "Совпадений: 2");
    ASSERT_EQ(series[0].Data.size(), 2u);
    EXPECT_EQ(series[0].Data[0].X, 2);
    EXPECT_EQ(series[0].Data[1].X, 3);
    EXPECT_EQ(series[0].Data[1].Label, "3");
    EXPECT_NE(series[0].Color, series[1].Color);
    EXPECT_TRUE(RepeatsSeries({}).empty());
}

class GraphSeries : public ::testing::Test {
protected:
    GraphSeries() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }
    std::unique_ptr<TCustomStat> Sums() {
        const int entry = stats.IndexOfCode("SUMS");
        EXPECT_GE(entry, 0);
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    // Sums 5, 9, 9, 5, then 27 behind the offset.
    TDrawsArray draws{Draw(1, 1, 1, 3), Draw(2, 4, 4, 1), Draw(3, 0, 0, 9), Draw(4, 2, 2, 1),
                      Draw(5, 9, 9, 9)};
    TStatList stats;
};

TEST_F(GraphSeries, AverageAndTheOlderOfTiedMostFrequentValues) {
    auto stat = Sums();
    auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
    ASSERT_NE(graph, nullptr);
    const TGraphData data = BuildGraph(*graph, draws, ViewWindow(5, 1, 100), false, "Сумма", true);
    ASSERT_EQ(data.Main.Data.size(), 4u);
    EXPECT_EQ(data.Main.Title, "Сумма");
    EXPECT_EQ(data.Main.Data[1].Y, 9);
    EXPECT_EQ(data.Main.Data[3].X, 4);
    EXPECT_EQ(data.Main.Data[3].Label, "4");
    EXPECT_DOUBLE_EQ(data.AverageValue, 7.0);
    EXPECT_EQ(data.MostFrequentValue, 5);
    EXPECT_EQ(data.Average.Title, "Среднее значение");
    EXPECT_EQ(data.MostFrequent.Title, "Наиболее часто встречающееся значение");
    ASSERT_EQ(data.MostFrequent.Data.size(), 4u);
    EXPECT_EQ(data.MostFrequent.Data[2].Y, 5);

    // The offset moves the window: 9, 5, 27 over the last three draws.
    const TGraphData moved = BuildGraph(*graph, draws, ViewWindow(5, 0, 3), false, "Сумма", false);
    EXPECT_DOUBLE_EQ(moved.AverageValue, 41.0 / 3);
    EXPECT_EQ(moved.MostFrequentValue, 9);
    EXPECT_TRUE(BuildGraph(*graph, {}, ViewWindow(0, 0, 100), false, "", false).Main.Data.empty());
}

}  // namespace
}  // namespace quorvel
