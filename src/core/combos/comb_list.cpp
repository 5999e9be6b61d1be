#include "core/combos/comb_list.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace quorvel {

TCombList::TCombList() {
    list_.reserve(CombinationCount);
    undo_.reserve(CombinationCount);
    buffer_.reserve(CombinationCount);
}

const TComb& TCombList::CombAt(int index) const {
    assert(index >= 0 && index < CombCount());
    return list_[static_cast<size_t>(index)];
}

void TCombList::ResetList(int capacity, int count) {
    count = std::max(count, 0);
    list_.reserve(static_cast<size_t>(std::max(capacity, count)));
    list_.clear();
    list_.resize(static_cast<size_t>(count));
}

void TCombList::AppendWhere(std::span<const TComb> combs, std::span<const uint8_t> flags, uint8_t wanted) {
    const size_t first = list_.size();
    const size_t n = combs.size();
    list_.resize(first + n);
    auto* const out = reinterpret_cast<uint8_t*>(list_.data() + first);
    const auto* const in = reinterpret_cast<const uint8_t*>(combs.data());
    size_t count = 0;
    // Every combination is written where the next kept one goes, without a branch to mispredict,
    // four bytes at a time: the fourth lands on the next place, which is written again anyway
    // (count never passes i, so it stays inside the list). The last is copied alone.
    for (size_t i = 0; i + 1 < n; ++i) {
        std::memcpy(out + count * sizeof(TComb), in + i * sizeof(TComb), 4);
        count += flags[i] == wanted ? 1 : 0;
    }
    if (n > 0) {
        std::memcpy(out + count * sizeof(TComb), in + (n - 1) * sizeof(TComb), sizeof(TComb));
        count += flags[n - 1] == wanted ? 1 : 0;
    }
    list_.resize(first + count);
}

void TCombList::AssignList(std::span<const TComb> combs) {
    list_.assign(combs.begin(), combs.end());
}

void TCombList::MakeUndoCopy() {
    try {
        undo_.assign(list_.begin(), list_.end());
    } catch (...) {
        // A half-made copy must never be restored over the list.
        undo_.clear();
        throw;
    }
}

void TCombList::RestoreUndo() {
    list_.assign(undo_.begin(), undo_.end());
    undo_.clear();
}

const TComb& TCombList::UndoItem(int index) const {
    assert(index >= 0 && index < UndoCount());
    return undo_[static_cast<size_t>(index)];
}

void TCombList::DeleteRows(const std::vector<int>& rows) {
    std::vector<bool> deleted(undo_.size(), false);
    for (int row : rows) {
        if (row >= 0 && row < UndoCount()) deleted[static_cast<size_t>(row)] = true;
    }
    list_.clear();
    for (size_t i = 0; i < undo_.size(); ++i) {
        if (!deleted[i]) list_.push_back(undo_[i]);
    }
}

void TCombList::SaveToBuffer(int key1, int key2) {
    if (bufferKey_ == std::pair{key1, key2}) return;
    try {
        buffer_.assign(list_.begin(), list_.end());
    } catch (...) {
        // Without a complete copy no key may promise one.
        ResetBuffer();
        throw;
    }
    bufferKey_ = {key1, key2};
}

bool TCombList::LoadFromBuffer(int key1, int key2) {
    if (bufferKey_ != std::pair{key1, key2} || buffer_.empty()) return false;
    list_.assign(buffer_.begin(), buffer_.end());
    return true;
}

void TCombList::ResetBuffer() {
    bufferKey_ = {-1, -1};
    buffer_.clear();
}

void TCombList::AddAppliedFilter(bool exclude, std::string source, std::string description) {
    applied_.push_back({exclude ? AppliedRemoveImage : AppliedKeepImage, std::move(source),
                        std::move(description), CombCount()});
}

void TCombList::AddUndoRow() {
    applied_.push_back({AppliedUndoImage, UndoRowSource, std::string(), CombCount()});
}

void TCombList::RemoveLastApplied() {
    if (!applied_.empty()) applied_.pop_back();
}

}  // namespace quorvel
