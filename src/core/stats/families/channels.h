#pragma once

#include <array>
#include <string>

#include "core/model/matching.h"
#include "core/stats/custom_stat.h"

namespace quorvel {

// Channels: the values 0..9 cut into bands of ChannelSize neighbouring values. The methods
// describe a draw by the channels its values fall into.

// The channel size a method object keeps: the setting at the time the object was made, as
// one byte. A size below 1 counts as 1, so no channel rule ever divides by zero.
uint8_t ChannelSizeCopy(int32_t channelSize);
// "%.2d [%s-%s]": the channel number with its lower and upper value; the bounds are not
// clipped to 9, so size 3 shows its last channel as 04 [9-11].
std::string ChannelText(int channel, int channelSize);

// How tuples of positions are chosen: every choice of k of the three positions, or every
// run of k neighbouring positions, both from the left. The channel, matrix and segment
// families share these schemes.
enum class TupleScheme { AllPositions, Adjacent };

constexpr int TupleKeysMax = 3;  // three pairs of positions at most
// Each key as its eight bytes (TStatDraw::KeyBits): made in a register and stored whole, a key
// is read back at once without waiting for its words to be stored one by one.
using TTupleKeys = std::array<uint64_t, TupleKeysMax>;

// The keys of the tuples of k positions in position order; members[p] is what position p + 1
// brings into a tuple. A negative member (a cell that belongs nowhere) drops every tuple that
// holds it. Returns the number of keys; k = 4 gives none, since a draw has three values.
int TupleKeys(TupleScheme scheme, int k, const std::array<int, PositionCount>& members, TTupleKeys& keys);

// Tuples of k positions of a family, shown as their members joined by ":". They list nothing
// in advance and take no part in the full-set evaluation.
template <typename FamilyBase, int K, TupleScheme Scheme>
class TTupleStat : public FamilyBase {
public:
    using FamilyBase::FamilyBase;

    std::string ValueText(const TStatDraw& value) const override { return KeyWordsText(value, K); }

    bool Matches(const TSelection& selected, int, const TComb& comb, bool, bool) override {
        TTupleKeys keys;
        const int count = KeysOf(comb.Values, keys);
        for (int i = 0; i < count; ++i) {
            if (selected.HasKey(keys[static_cast<size_t>(i)])) return true;
        }
        return false;
    }

    static constexpr bool FullSetValues = false;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        TTupleKeys keys;
        const int count = KeysOf(values, keys);
        for (int i = 0; i < count; ++i)
            add(keys[static_cast<size_t>(i)]);
    }

protected:
    // What the value at a position (1..3) brings into a tuple; negative for nothing.
    virtual int TupleMember(int position, int value) const = 0;

private:
    int KeysOf(const std::array<uint8_t, PositionCount>& values, TTupleKeys& keys) const {
        std::array<int, PositionCount> members{};
        for (int p = 0; p < PositionCount; ++p)
            members[static_cast<size_t>(p)] = TupleMember(p + 1, values[static_cast<size_t>(p)]);
        return TupleKeys(Scheme, K, members, keys);
    }
};

// Base of the channel methods without a graph: keeps the channel size of its creation.
class TCustomChannelsStat : public TCustomNumbersStat {
public:
    TCustomChannelsStat(const TStatClass& statClass, const TStatList& owner, int param);
    int ChannelSize() const { return channels_.Size(); }
    int Channel(int value) const { return channels_.Of(value); }
    std::string ChannelText(int channel) const { return quorvel::ChannelText(channel, channels_.Size()); }

private:
    ChannelMap channels_;
};

// The same for the channel methods with a graph.
class TCustomChannelsGraphStat : public TCustomGraphStat {
public:
    TCustomChannelsGraphStat(const TStatClass& statClass, const TStatList& owner, int param);
    int ChannelSize() const { return channels_.Size(); }
    int Channel(int value) const { return channels_.Of(value); }

private:
    ChannelMap channels_;
};

// CHAN: the channel of each value; a channel hit twice counts twice.
class TstChannels : public TCustomChannelsStat {
public:
    using TCustomChannelsStat::TCustomChannelsStat;
    std::string ValueText(const TStatDraw& value) const override;
    int ParseValue(std::string_view text) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    template <typename Add>
    void ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
        for (uint8_t v : values)
            add(static_cast<uint32_t>(Channel(v)));
    }
};

// CHNV: for every channel, how many of the three values lie in it (Key[0] channel, Key[1]
// count).
class TstChanValues : public TCustomChannelsStat {
public:
    TstChanValues(const TStatClass& statClass, const TStatList& owner, int param);
    std::string ValueText(const TStatDraw& value) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
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

    TStatSimpleArray channels_;  // every channel with count 0, ascending
    TStatSimpleArray counts_;
};

// CHNC: the number of different channels among the three values.
class TstChanCount : public TCustomChannelsGraphStat {
public:
    using TCustomChannelsGraphStat::TCustomChannelsGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
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

// CHN%d: how many of the three values lie in channel Param.
class TstChnValCnt : public TCustomChannelsGraphStat {
public:
    using TCustomChannelsGraphStat::TCustomChannelsGraphStat;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
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

// KCM%d and KCS%d: the channels of k positions as one value.
template <int K, TupleScheme Scheme>
class TChannelTuplesStat : public TTupleStat<TCustomChannelsStat, K, Scheme> {
public:
    using TTupleStat<TCustomChannelsStat, K, Scheme>::TTupleStat;

protected:
    int TupleMember(int, int value) const override { return this->Channel(value); }
};

class TstCombChnMix2 : public TChannelTuplesStat<2, TupleScheme::AllPositions> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};
class TstCombChnMix3 : public TChannelTuplesStat<3, TupleScheme::AllPositions> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};
class TstCombChnMix4 : public TChannelTuplesStat<4, TupleScheme::AllPositions> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};
class TstCombChnSeq2 : public TChannelTuplesStat<2, TupleScheme::Adjacent> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};
class TstCombChnSeq3 : public TChannelTuplesStat<3, TupleScheme::Adjacent> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};
class TstCombChnSeq4 : public TChannelTuplesStat<4, TupleScheme::Adjacent> {
public:
    using TChannelTuplesStat::TChannelTuplesStat;
};

}  // namespace quorvel
