#include "core/stats/selection.h"

namespace quorvel {

TSelection::TSelection(const TStatDrawArray& entries) : entries_(entries) {
    size_t largeKeys = 0;
    std::array<size_t, 4> largeWords{};
    for (const TStatDraw& entry : entries) {
        largeKeys += entry.KeyBits() >= SmallKeys ? 1 : 0;
        for (size_t w = 0; w < 4; ++w)
            largeWords[w] += entry.Key[w] >= SmallKeys ? 1 : 0;
    }
    otherKeys_.Reserve(largeKeys);
    for (size_t w = 0; w < 4; ++w)
        otherWords_[w].Reserve(largeWords[w]);
    for (NumberSet& dwords : dwords_)
        dwords.Reserve(entries.size());
    for (const TStatDraw& entry : entries) {
        const uint64_t key = entry.KeyBits();
        if (key < byteKeys_.size()) byteKeys_[key] = 1;
        if (key < SmallKeys) {
            smallKeys_.set(key);
        } else {
            otherKeys_.Insert(key);
        }
        for (int w = 0; w < 4; ++w) {
            const uint16_t word = entry.Key[static_cast<size_t>(w)];
            if (word < SmallKeys) {
                smallWords_[static_cast<size_t>(w)].set(word);
            } else {
                otherWords_[static_cast<size_t>(w)].Insert(word);
            }
            bytes_[static_cast<size_t>(2 * w)].set(word & 0xFF);
            bytes_[static_cast<size_t>(2 * w + 1)].set(word >> 8);
        }
        for (int d = 0; d < 2; ++d)
            dwords_[static_cast<size_t>(d)].Insert(entry.KeyDword(d + 1));
    }
}

void TSelection::NumberSet::Reserve(size_t count) {
    if (count <= InlineCount) return;
    size_t capacity = 16;
    while (capacity < 2 * count)
        capacity *= 2;
    slots_.assign(capacity, 0);
    used_.assign(capacity, 0);
    mask_ = capacity - 1;
}

void TSelection::NumberSet::Insert(uint64_t number) {
    if (mask_ == 0) {
        for (size_t i = 0; i < inlineCount_; ++i) {
            if (inline_[i] == number) return;
        }
        inline_[inlineCount_++] = number;
        return;
    }
    for (size_t i = Slot(number);; i = (i + 1) & mask_) {
        if (!used_[i]) {
            used_[i] = 1;
            slots_[i] = number;
            return;
        }
        if (slots_[i] == number) return;
    }
}

}  // namespace quorvel
