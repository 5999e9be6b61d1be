#pragma once

#include <type_traits>

#include "core/model/matching.h"
#include "core/stats/custom_stat.h"

namespace quorvel {

// Transitions: what a value, its channel, its segment, or the number of values in one
// channel or segment became from one draw to the next. Every transition is anchored on the
// newest draw of the window (the three-draw members also on the draw before it), so the rows
// tell what followed the draws that looked like the newest one. A two-draw value is (earlier
// state, state) in Key[0], Key[1]; a three-draw value (state two back, one back, state) in
// Key[0], Key[1], Key[2].

// The state of a cell that has none (a damaged value lies in no segment): such a cell takes
// part in no transition.
constexpr int NoChainState = -1;

class TCustomChainStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;

    // The number of draws a transition spans: 2 or 3.
    virtual int Span() const = 0;
    // The state of a value at a position (1..3), or NoChainState.
    virtual int StateOf(int position, int value) const = 0;

    // "3 -> 5" or "1-3 -> 5"; channels show two digits ("01-03 -> 05").
    std::string ValueText(const TStatDraw& value) const override;
    // A cell of the combination whose state is a selected target. The earlier states are not
    // compared: the rows were anchored on the newest draws when they were computed.
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    virtual bool PaddedStates() const { return false; }
    // The count and inside-channel members read the earlier draws as drawn, whatever the
    // run's order; the evaluated and the newest draw always follow the run.
    virtual bool EarlierAsDrawn() const { return false; }

    // The draw `back` draws before the evaluated one, and the draw before the newest.
    TDraw Before(int back) const;
    TDraw BeforeNewest() const;
    void AddTransition(TStatDrawArray& table, int from, int to, bool trackPeriods);
    void AddTransition(TStatDrawArray& table, int from2, int from1, int to, bool trackPeriods);

    // For each position first..last whose state the earlier draw shares with the newest one
    // (and, over three draws, the draw two back with the one before the newest): that
    // position's transition.
    void AddPlacedTransitions(TStatDrawArray& table, int first, int last);
    // For each state of the draw before that the newest draw also shows, wherever: the
    // transitions to all three states of the evaluated draw (up to nine per draw).
    void AddUnplacedTransitions(TStatDrawArray& table);
    // The number of cells whose state is Param, from the draw before (or the two before)
    // when it matches the newest (and the one before it).
    void AddCountTransitions(TStatDrawArray& table);
    // The count rows that start from the newest draws' counts, targets 0..largestTarget.
    void PrepareCountValues(int lastIndex, TStatDrawArray& table, int largestTarget);
    int StateCount(const std::array<uint8_t, PositionCount>& values) const;

private:
    bool StateInDraw(int state, const TDraw& draw) const;
};

// Value transitions: the state is the value itself.
class TCustomChainValues2Stat : public TCustomChainStat {
public:
    using TCustomChainStat::TCustomChainStat;
    int Span() const override { return 2; }
    int StateOf(int, int value) const override { return value; }
};

class TCustomChainValues3Stat : public TCustomChainStat {
public:
    using TCustomChainStat::TCustomChainStat;
    int Span() const override { return 3; }
    int StateOf(int, int value) const override { return value; }
};

// Channel transitions: keeps the channel size of its creation.
class TCustomChainChannelsStat : public TCustomChainStat {
public:
    TCustomChainChannelsStat(const TStatClass& statClass, const TStatList& owner, int param);
    int ChannelSize() const { return channels_.Size(); }
    int Channel(int value) const { return channels_.Of(value); }
    int StateOf(int, int value) const override { return Channel(value); }

private:
    ChannelMap channels_;
};

class TCustomChainChannels2Stat : public TCustomChainChannelsStat {
public:
    using TCustomChainChannelsStat::TCustomChainChannelsStat;
    int Span() const override { return 2; }

protected:
    bool PaddedStates() const override { return true; }
};

class TCustomChainChannels3Stat : public TCustomChainChannelsStat {
public:
    using TCustomChainChannelsStat::TCustomChainChannelsStat;
    int Span() const override { return 3; }

protected:
    bool PaddedStates() const override { return true; }
};

enum ChainInsideMode : int {
    InsideAll = 0,           // every move inside the channel, no move as a move to 0
    InsideSuccessful = 1,    // only the moves (N-M)
    InsideUnsuccessful = 2,  // only the moves to nothing (N-0)
    InsideCount = 3,         // how many values of the next draw fell into the channel
};

// Values of the draw before that the newest draw also holds, followed into their channel in
// the evaluated draw: (value, value it moved to) or, counting, (value, how many).
class TCustomChainChannels2Inside : public TCustomChainChannels2Stat {
public:
    using TCustomChainChannels2Stat::TCustomChainChannels2Stat;
    virtual int InsideMode() const = 0;
    // A value of the reference draw that is a selected start, followed by a combination value
    // that is its selected move, or any value of its channel for a count or a move to nothing.
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;

protected:
    bool PaddedStates() const override { return InsideMode() != InsideCount; }
    bool EarlierAsDrawn() const override { return true; }
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
};

