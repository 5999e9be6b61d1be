#include "core/stats/stat_draw.h"

#include <algorithm>

#include "core/model/transforms.h"

namespace quorvel {

int AddValue(TStatDrawArray& table, const TStatDraw& work, bool trackPeriods) {
    const uint64_t key = work.KeyBits();
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].KeyBits() != key) continue;
        MergeValue(table[i], work, trackPeriods);
        return static_cast<int>(i);
    }
    TStatDraw added = work;
    added.Norm = 0;
    table.push_back(added);
    return static_cast<int>(table.size() - 1);
}

void SortValues(TStatDrawArray& table) {
    // Stable, as an insertion sort is: entries with equal keys keep their order.
    std::stable_sort(table.begin(), table.end(),
                     [](const TStatDraw& a, const TStatDraw& b) { return a.Key < b.Key; });
}

TValueTotals ValueTotals(const TStatDrawArray& table) {
    TValueTotals totals;
    for (const TStatDraw& entry : table) {
        totals.Total += entry.Count;
        if (entry.Count < totals.MinCount) totals.MinCount = entry.Count;
        if (entry.Count > totals.MaxCount) totals.MaxCount = entry.Count;
        if (totals.MaxDepth == 0 || (entry.Depth > 0 && entry.Depth > totals.MaxDepth))
            totals.MaxDepth = entry.Depth;
    }
    return totals;
}

}  // namespace quorvel
