#include "core/stats/families/series.h"
#include "core/stats/families/channels.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>
#include <string>

#include "core/model/matching.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

// One run table entry: the run length, the number of the run's last draw and its depth.
constexpr size_t RunEntrySize = 3;
// The last-seen table of the periods: the number of the draw, then the state.
constexpr size_t LastSeenDraw = 0;
constexpr size_t LastSeenState = 1;

uint16_t LengthWord(int64_t length) {
    return static_cast<uint16_t>(std::clamp<int64_t>(length, 0, 65535));
}

int SegmentState(const TSegmentTable& segments, int position, int value) {
    if (position < 0 || position >= PositionCount || !IsValidValue(value)) return NoState;
    return segments[static_cast<size_t>(position)][static_cast<size_t>(value)];
}

}  // namespace

std::string StateLengthText(const TStatDraw& value, bool channels) {
    const int state = value.Key[0];
    const std::string stateText = channels ? Format("%.2d", {state}) : std::to_string(state);
    return Format("%0:s x %1:d", {stateText, static_cast<int>(value.Key[1])});
}

TCustomSerialStat::TCustomSerialStat(const TStatClass& statClass, const TStatList& owner, int param,
                                     bool groups)
    : TCustomStat(statClass, owner, param), groups_(groups) {}

void TCustomSerialStat::SetStateRange(int lowest, int highest) {
    lowestState_ = std::max(lowest, 0);
    highestState_ = highest;
}

std::string TCustomSerialStat::ValueText(const TStatDraw& value) const {
    return StateLengthText(value, ShowsChannels());
}

std::array<int, PositionCount> TCustomSerialStat::StatesOf(const TDraw& draw) const {
    std::array<int, PositionCount> states{};
    for (int p = 0; p < PositionCount; ++p)
        states[static_cast<size_t>(p)] = StateOf(p, draw.Values[static_cast<size_t>(p)]);
    return states;
}

void TCustomSerialStat::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    if (highestState_ < lowestState_) return;
    // The run table is indexed by the state; it is sized on the first draw of a run (the
    // caller empties it before the run) and keeps its size for the rest of the run.
    const size_t needed = (static_cast<size_t>(highestState_) + 1) * RunEntrySize;
    if (scratch.Table.size() != needed) scratch.Table.assign(needed, 0);
    const int32_t depth = Work.Depth;
    const bool newest = depth == 1;
    const std::array<int, PositionCount> current = StatesOf(CurDraw);
    // Whether a state is among the draw's is as random as the draws, so all three are compared.
    const auto holds = [&current](int s) {
        return (current[0] == s) | (current[1] == s) | (current[2] == s);
    };
    // Only the states of the window's newest draw make values, and that draw is the same for every
    // draw of a run: the runs of the other states would never be read, so they are not kept.
    std::array<int, PositionCount> counted = StatesOf(OtherDraw);
    std::sort(counted.begin(), counted.end());
    const auto addRun = [&](int state, const int32_t* entry) {
        Work.Key = {static_cast<uint16_t>(state), LengthWord(entry[0]), 0, 0};
        Work.LastDraw = Work.PrevDraw = entry[1];
        Work.Depth = entry[2];
        Work.Count = 1;
        AddValue(table, Work, true);
    };
    for (size_t i = 0; i < counted.size(); ++i) {
        const int s = counted[i];
        if (s < lowestState_ || s > highestState_ || (i > 0 && s == counted[i - 1])) continue;
        int32_t* entry = &scratch.Table[static_cast<size_t>(s) * RunEntrySize];
        if (holds(s) == groups_) {
            ++entry[0];
            entry[1] = CurDraw.Number;
            entry[2] = depth;
            if (newest) addRun(s, entry);
        } else {
            if (entry[0] > 0) addRun(s, entry);
            entry[0] = entry[1] = entry[2] = 0;
        }
    }
}

bool TCustomSerialStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (int p = 0; p < PositionCount; ++p) {
        const int state = StateOf(p, comb.Values[static_cast<size_t>(p)]);
        if (state != NoState && HasKeyWord(selected, 1, static_cast<uint16_t>(state))) return true;
    }
    return false;
}

TValuesSerialStat::TValuesSerialStat(const TStatClass& statClass, const TStatList& owner, int param,
                                     bool groups)
    : TCustomSerialStat(statClass, owner, param, groups) {
    SetStateRange(ValueMin, ValueMax);
}

int TValuesSerialStat::StateOf(int, int value) const {
    return value;
}

TChannelsSerialStat::TChannelsSerialStat(const TStatClass& statClass, const TStatList& owner, int param,
                                         bool groups)
    : TCustomSerialStat(statClass, owner, param, groups),
      channels_(ChannelSizeCopy(owner.Config.ChannelSize)) {
    SetStateRange(1, channels_.Of(ValueMax));
}

int TChannelsSerialStat::StateOf(int, int value) const {
    return channels_.Of(value);
}

TSegmentsSerialStat::TSegmentsSerialStat(const TStatClass& statClass, const TStatList& owner, int param,
                                         bool groups)
    : TCustomSerialStat(statClass, owner, param, groups), segments_(owner.Config.MatrixSegments) {
    int smallest = 255;
    int largest = 0;
    for (const auto& row : segments_) {
        for (uint8_t segment : row) {
            smallest = std::min<int>(smallest, segment);
            largest = std::max<int>(largest, segment);
        }
    }
    SetStateRange(std::min(9, smallest), std::max(1, largest));
}

