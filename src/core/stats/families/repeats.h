#pragma once

#include <optional>

#include "core/stats/custom_stat.h"

namespace quorvel {

// How a draw repeats, position by position, the values of earlier draws: which values
// repeat and at how many positions, one to four draws back, shifted by up to two, or over
// three draws in a row. Draws before the archive read as 0 0 0.

// Where the evaluated draw lies in the archive and whether the run reads draws sorted: the
// repeats read the draws before it in the same form.
class TRepeatsWindow {
public:
    struct Place {
        int Index = 0;
        bool Sorted = false;
    };
    void Prepare(int lastIndex) { lastIndex_ = lastIndex; }
    Place Locate(const TCustomStat& stat, TStatScratch& scratch) const;

private:
    std::optional<int> lastIndex_;
};

// The value at a position that the draw d back had there, as the newest draw has, shifted
// by s. The rows are the newest draw's values, shifted.
class TCustomRepValues2Stat : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    virtual int ValueShift() const = 0;    // -2..2
    virtual int DrawDistance() const = 0;  // 1..4
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    // Any value of the combination, at any position; earlier draws are not consulted.
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

// The number of positions at which a draw holds the value of the draw d back, shifted by s.
class TCustomRepCount2Stat : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    virtual int ValueShift() const = 0;
    virtual int DrawDistance() const = 0;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

template <int Distance, int Shift>
class TRepValues2 : public TCustomRepValues2Stat {
public:
    using TCustomRepValues2Stat::TCustomRepValues2Stat;
    int ValueShift() const override { return Shift; }
    int DrawDistance() const override { return Distance; }
};

template <int Distance, int Shift>
class TRepCount2 : public TCustomRepCount2Stat {
public:
    using TCustomRepCount2Stat::TCustomRepCount2Stat;
    int ValueShift() const override { return Shift; }
    int DrawDistance() const override { return Distance; }
};

using TstRepValues2 = TRepValues2<1, 0>;
using TstRepValues2over1 = TRepValues2<2, 0>;
using TstRepValues2over2 = TRepValues2<3, 0>;
using TstRepValues2over3 = TRepValues2<4, 0>;
using TstRepValues2P1 = TRepValues2<1, 1>;
using TstRepValues2N1 = TRepValues2<1, -1>;
using TstRepValues2P2 = TRepValues2<1, 2>;
using TstRepValues2N2 = TRepValues2<1, -2>;
using TstRepCount2 = TRepCount2<1, 0>;
using TstRepCount2over1 = TRepCount2<2, 0>;
using TstRepCount2over2 = TRepCount2<3, 0>;
using TstRepCount2over3 = TRepCount2<4, 0>;
using TstRepCount2P1 = TRepCount2<1, 1>;
using TstRepCount2N1 = TRepCount2<1, -1>;
using TstRepCount2P2 = TRepCount2<1, 2>;
using TstRepCount2N2 = TRepCount2<1, -2>;

// A value the newest draw holds at a position that the draw and the two before it share
// there (RPV3).
class TstRepValues3 : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

// As RPV3, but repeated over exactly two draws: the draw two back differs (PRL2).
class TstRepValues2B3 : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

// The number of positions repeated over three draws in a row (RPC3).
class TstRepCount3 : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

// The number of positions repeated over exactly two draws (PRB2).
class TstRepCount2B3 : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    TRepeatsWindow window_;
};

}  // namespace quorvel
