#include <gtest/gtest.h>

#include "core/model/colors.h"
#include "core/views/card.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

std::string RowText(const TCardGrid& grid, int row) {
    std::string text;
    for (int c = 0; c < CardColumnCount; ++c)
        text += (c ? ";" : "") + grid.At(c, row);
    return text;
}

TEST(CardGrid, RowsNewestFirstWithOneCellPerDistinctValue) {
    const TCardGrid grid = BuildCard({Draw(10, 1, 5, 9), Draw(11, 7, 7, 7), Draw(12, 3, 12, 0)});
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(RowText(grid, 0), ";0;1;2;3;4;5;6;7;8;9");
    EXPECT_EQ(RowText(grid, 1), "12;0;;;3;;;;;;");  // the damaged 12 marks nothing
    EXPECT_EQ(RowText(grid, 2), "11;;;;;;;;7;;");   // 7 7 7: only column 8
    EXPECT_EQ(RowText(grid, 3), "10;;1;;;;5;;;;9");
    EXPECT_EQ(grid.At(-1, 1), "");
    EXPECT_EQ(grid.At(3, 4), "");
}

TEST(CardGrid, AnEmptyArchiveLeavesOneEmptyDataRow) {
    const TCardGrid grid = BuildCard({});
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(RowText(grid, 1), ";;;;;;;;;;");
}

class CardColors : public ::testing::Test {
protected:
    // Newest first: row 1 = 0 4 8, row 2 = 1 2 7, row 3 = 1 5 9.
    const TCardGrid grid = BuildCard({Draw(1, 1, 5, 9), Draw(2, 1, 2, 7), Draw(3, 0, 4, 8)});
    static uint32_t Channel(int value) { return ValueColor(value, 2); }
};

TEST_F(CardColors, SequencesNeighboursAndChannels) {
    const TCardColoring all{true, true, 2};
    const struct {
        int Column, Row;
        std::optional<uint32_t> Color;
    } cases[] = {
        {2, 2, CardSequenceColor},                       // 1 repeated below, 2 beside it
        {2, 3, CardRepeatColor},                         // 1 repeated above, alone in its draw
        {3, 2, CardNeighbourColor},                      // 2 beside 1, not repeated
        {8, 2, Channel(7)},                              // 7 alone
        {1, 1, Channel(0)},                              // the caption "0" above the newest draw is no repeat
        {9, 1, Channel(8)},         {4, 1, Channel(3)},  // empty cells take their column's channel
        {0, 1, std::nullopt},       {5, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CardCellColor(grid, c.Column, c.Row, all), c.Color) << c.Column << "," << c.Row;
}

TEST_F(CardColors, EachOptionAlone) {
    const TCardColoring channelsOnly{true, false, 2};
    EXPECT_EQ(CardCellColor(grid, 2, 2, channelsOnly), Channel(1));
    EXPECT_EQ(CardCellColor(grid, 3, 2, channelsOnly), Channel(2));
    const TCardColoring sequencesOnly{false, true, 2};
    EXPECT_EQ(CardCellColor(grid, 2, 3, sequencesOnly), CardRepeatColor);
    EXPECT_EQ(CardCellColor(grid, 8, 2, sequencesOnly), std::nullopt);
    EXPECT_EQ(CardCellColor(grid, 4, 1, sequencesOnly), std::nullopt);
    EXPECT_EQ(CardCellColor(grid, 2, 2, TCardColoring{false, false, 2}), std::nullopt);
}

TEST(CardColorsEdges, ColumnZeroAndTheLastColumnAreNoNeighbours) {
    // 0 sits next to the number column and 9 at the right edge: neither has a neighbour there.
    const TCardGrid grid = BuildCard({Draw(100, 0, 9, 9)});
    const TCardColoring all{false, true, 2};
    EXPECT_EQ(CardCellColor(grid, 1, 1, all), std::nullopt);
    EXPECT_EQ(CardCellColor(grid, 10, 1, all), std::nullopt);
    const TCardGrid pair = BuildCard({Draw(100, 8, 9, 9)});
    EXPECT_EQ(CardCellColor(pair, 10, 1, all), CardNeighbourColor);
    EXPECT_EQ(CardCellColor(pair, 9, 1, all), CardNeighbourColor);
}

}  // namespace
}  // namespace quorvel
