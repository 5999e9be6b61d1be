#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// Counts the values of the draws firstIndex..lastIndex (oldest first) into the table; the
// run's scratch state and last values are the caller's and start empty.
void EvaluateWindow(TCustomStat& stat, int firstIndex, int lastIndex, bool sorted, TStatDrawArray& table,
                    TStatScratch& scratch, TLastValueArray& lastValues);

// Counts the values of all 1000 combinations (000 to 999) and sorts the table by key: how
// many combinations carry each value.
void EvaluateFullSet(TCustomStat& stat, TStatDrawArray& table);

}  // namespace quorvel
