#include "core/views/layout.h"

#include <algorithm>

#include "core/model/lists.h"
#include "core/util/format.h"
#include "core/util/rounding.h"

namespace quorvel {

namespace {

int IndexIn(const TIntArray& list, int32_t value) {
    return static_cast<int>(std::find(list.begin(), list.end(), value) - list.begin());
}

void AppendWord(std::string& cell, const std::string& word) {
    if (!cell.empty()) cell += ", ";
    cell += word;
}

// Indices 1–5, 11–15, … form the blocks that alternate with 6–10, 16–20, …
bool InOddBlock(int index) {
    const int digit = index % 10;
    return digit >= 1 && digit <= 5;
}

uint32_t Component(double value) {
    return static_cast<uint32_t>(std::clamp<int64_t>(RoundHalfEven(value), 0, 255));
}

}  // namespace

TShemaArray CountLayoutValues(const TDrawsArray& draws, TViewWindow window) {
    TShemaArray records;
    const int last = std::min(window.Last, static_cast<int>(draws.size()) - 1);
    for (int i = last; i >= std::max(window.First, 0); --i) {
        const TDraw& draw = draws[static_cast<size_t>(i)];
        for (uint8_t v : draw.Values) {
            if (!IsValidValue(v)) continue;
            auto found =
                std::find_if(records.begin(), records.end(), [v](const TShema& r) { return r.Value == v; });
            if (found == records.end()) {
                records.push_back({v, 1, draw.Number});
            } else {
                ++found->Count;
            }
        }
    }
    return records;
}

TLayoutGrid BuildLayoutGrid(const TShemaArray& records, const TByteArray& nextValues) {
    TLayoutGrid grid;
    for (const TShema& r : records) {
        if (IndexIn(grid.Counts, r.Count) == static_cast<int>(grid.Counts.size()))
            grid.Counts.push_back(r.Count);
        if (IndexIn(grid.Numbers, r.Number) == static_cast<int>(grid.Numbers.size()))
            grid.Numbers.push_back(r.Number);
    }
    SortIntsDesc(grid.Counts);
    SortIntsDesc(grid.Numbers);
    grid.Cells.assign(grid.Counts.size() + 1, std::vector<std::string>(grid.Numbers.size() + 1));
    for (size_t c = 0; c < grid.Numbers.size(); ++c)
        grid.Cells[0][c + 1] = std::to_string(grid.Numbers[c]);
    for (size_t r = 0; r < grid.Counts.size(); ++r)
        grid.Cells[r + 1][0] = std::to_string(grid.Counts[r]);
    for (const TShema& r : records) {
        const std::string text = std::to_string(r.Value);
        std::string& cell = grid.Cells[static_cast<size_t>(IndexIn(grid.Counts, r.Count)) + 1]
                                      [static_cast<size_t>(IndexIn(grid.Numbers, r.Number)) + 1];
        AppendWord(cell, ByteListHas(nextValues, r.Value) ? "[" + text + "]" : text);
    }
    return grid;
}

std::optional<uint32_t> LayoutCellColor(const TLayoutGrid& grid, int column, int row, bool gradient) {
    if (row < 1 || row >= grid.RowCount() || column < 1 || column >= grid.ColumnCount()) return std::nullopt;
    if (grid.Cells[static_cast<size_t>(row)][static_cast<size_t>(column)].find('[') != std::string::npos)
        return LayoutNextDrawColor;
    if (gradient) {
        const double r = 155.0 * row / grid.RowCount();
        const double g = 155.0 * column / grid.ColumnCount();
        return (Component(255 - r) << 16) | (Component(255 - g) << 8) | Component(r + 100);
    }
    return InOddBlock(column) != InOddBlock(row) ? LayoutOddBlockColor : LayoutEvenBlockColor;
}

TLayoutCompareList BuildLayoutCompare(const TDrawsArray& draws, TViewWindow window) {
    TLayoutCompareList list;
    const int last = std::min(window.Last, static_cast<int>(draws.size()) - 1);
    const int first = std::max(window.First, 0);
    if (first > last) return list;
    list.Caption = Format(
        "%d - %d", {draws[static_cast<size_t>(first)].Number, draws[static_cast<size_t>(last)].Number});
    for (const TShema& r : CountLayoutValues(draws, {first, last})) {
        auto row = std::find_if(list.Rows.begin(), list.Rows.end(),
                                [&](const TLayoutCompareRow& e) { return e.Count == r.Count; });
        if (row == list.Rows.end()) row = list.Rows.insert(list.Rows.end(), {r.Count, {}});
        AppendWord(row->Values, std::to_string(r.Value));
    }
    std::stable_sort(
        list.Rows.begin(), list.Rows.end(),
        [](const TLayoutCompareRow& a, const TLayoutCompareRow& b) { return a.Count > b.Count; });
    return list;
}

}  // namespace quorvel
