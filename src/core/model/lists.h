#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/model/game.h"

namespace quorvel {

// Distinct values of a list (at most 10), scanning stops once all ten are found.
int UniqueValueCount(std::span<const TComb> combs);
// The distinct values in order of first occurrence (combinations in order, positions 1..3).
TByteArray UniqueValues(std::span<const TComb> combs);

bool ByteListHas(const TByteArray& list, uint8_t value);
void ByteListAdd(TByteArray& list, uint8_t value);
void ByteListAppend(TByteArray& list, uint8_t value);

// "5;10;20" or "5,10,20" gives those numbers; "1-10;2" gives 1, 3, 5, 7, 9. Anything
// unreadable gives an empty list.
TIntArray StrToIntList(std::string_view text);
std::string IntListToStr(const TIntArray& list, std::string_view separator);
void SortIntsDesc(TIntArray& list);

// Grows the key's count by a positive amount, or appends (key, amount) when absent.
void AddValueCount(TStatSimpleArray& list, int32_t key, int32_t amount);
void SortValueCounts(TStatSimpleArray& list);

std::string SegmentsToStr(const TSegmentTable& segments);
// Character i gives entry i as one digit; a missing or non-digit character gives 1.
TSegmentTable StrToSegments(std::string_view text);

}  // namespace quorvel
