#pragma once

#include <cstdint>

namespace quorvel {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int64_t RoundHalfEven(double value);
int64_t RoundHalfEven(long double value);

// round(numerator / denominator) in exact integer arithmetic, halves to even; a result beyond
// the 64-bit range (INT64_MIN / -1) gives INT64_MAX. The denominator must not be 0.
int64_t DivideHalfEven(int64_t numerator, int64_t denominator);

}  // namespace quorvel
