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
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        for (uint8_t v : values)
            add(v);
    }
};

class TstDigits : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
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
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(static_cast<uint32_t>(CountOf(values)));
    }

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
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(MaskOf(values));
    }

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
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(values[static_cast<size_t>(Param - 1)]);
    }
};

}  // namespace quorvel
