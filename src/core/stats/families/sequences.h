#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// Runs of neighbouring positions whose values climb by exactly one (2 3, 4 5 6): the
// length of every run, whether a draw holds a run of two or more, and its longest run.
// Draws come in drawn order or sorted, as loaded; a combination keeps its own order.

class TstSequenceLen : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

// The graph of the two below also joins neighbours that descend by one (3 2), so it can
// differ from the statistic.
class TstSequenceCnt : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

class TstSequenceLenMax : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

}  // namespace quorvel
