#include "core/views/week.h"

#include <algorithm>

#include "core/model/text_forms.h"
#include "core/util/datetime.h"
#include "core/util/error.h"
#include "core/util/rounding.h"

namespace quorvel {

const std::array<const char*, WeekDayCount> WeekDayShortNames{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};

int32_t TWeekCounts::At(int value, int day) const {
    if (!IsValidValue(value) || day < 0 || day >= WeekDayCount) return 0;
    return Counts[static_cast<size_t>(value)][static_cast<size_t>(day)];
}

namespace {

// 0 for Monday … 6 for Sunday, or -1 when the draw has no usable date.
int WeekdayOf(const TDraw& draw) {
    try {
        const TDateTime date = StrToDrawDate(draw.DateText.Text());
        if (date <= 0) return -1;
        return IsoDayOfWeek(date) - 1;
    } catch (const ConvertError&) {
        return -1;
    }
}

}  // namespace

TWeekCounts CountWeekdays(const TDrawsArray& draws, TViewWindow window) {
    TWeekCounts counts;
    for (int i = std::max(window.First, 0); i <= window.Last && i < static_cast<int>(draws.size()); ++i) {
        const TDraw& draw = draws[static_cast<size_t>(i)];
        const int day = WeekdayOf(draw);
        if (day < 0 || day >= WeekDayCount) continue;
        for (uint8_t v : draw.Values) {
            if (IsValidValue(v)) ++counts.Counts[v][static_cast<size_t>(day)];
        }
    }
    for (const auto& days : counts.Counts)
        counts.Max = std::max(counts.Max, *std::max_element(days.begin(), days.end()));
    return counts;
}

std::vector<std::vector<std::string>> WeekGridTexts(const TWeekCounts& counts) {
    std::vector<std::vector<std::string>> grid(WeekDayCount + 1, std::vector<std::string>(ValueCount + 1));
    for (int v = ValueMin; v <= ValueMax; ++v)
        grid[0][static_cast<size_t>(v + 1)] = std::to_string(v);
    for (int d = 0; d < WeekDayCount; ++d) {
        auto& row = grid[static_cast<size_t>(d + 1)];
        row[0] = WeekDayShortNames[static_cast<size_t>(d)];
        for (int v = ValueMin; v <= ValueMax; ++v) {
            if (const int32_t n = counts.At(v, d); n != 0)
                row[static_cast<size_t>(v + 1)] = std::to_string(n);
        }
    }
    return grid;
}

uint32_t WeekCellColor(int32_t count, int32_t max) {
    if (max <= 0) return 0xFFFFFF;
    const int64_t fade = RoundHalfEven(255.0 * count / max);
    const auto gb = static_cast<uint32_t>(std::clamp<int64_t>(255 - fade, 0, 255));
    return 0xFF0000 | (gb << 8) | gb;
}

TViewSeries WeekChartSeries(const TWeekCounts& counts, int column, int row, bool byDays) {
    const int value = std::clamp(column - 1, ValueMin, ValueMax);
    const int day = std::clamp(row - 1, 0, WeekDayCount - 1);
    TViewSeries series;
    series.Color = 0x008000;
    series.Points = true;
    if (byDays) {
        for (int d = 0; d < WeekDayCount; ++d)
            series.Data.push_back(
                {double(d), double(counts.At(value, d)), WeekDayShortNames[static_cast<size_t>(d)]});
    } else {
        for (int v = ValueMin; v <= ValueMax; ++v)
            series.Data.push_back({double(v), double(counts.At(v, day)), std::to_string(v)});
    }
    return series;
}

}  // namespace quorvel
