#pragma once

#include "core/stats/families/channels.h"

namespace quorvel {

// Matrix segments: the user's grouping of the cells (position, value) of the draw matrix.
// The methods describe a draw by the segments of its three cells.

// The segment of a value at a position (1..3), or -1 when the value lies outside the game:
// a damaged draw's cell belongs to no segment and is left out of every method.
int SegmentOf(const TSegmentTable& segments, int position, int value);
// The segments of the three cells of a draw or combination, position by position.
std::array<int, PositionCount> CellSegments(const TSegmentTable& segments,
                                            const std::array<uint8_t, PositionCount>& values);

// Base of the segment methods without a graph: works on the segment table of its creation.
class TCustomSegmentsStat : public TCustomNumbersStat {
public:
    TCustomSegmentsStat(const TStatClass& statClass, const TStatList& owner, int param);
    const TSegmentTable& Segments() const { return segments_; }
    int Segment(int position, int value) const { return SegmentOf(segments_, position, value); }

private:
    TSegmentTable segments_;
};

// The same for the segment methods with a graph.
class TCustomSegmentsGraphStat : public TCustomGraphStat {
public:
    TCustomSegmentsGraphStat(const TStatClass& statClass, const TStatList& owner, int param);
    const TSegmentTable& Segments() const { return segments_; }
    int Segment(int position, int value) const { return SegmentOf(segments_, position, value); }

private:
    TSegmentTable segments_;
};

// SGMS: the segment of each cell; a segment hit twice counts twice.
class TstSegments : public TCustomSegmentsStat {
public:
    using TCustomSegmentsStat::TCustomSegmentsStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        for (int segment : CellSegments(Segments(), values)) {
            if (segment >= 0) add(static_cast<uint32_t>(segment));
        }
    }
};

// SGMV: for every segment in use, how many of the three cells lie in it (Key[0] segment,
// Key[1] count).
class TstSegmValues : public TCustomSegmentsStat {
public:
    TstSegmValues(const TStatClass& statClass, const TStatList& owner, int param);
    std::string ValueText(const TStatDraw& value) const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    // Fills counts_ for three values; both lists keep their room, so no draw allocates.
    const TStatSimpleArray& CountsOf(const std::array<uint8_t, PositionCount>& values);
    void AddCounts(TStatDrawArray& table, const std::array<uint8_t, PositionCount>& values,
                   bool trackPeriods);

    TStatSimpleArray inUse_;  // every segment of the table with count 0, by first appearance
    TStatSimpleArray counts_;
};

// SGMC: the number of different segments among the three cells.
class TstSegmCount : public TCustomSegmentsGraphStat {
public:
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(static_cast<uint32_t>(CountOf(values)));
    }

private:
    int CountOf(const std::array<uint8_t, PositionCount>& values) const;
};

// SGM%d: how many of the three cells lie in segment Param.
class TstSgmValCnt : public TCustomSegmentsGraphStat {
public:
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        add(static_cast<uint32_t>(CountOf(values)));
    }

private:
    int CountOf(const std::array<uint8_t, PositionCount>& values) const;
};

// KGM%d and KGS%d: the segments of k cells as one value, each looked up at its own position.
template <int K, TupleScheme Scheme>
class TSegmentTuplesStat : public TTupleStat<TCustomSegmentsStat, K, Scheme> {
public:
    using TTupleStat<TCustomSegmentsStat, K, Scheme>::TTupleStat;

protected:
    int TupleMember(int position, int value) const override { return this->Segment(position, value); }
};

class TstCombSegmMix2 : public TSegmentTuplesStat<2, TupleScheme::AllPositions> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};
class TstCombSegmMix3 : public TSegmentTuplesStat<3, TupleScheme::AllPositions> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};
class TstCombSegmMix4 : public TSegmentTuplesStat<4, TupleScheme::AllPositions> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};
class TstCombSegmSeq2 : public TSegmentTuplesStat<2, TupleScheme::Adjacent> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};
class TstCombSegmSeq3 : public TSegmentTuplesStat<3, TupleScheme::Adjacent> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};
class TstCombSegmSeq4 : public TSegmentTuplesStat<4, TupleScheme::Adjacent> {
public:
    using TSegmentTuplesStat::TSegmentTuplesStat;
};

}  // namespace quorvel