int TSegmentsSerialStat::StateOf(int position, int value) const {
    return SegmentState(segments_, position, value);
}

std::string TCustomPeriodsStat::ValueText(const TStatDraw& value) const {
    return StateLengthText(value, ShowsChannels());
}

void TCustomPeriodsStat::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray& lastValues) {
    // Room for every state of a sound archive at once, so later draws of the run do not allocate.
    constexpr size_t soundStates = ValueCount;
    if (lastValues.capacity() < soundStates) lastValues.reserve(soundStates);
    for (int p = 0; p < PositionCount; ++p) {
        const int state = StateOf(p, CurDraw.Values[static_cast<size_t>(p)]);
        if (state == NoState) continue;
        const auto seen = std::find_if(lastValues.begin(), lastValues.end(),
                                       [&](const TLastValue& v) { return v.Data[LastSeenState] == state; });
        int64_t gap = 0;
        if (seen != lastValues.end()) {
            gap = static_cast<int64_t>(CurDraw.Number) - seen->Data[LastSeenDraw];
            seen->Data[LastSeenDraw] = CurDraw.Number;
        } else {
            TLastValue entry;
            entry.Data[LastSeenDraw] = CurDraw.Number;
            entry.Data[LastSeenState] = state;
            lastValues.push_back(entry);
        }
        // A second equal state within one draw has gap 0 and is not counted again.
        if (gap > 0) {
            Work.Key = {static_cast<uint16_t>(state), LengthWord(gap), 0, 0};
            AddValue(table, Work, true);
        }
    }
}

bool TCustomPeriodsStat::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool, bool) {
    for (int p = 0; p < PositionCount; ++p) {
        const int state = StateOf(p, comb.Values[static_cast<size_t>(p)]);
        if (state == NoState) continue;
        for (const TStatDraw& value : selected) {
            if (value.Key[0] != state) continue;
            // The combination stands for the draw after refIndex, so the draw `gap` draws
            // before it is refIndex - gap + 1; steps go by index, whatever the numbering.
            const TDraw earlier = ReadDraw(refIndex - static_cast<int>(value.Key[1]) + 1, false);
            for (int q = 0; q < PositionCount; ++q) {
                if (StateOf(q, earlier.Values[static_cast<size_t>(q)]) == state) return true;
            }
        }
    }
    return false;
}

int TstNumPeriods::StateOf(int, int value) const {
    return value;
}

TstChnPeriods::TstChnPeriods(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomPeriodsStat(statClass, owner, param), channels_(ChannelSizeCopy(owner.Config.ChannelSize)) {}

int TstChnPeriods::StateOf(int, int value) const {
    return channels_.Of(value);
}

TstSgmPeriods::TstSgmPeriods(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomPeriodsStat(statClass, owner, param), segments_(owner.Config.MatrixSegments) {}

int TstSgmPeriods::StateOf(int position, int value) const {
    return SegmentState(segments_, position, value);
}

namespace {

TStatClass Row(int position, const char* name, const char* code, const char* title, int group, uint8_t flags,
               TStatClass::CreateFn create) {
    return StatRow(group, position, name, code, title, flags, false, false, create);
}

}  // namespace

void RegisterSeriesFamily(std::vector<TStatClass>& classes) {
    constexpr int series = 8;
    constexpr int periods = 9;
    constexpr uint8_t D = FeatureOtherDraw;
    constexpr uint8_t P = FeaturePeriods;
    classes.push_back(Row(108, "TstNumGroups", "GRPV", "Повторы чисел в нескольких тиражах подряд", series, D,
                          Make<TstNumGroups>));
    classes.push_back(Row(109, "TstNumPauses", "GRPP", "Интервалы между повторениями чисел", series, D,
                          Make<TstNumPauses>));
    classes.push_back(Row(110, "TstChnGroups", "GRCV", "Повторы каналов в нескольких тиражах подряд", series,
                          D, Make<TstChnGroups>));
    classes.push_back(Row(111, "TstChnPauses", "GRCP", "Интервалы между повторениями каналов", series, D,
                          Make<TstChnPauses>));
    classes.push_back(Row(112, "TstSgmGroups", "GRSV", "Повторы сегментов в нескольких тиражах подряд",
                          series, D, Make<TstSgmGroups>));
    classes.push_back(Row(113, "TstSgmPauses", "GRSP", "Интервалы между повторениями сегментов", series, D,
                          Make<TstSgmPauses>));
    classes.push_back(
        Row(114, "TstNumPeriods", "PRDV", "Периоды повторения чисел", periods, P, Make<TstNumPeriods>));
    classes.push_back(
        Row(115, "TstChnPeriods", "PRDC", "Периоды повторения каналов", periods, P, Make<TstChnPeriods>));
    classes.push_back(
        Row(116, "TstSgmPeriods", "PRDG", "Периоды повторения сегментов", periods, P, Make<TstSgmPeriods>));
}

}  // namespace quorvel
