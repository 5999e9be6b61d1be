#include "core/stats/next_occurrence.h"

#include <algorithm>

#include "core/stats/key_index.h"

namespace quorvel {

namespace {

struct PendingRow {
    int Row;
    int Begin;  // the first draw index where the value can come again, at or after FindNext's start
};

// Scans that started afresh at some draw and have reached the same state since see the same
// values from there on, so they go on as one, looking for the rows of both.
struct ActiveScan {
    TStatScratch Scratch;
    int Id = 0;
    std::vector<int> Rows;
    size_t Remaining = 0;
};

bool SameState(const TStatScratch& a, const TStatScratch& b) {
    return a.Ints == b.Ints && a.Table == b.Table;
}

class ForwardScan {
public:
    ForwardScan(TCustomStat& stat, const TStatDrawArray& table, int lastIndex, bool sorted,
                std::vector<int>& facts)
        : stat_(stat), lastIndex_(lastIndex), sorted_(sorted), facts_(facts), scanOfRow_(table.size(), -1) {
        rowsByKey_.IndexKeysOf(table);
    }

    // A stateless method answers all its rows from one scan, since its values of a draw are the
    // same however the scan began; a method with state starts a scan at each start.
    void Run(std::vector<PendingRow> rows, bool stateless) {
        // The rows of a method without state mostly all begin after the window: already in order.
        const auto byBegin = [](const PendingRow& a, const PendingRow& b) { return a.Begin < b.Begin; };
        if (!std::is_sorted(rows.begin(), rows.end(), byBegin))
            std::stable_sort(rows.begin(), rows.end(), byBegin);
        size_t next = 0;
        for (int d = 0; d < stat_.DrawCount(); ++d) {
            if (scans_.empty()) {
                if (next == rows.size()) break;
                d = rows[next].Begin;
            }
            if (next < rows.size() && rows[next].Begin == d) {
                if (scans_.empty() || !stateless) scans_.push_back(ActiveScan{{}, nextId_++, {}, 0});
                for (; next < rows.size() && rows[next].Begin == d; ++next)
                    Join(scans_.back(), rows[next].Row);
            }
            for (ActiveScan& scan : scans_)
                Step(scan, d);
            MergeAndDrop();
        }
    }

private:
    void Join(ActiveScan& scan, int row) {
        scanOfRow_[static_cast<size_t>(row)] = scan.Id;
        scan.Rows.push_back(row);
        ++scan.Remaining;
    }
    void Step(ActiveScan& scan, int d) {
        values_.clear();
        lastValues_.clear();
        stat_.AddDraw(d, lastIndex_, sorted_, values_, scan.Scratch, lastValues_);
        for (const TStatDraw& value : values_) {
            const int row = rowsByKey_.Position(value.KeyBits());
            if (row < 0 || scanOfRow_[static_cast<size_t>(row)] != scan.Id) continue;
            facts_[static_cast<size_t>(row)] = value.LastDraw;
            scanOfRow_[static_cast<size_t>(row)] = -1;
            --scan.Remaining;
        }
    }
    void MergeAndDrop() {
        size_t kept = 0;
        for (size_t i = 0; i < scans_.size(); ++i) {
            if (scans_[i].Remaining == 0) continue;
            if (kept > 0 && SameState(scans_[kept - 1].Scratch, scans_[i].Scratch)) {
                for (int row : scans_[i].Rows) {
                    if (scanOfRow_[static_cast<size_t>(row)] == scans_[i].Id) Join(scans_[kept - 1], row);
                }
                continue;
            }
            if (kept != i) scans_[kept] = std::move(scans_[i]);
            ++kept;
        }
        scans_.resize(kept);
    }

    TCustomStat& stat_;
    const int lastIndex_;
    const bool sorted_;
    std::vector<int>& facts_;
    TKeyIndex rowsByKey_;
    std::vector<int> scanOfRow_;     // the scan looking for each row, -1 when none is
    std::vector<ActiveScan> scans_;  // by start, oldest first
    int nextId_ = 0;
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
        // A stateless value seen last at the window's draw of that number cannot come again
        // inside the window.
        const bool afterWindow = stateless && start > lastIndex + 1 - entry.Depth;
        const int begin = afterWindow ? lastIndex + 1 : start;
        if (begin < stat.DrawCount()) rows.push_back({static_cast<int>(r), begin});
    }
    ForwardScan(stat, table, lastIndex, sorted, facts).Run(std::move(rows), stateless);
    return facts;
}

}  // namespace quorvel
