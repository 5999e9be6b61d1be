#include "core/stats/stat_draw.h"

#include <cstdlib>

#include "core/model/transforms.h"

namespace quorvel {

namespace {

void TrackPeriod(TStatDraw& entry, int32_t lastDraw) {
    // The gap is a signed 32-bit number compared with the stored 16-bit values read unsigned.
    const int64_t gap = std::llabs(static_cast<int64_t>(entry.PrevDraw) - lastDraw);
    if (gap < entry.PeriodMin || entry.PeriodMin == 0) entry.PeriodMin = static_cast<uint16_t>(gap);
    if (gap > entry.PeriodMax || entry.PeriodMax == 0) entry.PeriodMax = static_cast<uint16_t>(gap);
}

}  // namespace

int AddValue(TStatDrawArray& table, const TStatDraw& work, bool trackPeriods) {
    const uint64_t key = work.KeyBits();
    for (size_t i = 0; i < table.size(); ++i) {
        TStatDraw& entry = table[i];
        if (entry.KeyBits() != key) continue;
        entry.Count += work.Count;
        if (entry.Depth == 0 || (work.Depth > 0 && work.Depth <= entry.Depth)) {
            entry.LastDraw = work.LastDraw;
            entry.Depth = work.Depth;
        }
        if (trackPeriods && work.LastDraw > 0 && entry.PrevDraw > 0) TrackPeriod(entry, work.LastDraw);
        entry.PrevDraw = work.LastDraw;
        return static_cast<int>(i);
    }
    TStatDraw added = work;
    added.Norm = 0;
    table.push_back(added);
    return static_cast<int>(table.size() - 1);
}

void SortValues(TStatDrawArray& table) {
    InsertionSort(table.begin(), table.end(),
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

bool HasKey(const TStatDrawArray& selected, uint16_t w0, uint16_t w1, uint16_t w2, uint16_t w3) {
    // One 64-bit comparison per row: the filter asks this for every combination of the list.
    TStatDraw probe;
    probe.Key = {w0, w1, w2, w3};
    const uint64_t key = probe.KeyBits();
    for (const TStatDraw& entry : selected) {
        if (entry.KeyBits() == key) return true;
    }
    return false;
}

bool HasKeyPair(const TStatDrawArray& selected, uint16_t w0, uint16_t w2) {
    return HasKey(selected, w0, 0, w2, 0);
}

bool HasKeyByte(const TStatDrawArray& selected, int index, uint8_t value) {
    if (index < 1 || index > 8) return false;
    for (const TStatDraw& entry : selected) {
        const uint16_t word = entry.Key[(index - 1) / 2];
        const auto byte = static_cast<uint8_t>((index - 1) % 2 == 0 ? word : word >> 8);
        if (byte == value) return true;
    }
    return false;
}

bool HasKeyWord(const TStatDrawArray& selected, int index, uint16_t value) {
    if (index < 1 || index > 4) return false;
    for (const TStatDraw& entry : selected) {
        if (entry.Key[index - 1] == value) return true;
    }
    return false;
}

bool HasKeyDword(const TStatDrawArray& selected, int index, uint32_t value) {
    if (index < 1 || index > 2) return false;
    for (const TStatDraw& entry : selected) {
        if (entry.KeyDword(index) == value) return true;
    }
    return false;
}

}  // namespace quorvel
