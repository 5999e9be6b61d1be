#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// The values of a draw one by one: the values, their digits, how many are even, small or
// prime, the pattern of those kinds over the positions, and the value at one position.

class TstValues : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
};

class TstDigits : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
};

// The number of values with a property, shown n:m.
class TCustomPropertyCountStat : public TCustomRatioStat {
public:
    using TCustomRatioStat::TCustomRatioStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    virtual bool HasProperty(int value) const = 0;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    int CountOf(const std::array<uint8_t, PositionCount>& values) const;
};

// The positions whose value has a property, as a 3-bit mask (position 1 the highest bit).
class TCustomPropertyMaskStat : public TCustomMaskStat {
public:
    using TCustomMaskStat::TCustomMaskStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    virtual bool HasProperty(int value) const = 0;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    uint32_t MaskOf(const std::array<uint8_t, PositionCount>& values) const;
};

class TstPosVal : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
};

}  // namespace quorvel
