#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// The distances between the values of one draw: the differences between neighbouring
// positions, the largest of them, the repeated ones and how often they repeat, the spread
// between the smallest and the largest value, and the ordered pair of neighbour differences.
// None of them looks at an earlier draw.

// The differences of three values in position order.
struct TNeighbourDiffs {
    int D1 = 0;      // |x2 - x1|
    int D2 = 0;      // |x3 - x2|
    int Spread = 0;  // max - min
    int Largest() const { return D1 > D2 ? D1 : D2; }
    // How often the most frequent neighbour difference occurs.
    int Multiplicity() const { return D1 == D2 ? 2 : 1; }
};
TNeighbourDiffs NeighbourDiffsOf(const std::array<uint8_t, PositionCount>& values);

// Both neighbour differences, each counted.
class TstDiffTotal : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
};

// One number derived from the differences, listed in advance over a closed range.
class TCustomDiffGraphStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    virtual int ValueOf(const TNeighbourDiffs& diffs) const = 0;
    virtual int FirstListed() const = 0;
    virtual int LastListed() const = 0;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

class TstDiffMax : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    int ValueOf(const TNeighbourDiffs& diffs) const override { return diffs.Largest(); }
    int FirstListed() const override { return 1; }
    int LastListed() const override { return ValueMax; }
};

class TstMinMaxDiffs : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    int ValueOf(const TNeighbourDiffs& diffs) const override { return diffs.Spread; }
    int FirstListed() const override { return 1; }
    int LastListed() const override { return ValueMax; }
};

class TstDiffSameCnt : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    int ValueOf(const TNeighbourDiffs& diffs) const override { return diffs.Multiplicity(); }
    int FirstListed() const override { return 1; }
    int LastListed() const override { return 2; }
};

// Each neighbour difference with the number of times it occurs: "2 x 2", or "5 x 1" and "1 x 1".
class TstDiffSame : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

// Tuples of consecutive neighbour differences, printed joined by ":". Three values have
// exactly two neighbour differences, so only the pair class yields a value in this game.
class TCustomCombDiffSeqStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    virtual int TupleSize() const = 0;
};

class TstCombDiffSeq2 : public TCustomCombDiffSeqStat {
public:
    using TCustomCombDiffSeqStat::TCustomCombDiffSeqStat;
    int TupleSize() const override { return 2; }
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    // Without a full-set file the combinations add nothing.
    static constexpr bool FullSetValues = false;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

// The longer tuples keep their places in the catalogue but have no value in a draw of three.
class TCustomLongDiffSeqStat : public TCustomCombDiffSeqStat {
public:
    using TCustomCombDiffSeqStat::TCustomCombDiffSeqStat;
    bool Matches(const TSelection&, int, const TComb&, bool, bool) override { return false; }

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray&, TStatScratch&, TLastValueArray&) override {}
};

class TstCombDiffSeq3 : public TCustomLongDiffSeqStat {
public:
    using TCustomLongDiffSeqStat::TCustomLongDiffSeqStat;
    int TupleSize() const override { return 3; }
};

class TstCombDiffSeq4 : public TCustomLongDiffSeqStat {
public:
    using TCustomLongDiffSeqStat::TCustomLongDiffSeqStat;
    int TupleSize() const override { return 4; }
};

}  // namespace quorvel
