#include <gtest/gtest.h>

#include "core/views/sum_distribution.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

TEST(SumDistribution, TheoreticalCountsPeakAtThirteenAndFourteen) {
    const TSumDistribution d = ComputeSumDistribution({});
    const std::vector<int> expected{1,  3,  6,  10, 15, 21, 28, 36, 45, 55, 63, 69, 73, 75,
                                    75, 73, 69, 63, 55, 45, 36, 28, 21, 15, 10, 6,  3,  1};
    ASSERT_EQ(d.Theoretical.size(), expected.size());
    for (size_t sum = 0; sum < expected.size(); ++sum) {
        EXPECT_EQ(d.Theoretical[sum].Key, static_cast<int>(sum));
        EXPECT_EQ(d.Theoretical[sum].Count, expected[sum]) << "sum " << sum;
    }
    EXPECT_EQ(d.Tmax, 75);
    EXPECT_EQ(d.Tmin, 1);
}

TEST(SumDistribution, ThresholdsAndRangesFromBothEnds) {
    const TSumDistribution d = ComputeSumDistribution({});
    const struct {
        int Threshold, Low, High;
        const char* Title;
    } cases[] = {
        {26, 6, 21, "Диапазон 1 (от 1/3 и выше по оси Y) - суммы 6-21"},
        {38, 8, 19, "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 8-19"},
        {51, 9, 18, "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 9-18"},
    };
    for (int i = 0; i < 3; ++i) {
        const TSumRange& range = d.Ranges[static_cast<size_t>(i)];
        EXPECT_EQ(range.Threshold, cases[i].Threshold);
        EXPECT_EQ(range.Low, cases[i].Low);
        EXPECT_EQ(range.High, cases[i].High);
        EXPECT_EQ(SumRangeTitle(d, i), cases[i].Title);
    }
}

TEST(SumDistribution, FactualCountsSortedBySumAndScaledSeries) {
    // Out of order on purpose; 7 7 7 sums to 21 and a damaged value only adds an odd sum.
    const TDrawsArray draws{Draw(1, 7, 7, 7), Draw(2, 0, 0, 1), Draw(3, 9, 9, 3), Draw(4, 1, 0, 0),
                            Draw(5, 12, 9, 9)};
    const TSumDistribution d = ComputeSumDistribution(draws);
    ASSERT_EQ(d.Factual.size(), 3u);
    EXPECT_EQ(d.Factual[0], (TStatSimple{1, 2}));
    EXPECT_EQ(d.Factual[1], (TStatSimple{21, 2}));
    EXPECT_EQ(d.Factual[2], (TStatSimple{30, 1}));
    EXPECT_EQ(d.Fmax, 2);

    const auto series = SumDistributionSeries(d);
    ASSERT_EQ(series.size(), 5u);
    EXPECT_EQ(series[0].Title, "Фактическое распределение сумм (по тиражам)");
    EXPECT_EQ(series[0].Color, 0xFF0000u);
    EXPECT_TRUE(series[0].Points && series[0].Marks);
    ASSERT_EQ(series[0].Data.size(), 3u);
    EXPECT_DOUBLE_EQ(series[0].Data[1].X, 21);
    EXPECT_EQ(series[1].Title, "Теоретическое распределение сумм (по комбинациям)");
    EXPECT_FALSE(series[1].Points || series[1].Marks);
    ASSERT_EQ(series[1].Data.size(), 28u);
    EXPECT_DOUBLE_EQ(series[1].Data[13].Y, 2.0);  // 75 × 2 / 75
    EXPECT_DOUBLE_EQ(series[1].Data[0].Y, 2.0 / 75);
    const uint32_t colors[] = {0x008000, 0x0000FF, 0xFF00FF};
    const double levels[] = {26, 38, 51};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(series[2 + i].Color, colors[i]);
        ASSERT_EQ(series[2 + i].Data.size(), 28u);
        EXPECT_DOUBLE_EQ(series[2 + i].Data[27].Y, levels[i] * 2 / 75);
    }
}

TEST(SumDistribution, AnEmptyArchiveKeepsTheLinesAtZero) {
    const auto series = SumDistributionSeries(ComputeSumDistribution({}));
    EXPECT_TRUE(series[0].Data.empty());
    for (size_t i = 1; i < series.size(); ++i) {
        ASSERT_EQ(series[i].Data.size(), 28u);
        for (const TViewPoint& p : series[i].Data)
            EXPECT_EQ(p.Y, 0.0);
    }
}

}  // namespace
}  // namespace quorvel
