#include <gtest/gtest.h>

#include "core/views/layout.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

std::vector<std::string> Lines(const TLayoutGrid& grid) {
    std::vector<std::string> lines;
    for (const auto& row : grid.Cells) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line += (c ? "|" : "") + row[c];
        lines.push_back(line);
    }
    return lines;
}

TEST(LayoutView, RecordsCountValuesFromTheNewestDraw) {
    const TDrawsArray draws{Draw(1, 4, 4, 4), Draw(2, 1, 2, 3), Draw(3, 3, 12, 1), Draw(4, 7, 7, 7)};
    const TShemaArray records = CountLayoutValues(draws, {1, 3});
    const TShemaArray expected{{7, 3, 4}, {3, 2, 3}, {1, 2, 3}, {2, 1, 2}};  // 12 is no value
    EXPECT_EQ(records, expected);
    EXPECT_TRUE(CountLayoutValues({}, ViewWindow(0, 0, 100)).empty());
}

TEST(LayoutView, GridByCountAndNewestNumberBothDescending) {
    const TDrawsArray draws{Draw(1, 0, 5, 6), Draw(2, 1, 2, 3), Draw(3, 3, 9, 1), Draw(4, 7, 7, 7)};
    const TLayoutGrid grid = BuildLayoutGrid(CountLayoutValues(draws, {0, 3}), {});
    EXPECT_EQ(Lines(grid), (std::vector<std::string>{
                               "|4|3|2|1",
                               "3|7|||",
                               "2||3, 1||",
                               "1||9|2|0, 5, 6",
                           }));
}

TEST(LayoutView, LengthOneAtAnOffsetBracketsTheNextDraw) {
    const TDrawsArray draws{Draw(1, 0, 0, 0), Draw(2, 7, 7, 7), Draw(3, 5, 7, 1)};
    const TByteArray next{5, 7, 1};
    const TLayoutGrid triple = BuildLayoutGrid(CountLayoutValues(draws, ViewWindow(3, 1, 1)), next);
    EXPECT_EQ(Lines(triple), (std::vector<std::string>{"|2", "3|[7]"}));
    EXPECT_EQ(LayoutCellColor(triple, 1, 1, true), LayoutNextDrawColor);
    EXPECT_EQ(LayoutCellColor(triple, 1, 1, false), LayoutNextDrawColor);

    const TDrawsArray plain{Draw(1, 1, 2, 3), Draw(2, 3, 5, 6)};
    const TLayoutGrid one = BuildLayoutGrid(CountLayoutValues(plain, ViewWindow(2, 1, 1)), {3, 5, 6});
    EXPECT_EQ(Lines(one), (std::vector<std::string>{"|1", "1|1, 2, [3]"}));
}

TEST(LayoutView, GradientRoundsEveryComponentHalvesToEven) {
    // 2 × 2 grid: R = G = 155 / 2 = 77.5, so 177.5 and 177.5 both go to 178.
    const TLayoutGrid small = BuildLayoutGrid({{4, 1, 10}}, {});
    EXPECT_EQ(LayoutCellColor(small, 1, 1, true), 0xB2B2B2u);
    const TLayoutGrid wide = BuildLayoutGrid({{4, 1, 10}, {5, 1, 9}, {6, 1, 8}, {7, 1, 7}}, {});
    // 2 rows, 5 columns: cell (4, 1) has G = 124, R = 77.5.
    EXPECT_EQ(LayoutCellColor(wide, 4, 1, true), (178u << 16) | (131u << 8) | 178u);
    EXPECT_EQ(LayoutCellColor(wide, 0, 1, true), std::nullopt);
    EXPECT_EQ(LayoutCellColor(wide, 1, 0, true), std::nullopt);
    EXPECT_EQ(LayoutCellColor(wide, 5, 1, true), std::nullopt);
}

TEST(LayoutView, ChequeredBlocksOfFive) {
    TLayoutGrid grid;
    grid.Cells.assign(13, std::vector<std::string>(13));
    const struct {
        int Column, Row;
        uint32_t Color;
    } cases[] = {
        {1, 1, LayoutEvenBlockColor},  {5, 5, LayoutEvenBlockColor},  {6, 1, LayoutOddBlockColor},
        {1, 6, LayoutOddBlockColor},   {6, 10, LayoutEvenBlockColor}, {10, 11, LayoutOddBlockColor},
        {11, 1, LayoutEvenBlockColor}, {12, 6, LayoutOddBlockColor},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutCellColor(grid, c.Column, c.Row, false), c.Color) << c.Column << "," << c.Row;
}

TEST(LayoutCompare, CaptionRangeAtAnOffsetAndRowsByCount) {
    TDrawsArray draws;
    const int values[10][3] = {{1, 2, 3}, {3, 4, 5}, {5, 5, 6}, {6, 7, 8}, {8, 9, 0},
                               {0, 1, 2}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    for (int i = 0; i < 10; ++i)
        draws.push_back(Draw(101 + i, values[i][0], values[i][1], values[i][2]));
    const TLayoutCompareList list = BuildLayoutCompare(draws, ViewWindow(10, 4, 50));
    EXPECT_EQ(list.Caption, "101 - 106");
    ASSERT_EQ(list.Rows.size(), 3u);
    EXPECT_EQ(list.Rows[0].Count, 3);
    EXPECT_EQ(list.Rows[0].Values, "5");
    EXPECT_EQ(list.Rows[1].Count, 2);
    EXPECT_EQ(list.Rows[1].Values, "0, 1, 2, 8, 6, 3");
    EXPECT_EQ(list.Rows[2].Count, 1);
    EXPECT_EQ(list.Rows[2].Values, "9, 7, 4");
    EXPECT_EQ(std::string(LayoutCompareCountCaption), "Кол-во");

    const TLayoutCompareList empty = BuildLayoutCompare({}, ViewWindow(0, 0, 50));
    EXPECT_TRUE(empty.Caption.empty());
    EXPECT_TRUE(empty.Rows.empty());
}

}  // namespace
}  // namespace quorvel
