#include "util/rounding.h"

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
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    int64_t quotient = numerator / denominator;
    int64_t remainder = numerator % denominator;
    // Make the remainder non-negative so that quotient is the floor.
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    int64_t twice = 2 * remainder;
    if (twice > denominator) return quotient + 1;
    if (twice < denominator) return quotient;
    return (quotient % 2 == 0) ? quotient : quotient + 1;
}

}  // namespace quorvel
