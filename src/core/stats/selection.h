#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "core/stats/stat_draw.h"

namespace quorvel {

// A set of selected values made ready for a filtering pass: built once, it answers each match
// helper in constant time, so that testing a combination costs a few bit tests instead of a
// scan of the selection per value. The entries stay readable for the methods that go through
// them one by one.
class TSelection {
public:
    // Implicit on purpose: a table of values can stand wherever a selection is asked for.
    TSelection(const TStatDrawArray& entries);  // NOLINT(google-explicit-constructor)

    const TStatDrawArray& Entries() const { return entries_; }
    TStatDrawArray::const_iterator begin() const { return entries_.begin(); }
    TStatDrawArray::const_iterator end() const { return entries_.end(); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    bool HasKey(uint64_t keyBits) const {
        if (keyBits < SmallKeys) return smallKeys_[keyBits];
        return otherKeys_.Contains(keyBits);
    }
    // Whether each key below 256 is selected (1 or 0), indexed by the key: a value of a combination
    // is such a key, and testing three of them is then three loads.
    const uint8_t* ByteKeys() const { return byteKeys_.data(); }
    // Word index 0..3 of the key.
    bool HasWord(int index, uint16_t word) const {
        return word < SmallKeys ? smallWords_[index][word] : otherWords_[index].Contains(word);
    }
    // Byte index 0..7 of the key (0 the lowest byte of the first word).
    bool HasByte(int index, uint8_t byte) const { return bytes_[index][byte]; }
    // Dword index 0..1 of the key (0: words 0 and 1).
    bool HasDword(int index, uint32_t dword) const {
        return dwords_[static_cast<size_t>(index)].Contains(dword);
    }

private:
    static constexpr uint64_t SmallKeys = 1024;

    // A set of 64-bit numbers sized once: up to a few numbers side by side, more in an
    // open-addressing table.
    class NumberSet {
    public:
        void Reserve(size_t count);
        void Insert(uint64_t number);
        bool Contains(uint64_t number) const {
            if (mask_ == 0) {
                for (size_t i = 0; i < inlineCount_; ++i) {
                    if (inline_[i] == number) return true;
                }
                return false;
            }
            for (size_t i = Slot(number);; i = (i + 1) & mask_) {
                if (!used_[i]) return false;
                if (slots_[i] == number) return true;
            }
        }

    private:
        static constexpr size_t InlineCount = 8;
        size_t Slot(uint64_t number) const { return (number * 0x9E3779B97F4A7C15ull >> 32) & mask_; }
        std::array<uint64_t, InlineCount> inline_{};
        size_t inlineCount_ = 0;
        std::vector<uint64_t> slots_;
        std::vector<uint8_t> used_;
        size_t mask_ = 0;
    };

    const TStatDrawArray& entries_;
    std::bitset<SmallKeys> smallKeys_;
    std::array<uint8_t, 256> byteKeys_{};
    NumberSet otherKeys_;
    std::array<std::bitset<SmallKeys>, 4> smallWords_;
    std::array<NumberSet, 4> otherWords_;
    std::array<std::bitset<256>, 8> bytes_;
    std::array<NumberSet, 2> dwords_;
};

// Whether the selection holds an entry that fits; the methods' Matches ask these.
inline bool HasKey(const TSelection& selected, uint16_t w0, uint16_t w1, uint16_t w2, uint16_t w3) {
    return selected.HasKey(w0 | static_cast<uint64_t>(w1) << 16 | static_cast<uint64_t>(w2) << 32 |
                           static_cast<uint64_t>(w3) << 48);
}
inline bool HasKeyPair(const TSelection& selected, uint16_t w0, uint16_t w2) {
    return HasKey(selected, w0, 0, w2, 0);
}
// Byte 1..8 of the key (1 the lowest byte of the first word) equals the value.
inline bool HasKeyByte(const TSelection& selected, int index, uint8_t value) {
    return index >= 1 && index <= 8 && selected.HasByte(index - 1, value);
}
// Word 1..4 of the key equals the value.
inline bool HasKeyWord(const TSelection& selected, int index, uint16_t value) {
    return index >= 1 && index <= 4 && selected.HasWord(index - 1, value);
}
// Dword 1..2 of the key (1: words 0 and 1, word 0 the low half) equals the value.
inline bool HasKeyDword(const TSelection& selected, int index, uint32_t value) {
    return index >= 1 && index <= 2 && selected.HasDword(index - 1, value);
}

}  // namespace quorvel
