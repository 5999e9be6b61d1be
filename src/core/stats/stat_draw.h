#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quorvel {

// One distinct value of a method with its counters: at once a row of the statistics table
// and an element of a set of selected values. The eight key bytes are the value's identity.
struct TStatDraw {
    int32_t LastDraw = 0;
    int32_t Depth = 0;
    int32_t PrevDraw = 0;
    uint16_t PeriodMin = 0;
    uint16_t PeriodMax = 0;
    int32_t Count = 0;
    int32_t Norm = 0;
    std::array<uint16_t, 4> Key{};

    uint64_t KeyBits() const {
        uint64_t bits;
        std::memcpy(&bits, Key.data(), sizeof bits);
        return bits;
    }
    void SetKeyBits(uint64_t bits) { std::memcpy(Key.data(), &bits, sizeof bits); }
    // Key[0] and Key[1] read as one 32-bit number (Key[0] the low word).
    uint32_t KeyDword(int index) const {
        return index == 1 ? Key[0] + (static_cast<uint32_t>(Key[1]) << 16)
                          : Key[2] + (static_cast<uint32_t>(Key[3]) << 16);
    }
    void SetKeyDword(int index, uint32_t value) {
        Key[index == 1 ? 0 : 2] = static_cast<uint16_t>(value);
        Key[index == 1 ? 1 : 3] = static_cast<uint16_t>(value >> 16);
    }
};

using TStatDrawArray = std::vector<TStatDraw>;

// A value as key word `index` (0..3) of a key read as one number (TStatDraw::KeyBits), kept to
// its low 16 bits as a key word keeps it.
constexpr uint64_t KeyWord(int value, int index) {
    return static_cast<uint64_t>(static_cast<uint16_t>(value)) << (16 * index);
}

// Adds `count` occurrences of a value, drawn last in draw `drawNumber` lying `depth` draws back
// from the window's newest, to the entry of that value. Inline: counting a window calls it for
// every value of every draw, and taking the occurrence as numbers lets them stay in registers.
inline void MergeOccurrence(TStatDraw& entry, int32_t drawNumber, int32_t depth, int32_t count,
                            bool trackPeriods) {
    entry.Count += count;
    if (entry.Depth == 0 || (depth > 0 && depth <= entry.Depth)) {
        entry.LastDraw = drawNumber;
        entry.Depth = depth;
    }
    if (trackPeriods && drawNumber > 0 && entry.PrevDraw > 0) {
        // The gap is a signed 32-bit number compared with the stored 16-bit values read unsigned.
        // Selections rather than branches: whether a gap is a new extreme is as random as the draws.
        const int64_t gap = entry.PrevDraw > drawNumber ? static_cast<int64_t>(entry.PrevDraw) - drawNumber
                                                        : static_cast<int64_t>(drawNumber) - entry.PrevDraw;
        const auto gap16 = static_cast<uint16_t>(gap);
        const uint16_t low = entry.PeriodMin;
        const uint16_t high = entry.PeriodMax;
        entry.PeriodMin = (gap < low || low == 0) ? gap16 : low;
        entry.PeriodMax = (gap > high || high == 0) ? gap16 : high;
    }
    entry.PrevDraw = drawNumber;
}

// Adds one occurrence of the work entry's value to the entry of that value.
inline void MergeValue(TStatDraw& entry, const TStatDraw& work, bool trackPeriods) {
    MergeOccurrence(entry, work.LastDraw, work.Depth, work.Count, trackPeriods);
}

// Adds one occurrence of the work entry's value; returns the entry's index.
int AddValue(TStatDrawArray& table, const TStatDraw& work, bool trackPeriods);

// By key words 0..3 as unsigned numbers, ascending; equal keys keep their order.
void SortValues(TStatDrawArray& table);

struct TValueTotals {
    int64_t Total = 0;
    int32_t MinCount = 2147483647;
    int32_t MaxCount = 0;
    int32_t MaxDepth = 0;
};
TValueTotals ValueTotals(const TStatDrawArray& table);

}  // namespace quorvel
