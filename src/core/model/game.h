#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/short_string.h"

namespace quorvel {

constexpr int PositionCount = 3;
constexpr int ValueMin = 0;
constexpr int ValueMax = 9;
constexpr int ValueCount = 10;
constexpr int CombinationCount = 1000;

// The range of draw sums pre-seeded by the sum methods: the three smallest and the three
// largest distinct values.
constexpr int SumLow = ValueMin + (ValueMin + 1) + (ValueMin + 2);
constexpr int SumHigh = ValueMax + (ValueMax - 1) + (ValueMax - 2);
constexpr int SumBand = (SumHigh - SumLow) / 10;
static_assert(SumLow == 3 && SumHigh == 24 && SumBand == 2);

// One combination: the values at positions 1, 2, 3.
struct TComb {
    std::array<uint8_t, PositionCount> Values{};
    bool operator==(const TComb&) const = default;
};
static_assert(sizeof(TComb) == 3);

constexpr int DrawDateLength = 16;  // "dd.mm.yyyy hh:nn"

// One draw of the archive; in memory as in the draws file (24 bytes).
struct TDraw {
    int32_t Number = 0;
    std::array<uint8_t, PositionCount> Values{};
    ShortString<DrawDateLength> DateText;
    bool operator==(const TDraw&) const = default;
};
static_assert(sizeof(TDraw) == 24);
constexpr size_t DrawRecordSize = 24;

// A counted value list: the values of a stake or a system line.
struct TStakeComb {
    int32_t Count = 0;
    std::array<uint8_t, 4> Values{};
    bool operator==(const TStakeComb&) const = default;
};
static_assert(sizeof(TStakeComb) == 8);

struct TStatSimple {
    int32_t Key = 0;
    int32_t Count = 0;
    bool operator==(const TStatSimple&) const = default;
};

using TDrawsArray = std::vector<TDraw>;
// The used count of a combination array is its size; capacity is reserved separately.
using TCombsArray = std::vector<TComb>;
using TByteArray = std::vector<uint8_t>;
using TIntArray = std::vector<int32_t>;
using TStatSimpleArray = std::vector<TStatSimple>;

// Matrix segment of every value at every position: element [position - 1][value].
using TSegmentTable = std::array<std::array<uint8_t, ValueCount>, PositionCount>;

inline bool IsValidValue(int value) {
    return value >= ValueMin && value <= ValueMax;
}

// Serialises a draw into its 24-byte record and back, little-endian.
void WriteDrawRecord(uint8_t* out, const TDraw& draw);
TDraw ReadDrawRecord(const uint8_t* in);

}  // namespace quorvel
