#include "core/stats/key_index.h"

#include <algorithm>

namespace quorvel {

void TKeyIndex::IndexKeysOf(const TStatDrawArray& table) {
    table_ = nullptr;
    for (uint16_t key : smallUsed_)
        small_[key] = -1;
    smallUsed_.clear();
    if (otherCount_ > 0) std::fill(otherPositions_.begin(), otherPositions_.end(), -1);
    otherCount_ = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        const uint64_t key = table[i].KeyBits();
        if (Find(key) < 0) Remember(key, static_cast<int>(i));
    }
    indexedSize_ = table.size();
}

int TKeyIndex::AddValueFound(const TStatDraw& work, uint64_t key, bool trackPeriods) {
    const bool current = table_->size() == indexedSize_;
    int found = -1;
    if (current) {
        found = Find(key);
    } else if (table_->size() <= SearchedSize) {
        found = Search(key);
    } else {
        found = Reindex(key);
    }
    if (found < 0) return Append(work);
    MergeValue((*table_)[static_cast<size_t>(found)], work, trackPeriods);
    return found;
}

void TKeyIndex::CountNewOccurrence(uint64_t key, int32_t drawNumber, int32_t depth, bool trackPeriods) {
    TStatDraw work;
    work.LastDraw = work.PrevDraw = drawNumber;
    work.Depth = depth;
    work.Count = 1;
    work.SetKeyBits(key);
    AddValueFound(work, key, trackPeriods);
}

void TKeyIndex::Remember(uint64_t key, int position) {
    if (key < SmallKeys) {
        small_[key] = position;
        smallUsed_.push_back(static_cast<uint16_t>(key));
        return;
    }
    if (2 * (otherCount_ + 1) > otherPositions_.size()) GrowOthers();
    const size_t mask = otherPositions_.size() - 1;
    size_t i = SlotOf(key, mask);
    while (otherPositions_[i] >= 0)
        i = (i + 1) & mask;
    otherKeys_[i] = key;
    otherPositions_[i] = position;
    ++otherCount_;
}

void TKeyIndex::GrowOthers() {
    std::vector<uint64_t> keys = std::move(otherKeys_);
    std::vector<int32_t> positions = std::move(otherPositions_);
    // Made on the first large key, with room for the values of a usual window so that counting
    // one seldom has to grow it.
    const size_t size = std::max<size_t>(positions.size() * 2, 1024);
    otherPositions_.assign(size, -1);
    otherKeys_.assign(size, 0);
    otherCount_ = 0;
    for (size_t i = 0; i < positions.size(); ++i) {
        if (positions[i] >= 0) Remember(keys[i], positions[i]);
    }
}

int TKeyIndex::Reindex(uint64_t key) {
    Attach(*table_);
    return Find(key);
}

int TKeyIndex::Append(const TStatDraw& work) {
    TStatDraw added = work;
    added.Norm = 0;
    table_->push_back(added);
    const int position = static_cast<int>(table_->size() - 1);
    Remember(work.KeyBits(), position);
    indexedSize_ = table_->size();
    return position;
}

}  // namespace quorvel
