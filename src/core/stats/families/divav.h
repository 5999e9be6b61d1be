#pragma once

#include <span>

#include "core/stats/custom_stat.h"

namespace quorvel {

// The characteristic number of a list of values, from a triangle of absolute differences.
struct TDivavNumber {
    int Value = 0;
    bool Pair = false;  // the reduced difference was 1: the number stands for the pair (1, Value)
};

enum class DivavMode {
    Difference,  // the last difference alone
    SumOnSmall,  // the sum of the two differences when the last difference is 0 or 1
    PairOnOne,   // 0 becomes the sum; 1 becomes the pair (1, sum)
};

// The list is reduced to the absolute differences of neighbours until two values remain;
// their difference and their sum give the number. The span serves as working space and is
// overwritten. Fewer than two values count the missing ones as 0.
TDivavNumber DivavNumberOf(std::span<int> values, DivavMode mode);

// The characteristic number of a draw or a combination, in the order its values come.
TDivavNumber DivavNumberOf(const std::array<uint8_t, PositionCount>& values, DivavMode mode);

// HCO1 and HCO2: one number per draw, with a graph.
class TCustomDivavGraphStat : public TCustomGraphStat {
public:
    TCustomDivavGraphStat(const TStatClass& statClass, const TStatList& owner, int param, DivavMode mode)
        : TCustomGraphStat(statClass, owner, param), mode_(mode) {}
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(static_cast<uint32_t>(DivavNumberOf(values, mode_).Value));
    }

private:
    DivavMode mode_;
};

class TstDivav1 : public TCustomDivavGraphStat {
public:
    TstDivav1(const TStatClass& statClass, const TStatList& owner, int param)
        : TCustomDivavGraphStat(statClass, owner, param, DivavMode::Difference) {}
};

class TstDivav2 : public TCustomDivavGraphStat {
public:
    TstDivav2(const TStatClass& statClass, const TStatList& owner, int param)
        : TCustomDivavGraphStat(statClass, owner, param, DivavMode::SumOnSmall) {}
};

// HCO3: looks only at the newest draw of the window and proposes its number and the
// multiples of it that are values; each row counts 1 when the draw after the window
// (in drawn order) holds it. Meant for filtering, where it keeps combinations holding a
// proposed value.
class TstDivav3 : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    // The index of the window's newest draw, which the loaded draws do not carry.
    int NewestIndex() const;
    void AddProposal(TStatDrawArray& table, const TDraw& following, const std::array<uint16_t, 4>& key);

    int windowLast_ = -1;
};

}  // namespace quorvel
