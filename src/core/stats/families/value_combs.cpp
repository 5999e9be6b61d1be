#include "core/stats/families/value_combs.h"
#include "core/stats/families/make_stat.h"

#include <string>

#include "core/model/transforms.h"
#include "core/stats/registry.h"
#include "core/util/format.h"

namespace quorvel {

TCustomCombValuesStat::TCustomCombValuesStat(const TStatClass& statClass, const TStatList& owner, int param,
                                             int size)
    : TCustomStat(statClass, owner, param), size_(size) {}

std::string TCustomCombValuesStat::ValueText(const TStatDraw& value) const {
    return KeyWordsText(value, size_);
}

void TCustomCombValuesStat::AppendTuple(TValueTuples& tuples,
                                        const std::array<uint8_t, PositionCount>& values,
                                        const std::array<int, 4>& positions) const {
    if (tuples.Count >= static_cast<int>(tuples.Keys.size())) return;
    uint64_t key = 0;
    for (int i = 0; i < size_; ++i)
        key |= KeyWord(values[static_cast<size_t>(positions[static_cast<size_t>(i)])], i);
    tuples.Keys[static_cast<size_t>(tuples.Count++)] = key;
}

void TCustomCombValuesStat::AppendRuns(TValueTuples& tuples,
                                       const std::array<uint8_t, PositionCount>& values) const {
    if (size_ < 1 || size_ > PositionCount) return;
    for (int first = 0; first + size_ <= PositionCount; ++first)
        AppendTuple(tuples, values, {first, first + 1, first + 2, first + 3});
}

bool TCustomCombValuesStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    const TValueTuples tuples = TuplesOf(comb.Values);
    for (int i = 0; i < tuples.Count; ++i) {
        if (selected.HasKey(tuples.Keys[static_cast<size_t>(i)])) return true;
    }
    return false;
}

TValueTuples TCombValMixStat::TuplesOf(const std::array<uint8_t, PositionCount>& values) const {
    TValueTuples tuples;
    const int k = Size();
    if (k < 1 || k > PositionCount) return tuples;
    // Walk the position choices i1 < ... < ik in lexicographic order.
    std::array<int, 4> positions{0, 1, 2, 3};
    for (;;) {
        AppendTuple(tuples, values, positions);
        int i = k - 1;
        while (i >= 0 && positions[static_cast<size_t>(i)] == PositionCount - k + i)
            --i;
        if (i < 0) break;
        ++positions[static_cast<size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            positions[static_cast<size_t>(j)] = positions[static_cast<size_t>(j - 1)] + 1;
    }
    return tuples;
}

TValueTuples TCombValSeqStat::TuplesOf(const std::array<uint8_t, PositionCount>& values) const {
    TValueTuples tuples;
    AppendRuns(tuples, values);
    return tuples;
}

TValueTuples TCombValPosStat::TuplesOf(const std::array<uint8_t, PositionCount>& values) const {
    TValueTuples tuples;
    const int first = Param - 1;
    if (Size() >= 1 && first >= 0 && first + Size() <= PositionCount)
        AppendTuple(tuples, values, {first, first + 1, first + 2, first + 3});
    return tuples;
}

TValueTuples TCombValSortStat::TuplesOf(const std::array<uint8_t, PositionCount>& values) const {
    TValueTuples tuples;
    AppendRuns(tuples, SortComb(TComb{values}).Values);
    return tuples;
}

namespace {

constexpr uint8_t S = FeaturePositional;

// A member with its tuple size fixed: code and title come already formatted with k.
TStatClass Fixed(int position, const char* name, const char* code, const char* title, int k, uint8_t flags,
                 TStatClass::CreateFn create) {
    TStatClass c =
        StatRow(0, position, name, Format(code, {k}), Format(title, {k}), flags, false, false, create);
    c.Available = k <= PositionCount;
    return c;
}

// A member whose parameter is the start position; the tuple size is part of the code.
TStatClass Ranged(int position, const char* name, int k, const char* title, TStatClass::ParamRangeFn range,
                  TStatClass::CreateFn create) {
    TStatClass c = StatRow(0, position, name, Format("KNP%d", {k}) + "%d", title, S, false, false, create);
    c.HelpTopic = Format("KNP%d", {k});
    c.Available = k <= PositionCount;
    c.ParamRange = range;
    return c;
}

}  // namespace

void RegisterValueCombsFamily(std::vector<TStatClass>& classes) {
    constexpr const char* mix = "Сочетания из %0:d чисел по всем числам тиража";
    constexpr const char* seq = "Сочетания из %0:d соседних чисел тиража";
    constexpr const char* sort = "Сочетания из %0:d чисел тиража по возрастанию";
    classes.push_back(Fixed(63, "TstCombValMix2", "KNM%d", mix, 2, S, Make<TstCombValMix2>));
    classes.push_back(Fixed(64, "TstCombValMix3", "KNM%d", mix, 3, S, Make<TstCombValMix3>));
    classes.push_back(Fixed(65, "TstCombValMix4", "KNM%d", mix, 4, S, Make<TstCombValMix4>));
    classes.push_back(Fixed(66, "TstCombValSeq2", "KNS%d", seq, 2, S, Make<TstCombValSeq2>));
    classes.push_back(Fixed(67, "TstCombValSeq3", "KNS%d", seq, 3, S, Make<TstCombValSeq3>));
    classes.push_back(Fixed(68, "TstCombValSeq4", "KNS%d", seq, 4, S, Make<TstCombValSeq4>));
    classes.push_back(Ranged(
        69, "TstCombValPos2", 2, "Сочетания из 2-х чисел тиража начиная с %0:d позиции",
        [](const TStatList&) {
            return std::pair<int, int>{1, 2};
        },
        Make<TstCombValPos2>));
    classes.push_back(Ranged(
        70, "TstCombValPos3", 3, "Сочетания из 3-х чисел тиража начиная с %0:d позиции",
        [](const TStatList&) {
            return std::pair<int, int>{1, 1};
        },
        Make<TstCombValPos3>));
    classes.push_back(Ranged(
        71, "TstCombValPos4", 4, "Сочетания из 4-х чисел тиража начиная с %0:d позиции",
        [](const TStatList&) {
            return std::pair<int, int>{1, 0};
        },
        Make<TstCombValPos4>));
    classes.push_back(Fixed(72, "TstCombValSort2", "KNO%d", sort, 2, 0, Make<TstCombValSort2>));
    classes.push_back(Fixed(73, "TstCombValSort3", "KNO%d", sort, 3, 0, Make<TstCombValSort3>));
    classes.push_back(Fixed(74, "TstCombValSort4", "KNO%d", sort, 4, 0, Make<TstCombValSort4>));
}

}  // namespace quorvel
