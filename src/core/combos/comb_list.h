#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/model/game.h"

namespace quorvel {

// Images of the applied-filters rows: the pictures of the keep and remove actions and of undo.
constexpr int AppliedUndoImage = 11;
constexpr int AppliedKeepImage = 12;
constexpr int AppliedRemoveImage = 13;

constexpr const char* UndoRowSource = "Отмена последней операции";
constexpr const char* SelectedCombsSource = "Выделенные комбинации";

// One row of the applied-filters list: what changed the list and how many combinations stayed.
struct TAppliedFilter {
    int Image = AppliedKeepImage;
    std::string Source;
    std::string Values;
    int Count = 0;
    bool operator==(const TAppliedFilter&) const = default;
};

// The combination list the user narrows down, its one-step undo copy, the buffer a scenario
// reuses as a start list, and the log of the operations applied since the list was made.
// Storage of the three arrays only grows and has room for all 1000 combinations from the
// start, so copying a list back and forth never reallocates.
class TCombList {
public:
    TCombList();

    // The current list.
    int CombCount() const { return static_cast<int>(list_.size()); }
    // Precondition: 0 <= index < CombCount().
    const TComb& CombAt(int index) const;
    std::span<const TComb> Current() const { return list_; }
    // Grows the storage to at least the capacity and sets the count; new entries are 0;0;0.
    void ResetList(int capacity, int count);
    void AppendComb(const TComb& comb) { list_.push_back(comb); }
    // Appends the combinations whose flag equals `wanted`, in order. Without a branch per
    // combination: whether one is kept is as random as the draws.
    void AppendWhere(std::span<const TComb> combs, std::span<const uint8_t> flags, uint8_t wanted);
    // Replaces the current list by a copy of the given combinations, keeping the storage.
    void AssignList(std::span<const TComb> combs);

    // The undo copy. A count of 0 means nothing to undo (or an empty list was copied).
    // When the copy cannot be made it is left empty and the error propagates.
    void MakeUndoCopy();
    // The current list becomes the undo copy; afterwards nothing is left to undo.
    void RestoreUndo();
    void DropUndo() { undo_.clear(); }
    int UndoCount() const { return static_cast<int>(undo_.size()); }
    // Precondition: 0 <= index < UndoCount().
    const TComb& UndoItem(int index) const;
    std::span<const TComb> UndoList() const { return undo_; }
    // The current list becomes the undo copy without the combinations at the given rows of
    // the undo copy, in order; rows outside the copy and repeated rows are ignored. The
    // caller takes the undo copy first.
    void DeleteRows(const std::vector<int>& rows);

    // The buffer. SaveToBuffer copies the current list only when the key differs from the
    // buffer's; LoadFromBuffer copies it back only when the key is equal and the buffer not
    // empty, and says whether it did.
    void SaveToBuffer(int key1, int key2);
    bool LoadFromBuffer(int key1, int key2);
    // No buffer: key -1, -1 and no combinations.
    void ResetBuffer();
    // Drops the buffered combinations but keeps the key, as a new list does.
    void EmptyBuffer() { buffer_.clear(); }
    std::pair<int, int> BufferKey() const { return bufferKey_; }
    int BufferCount() const { return static_cast<int>(buffer_.size()); }

    // The applied-filters rows; each new row records the current list size.
    void ClearApplied() { applied_.clear(); }
    void AddAppliedFilter(bool exclude, std::string source, std::string description);
    void AddUndoRow();
    void RemoveLastApplied();
    const std::vector<TAppliedFilter>& Applied() const { return applied_; }

private:
    TCombsArray list_;
    TCombsArray undo_;
    TCombsArray buffer_;
    std::pair<int, int> bufferKey_{-1, -1};
    std::vector<TAppliedFilter> applied_;
};

}  // namespace quorvel
