#pragma once

#include "core/stats/custom_stat.h"

namespace quorvel {

// The sum of a draw's values and what follows from it: the sum itself or of its even or
// prime values, whether it falls into a fixed range, how it moved after draws whose sum
// resembled the newest one, and whether one value is the sum of the other two.

// The three fixed ranges of SUM1..SUM3; they are part of the program, not settings.
struct TSumRange {
    int Low;
    int High;
};
constexpr int SumRangeCount = 3;
inline constexpr TSumRange SumRanges[SumRangeCount] = {{6, 21}, {8, 19}, {9, 18}};

// A value of some of the draw's values, kept as a signed 32-bit number in the first two key
// words and printed as that number.
class TCustomSumStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatDraw& value) const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    virtual int ValueOf(const std::array<uint8_t, PositionCount>& values) const = 0;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

class TstSumValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    int ValueOf(const std::array<uint8_t, PositionCount>& values) const override;
};

class TstSumEvenValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    int ValueOf(const std::array<uint8_t, PositionCount>& values) const override;
};

class TstSumPrimeValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    int ValueOf(const std::array<uint8_t, PositionCount>& values) const override;
};

// 1 when the sum lies in range Param, 0 otherwise.
class TstSumRanges : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;

private:
    bool InRange(int sum) const;
};

// Finds the draw before the one being evaluated. A draw reaches AddDrawValues without its
// index, so the newest index of the window is noted when the values are prepared and the
// draw's index follows from its depth; when the note does not fit the draw (a search for the
// next occurrence over another window), the newest index is looked up again in the archive.
class TPredecessorFinder {
public:
    void NoteLastIndex(int lastIndex) { lastIndex_ = lastIndex; }
    // The sum of the draw one index older than the current draw (0 before the oldest).
    int PreviousSum(const TCustomStat& stat);

private:
    int lastIndex_ = -1;
};

// The change methods count a draw only when its predecessor resembles the newest draw of the
// window: the table then tells how the sum moved after draws like the latest one.
class TstSumChange : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TPredecessorFinder predecessor_;
};

class TstSumChangeSome : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TPredecessorFinder predecessor_;
};

class TstSumTrend : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TPredecessorFinder predecessor_;
};

// How many positions hold the sum of the other two values.
class TstSum2To3 : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const;
};

}  // namespace quorvel
