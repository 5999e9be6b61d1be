#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/views/view_series.h"

namespace quorvel {

// The tab caption, also the source of its filters in the applied-filters list.
inline constexpr const char* LayoutCaption = "Схема";

// One value of the layout window: how often it fell and the newest draw that holds it.
struct TShema {
    uint8_t Value = 0;
    int32_t Count = 0;
    int32_t Number = 0;
    bool operator==(const TShema&) const = default;
};
using TShemaArray = std::vector<TShema>;

// The window's values in the order first met from the newest draw, positions 1 to 3; values
// outside 0..9 are left out.
TShemaArray CountLayoutValues(const TDrawsArray& draws, TViewWindow window);

// The layout grid: row 0 the newest-draw numbers descending, column 0 the counts descending,
// each value in the cell of its count and number, values of the next draw in brackets.
struct TLayoutGrid {
    TIntArray Counts;
    TIntArray Numbers;
    std::vector<std::vector<std::string>> Cells;  // [row][column], headers included
    int RowCount() const { return static_cast<int>(Cells.size()); }
    int ColumnCount() const { return Cells.empty() ? 0 : static_cast<int>(Cells.front().size()); }
};

TLayoutGrid BuildLayoutGrid(const TShemaArray& records, const TByteArray& nextValues);

constexpr uint32_t LayoutNextDrawColor = 0x00FF00;
constexpr uint32_t LayoutOddBlockColor = 0xFFEAEA;
constexpr uint32_t LayoutEvenBlockColor = 0xEAFFEA;

// The background of a data cell; nothing for the headers.
std::optional<uint32_t> LayoutCellColor(const TLayoutGrid& grid, int column, int row, bool gradient);

// A compare list: the window's range caption and one row per count, descending.
struct TLayoutCompareRow {
    int32_t Count = 0;
    std::string Values;
};
struct TLayoutCompareList {
    std::string Caption;
    std::vector<TLayoutCompareRow> Rows;
};

inline constexpr const char* LayoutCompareCountCaption = "Кол-во";

// An empty window (empty archive) gives an empty list without a caption.
TLayoutCompareList BuildLayoutCompare(const TDrawsArray& draws, TViewWindow window);

}  // namespace quorvel
