#include "core/archive/draw_archive.h"

#include <algorithm>
#include <cmath>

#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

void DrawArchive::Assign(TDrawsArray draws) {
    draws_ = std::move(draws);
    ++revision_;
    ClampOffset();
}

void DrawArchive::Append(const TDraw& draw) {
    draws_.push_back(draw);
    ++revision_;
}

void DrawArchive::ReplaceAt(int index, const TDraw& draw) {
    if (index < 0 || index >= Count()) {
        throw Error(Format("Запись со индексом %d в файле данных не найдена!", {index}));
    }
    draws_[static_cast<size_t>(index)] = draw;
    ++revision_;
}

void DrawArchive::DeleteDrawAt(int index) {
    if (index < 0 || index >= Count()) {
        throw Error(Format("Запись со индексом %d в файле данных не найдена!", {index}));
    }
    draws_.erase(draws_.begin() + index);
    ++revision_;
    ClampOffset();
}

void DrawArchive::ClearDraws() {
    draws_.clear();
    ++revision_;
    offset_ = 0;
}

TDraw DrawArchive::DrawAtRow(int row) const {
    int index = RowToIndex(row);
    if (row < 0 || index < 0) return TDraw{};
    return draws_[static_cast<size_t>(index)];
}

TComb DrawArchive::ValuesAtRow(int row) const {
    return CombOfDraw(DrawAtRow(row));
}

int DrawArchive::NextDrawNumber(int row) const {
    if (draws_.empty()) return 1;
    if (row < 0 || row >= Count()) return -1;
    // Only a damaged file holds the number 2147483647: the next one wraps, as the stored 32-bit
    // numbers do, instead of overflowing.
    const auto number = static_cast<uint32_t>(draws_[static_cast<size_t>(RowToIndex(row))].Number);
    return static_cast<int32_t>(number + 1u);
}

int DrawArchive::IndexOfNumber(int number) const {
    const int count = Count();
    if (count == 0) return -1;
    const int first = draws_.front().Number;
    const int last = draws_.back().Number;
    if (number == first) return 0;
    if (number == last) return count - 1;
    double span = static_cast<double>(last) - first + 1;
    double guess = span != 0 ? std::trunc(count * (static_cast<double>(number) - first) / span) : -1;
    int index = (guess >= 0 && guess < count) ? static_cast<int>(guess) : count - 1;
    if (draws_[static_cast<size_t>(index)].Number == number) return index;
    const int step = draws_[static_cast<size_t>(index)].Number < number ? 1 : -1;
    for (int i = index + step; i >= 0 && i < count; i += step) {
        if (draws_[static_cast<size_t>(i)].Number == number) return i;
    }
    for (int i = count - 1; i >= 0; --i) {
        if (draws_[static_cast<size_t>(i)].Number == number) return i;
    }
    return -1;
}

bool DrawArchive::SetOffset(int offset) {
    int clamped = std::clamp(offset, 0, MaxOffset());
    if (clamped == offset_) return false;
    offset_ = clamped;
    return true;
}

void DrawArchive::ClampOffset() {
    offset_ = std::clamp(offset_, 0, MaxOffset());
}

std::string DrawArchive::SizeText() const {
    return Format("Архив тиражей: %d", {Count()});
}

std::string DrawArchive::NextDrawText() const {
    return Format("Следующий тираж: %d", {NextDrawNumber(offset_)});
}

std::string DrawArchive::NextValuesText() const {
    if (offset_ <= 0 || offset_ >= Count()) return {};
    return CombToStr(ValuesAtRow(offset_ - 1));
}

TByteArray DrawArchive::NextValueSet() const {
    TByteArray values;
    if (offset_ <= 0 || offset_ >= Count()) return values;
    for (uint8_t v : ValuesAtRow(offset_ - 1).Values)
        ByteListAdd(values, v);
    return values;
}

}  // namespace quorvel
