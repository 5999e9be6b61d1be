#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/money.h"
#include "core/util/rounding.h"

namespace quorvel {
namespace {

// Sets the process-wide separator for one test and puts the old one back.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : saved_(FormatSettings().DecimalSeparator) {
        FormatSettings().DecimalSeparator = separator;
    }
    ~SeparatorScope() { FormatSettings().DecimalSeparator = saved_; }

private:
    char saved_;
};

TEST(Format, PlainAndIndexedDirectives) {
    EXPECT_EQ(Format("Архив тиражей: %d", {3329}), "Архив тиражей: 3329");
    EXPECT_EQ(Format("{ %1:s } %0:s", {"Числа тиража", "num"}), "{ num } Числа тиража");
    EXPECT_EQ(Format("%1:d %d %0:d", {1, 2, 3}), "2 3 1");  // plain directives continue after an index
    EXPECT_EQ(Format("100%% of %s", {"x"}), "100% of x");
    EXPECT_EQ(Format("%%d stays", {}), "%d stays");
    EXPECT_EQ(Format("%.2d.%.3d:", {7, 42}), "07.042:");
    EXPECT_EQ(Format("%.2d", {-5}), "-05");
    EXPECT_EQ(Format("[%5d|%-4s|%3s]", {42, "ab", "абвгд"}), "[   42|ab  |абвгд]");
    EXPECT_EQ(Format("%.3s", {"абвгд"}), "абв");
}

TEST(Format, RealsUseTheProcessSeparatorAndRoundHalvesToEven) {
    SeparatorScope scope(',');
    EXPECT_EQ(Format("%.2f", {1.5}), "1,50");
    EXPECT_EQ(Format("%.5f", {11.328125}), "11,32812");
    EXPECT_EQ(Format("%.0f", {2.5}), "2");
    EXPECT_EQ(Format("%.0f", {3.5}), "4");
    EXPECT_EQ(Format("%f", {2}), "2,00");
    FormatSettings().DecimalSeparator = '.';
    EXPECT_EQ(Format("%.1f", {0.25}), "0.2");
}

// Fixed texts of reals are written without the general conversion where they can be; whatever
// the magnitude, sign or number of decimals, they must read as printf's (via to_chars) would.
TEST(Format, FixedTextsMatchTheExactConversion) {
    SeparatorScope scope('.');
    const auto exact = [](double value, int decimals) {
        char buffer[400];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        return std::string(buffer, result.ptr);
    };
    std::mt19937_64 random(25);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int compared = 0;
    for (int decimals = 0; decimals <= 12; ++decimals) {
        std::vector<double> values = {0.0,
                                      -0.0,
                                      0.125,
                                      -0.375,
                                      2.5,
                                      3.5,
                                      1e-300,
                                      4503599627370495.5,
                                      1e15,
                                      1e300,
                                      std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN()};
        for (int i = 0; i < 20000; ++i) {
            const double magnitude = std::pow(10.0, unit(random) * 18 - 6);
            values.push_back((i % 2 == 0 ? 1 : -1) * magnitude);
            // Multiples of 1/1024 fall exactly half-way at some decimal (0.125 at the second);
            // the doubles on either side of them must not round as ties.
            const double tie = static_cast<double>(i % 4096 - 2048) / 1024 + (i / 4096) * 1000;
            values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)});
        }
        for (double value : values) {
            ASSERT_EQ(FormatFixed(value, decimals), exact(value, decimals)) << value << " " << decimals;
            ++compared;
        }
    }
    EXPECT_GT(compared, 1000000);
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(FormatFixed(-0.0001, 2), "-0,00");
    EXPECT_EQ(FormatFixed(12.345678, 0), "12");
}

TEST(Format, MismatchedOrMissingArgumentsThrow) {
    EXPECT_THROW(Format("%d", {"text"}), ConvertError);
    EXPECT_THROW(Format("%s", {5}), ConvertError);
    EXPECT_THROW(Format("%d %d", {5}), ConvertError);
    EXPECT_THROW(Format("%3:d", {5}), ConvertError);
    EXPECT_THROW(Format("%q", {5}), ConvertError);
    EXPECT_THROW(Format("trailing %", {5}), ConvertError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(-0.6), -1);
    EXPECT_EQ(RoundHalfEven(5.5L), 6);
    EXPECT_EQ(DivideHalfEven(109, 2), 54);  // 54.5
    EXPECT_EQ(DivideHalfEven(111, 2), 56);  // 55.5
    EXPECT_EQ(DivideHalfEven(-109, 2), -54);
    EXPECT_EQ(DivideHalfEven(7, -2), -4);  // -3.5
    EXPECT_EQ(DivideHalfEven(10, 3), 3);
    // The extremes a damaged file can hold divide without overflow.
    EXPECT_EQ(DivideHalfEven(INT64_MIN, -1), INT64_MAX);
    EXPECT_EQ(DivideHalfEven(INT64_MIN, -2), 4611686018427387904);
    EXPECT_EQ(DivideHalfEven(INT64_MAX, 2), 4611686018427387904);  // ...903.5 goes to even
    EXPECT_EQ(DivideHalfEven(INT64_MIN, 3), -3074457345618258603);
}

TEST(Money, ParsesDecimalTextExactly) {
    EXPECT_EQ(ParseMoney("12"), 120000);
    EXPECT_EQ(ParseMoney(" 1.5 "), 15000);
    EXPECT_EQ(ParseMoney("1,5"), 15000);
    EXPECT_EQ(ParseMoney("-0.25"), -2500);
    EXPECT_EQ(ParseMoney(".5"), 5000);
    EXPECT_EQ(ParseMoney("0.00005"), 0);      // half, to even
    EXPECT_EQ(ParseMoney("0.00015"), 2);      // half, to even
    EXPECT_EQ(ParseMoney("0.000050001"), 1);  // above half
    EXPECT_EQ(ParseMoney("0.00004999"), 0);
    for (const char* bad : {"", "abc", "1.2.3", "1e5", "-", "12x", "99999999999999999999"}) {
        EXPECT_FALSE(ParseMoney(bad).has_value()) << bad;
    }
}

TEST(Money, PrintsForPeopleAndForFiles) {
    SeparatorScope scope(',');
    EXPECT_EQ(MoneyToStr(15000), "1,50");
    EXPECT_EQ(MoneyToStr(-2500), "-0,25");
    EXPECT_EQ(MoneyToStr(125), "0,01");  // 0.0125
    EXPECT_EQ(MoneyToStr(50), "0,00");   // exactly 0.005, to even
    EXPECT_EQ(MoneyToStr(150), "0,02");  // exactly 0.015, to even
    EXPECT_EQ(MoneyToStr(123456, 4), "12,3456");
    EXPECT_EQ(MoneyToStr(129999, 0), "13");
    EXPECT_EQ(MoneyToStorageText(15000), "1.5");
    EXPECT_EQ(MoneyToStorageText(5000000), "500");
    EXPECT_EQ(MoneyToStorageText(-1), "-0.0001");
    EXPECT_EQ(ParseMoney(MoneyToStorageText(987654321)), 987654321);
}

}  // namespace
}  // namespace quorvel
