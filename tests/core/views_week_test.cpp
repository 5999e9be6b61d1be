#include <gtest/gtest.h>

#include "core/views/view_stamp.h"
#include "core/views/week.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c, const std::string& date) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    draw.DateText.SetText(date);
    return draw;
}

const TDrawsArray Draws{
    Draw(1, 1, 2, 3, "01.01.2024 21:30"),   // Monday, before the window below
    Draw(2, 7, 7, 7, "01.01.2024 21:30"),   // Monday
    Draw(3, 7, 0, 12, "07.01.2024 12:00"),  // Sunday, a damaged value
    Draw(4, 5, 5, 5, ""),                   // no date
    Draw(5, 5, 5, 5, "31.02.2024 12:00"),   // no such day
    Draw(6, 5, 5, 5, "xx"),
    Draw(7, 0, 7, 9, "03.01.2024 12:00"),  // Wednesday
    Draw(8, 9, 9, 9, "07.01.2024 12:00"),  // hidden by the offset below
};

TEST(WeekView, CountsByWeekdaySkipWhatCannotBeRead) {
    const TWeekCounts counts = CountWeekdays(Draws, ViewWindow(8, 1, 6));  // indices 1..6
    EXPECT_EQ(counts.At(7, 0), 3);
    EXPECT_EQ(counts.At(7, 6), 1);
    EXPECT_EQ(counts.At(0, 6), 1);
    EXPECT_EQ(counts.At(7, 2), 1);
    EXPECT_EQ(counts.At(1, 0), 0);  // outside the window
    EXPECT_EQ(counts.At(9, 6), 0);  // behind the offset
    int total = 0;
    for (const auto& days : counts.Counts) {
        for (int n : days)
            total += n;
    }
    EXPECT_EQ(total, 8);  // 3 + 2 (the 12 is dropped) + 3; the undated fives count nowhere
    EXPECT_EQ(counts.Max, 3);
    EXPECT_EQ(counts.At(12, 0), 0);
    EXPECT_EQ(counts.At(7, 7), 0);
}

TEST(WeekView, GridTextsLeaveZerosEmpty) {
    const auto grid = WeekGridTexts(CountWeekdays(Draws, ViewWindow(8, 1, 6)));
    ASSERT_EQ(grid.size(), 8u);
    ASSERT_EQ(grid[0].size(), 11u);
    EXPECT_EQ(grid[0][1], "0");
    EXPECT_EQ(grid[0][10], "9");
    EXPECT_EQ(grid[1][0], "Пн");
    EXPECT_EQ(grid[7][0], "Вс");
    EXPECT_EQ(grid[1][8], "3");
    EXPECT_EQ(grid[1][1], "");
    EXPECT_EQ(grid[7][1], "1");
}

TEST(WeekView, RedScaleRoundsHalvesToEven) {
    const struct {
        int Count, Max;
        uint32_t Color;
    } cases[] = {
        {3, 3, 0xFF0000},   {1, 3, 0xFFAAAA},  // 255 - 85
        {1, 2, 0xFF7F7F},                      // 127.5 goes to 128
        {1, 510, 0xFFFFFF},                    // 0.5 goes to 0
        {3, 510, 0xFFFDFD},                    // 1.5 goes to 2
    };
    for (const auto& c : cases)
        EXPECT_EQ(WeekCellColor(c.Count, c.Max), c.Color) << c.Count << "/" << c.Max;
}

TEST(WeekView, ChartByDaysOrByValues) {
    const TWeekCounts counts = CountWeekdays(Draws, ViewWindow(8, 1, 6));
    const TViewSeries days = WeekChartSeries(counts, 8, 1, true);
    ASSERT_EQ(days.Data.size(), 7u);
    EXPECT_EQ(days.Data[0].Y, 3);
    EXPECT_EQ(days.Data[2].Y, 1);
    EXPECT_EQ(days.Data[6].Label, "Вс");
    const TViewSeries values = WeekChartSeries(counts, 8, 7, false);
    ASSERT_EQ(values.Data.size(), 10u);
    EXPECT_EQ(values.Data[0].Y, 1);
    EXPECT_EQ(values.Data[7].Y, 1);
    EXPECT_EQ(values.Data[9].Label, "9");
    EXPECT_EQ(WeekChartSeries(counts, 0, 0, true).Data[0].Y, 0);  // caption cell: value 0, Monday
}

TEST(ViewWindowTest, EndsAtTheOffsetPoint) {
    const struct {
        int Count, Offset, Length, First, Last;
    } cases[] = {
        {10, 0, 3, 7, 9},          {10, 4, 50, 0, 5},
        {10, 4, 1, 5, 5},          {10, 20, 5, 0, 0},  // an offset beyond the archive keeps the oldest draw
        {10, 0, 2147483647, 0, 9},
    };
    for (const auto& c : cases) {
        const TViewWindow w = ViewWindow(c.Count, c.Offset, c.Length);
        EXPECT_EQ(w.First, c.First);
        EXPECT_EQ(w.Last, c.Last);
    }
    EXPECT_TRUE(ViewWindow(0, 0, 100).Empty());
}

TEST(ViewStampTest, OnlyStaleOrForcedViewsRebuild) {
    TViewStamp last;
    EXPECT_TRUE(TakeRebuild(last, {10, 0, 100, -1}, false));  // never built
    EXPECT_FALSE(TakeRebuild(last, {10, 0, 100, -1}, false));
    EXPECT_TRUE(TakeRebuild(last, {10, 0, 100, -1}, true));
    EXPECT_TRUE(TakeRebuild(last, {10, 1, 100, -1}, false));
    EXPECT_TRUE(TakeRebuild(last, {10, 1, 100, 3}, false));
    EXPECT_FALSE(TakeRebuild(last, {10, 1, 100, 3}, false));
    EXPECT_FALSE(CardNeedsRebuild(11, 10, false));
    EXPECT_TRUE(CardNeedsRebuild(11, 10, true));
    EXPECT_TRUE(CardNeedsRebuild(11, 11, false));
}

}  // namespace
}  // namespace quorvel
