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

// Whether a table of selected values holds an entry that fits.
bool HasKey(const TStatDrawArray& selected, uint16_t w0, uint16_t w1, uint16_t w2, uint16_t w3);
bool HasKeyPair(const TStatDrawArray& selected, uint16_t w0, uint16_t w2);
bool HasKeyByte(const TStatDrawArray& selected, int index, uint8_t value);
bool HasKeyWord(const TStatDrawArray& selected, int index, uint16_t value);
bool HasKeyDword(const TStatDrawArray& selected, int index, uint32_t value);

}  // namespace quorvel
