#pragma once

#include "core/model/game.h"

namespace quorvel {

// v + d wrapped into 0..9, for shifts of -9..9.
int ShiftValue(int value, int shift);
TComb ShiftComb(const TComb& comb, int shift);
TComb SortComb(const TComb& comb);
TDraw SortDrawValues(const TDraw& draw);
TStakeComb SortStakeComb(const TStakeComb& stake);
// C(n, k); 1 for k <= 0 and 0 for k > n.
double CombinationsBinomial(int n, int k);

// Straight insertion sort: an element moves left only past strictly greater ones, so
// equal elements keep their order (and a handful of elements costs next to nothing).
template <typename Iterator, typename Less>
void InsertionSort(Iterator first, Iterator last, Less less) {
    if (first == last) return;
    for (Iterator i = first + 1; i != last; ++i) {
        auto item = *i;
        Iterator j = i;
        while (j != first && less(item, *(j - 1))) {
            *j = *(j - 1);
            --j;
        }
        *j = item;
    }
}

}  // namespace quorvel
