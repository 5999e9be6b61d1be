#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/game.h"

namespace quorvel {

// The tab caption, also the source of its filters in the applied-filters list.
inline constexpr const char* CardCaption = "Карта";

constexpr int CardColumnCount = ValueCount + 1;
constexpr uint32_t CardSequenceColor = 0xFFFF00;   // yellow: repeated and beside another value
constexpr uint32_t CardRepeatColor = 0x00FF00;     // lime: repeated, alone in its draw
constexpr uint32_t CardNeighbourColor = 0x00FFFF;  // aqua: beside another value of its draw

// The card's texts: row 0 the captions "0" … "9" in columns 1 to 10, then one row per draw,
// newest first, its number in column 0 and each value v in column v + 1. An empty archive
// gives one empty data row.
struct TCardGrid {
    std::vector<std::array<std::string, CardColumnCount>> Cells;
    int RowCount() const { return static_cast<int>(Cells.size()); }
    const std::string& At(int column, int row) const;
};

TCardGrid BuildCard(const TDrawsArray& draws);

struct TCardColoring {
    bool ColorCard = true;           // channels
    bool ColorCardSequences = true;  // repeats and neighbours
    int ChannelSize = 2;
};

// The background of a cell, or nothing for the grid's own colour (captions, numbers, and
// cells no option paints).
std::optional<uint32_t> CardCellColor(const TCardGrid& grid, int column, int row,
                                      const TCardColoring& coloring);

}  // namespace quorvel
