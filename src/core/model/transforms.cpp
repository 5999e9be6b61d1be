#include "core/model/transforms.h"

#include <algorithm>
#include <functional>

namespace quorvel {

int ShiftValue(int value, int shift) {
    int shifted = value + shift;
    if (shift > 0 && shifted > ValueMax) shifted -= ValueCount;
    if (shift < 0 && shifted < ValueMin) shifted += ValueCount;
    return shifted;
}

TComb ShiftComb(const TComb& comb, int shift) {
    TComb shifted;
    for (int p = 0; p < PositionCount; ++p)
        shifted.Values[p] = static_cast<uint8_t>(ShiftValue(comb.Values[p], shift));
    return shifted;
}

TComb SortComb(const TComb& comb) {
    TComb sorted = comb;
    InsertionSort(sorted.Values.begin(), sorted.Values.end(), std::less<>());
    return sorted;
}

TDraw SortDrawValues(const TDraw& draw) {
    TDraw sorted = draw;
    InsertionSort(sorted.Values.begin(), sorted.Values.end(), std::less<>());
    return sorted;
}

TStakeComb SortStakeComb(const TStakeComb& stake) {
    TStakeComb sorted = stake;
    int count = std::clamp(stake.Count, 0, static_cast<int>(stake.Values.size()));
    InsertionSort(sorted.Values.begin(), sorted.Values.begin() + count, std::less<>());
    return sorted;
}

double CombinationsBinomial(int n, int k) {
    if (k <= 0) return 1;
    if (k > n) return 0;
    double result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

}  // namespace quorvel