// Segment transitions: works on the segment table of its creation.
class TCustomChainSegmentsStat : public TCustomChainStat {
public:
    TCustomChainSegmentsStat(const TStatClass& statClass, const TStatList& owner, int param);
    const TSegmentTable& Segments() const { return segments_; }
    int StateOf(int position, int value) const override;

private:
    TSegmentTable segments_;
};

class TCustomChainSegments2Stat : public TCustomChainSegmentsStat {
public:
    using TCustomChainSegmentsStat::TCustomChainSegmentsStat;
    int Span() const override { return 2; }
};

class TCustomChainSegments3Stat : public TCustomChainSegmentsStat {
public:
    using TCustomChainSegmentsStat::TCustomChainSegmentsStat;
    int Span() const override { return 3; }
};

// Which cells a member follows: all three position by position, the one position Param, or
// (two draws only) every state of the draw before against every cell of the evaluated one.
enum class ChainScheme { AllPositions, OnePosition, NoPosition };

template <typename Base, ChainScheme Scheme>
class TChainStat : public Base {
public:
    using Base::Base;

protected:
    void AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) override {
        if constexpr (Scheme == ChainScheme::NoPosition) {
            this->AddUnplacedTransitions(table);
        } else if constexpr (Scheme == ChainScheme::OnePosition) {
            this->AddPlacedTransitions(table, this->Param, this->Param);
        } else {
            this->AddPlacedTransitions(table, 1, PositionCount);
        }
    }
};

// The number of cells in channel or segment Param over two or three draws. The rows from the
// newest draws' counts are listed in advance: every count a channel can hold, or for segments
// only the move to 0.
template <typename Base, int DrawSpan>
class TChainCountStat : public Base {
public:
    using Base::Base;
    int Span() const override { return DrawSpan; }

    void PrepareValues(int lastIndex, TStatDrawArray& table) override {
        if constexpr (std::is_base_of_v<TCustomChainChannelsStat, Base>) {
            this->PrepareCountValues(lastIndex, table, this->ChannelSize());
        } else {
            this->PrepareCountValues(lastIndex, table, 0);
        }
    }
    bool Matches(const TSelection& selected, int, const TComb& comb, bool, bool) override {
        return HasKeyWord(selected, DrawSpan, static_cast<uint16_t>(this->StateCount(comb.Values)));
    }

protected:
    bool EarlierAsDrawn() const override { return true; }
    void AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) override {
        this->AddCountTransitions(table);
    }
};

template <int Mode>
class TChainInsideStat : public TCustomChainChannels2Inside {
public:
    using TCustomChainChannels2Inside::TCustomChainChannels2Inside;
    int InsideMode() const override { return Mode; }
};

using TstChain2DrawsAll = TChainStat<TCustomChainValues2Stat, ChainScheme::NoPosition>;
using TstChain2DrawsPos = TChainStat<TCustomChainValues2Stat, ChainScheme::AllPositions>;
using TstChain2Pos = TChainStat<TCustomChainValues2Stat, ChainScheme::OnePosition>;
using TstChain3DrawsPos = TChainStat<TCustomChainValues3Stat, ChainScheme::AllPositions>;
using TstChain3Pos = TChainStat<TCustomChainValues3Stat, ChainScheme::OnePosition>;
using TstChain2ChannelsAll = TChainStat<TCustomChainChannels2Stat, ChainScheme::NoPosition>;
using TstChain2ChannelsPos = TChainStat<TCustomChainChannels2Stat, ChainScheme::AllPositions>;
using TstChain2Channel = TChainStat<TCustomChainChannels2Stat, ChainScheme::OnePosition>;
using TstChain3ChannelsPos = TChainStat<TCustomChainChannels3Stat, ChainScheme::AllPositions>;
using TstChain3Channel = TChainStat<TCustomChainChannels3Stat, ChainScheme::OnePosition>;
using TstChain2CnlCnt = TChainCountStat<TCustomChainChannelsStat, 2>;
using TstChain3CnlCnt = TChainCountStat<TCustomChainChannelsStat, 3>;
using TstChainChannels2InsideAll = TChainInsideStat<InsideAll>;
using TstChainChannels2InsideSuc = TChainInsideStat<InsideSuccessful>;
using TstChainChannels2InsideBad = TChainInsideStat<InsideUnsuccessful>;
using TstChainChannels2InsideCnt = TChainInsideStat<InsideCount>;
using TstChain2SegmentsAll = TChainStat<TCustomChainSegments2Stat, ChainScheme::NoPosition>;
using TstChain2SegmentsPos = TChainStat<TCustomChainSegments2Stat, ChainScheme::AllPositions>;
using TstChain2Segment = TChainStat<TCustomChainSegments2Stat, ChainScheme::OnePosition>;
using TstChain3SegmentsPos = TChainStat<TCustomChainSegments3Stat, ChainScheme::AllPositions>;
using TstChain3Segment = TChainStat<TCustomChainSegments3Stat, ChainScheme::OnePosition>;
using TstChain2SgmCnt = TChainCountStat<TCustomChainSegmentsStat, 2>;
using TstChain3SgmCnt = TChainCountStat<TCustomChainSegmentsStat, 3>;

}  // namespace quorvel
