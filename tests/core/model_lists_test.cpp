#include <gtest/gtest.h>

#include "core/model/colors.h"
#include "core/model/lists.h"
#include "core/model/matching.h"
#include "core/model/text_forms.h"
#include "core/model/transforms.h"

namespace quorvel {
namespace {

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

TCombsArray AllCombinations() {
    TCombsArray all;
    for (int i = 0; i < CombinationCount; ++i)
        all.push_back(Comb(i / 100, i / 10 % 10, i % 10));
    return all;
}

TEST(StrToIntList, EnumerationsAndRanges) {
    EXPECT_EQ(StrToIntList("5;10;20"), (TIntArray{5, 10, 20}));
    EXPECT_EQ(StrToIntList("5, 10 ,-20"), (TIntArray{5, 10, -20}));
    EXPECT_EQ(StrToIntList("7"), (TIntArray{7}));
    EXPECT_EQ(StrToIntList("1-10;2"), (TIntArray{1, 3, 5, 7, 9}));
    EXPECT_EQ(StrToIntList("1-10,2"), (TIntArray{1, 3, 5, 7, 9}));
    EXPECT_EQ(StrToIntList("10-1;-3"), (TIntArray{10, 7, 4, 1}));
    EXPECT_EQ(StrToIntList("-5-5;5"), (TIntArray{-5, 0, 5}));
    EXPECT_EQ(StrToIntList("5-3;3"), (TIntArray{5}));  // the step count truncates toward zero
}

TEST(StrToIntList, UnreadableTextsGiveTheEmptyList) {
    for (const char* text :
         {"", "x", "10-1;1", "1-10;0", "1-10", "5,", "5,,10", "1-x;2", "99999999999", "1-2000000000;1"}) {
        EXPECT_TRUE(StrToIntList(text).empty()) << text;
    }
}

TEST(StrToIntList, PrintsBack) {
    EXPECT_EQ(IntListToStr({1, -3, 5}, ";"), "1;-3;5");
}

TEST(Sorting, InsertionSortsAreStableAndOrdered) {
    TIntArray ints{3, 9, 1, 9, 5};
    SortIntsDesc(ints);
    EXPECT_EQ(ints, (TIntArray{9, 9, 5, 3, 1}));
    TStatSimpleArray counts{{5, 1}, {2, 7}, {5, 2}, {-1, 3}, {2, 8}};
    SortValueCounts(counts);
    EXPECT_EQ(counts, (TStatSimpleArray{{-1, 3}, {2, 7}, {2, 8}, {5, 1}, {5, 2}}));
    EXPECT_EQ(SortComb(Comb(9, 0, 4)), Comb(0, 4, 9));
    TStakeComb stake{2, {9, 1, 0, 0}};
    EXPECT_EQ(SortStakeComb(stake), (TStakeComb{2, {1, 9, 0, 0}}));
}

TEST(ValueCounts, AddOnlyPositiveAmountsToPresentKeys) {
    TStatSimpleArray counts;
    AddValueCount(counts, 4, 0);  // a new key is appended even with 0
    AddValueCount(counts, 4, 2);
    AddValueCount(counts, 4, -5);
    AddValueCount(counts, 7, 1);
    EXPECT_EQ(counts, (TStatSimpleArray{{4, 2}, {7, 1}}));
}

TEST(UniqueValues, FirstOccurrenceOrderAndEarlyStop) {
    TCombsArray single{Comb(7, 7, 7)};
    EXPECT_EQ(UniqueValueCount(single), 1);
    TCombsArray all = AllCombinations();
    EXPECT_EQ(UniqueValueCount(all), 10);
    EXPECT_EQ(UniqueValues(TCombsArray{Comb(5, 2, 5), Comb(2, 9, 0)}), (TByteArray{5, 2, 9, 0}));
    EXPECT_EQ(UniqueValues(all).size(), 10u);
    EXPECT_TRUE(UniqueValues(TCombsArray{}).empty());
}

TEST(ByteLists, AddOnlyWhenAbsent) {
    TByteArray list;
    ByteListAdd(list, 3);
    ByteListAdd(list, 3);
    ByteListAppend(list, 3);
    EXPECT_EQ(list, (TByteArray{3, 3}));
    EXPECT_TRUE(ByteListHas(list, 3));
    EXPECT_FALSE(ByteListHas(list, 4));
}

TEST(Segments, TextRoundTripAndDefaults) {
    TSegmentTable table = StrToSegments("123");
    EXPECT_EQ(table[0][0], 1);
    EXPECT_EQ(table[0][2], 3);
    EXPECT_EQ(table[2][9], 1);  // missing characters read as 1
    EXPECT_EQ(StrToSegments("x")[0][0], 1);
    const std::string text = "112233445511223344551122334455";
    EXPECT_EQ(SegmentsToStr(StrToSegments(text)), text);
    TDraw draw;
    draw.Values = {4, 0, 9};
    EXPECT_TRUE(SegmentInDraw(3, draw, StrToSegments(text)));  // position 1, value 4
    EXPECT_FALSE(SegmentInDraw(4, draw, StrToSegments(text)));
}

TEST(Shifts, WrapAroundTheValueRange) {
    EXPECT_EQ(ShiftValue(8, 3), 1);
    EXPECT_EQ(ShiftValue(1, -3), 8);
    EXPECT_EQ(ShiftValue(5, 0), 5);
    EXPECT_EQ(ShiftValue(0, -9), 1);
    EXPECT_EQ(ShiftComb(Comb(8, 9, 0), 1), Comb(9, 0, 1));
}

TEST(Matching, ChannelsPositionsAndStakeMatches) {
    EXPECT_EQ(ChannelOf(0, 2), 1);
    EXPECT_EQ(ChannelOf(1, 2), 1);
    EXPECT_EQ(ChannelOf(9, 2), 5);
    EXPECT_EQ(ChannelOf(9, 3), 4);
    EXPECT_EQ(ChannelOf(9, 1), 10);
    EXPECT_EQ(ChannelOf(5, 0), 6);  // a size below 1 never divides by zero
    TDraw draw;
    draw.Values = {5, 2, 9};
    EXPECT_TRUE(ChannelInDraw(5, draw, 2));
    EXPECT_FALSE(ChannelInDraw(1, draw, 2));
    EXPECT_EQ(DrawCombMatches(draw, Comb(5, 0, 9)), 2);
    TStakeComb matched = DrawStakeMatches(draw, CombToStakeComb(Comb(9, 2, 5)));
    EXPECT_EQ(matched.Count, 1);
    EXPECT_EQ(matched.Values[0], 2);
    TStakeComb all = DrawStakeMatches(draw, CombToStakeComb(Comb(5, 2, 9)));
    EXPECT_EQ(all, (TStakeComb{3, {2, 5, 9, 0}}));
}

TEST(Matching, ChannelMapAgreesWithChannelOfForEverySizeAndValue) {
    for (int size : {-3, 0, 1, 2, 3, 7, 10, 128, 255, 300}) {
        const ChannelMap channels(size);
        EXPECT_EQ(channels.Size(), std::max(size, 1));
        for (int value = -20; value <= 300; ++value)
            ASSERT_EQ(channels.Of(value), ChannelOf(value, size)) << "size " << size << ", value " << value;
    }
}

TEST(Colors, ChannelTableAndOutOfRangeValues) {
    EXPECT_EQ(ValueColor(0, 2), 0xAAFFAAu);
    EXPECT_EQ(ValueColor(9, 2), 0xAAAAFFu);
    EXPECT_EQ(ValueColor(9, 1), 0xFFAAD5u);
    EXPECT_EQ(ValueColor(10, 2), ColorPureRed);
    EXPECT_EQ(ValueColor(-1, 2), ColorPureRed);
    EXPECT_EQ(ChannelColor(20), ChannelColor(1));
}

TEST(Binomial, SmallValues) {
    EXPECT_EQ(CombinationsBinomial(10, 3), 120);
    EXPECT_EQ(CombinationsBinomial(5, 0), 1);
    EXPECT_EQ(CombinationsBinomial(5, -2), 1);
    EXPECT_EQ(CombinationsBinomial(3, 5), 0);
}

}  // namespace
}  // namespace quorvel
