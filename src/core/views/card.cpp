#include "core/views/card.h"

#include "core/model/colors.h"

namespace quorvel {

namespace {

const std::string NoText;

}  // namespace

const std::string& TCardGrid::At(int column, int row) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= CardColumnCount) return NoText;
    return Cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

TCardGrid BuildCard(const TDrawsArray& draws) {
    TCardGrid grid;
    grid.Cells.reserve(draws.size() + 1);
    auto& captions = grid.Cells.emplace_back();
    for (int v = ValueMin; v <= ValueMax; ++v)
        captions[static_cast<size_t>(v + 1)] = std::to_string(v);
    if (draws.empty()) {
        grid.Cells.emplace_back();
        return grid;
    }
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        auto& row = grid.Cells.emplace_back();
        row[0] = std::to_string(it->Number);
        for (uint8_t v : it->Values) {
            // A damaged value has no column to mark.
            if (IsValidValue(v)) row[static_cast<size_t>(v) + 1] = std::to_string(v);
        }
    }
    return grid;
}

std::optional<uint32_t> CardCellColor(const TCardGrid& grid, int column, int row,
                                      const TCardColoring& coloring) {
    if (row < 1 || row >= grid.RowCount() || column < 1 || column >= CardColumnCount) return std::nullopt;
    const std::string& text = grid.At(column, row);
    if (!text.empty() && coloring.ColorCardSequences) {
        // Only draw rows are neighbours: the caption above the newest draw repeats every value.
        const bool repeated =
            (row > 1 && grid.At(column, row - 1) == text) || grid.At(column, row + 1) == text;
        const bool beside = (column > 1 && !grid.At(column - 1, row).empty()) ||
                            (column < CardColumnCount - 1 && !grid.At(column + 1, row).empty());
        if (repeated) return beside ? CardSequenceColor : CardRepeatColor;
        if (beside) return CardNeighbourColor;
    }
    if (coloring.ColorCard) return ValueColor(column - 1, coloring.ChannelSize);
    return std::nullopt;
}

}  // namespace quorvel
