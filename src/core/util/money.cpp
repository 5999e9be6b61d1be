#include "core/util/money.h"

#include <cstdlib>
#include <limits>

#include "core/util/format.h"
#include "core/util/rounding.h"
#include "core/util/text.h"

namespace quorvel {

std::optional<Money> ParseMoney(std::string_view raw) {
    std::string_view text = TrimBlanks(raw);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    Money whole = 0;
    size_t pos = 0;
    bool anyDigit = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (whole > (std::numeric_limits<Money>::max() / MoneyScale - 9) / 10) return std::nullopt;
        whole = whole * 10 + (text[pos] - '0');
        anyDigit = true;
    }
    Money fraction = 0;
    int fractionDigits = 0;
    int roundDigit = -1;       // first digit beyond the fourth decimal
    bool restNonZero = false;  // any non-zero digit after that
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        for (++pos; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
            int digit = text[pos] - '0';
            anyDigit = true;
            if (fractionDigits < 4) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            } else if (roundDigit < 0) {
                roundDigit = digit;
            } else if (digit != 0) {
                restNonZero = true;
            }
        }
    }
    if (pos != text.size() || !anyDigit) return std::nullopt;
    for (; fractionDigits < 4; ++fractionDigits)
        fraction *= 10;
    Money amount = whole * MoneyScale + fraction;
    if (roundDigit > 5 || (roundDigit == 5 && (restNonZero || amount % 2 != 0))) ++amount;
    return negative ? -amount : amount;
}

std::string MoneyToStr(Money amount, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 4) decimals = 4;
    Money divisor = 1;
    for (int i = decimals; i < 4; ++i)
        divisor *= 10;
    Money scaled = DivideHalfEven(amount, divisor);
    bool negative = scaled < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    if (decimals > 0) {
        if (static_cast<int>(digits.size()) <= decimals) {
            digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, FormatSettings().DecimalSeparator);
    }
    return negative ? "-" + digits : digits;
}

std::string MoneyToStorageText(Money amount) {
    bool negative = amount < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(amount) : static_cast<uint64_t>(amount);
    std::string text = std::to_string(magnitude / MoneyScale);
    uint64_t fraction = magnitude % MoneyScale;
    if (fraction != 0) {
        std::string decimals = std::to_string(fraction + MoneyScale).substr(1);
        while (decimals.back() == '0')
            decimals.pop_back();
        text += "." + decimals;
    }
    return negative ? "-" + text : text;
}

double MoneyToDouble(Money amount) {
    return static_cast<double>(amount) / MoneyScale;
}

Money MoneyFromDouble(double amount) {
    return RoundHalfEven(amount * MoneyScale);
}

}  // namespace quorvel
