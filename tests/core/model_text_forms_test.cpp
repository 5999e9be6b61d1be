#include <gtest/gtest.h>

#include <cstring>

#include "core/model/text_forms.h"
#include "core/util/error.h"

namespace quorvel {
namespace {

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

TEST(StrToComb, AcceptsEverySeparatorAndRunsOfThem) {
    for (const char* text :
         {"3;0;7", "3 0 7", "3-0-7", "3|0|7", "3,0,7", "3.0:7", "\t3 ;; 0 |7 ", ";3;0;7;"}) {
        EXPECT_EQ(StrToComb(text), Comb(3, 0, 7)) << text;
    }
}

TEST(StrToComb, WrongWordCountFailsWithTheWholeText) {
    for (const char* text : {"3;0", "3;0;7;1", "", "   "}) {
        try {
            StrToComb(text);
            FAIL() << text;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Некорректная комбинация: \"") + text + "\"!");
        }
    }
}

TEST(StrToComb, NonNumericWordsReadAsZeroButOutOfRangeValuesAreRejected) {
    EXPECT_EQ(StrToComb("a;b;c"), Comb(0, 0, 0));
    EXPECT_THROW(StrToComb("3;10;7"), Error);
    EXPECT_THROW(StrToComb("3;255;7"), Error);
    EXPECT_THROW(StrToComb("3;256;7"), Error);  // would wrap to 0 in a byte
}

TEST(TypedComb, ThreeDecimalValuesOrThreeBareDigitsAndNothingElse) {
    EXPECT_EQ(ParseTypedComb("3;0,7"), Comb(3, 0, 7));
    EXPECT_EQ(ParseTypedComb(" 9 , 0 ; 7 "), Comb(9, 0, 7));
    EXPECT_EQ(ParseTypedComb("774"), Comb(7, 7, 4));
    EXPECT_EQ(ParseTypedComb(" 007 "), Comb(0, 0, 7));
    // What the file readers take as zeros or as other separators, a person's entry refuses.
    for (const char* bad : {"a;b;c", "1;x;3", "1;2", "1;2;3;4", "1;;2", "1;2;3;", "1;10;3", "-1;2;3", "",
                            "1 2 3", "3.0.7", "77", "7745", "7a4", "1;2;3x"})
        EXPECT_FALSE(ParseTypedComb(bad)) << bad;
}

TEST(CombTexts, PlainPaddedAndStakeForms) {
    EXPECT_EQ(CombToStr(Comb(3, 0, 7)), "3;0;7");
    EXPECT_EQ(CombToPaddedStr(Comb(3, 0, 7)), "03 00 07");
    TStakeComb stake = CombToStakeComb(Comb(3, 0, 7));
    EXPECT_EQ(stake.Count, 3);
    EXPECT_EQ(stake.Values[3], 0);
    EXPECT_EQ(StakeCombToStr(stake, " - "), "3 - 0 - 7");
    EXPECT_EQ(StakeCombToStr(TStakeComb{}, ";"), "");
    // A damaged count never reads past the four value bytes.
    EXPECT_EQ(StakeCombToStr(TStakeComb{100, {1, 2, 3, 4}}, ";"), "1;2;3;4");
}

TEST(DrawTexts, DrawLineWithAndWithoutDate) {
    TDraw draw;
    draw.Number = 1234;
    draw.Values = {4, 4, 9};
    draw.DateText.SetText("05.03.2024 21:30");
    EXPECT_EQ(DrawToStr(draw), "Тираж № 1234 от 05.03.2024 21:30, значения: 4;4;9");
    draw.DateText.SetText("");
    EXPECT_EQ(DrawToStr(draw), "Тираж № 1234 от , значения: 4;4;9");
}

TEST(DrawDates, ParseAndPrintAreInverseForWholeMinutes) {
    EXPECT_EQ(StrToDrawDate(""), 0);
    EXPECT_EQ(StrToDrawDate("   "), 0);
    TDateTime last = StrToDrawDate("31.12.2023 23:59");
    TDateTime newYear = StrToDrawDate("01.01.2024 00:00");
    EXPECT_NEAR(newYear - last, 1.0 / 1440, 1e-9);
    EXPECT_EQ(DrawDateToStr(last), "31.12.2023 23:59");
    EXPECT_EQ(DrawDateToStr(StrToDrawDate("29.02.2024 12:29")), "29.02.2024 12:29");
    EXPECT_EQ(DrawDateToStr(0), "");
    EXPECT_EQ(DrawDateToStr(-5), "");
    // A date without a time reads as midnight.
    EXPECT_EQ(DrawDateToStr(StrToDrawDate("05.03.2024")), "05.03.2024 00:00");
}

TEST(DrawDates, InvalidCalendarValuesAreConversionErrors) {
    for (const char* text : {"32.01.2024 10:00", "00.01.2024 10:00", "01.13.2024 10:00", "29.02.2023 10:00",
                             "01.01.2024 24:00", "01.01.2024 10:60", "xx.01.2024 10:00", "garbage"}) {
        EXPECT_THROW(StrToDrawDate(text), ConvertError) << text;
    }
}

TEST(ValueTexts, ValuesKindsAndDifferences) {
    EXPECT_EQ(StrToValue("7"), 7);
    EXPECT_EQ(StrToValue(" 12 "), 12);
    EXPECT_EQ(StrToValue("x"), 0);
    EXPECT_EQ(StrToValue("99999999999"), 0);
    EXPECT_EQ(StakeKindName(1), "Вручную");
    EXPECT_EQ(StakeKindName(4), "Система");
    EXPECT_EQ(StakeKindName(5), "");
    EXPECT_EQ(DiffToStr("12", 10), "+2");
    EXPECT_EQ(DiffToStr("10", 10), "0");
    EXPECT_EQ(DiffToStr("7", 10), "-3");
    EXPECT_EQ(DiffToStr("-", 10), "-");
    EXPECT_EQ(DiffToStr("-1", 10), "-");
    EXPECT_EQ(DiffToStr("1,5", 10), "-");
}

TEST(DrawRecord, KeepsTheExactByteLayoutIncludingBytesBeyondTheDateLength) {
    uint8_t raw[24];
    for (int i = 0; i < 24; ++i)
        raw[i] = static_cast<uint8_t>(0xA0 + i);
    raw[0] = 0x39;  // number 0x00000539 = 1337
    raw[1] = 0x05;
    raw[2] = 0;
    raw[3] = 0;
    raw[4] = 1;
    raw[5] = 2;
    raw[6] = 3;
    raw[7] = 5;  // the date is five bytes long, the rest must still survive
    TDraw draw = ReadDrawRecord(raw);
    EXPECT_EQ(draw.Number, 1337);
    EXPECT_EQ(CombToStr(CombOfDraw(draw)), "1;2;3");
    EXPECT_EQ(draw.DateText.Bytes().size(), 5u);
    uint8_t back[24];
    WriteDrawRecord(back, draw);
    EXPECT_EQ(0, std::memcmp(raw, back, 24));
}

}  // namespace
}  // namespace quorvel
