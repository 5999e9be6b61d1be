#include "core/stats/next_occurrence.h"

#include <map>
#include <unordered_map>

namespace quorvel {

namespace {

struct PendingRow {
    int Row;
    int Start;  // the first draw index FindNext looks at
};

// Scans the draws from `first` to the newest one with one fresh scratch, as FindNext does, and
// answers each pending row at the first draw at or after its start that carries its value.
void Scan(TCustomStat& stat, const TStatDrawArray& table, std::vector<PendingRow> pending, int first,
          int lastIndex, bool sorted, std::vector<int>& facts) {
    std::unordered_map<uint64_t, PendingRow> byKey;
    for (const PendingRow& row : pending)
        byKey.emplace(table[static_cast<size_t>(row.Row)].KeyBits(), row);
    TStatScratch scratch;
    TStatDrawArray values;
    TLastValueArray lastValues;
    for (int d = first; d < stat.DrawCount() && !byKey.empty(); ++d) {
        values.clear();
        lastValues.clear();
        stat.AddDraw(d, lastIndex, sorted, values, scratch, lastValues);
        for (const TStatDraw& value : values) {
            const auto found = byKey.find(value.KeyBits());
            if (found == byKey.end() || found->second.Start > d) continue;
            facts[static_cast<size_t>(found->second.Row)] = value.LastDraw;
            byKey.erase(found);
        }
    }
}

}  // namespace

std::vector<int> FindNextOccurrences(TCustomStat& stat, const DrawArchive& archive,
                                     const TStatDrawArray& table, int lastIndex, bool sorted) {
    std::vector<int> facts(table.size(), -1);
    std::vector<PendingRow> afterWindow;
    std::map<int, std::vector<PendingRow>> byStart;
    const bool stateless = !stat.CarriesStateBetweenDraws();
    for (size_t r = 0; r < table.size(); ++r) {
        const TStatDraw& entry = table[r];
        if (entry.Count <= 0 || entry.Depth == 0) continue;
        // Without a draw of that number (duplicates or gaps), the search starts at the oldest draw.
        const int start = archive.IndexOfNumber(entry.LastDraw) + 1;
        if (start >= stat.DrawCount()) continue;
        const int newestInWindow = lastIndex + 1 - entry.Depth;
        const PendingRow row{static_cast<int>(r), start};
        if (stateless && start > newestInWindow) {
            afterWindow.push_back(row);
        } else {
            byStart[start].push_back(row);
        }
    }
    if (!afterWindow.empty() && lastIndex + 1 < stat.DrawCount())
        Scan(stat, table, std::move(afterWindow), lastIndex + 1, lastIndex, sorted, facts);
    for (auto& [start, rows] : byStart)
        Scan(stat, table, std::move(rows), start, lastIndex, sorted, facts);
    return facts;
}

}  // namespace quorvel
