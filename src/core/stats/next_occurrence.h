#pragma once

#include <vector>

#include "core/archive/draw_archive.h"
#include "core/stats/custom_stat.h"

namespace quorvel {

// The "Факт" of every row of a window's table at once: for each entry, what
// `TCustomStat::FindNext(entry, i + 1, lastIndex, sorted)` answers, i being the archive index
// of the entry's last draw; -1 for entries without a depth (never seen in the window).
//
// FindNext scans the draws after i one by one, each time evaluating a draw afresh. For methods
// whose values of a draw do not depend on the draws before it, a value cannot come again inside
// the window after its newest occurrence, so one forward pass over the draws after the window
// answers every row (nothing at offset 0). Methods that carry state from draw to draw start a
// scan at each row's start, as FindNext does, and scans that reach the same state go on as one.
std::vector<int> FindNextOccurrences(TCustomStat& stat, const DrawArchive& archive,
                                     const TStatDrawArray& table, int lastIndex, bool sorted);

}  // namespace quorvel
