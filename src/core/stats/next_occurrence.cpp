#include "core/stats/next_occurrence.h"

#include <algorithm>
#include <unordered_map>

namespace quorvel {

namespace {

struct PendingRow {
    int Row;
    int Start;  // the first draw index FindNext looks at
    int Begin;  // the first draw index where the value can come again
};

// The rows still looked for by scans that started afresh at some draw and have reached the
// same state since: from there on they see the same values, so they go on as one.
struct ActiveScan {
    TStatScratch Scratch;
    std::unordered_map<uint64_t, PendingRow> ByKey;
};

bool SameState(const TStatScratch& a, const TStatScratch& b) {
    return a.Ints == b.Ints && a.Table == b.Table;
}

class ForwardScan {
public:
    ForwardScan(TCustomStat& stat, const TStatDrawArray& table, int lastIndex, bool sorted,
                std::vector<int>& facts)
        : stat_(stat), table_(table), lastIndex_(lastIndex), sorted_(sorted), facts_(facts) {}

    // A stateless method answers all its rows from one scan, since its values of a draw are the
    // same however the scan began; a method with state starts a scan at each start.
    void Run(std::vector<PendingRow> rows, bool stateless) {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const PendingRow& a, const PendingRow& b) { return a.Begin < b.Begin; });
        size_t next = 0;
        for (int d = 0; d < stat_.DrawCount(); ++d) {
            if (scans_.empty()) {
                if (next == rows.size()) break;
                d = rows[next].Begin;
            }
            if (next < rows.size() && rows[next].Begin == d) {
                if (scans_.empty() || !stateless) scans_.emplace_back();
                for (; next < rows.size() && rows[next].Begin == d; ++next) {
                    const uint64_t key = table_[static_cast<size_t>(rows[next].Row)].KeyBits();
                    scans_.back().ByKey.emplace(key, rows[next]);
                }
            }
            for (ActiveScan& scan : scans_)
                Step(scan, d);
            MergeAndDrop();
        }
    }

private:
    void Step(ActiveScan& scan, int d) {
        values_.clear();
        lastValues_.clear();
        stat_.AddDraw(d, lastIndex_, sorted_, values_, scan.Scratch, lastValues_);
        for (const TStatDraw& value : values_) {
            const auto found = scan.ByKey.find(value.KeyBits());
            if (found == scan.ByKey.end() || found->second.Start > d) continue;
            facts_[static_cast<size_t>(found->second.Row)] = value.LastDraw;
            scan.ByKey.erase(found);
        }
    }
    void MergeAndDrop() {
        size_t kept = 0;
        for (size_t i = 0; i < scans_.size(); ++i) {
            if (scans_[i].ByKey.empty()) continue;
            if (kept > 0 && SameState(scans_[kept - 1].Scratch, scans_[i].Scratch)) {
                scans_[kept - 1].ByKey.merge(scans_[i].ByKey);
                continue;
            }
            if (kept != i) scans_[kept] = std::move(scans_[i]);
            ++kept;
        }
        scans_.resize(kept);
    }

    TCustomStat& stat_;
    const TStatDrawArray& table_;
    const int lastIndex_;
    const bool sorted_;
    std::vector<int>& facts_;
    std::vector<ActiveScan> scans_;  // by start, oldest first
    TStatDrawArray values_;
    TLastValueArray lastValues_;
};

}  // namespace

std::vector<int> FindNextOccurrences(TCustomStat& stat, const DrawArchive& archive,
                                     const TStatDrawArray& table, int lastIndex, bool sorted) {
    std::vector<int> facts(table.size(), -1);
    std::vector<PendingRow> rows;
    const bool stateless = !stat.CarriesScratchBetweenDraws();
    for (size_t r = 0; r < table.size(); ++r) {
        const TStatDraw& entry = table[r];
        if (entry.Count <= 0 || entry.Depth == 0) continue;
        // Without a draw of that number (duplicates or gaps), the search starts at the oldest draw.
        const int start = archive.IndexOfNumber(entry.LastDraw) + 1;
        if (start >= stat.DrawCount()) continue;
        // A stateless value seen last at the window's draw of that number cannot come again
        // inside the window.
        const bool afterWindow = stateless && start > lastIndex + 1 - entry.Depth;
        const int begin = afterWindow ? lastIndex + 1 : start;
        if (begin < stat.DrawCount()) rows.push_back({static_cast<int>(r), start, begin});
    }
    ForwardScan(stat, table, lastIndex, sorted, facts).Run(std::move(rows), stateless);
    return facts;
}

}  // namespace quorvel
