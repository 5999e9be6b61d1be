#pragma once

#include <string>
#include <vector>

#include "core/archive/draw_archive.h"
#include "core/combos/comb_list.h"
#include "core/stats/custom_stat.h"
#include "core/stats/stat_table.h"

namespace quorvel {

// The values a filter keeps or removes, with the description the applied-filters row shows.
struct TFilterSelection {
    TStatDrawArray Selected;
    std::string Description;
};

// Rows of the statistics table, in their display order; the captions describe them.
TFilterSelection SelectionFromStatRows(const std::vector<const TStatRow*>& rows);
// Card cells: each non-empty text read as an integer (0 when it is not one); a value counts once.
TFilterSelection SelectionFromCardCells(const std::vector<std::string>& cells);
// Layout cells: each may hold several words at ","; brackets are dropped from every word.
TFilterSelection SelectionFromLayoutCells(const std::vector<std::string>& cells);
// Week columns: column c stands for the value c - 1.
TFilterSelection SelectionFromWeekColumns(const std::vector<int>& columns);

// The draw the combinations are taken to follow: the newest draw seen at the offset, or the
// oldest when the offset lies beyond the archive.
int FilterRefIndex(const DrawArchive& archive);

// Keeps (or, excluding, removes) the combinations of the undo copy that carry a selected value
// into the current list, in their order, and logs the pass as an applied-filters row. The
// caller has saved the list into the undo copy first.
void RunFilterPass(TCombList& list, TCustomStat& stat, const TFilterSelection& selection, bool exclude,
                   int refIndex, bool sorted, const std::string& source);

}  // namespace quorvel
