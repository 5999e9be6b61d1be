#include <gtest/gtest.h>

#include "core/model/lists.h"
#include "core/stats/config_changes.h"
#include "core/util/format.h"

namespace quorvel {
namespace {

TEST(ConfigChangeMarks, OnlyRebuildingItemsMarkAndTheyCombine) {
    const TConfigData before;
    TConfigData after = before;
    after.Cost = 25000;
    after.MaxStake = 7;
    after.Profits = {{3, 5000000}};
    after.Weights.Count = 2.5;
    EXPECT_EQ(ConfigChangeMarks(before, after), 0);

    after.ChannelSize = 3;
    EXPECT_EQ(ConfigChangeMarks(before, after), 8);
    after.MatrixCols = 4;
    EXPECT_EQ(ConfigChangeMarks(before, after), 8 | 16);
    after.MatrixSegments[2][9] = 2;
    EXPECT_EQ(ConfigChangeMarks(after, before), 8 | 16 | 32);
}

TEST(ConfigChangeMarks, SegmentsCompareByTheirStoredText) {
    const TConfigData before;
    TConfigData same = before;
    same.MatrixSegments = StrToSegments("1111111111xyz");  // letters read as 1: the same text
    EXPECT_EQ(ConfigChangeMarks(before, same), 0);
    TConfigData wide = before;
    wide.MatrixSegments[0][0] = 11;
    EXPECT_EQ(ConfigChangeMarks(before, wide), 32);
}

TEST(SegmentCell, OnlyEmptyOrOneToNinePassAndTheRestReadsAsOne) {
    for (const char* good : {"", "1", "9", "09", "+3"})
        EXPECT_EQ(SegmentCellError(good), std::nullopt) << good;
    EXPECT_EQ(SegmentCellError("0"), "Некорректное значение: 0!\r\rУкажите любое число от 1 до 9");
    for (const char* bad : {"10", "00", "-1", " ", "1 ", "a", "99999999999"}) {
        EXPECT_EQ(SegmentCellError(bad),
                  std::string("Некорректное значение: ") + bad + "!\r\rУкажите любое число от 1 до 9");
        EXPECT_EQ(SegmentFromCellText(bad), 1) << bad;
    }
    EXPECT_EQ(SegmentFromCellText(""), 1);
    EXPECT_EQ(SegmentFromCellText("09"), 9);
}

TEST(DialogAmounts, DigitsAndOneSeparatorOfEitherKindAreTypedAndUnreadableIsZero) {
    EXPECT_TRUE(SegmentInputAllowed("0123456789"));
    EXPECT_FALSE(SegmentInputAllowed("1.5"));

    const char saved = FormatSettings().DecimalSeparator;
    FormatSettings().DecimalSeparator = ',';
    EXPECT_TRUE(AmountInputAllowed("12,50"));
    EXPECT_TRUE(AmountInputAllowed("12.50"));  // the other separator, as typed on another keyboard
    EXPECT_EQ(ProfitAmountFromText("12.50"), 125000);
    for (const char* refused : {"-5", "1e5", " 1", "1,2,3", "1.2,3"})
        EXPECT_FALSE(AmountInputAllowed(refused)) << refused;
    EXPECT_EQ(ProfitAmountFromText("12,5"), 125000);
    EXPECT_EQ(ProfitAmountFromText(",75"), 7500);
    EXPECT_EQ(ProfitAmountFromText("0,00015"), 2);  // beyond four decimals, half to even
    for (const char* unreadable : {"", ",", "1,2,3", "99999999999999999999"})
        EXPECT_EQ(ProfitAmountFromText(unreadable), 0) << unreadable;
    FormatSettings().DecimalSeparator = '/';  // one ParseMoney does not know
    EXPECT_EQ(ProfitAmountFromText("3/25"), 32500);
    EXPECT_TRUE(AmountInputAllowed("1,5"));
    EXPECT_EQ(ProfitAmountFromText("1,5"), 15000);
    FormatSettings().DecimalSeparator = saved;
}

TEST(DialogAmounts, MatchesFindTheFirstRowWithThatOverlap) {
    const std::vector<ProfitRow> profits{{3, 5000000}, {1, 10000}, {3, 1}};
    EXPECT_EQ(ProfitForMatches(profits, 3), 5000000);
    EXPECT_EQ(ProfitForMatches(profits, 1), 10000);
    EXPECT_EQ(ProfitForMatches(profits, 0), 0);
}

}  // namespace
}  // namespace quorvel
