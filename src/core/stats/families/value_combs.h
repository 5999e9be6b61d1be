#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// Tuples of a draw's own values: pairs and triples over all positions, over adjacent
// positions, from one start position, or over the values sorted ascending. A tuple of k
// values lives in Key[0..k-1], the other words stay 0, and prints as 7:2:3.

// At most three tuples come from three values (three pairs out of three positions). Each key is
// its eight bytes read as one number (TStatDraw::KeyBits).
struct TValueTuples {
    std::array<uint64_t, PositionCount> Keys{};
    int Count = 0;
};

class TCustomCombValuesStat : public TCustomStat {
public:
    TCustomCombValuesStat(const TStatClass& statClass, const TStatList& owner, int param, int size);
    std::string ValueText(const TStatDraw& value) const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    // The member's tuples of three values, in the member's order.
    virtual TValueTuples TuplesOf(const std::array<uint8_t, PositionCount>& values) const = 0;
    int Size() const { return size_; }
    // Nothing is listed for the full set: the table shows only tuples that were drawn.
    static constexpr bool FullSetValues = false;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        const TValueTuples tuples = TuplesOf(values);
        for (int i = 0; i < tuples.Count; ++i)
            add(tuples.Keys[static_cast<size_t>(i)]);
    }

protected:
    // Appends the tuple of the values at the first Size() of the given positions (0-based).
    void AppendTuple(TValueTuples& tuples, const std::array<uint8_t, PositionCount>& values,
                     const std::array<int, 4>& positions) const;
    // Appends every run of Size() adjacent positions, from the left.
    void AppendRuns(TValueTuples& tuples, const std::array<uint8_t, PositionCount>& values) const;

private:
    int size_;
};

// Every choice of k positions, in lexicographic order of the positions (KNM).
class TCombValMixStat : public TCustomCombValuesStat {
public:
    using TCustomCombValuesStat::TCustomCombValuesStat;
    TValueTuples TuplesOf(const std::array<uint8_t, PositionCount>& values) const override;
};

// Every run of k adjacent positions, from the left (KNS).
class TCombValSeqStat : public TCustomCombValuesStat {
public:
    using TCustomCombValuesStat::TCustomCombValuesStat;
    TValueTuples TuplesOf(const std::array<uint8_t, PositionCount>& values) const override;
};

// The one run of k adjacent positions starting at the parameter (KNP).
class TCombValPosStat : public TCustomCombValuesStat {
public:
    using TCustomCombValuesStat::TCustomCombValuesStat;
    TValueTuples TuplesOf(const std::array<uint8_t, PositionCount>& values) const override;
};

// The adjacent runs of the values sorted ascending, so the drawn order does not matter (KNO).
class TCombValSortStat : public TCustomCombValuesStat {
public:
    using TCustomCombValuesStat::TCustomCombValuesStat;
    TValueTuples TuplesOf(const std::array<uint8_t, PositionCount>& values) const override;
};

// The members fix the tuple size at creation; a draw has three values, so the k = 4 members
// find no tuple at all.
template <typename Scheme, int K>
class TCombValSized : public Scheme {
public:
    TCombValSized(const TStatClass& statClass, const TStatList& owner, int param)
        : Scheme(statClass, owner, param, K) {}
};

using TstCombValMix2 = TCombValSized<TCombValMixStat, 2>;
using TstCombValMix3 = TCombValSized<TCombValMixStat, 3>;
using TstCombValMix4 = TCombValSized<TCombValMixStat, 4>;
using TstCombValSeq2 = TCombValSized<TCombValSeqStat, 2>;
using TstCombValSeq3 = TCombValSized<TCombValSeqStat, 3>;
using TstCombValSeq4 = TCombValSized<TCombValSeqStat, 4>;
using TstCombValPos2 = TCombValSized<TCombValPosStat, 2>;
using TstCombValPos3 = TCombValSized<TCombValPosStat, 3>;
using TstCombValPos4 = TCombValSized<TCombValPosStat, 4>;
using TstCombValSort2 = TCombValSized<TCombValSortStat, 2>;
using TstCombValSort3 = TCombValSized<TCombValSortStat, 3>;
using TstCombValSort4 = TCombValSized<TCombValSortStat, 4>;

}  // namespace quorvel
