#pragma once

#include "core/model/matching.h"
#include "core/stats/custom_stat.h"

namespace quorvel {

// How values, channels and segments recur across consecutive draws. A value v at position p
// has a state (the value, its channel or its segment); the series measure runs of draws in
// which a state was present (groups) or absent (pauses), the periods the distance in draw
// numbers between two occurrences of a state. Values are (state, length) in Key[0], Key[1].

// A value with no state (a damaged value has no segment): it belongs to no run and no period.
constexpr int NoState = -1;

// "5 x 2", or "03 x 2" for channels.
std::string StateLengthText(const TStatDraw& value, bool channels);

class TCustomSerialStat : public TCustomStat {
public:
    TCustomSerialStat(const TStatClass& statClass, const TStatList& owner, int param, bool groups);
    std::string ValueText(const TStatDraw& value) const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    // The state of a value at a position (0 for the first position), or NoState.
    virtual int StateOf(int position, int value) const = 0;

    bool CarriesScratchBetweenDraws() const override { return true; }
    bool Groups() const { return groups_; }
    int LowestState() const { return lowestState_; }
    int HighestState() const { return highestState_; }

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
    // The variants know their range of states only once their own settings are copied.
    void SetStateRange(int lowest, int highest);
    virtual bool ShowsChannels() const { return false; }

private:
    // The states of a draw's values by position.
    std::array<int, PositionCount> StatesOf(const TDraw& draw) const;

    bool groups_;
    int lowestState_ = 0;
    int highestState_ = -1;
};

class TValuesSerialStat : public TCustomSerialStat {
public:
    TValuesSerialStat(const TStatClass& statClass, const TStatList& owner, int param, bool groups);
    int StateOf(int position, int value) const override;
};

class TChannelsSerialStat : public TCustomSerialStat {
public:
    TChannelsSerialStat(const TStatClass& statClass, const TStatList& owner, int param, bool groups);
    int StateOf(int position, int value) const override;

protected:
    bool ShowsChannels() const override { return true; }

private:
    ChannelMap channels_;
};

class TSegmentsSerialStat : public TCustomSerialStat {
public:
    TSegmentsSerialStat(const TStatClass& statClass, const TStatList& owner, int param, bool groups);
    int StateOf(int position, int value) const override;

private:
    TSegmentTable segments_;
};

class TstNumGroups : public TValuesSerialStat {
public:
    TstNumGroups(const TStatClass& c, const TStatList& owner, int param)
        : TValuesSerialStat(c, owner, param, true) {}
};
class TstNumPauses : public TValuesSerialStat {
public:
    TstNumPauses(const TStatClass& c, const TStatList& owner, int param)
        : TValuesSerialStat(c, owner, param, false) {}
};
class TstChnGroups : public TChannelsSerialStat {
public:
    TstChnGroups(const TStatClass& c, const TStatList& owner, int param)
        : TChannelsSerialStat(c, owner, param, true) {}
};
class TstChnPauses : public TChannelsSerialStat {
public:
    TstChnPauses(const TStatClass& c, const TStatList& owner, int param)
        : TChannelsSerialStat(c, owner, param, false) {}
};
class TstSgmGroups : public TSegmentsSerialStat {
public:
    TstSgmGroups(const TStatClass& c, const TStatList& owner, int param)
        : TSegmentsSerialStat(c, owner, param, true) {}
};
class TstSgmPauses : public TSegmentsSerialStat {
public:
    TstSgmPauses(const TStatClass& c, const TStatList& owner, int param)
        : TSegmentsSerialStat(c, owner, param, false) {}
};

class TCustomPeriodsStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    // The caller keeps a combination when this differs from Exclude, so the test itself
    // ignores Exclude.
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    virtual int StateOf(int position, int value) const = 0;

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;
    virtual bool ShowsChannels() const { return false; }
};

class TstNumPeriods : public TCustomPeriodsStat {
public:
    using TCustomPeriodsStat::TCustomPeriodsStat;
    int StateOf(int position, int value) const override;
};

class TstChnPeriods : public TCustomPeriodsStat {
public:
    TstChnPeriods(const TStatClass& statClass, const TStatList& owner, int param);
    int StateOf(int position, int value) const override;

protected:
    bool ShowsChannels() const override { return true; }

private:
    ChannelMap channels_;
};

class TstSgmPeriods : public TCustomPeriodsStat {
public:
    TstSgmPeriods(const TStatClass& statClass, const TStatList& owner, int param);
    int StateOf(int position, int value) const override;

private:
    TSegmentTable segments_;
};

}  // namespace quorvel
