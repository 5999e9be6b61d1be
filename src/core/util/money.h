#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Money is fixed point with four decimals: the amount times 10000.
using Money = int64_t;
constexpr Money MoneyScale = 10000;

// Reads a decimal text ("12", "-0.5", "3,125", "1.23456"); "." or "," is the point and
// digits beyond the fourth decimal round halves to even. Blanks around are ignored.
std::optional<Money> ParseMoney(std::string_view text);

// The amount with the given number of decimals (halves to even) and the user's separator.
std::string MoneyToStr(Money amount, int decimals = 2);

// The exact amount with "." and no trailing zeros, as settings files keep it ("1.5", "20").
std::string MoneyToStorageText(Money amount);

double MoneyToDouble(Money amount);
Money MoneyFromDouble(double amount);

}  // namespace quorvel
