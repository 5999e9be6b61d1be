#pragma once

#include <string>

#include "core/model/game.h"

namespace quorvel {

// The archive of past draws, oldest first, and the offset that hides the newest draws from
// the analysis. Lists show it newest first: row r is element count - 1 - r.
class DrawArchive {
public:
    const TDrawsArray& Draws() const { return draws_; }
    int Count() const { return static_cast<int>(draws_.size()); }
    bool Empty() const { return draws_.empty(); }
    // Counts the changes of the draws, so that what was computed from them knows when an edit
    // left their number as it was.
    int Revision() const { return revision_; }

    void Assign(TDrawsArray draws);
    void Append(const TDraw& draw);
    void ReplaceAt(int index, const TDraw& draw);
    // Throws Error "Запись со индексом %d в файле данных не найдена!" outside the array.
    void DeleteDrawAt(int index);
    void ClearDraws();

    int RowToIndex(int row) const { return Count() - 1 - row; }
    // A copy of the draw at row r; a zeroed draw when r is out of range.
    TDraw DrawAtRow(int row) const;
    TComb ValuesAtRow(int row) const;
    // 1 for an empty archive, -1 for a row outside the archive, else the row's number plus 1.
    int NextDrawNumber(int row) const;
    // The array index of the draw with that number, or -1; fastest on rising numbers.
    int IndexOfNumber(int number) const;

    int Offset() const { return offset_; }
    // Keeps the offset within 0..count - 1; returns whether it changed.
    bool SetOffset(int offset);
    int MaxOffset() const { return Count() > 0 ? Count() - 1 : 0; }

    // Status texts and the values of the draw that really followed the offset point.
    std::string SizeText() const;
    std::string NextDrawText() const;
    std::string NextValuesText() const;
    TByteArray NextValueSet() const;

private:
    void ClampOffset();

    TDrawsArray draws_;
    int offset_ = 0;
    int revision_ = 0;
};

}  // namespace quorvel
