#include "core/util/rounding.h"

#include <cmath>

namespace quorvel {

namespace {

template <typename Real>
int64_t RoundReal(Real value) {
    Real floorValue = std::floor(value);
    Real fraction = value - floorValue;
    auto result = static_cast<int64_t>(floorValue);
    if (fraction > Real(0.5)) return result + 1;
    if (fraction < Real(0.5)) return result;
    return (result % 2 == 0) ? result : result + 1;
}

}  // namespace

int64_t RoundHalfEven(double value) {
    return RoundReal(value);
}
int64_t RoundHalfEven(long double value) {
    return RoundReal(value);
}

int64_t DivideHalfEven(int64_t numerator, int64_t denominator) {
    // In 128 bits nothing overflows, even for the extreme amounts of a damaged file.
    __int128 n = numerator;
    __int128 d = denominator;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 quotient = n / d;
    __int128 remainder = n % d;
    // Make the remainder non-negative so that quotient is the floor.
    if (remainder < 0) {
        remainder += d;
        --quotient;
    }
    const __int128 twice = 2 * remainder;
    if (twice > d || (twice == d && quotient % 2 != 0)) ++quotient;
    // Only INT64_MIN / -1 lies beyond: it gives the largest value.
    return quotient > INT64_MAX ? INT64_MAX : static_cast<int64_t>(quotient);
}

}  // namespace quorvel
