#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/game.h"
#include "core/views/view_series.h"

namespace quorvel {

extern const char* const SumDistributionCaption;

// The sums whose theoretical count reaches a threshold, from both ends of the sorted list;
// a bound no sum reaches stays 0.
struct TSumRange {
    int32_t Threshold = 0;
    int32_t Low = 0;
    int32_t High = 0;
};

// How often each sum of the three values occurs among all combinations and in the archive,
// both sorted by sum, with the thresholds at 1/3, 1/2 and 2/3 of the theoretical counts.
struct TSumDistribution {
    TStatSimpleArray Theoretical;
    TStatSimpleArray Factual;
    int32_t Tmax = 0;
    int32_t Tmin = 0;
    int32_t Fmax = 0;
    std::array<TSumRange, 3> Ranges{};
};

TSumDistribution ComputeSumDistribution(const TDrawsArray& draws);
// The range title of threshold 0, 1 or 2 ("Диапазон 1 (от 1/3 и выше по оси Y) - суммы 6-21").
std::string SumRangeTitle(const TSumDistribution& distribution, int which);
// The series of the chart window: factual, theoretical scaled to the archive, the three ranges.
std::vector<TViewSeries> SumDistributionSeries(const TSumDistribution& distribution);

}  // namespace quorvel
