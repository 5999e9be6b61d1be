#pragma once

#include "core/stats/families/channels.h"

namespace quorvel {

// The number matrix: one row per value. The methods ask a value's cell the way the card
// does for its first column, so every column they see is 0 and every row is the value plus
// one; the column count of the settings is kept but changes no value.

constexpr int MatrixRowCount = ValueCount;

// Base of the matrix methods without a graph. On its own it adds and matches nothing: only
// the tuple methods of the family are offered.
class TCustomMatrixStat : public TCustomNumbersStat {
public:
    TCustomMatrixStat(const TStatClass& statClass, const TStatList& owner, int param);
    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return rowCount_; }
    int Column(int) const { return 0; }
    int Row(int value) const { return value + 1; }
    bool Matches(const TSelection&, int, const TComb&, bool, bool) override { return false; }

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray&, TStatScratch&, TLastValueArray&) override {}

private:
    uint8_t columnCount_;
    uint8_t rowCount_ = MatrixRowCount;
};

// The same for the matrix methods with a graph.
class TCustomMatrixGraphStat : public TCustomGraphStat {
public:
    TCustomMatrixGraphStat(const TStatClass& statClass, const TStatList& owner, int param);
    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return rowCount_; }
    bool Matches(const TSelection&, int, const TComb&, bool, bool) override { return false; }
    int GraphValue(int, int, const TComb&, bool) override { return 0; }

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray&, TStatScratch&, TLastValueArray&) override {}

private:
    uint8_t columnCount_;
    uint8_t rowCount_ = MatrixRowCount;
};

// KFM%d and KFS%d: the columns of k positions (always all zero).
template <int K, TupleScheme Scheme>
class TColumnTuplesStat : public TTupleStat<TCustomMatrixStat, K, Scheme> {
public:
    using TTupleStat<TCustomMatrixStat, K, Scheme>::TTupleStat;

protected:
    int TupleMember(int, int value) const override { return this->Column(value); }
};

// KRM%d and KRS%d: the rows of k positions.
template <int K, TupleScheme Scheme>
class TRowTuplesStat : public TTupleStat<TCustomMatrixStat, K, Scheme> {
public:
    using TTupleStat<TCustomMatrixStat, K, Scheme>::TTupleStat;

protected:
    int TupleMember(int, int value) const override { return this->Row(value); }
};

class TstCombColMix2 : public TColumnTuplesStat<2, TupleScheme::AllPositions> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombColMix3 : public TColumnTuplesStat<3, TupleScheme::AllPositions> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombColMix4 : public TColumnTuplesStat<4, TupleScheme::AllPositions> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombColSeq2 : public TColumnTuplesStat<2, TupleScheme::Adjacent> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombColSeq3 : public TColumnTuplesStat<3, TupleScheme::Adjacent> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombColSeq4 : public TColumnTuplesStat<4, TupleScheme::Adjacent> {
public:
    using TColumnTuplesStat::TColumnTuplesStat;
};
class TstCombRowMix2 : public TRowTuplesStat<2, TupleScheme::AllPositions> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};
class TstCombRowMix3 : public TRowTuplesStat<3, TupleScheme::AllPositions> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};
class TstCombRowMix4 : public TRowTuplesStat<4, TupleScheme::AllPositions> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};
class TstCombRowSeq2 : public TRowTuplesStat<2, TupleScheme::Adjacent> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};
class TstCombRowSeq3 : public TRowTuplesStat<3, TupleScheme::Adjacent> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};
class TstCombRowSeq4 : public TRowTuplesStat<4, TupleScheme::Adjacent> {
public:
    using TRowTuplesStat::TRowTuplesStat;
};

}  // namespace quorvel
