#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/stats/stat_draw.h"

namespace quorvel {

// Where each value of a table of values sits, so that counting a value finds its entry at once
// instead of searching the table. Small keys (a first word below 1024, the others zero) are
// looked up directly, others in an open-addressing table. The table keeps its order of first
// addition. Should anything else add to or empty the table meanwhile, the index is made afresh;
// the keys of entries already in the table must not be changed while it is indexed.
class TKeyIndex {
public:
    TKeyIndex() { small_.fill(-1); }
    // Starts indexing the table as it is now.
    void Attach(TStatDrawArray& table) {
        IndexKeysOf(table);
        table_ = &table;
    }
    // Indexes the keys of a table only to look them up; AddValue is then not to be called.
    void IndexKeysOf(const TStatDrawArray& table);
    // The position of the first entry with the key, or -1.
    int Position(uint64_t key) const { return Find(key); }
    void Detach() { table_ = nullptr; }
    bool Indexes(const TStatDrawArray& table) const { return table_ == &table; }
    // What AddValue does, with the entry found through the index.
    int AddValue(const TStatDraw& work, bool trackPeriods) {
        return AddValue(work, work.KeyBits(), trackPeriods);
    }
    // The same with the work entry's key given as its eight bytes. A key already in the table
    // is the common case and is kept short enough to inline; the rest is out of line.
    int AddValue(const TStatDraw& work, uint64_t key, bool trackPeriods) {
        if (table_->size() == indexedSize_) {
            const int found = Find(key);
            if (found >= 0) {
                MergeValue((*table_)[static_cast<size_t>(found)], work, trackPeriods);
                return found;
            }
        }
        return AddValueFound(work, key, trackPeriods);
    }

    // Counts the occurrences that visit(count) gives, each by a call count(key, drawNumber, depth):
    // one occurrence of a key (its eight bytes) in the draw numbered drawNumber, depth draws back
    // from the window's newest, added as AddValue adds it. Taking an occurrence as numbers rather
    // than as a work entry, and holding the table's entries in a local that only a new key
    // refreshes (nothing else changes the table meanwhile), keeps a counting loop in registers.
    template <typename Visit>
    void CountOccurrences(Visit visit, bool trackPeriods) {
        if (table_->size() != indexedSize_) Attach(*table_);
        TStatDraw* entries = table_->data();
        visit([&](uint64_t key, int32_t drawNumber, int32_t depth) {
            const int found = Find(key);
            if (found >= 0) [[likely]] {
                MergeOccurrence(entries[static_cast<size_t>(found)], drawNumber, depth, 1, trackPeriods);
            } else {
                CountNewOccurrence(key, drawNumber, depth, trackPeriods);
                entries = table_->data();
            }
        });
    }

private:
    static constexpr uint64_t SmallKeys = 1024;
    // Up to this many entries a search is as quick as indexing the table afresh.
    static constexpr size_t SearchedSize = 16;
    int Search(uint64_t key) const {
        const TStatDrawArray& table = *table_;
        for (size_t i = 0; i < table.size(); ++i) {
            if (table[i].KeyBits() == key) return static_cast<int>(i);
        }
        return -1;
    }
    int Find(uint64_t key) const { return key < SmallKeys ? small_[key] : FindOther(key); }
    int AddValueFound(const TStatDraw& work, uint64_t key, bool trackPeriods);
    void CountNewOccurrence(uint64_t key, int32_t drawNumber, int32_t depth, bool trackPeriods);
    int FindOther(uint64_t key) const {
        if (otherPositions_.empty()) return -1;
        const size_t mask = otherPositions_.size() - 1;
        for (size_t i = SlotOf(key, mask);; i = (i + 1) & mask) {
            if (otherPositions_[i] < 0) return -1;
            if (otherKeys_[i] == key) return otherPositions_[i];
        }
    }
    static size_t SlotOf(uint64_t key, size_t mask) {
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    }
    // The table changed behind the index: indexes it afresh, then finds the key.
    int Reindex(uint64_t key);
    int Append(const TStatDraw& work);
    void Remember(uint64_t key, int position);
    void GrowOthers();

    TStatDrawArray* table_ = nullptr;
    size_t indexedSize_ = 0;
    std::array<int32_t, SmallKeys> small_;
    std::vector<uint16_t> smallUsed_;  // the small keys set, so that a new table clears only those
    std::vector<uint64_t> otherKeys_;
    std::vector<int32_t> otherPositions_;  // -1: empty slot
    size_t otherCount_ = 0;
};

}  // namespace quorvel
