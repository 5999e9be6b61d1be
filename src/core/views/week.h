#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/views/view_series.h"

namespace quorvel {

// The tab caption, also the source of its filters in the applied-filters list.
inline constexpr const char* WeekCaption = "Неделя";

constexpr int WeekDayCount = 7;

// The short day names of the interface language, Monday first.
extern const std::array<const char*, WeekDayCount> WeekDayShortNames;

// How often each value fell on each weekday (Monday = 0) in the window, and the largest count.
struct TWeekCounts {
    std::array<std::array<int32_t, WeekDayCount>, ValueCount> Counts{};
    int32_t Max = 0;
    int32_t At(int value, int day) const;
};

// Draws without a readable date and values outside 0..9 are left out.
TWeekCounts CountWeekdays(const TDrawsArray& draws, TViewWindow window);

// The week grid's texts: 8 rows of 11 cells, zero counts empty.
std::vector<std::vector<std::string>> WeekGridTexts(const TWeekCounts& counts);

// The red scale of a non-empty data cell: from near white to pure red at the largest count.
uint32_t WeekCellColor(int32_t count, int32_t max);

// The chart of the selected grid cell (column c is value c - 1, row d weekday d): by days the
// seven counts of its value, otherwise the ten counts of its weekday. A caption cell takes the
// nearest data cell.
TViewSeries WeekChartSeries(const TWeekCounts& counts, int column, int row, bool byDays);

}  // namespace quorvel
