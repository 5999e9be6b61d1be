#include "core/stats/families/transitions.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>
#include <string>

#include "core/model/matching.h"
#include "core/stats/families/channels.h"
#include "core/stats/families/segments.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"

namespace quorvel {

std::string TCustomChainStat::ValueText(const TStatDraw& value) const {
    const bool padded = PaddedStates();
    const auto state = [&](size_t i) {
        const int word = value.Key[i];
        return padded ? Format("%.2d", {word}) : std::to_string(word);
    };
    if (Span() == 3) return Format("%0:s-%1:s -> %2:s", {state(0), state(1), state(2)});
    return Format("%0:s -> %1:s", {state(0), state(1)});
}

bool TCustomChainStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (int i = 1; i <= PositionCount; ++i) {
        const int state = StateOf(i, comb.Values[static_cast<size_t>(i - 1)]);
        if (state != NoChainState && HasKeyWord(selected, Span(), static_cast<uint16_t>(state))) return true;
    }
    return false;
}

TDraw TCustomChainStat::Before(int back) const {
    return ReadDraw(DrawIndex() - back, RunSorted() && !EarlierAsDrawn());
}

TDraw TCustomChainStat::BeforeNewest() const {
    return ReadDraw(RunLastIndex() - 1, RunSorted() && !EarlierAsDrawn());
}

void TCustomChainStat::AddTransition(TStatDrawArray& table, int from, int to, bool trackPeriods) {
    Work.Key = {static_cast<uint16_t>(from), static_cast<uint16_t>(to), 0, 0};
    AddValue(table, Work, trackPeriods);
}

void TCustomChainStat::AddTransition(TStatDrawArray& table, int from2, int from1, int to, bool trackPeriods) {
    Work.Key = {static_cast<uint16_t>(from2), static_cast<uint16_t>(from1), static_cast<uint16_t>(to), 0};
    AddValue(table, Work, trackPeriods);
}

bool TCustomChainStat::StateInDraw(int state, const TDraw& draw) const {
    for (int i = 1; i <= PositionCount; ++i) {
        if (StateOf(i, draw.Values[static_cast<size_t>(i - 1)]) == state) return true;
    }
    return false;
}

int TCustomChainStat::StateCount(const std::array<uint8_t, PositionCount>& values) const {
    int count = 0;
    for (int i = 1; i <= PositionCount; ++i)
        count += StateOf(i, values[static_cast<size_t>(i - 1)]) == Param ? 1 : 0;
    return count;
}

void TCustomChainStat::AddPlacedTransitions(TStatDrawArray& table, int first, int last) {
    const bool threeDraws = Span() == 3;
    const TDraw back1 = Before(1);
    const TDraw back2 = threeDraws ? Before(2) : TDraw{};
    // A draw without its predecessors in the archive has nothing to move from.
    if (back1.Number <= 0 || (threeDraws && back2.Number <= 0)) return;
    const TDraw beforeNewest = threeDraws ? BeforeNewest() : TDraw{};
    for (int i = std::max(first, 1); i <= std::min(last, PositionCount); ++i) {
        const auto cell = static_cast<size_t>(i - 1);
        const int from = StateOf(i, back1.Values[cell]);
        const int to = StateOf(i, CurDraw.Values[cell]);
        if (from == NoChainState || to == NoChainState || from != StateOf(i, OtherDraw.Values[cell]))
            continue;
        if (!threeDraws) {
            AddTransition(table, from, to, true);
            continue;
        }
        const int from2 = StateOf(i, back2.Values[cell]);
        if (from2 == NoChainState || from2 != StateOf(i, beforeNewest.Values[cell])) continue;
        AddTransition(table, from2, from, to, true);
    }
}

void TCustomChainStat::AddUnplacedTransitions(TStatDrawArray& table) {
    const TDraw back1 = Before(1);
    if (back1.Number <= 0) return;
    // A state the draw before holds twice starts its transitions twice.
    for (int j = 1; j <= PositionCount; ++j) {
        const int from = StateOf(j, back1.Values[static_cast<size_t>(j - 1)]);
        if (from == NoChainState || !StateInDraw(from, OtherDraw)) continue;
        for (int i = 1; i <= PositionCount; ++i) {
            const int to = StateOf(i, CurDraw.Values[static_cast<size_t>(i - 1)]);
            if (to != NoChainState) AddTransition(table, from, to, true);
        }
    }
}

void TCustomChainStat::AddCountTransitions(TStatDrawArray& table) {
    const bool threeDraws = Span() == 3;
    const TDraw back1 = Before(1);
    const TDraw back2 = threeDraws ? Before(2) : TDraw{};
    if (back1.Number <= 0 || (threeDraws && back2.Number <= 0)) return;
    const int from = StateCount(back1.Values);
    if (from != StateCount(OtherDraw.Values)) return;
    const int to = StateCount(CurDraw.Values);
    if (!threeDraws) {
        AddTransition(table, from, to, true);
        return;
    }
    const int from2 = StateCount(back2.Values);
    if (from2 != StateCount(BeforeNewest().Values)) return;
    AddTransition(table, from2, from, to, true);
}

void TCustomChainStat::PrepareCountValues(int lastIndex, TStatDrawArray& table, int largestTarget) {
    TCustomStat::PrepareValues(lastIndex, table);
    // The rows start from what the newest draws show, read as drawn.
    const int newest = StateCount(ReadDraw(lastIndex, false).Values);
    const int beforeNewest = StateCount(ReadDraw(lastIndex - 1, false).Values);
    for (int to = 0; to <= largestTarget; ++to) {
        if (Span() == 3) {
            AddTransition(table, beforeNewest, newest, to, false);
        } else {
            AddTransition(table, newest, to, false);
        }
    }
}

TCustomChainChannelsStat::TCustomChainChannelsStat(const TStatClass& statClass, const TStatList& owner,
                                                   int param)
    : TCustomChainStat(statClass, owner, param), channels_(ChannelSizeCopy(owner.Config.ChannelSize)) {}

void TCustomChainChannels2Inside::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const TDraw back1 = Before(1);
    if (back1.Number <= 0) return;
    const int mode = InsideMode();
    for (uint8_t start : back1.Values) {
        if (!ValueInDraw(start, OtherDraw)) continue;
        const int channel = Channel(start);
        Work.Key = {start, 0, 0, 0};
        for (uint8_t v : CurDraw.Values) {
            if (Channel(v) != channel) continue;
            if (mode == InsideCount) {
                ++Work.Key[1];
                continue;
            }
            Work.Key[1] = v;
            if (mode != InsideUnsuccessful) AddValue(table, Work, true);
        }
        // A last move to the value 0 reads as no move: the two cannot be told apart.
        if (mode == InsideCount || (mode != InsideSuccessful && Work.Key[1] == 0))
            AddValue(table, Work, true);
    }
}

bool TCustomChainChannels2Inside::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool,
                                          bool) {
    const TDraw reference = ReadDraw(refIndex, false);
    const bool counting = InsideMode() == InsideCount;
    for (uint8_t start : reference.Values) {
        for (uint8_t v : comb.Values) {
            for (const TStatDraw& entry : selected) {
                if (entry.Key[0] != start) continue;
                const bool toNothing = entry.Key[1] == 0 && entry.Key[0] != 0;
                if ((counting || toNothing) ? Channel(v) == Channel(start) : entry.Key[1] == v) return true;
            }
        }
    }
    return false;
}

TCustomChainSegmentsStat::TCustomChainSegmentsStat(const TStatClass& statClass, const TStatList& owner,
                                                   int param)
    : TCustomChainStat(statClass, owner, param), segments_(owner.Config.MatrixSegments) {}

int TCustomChainSegmentsStat::StateOf(int position, int value) const {
    return SegmentOf(segments_, position, value);
}

namespace {

constexpr int TransitionsGroup = 10;
constexpr uint8_t D = FeatureOtherDraw;
constexpr uint8_t SD = FeaturePositional | FeatureOtherDraw;

// The title templates carry the number of draws; a "%%d" in them keeps a "%d" for the
// parameter of the entry.
TStatClass Row(int position, const char* name, std::string code, const char* title, int draws, uint8_t flags,
               TStatClass::CreateFn create) {
    return StatRow(TransitionsGroup, position, name, std::move(code), Format(title, {draws}), flags, false,
                   false, create);
}

std::pair<int, int> Positions(const TStatList&) {
    return {1, PositionCount};
}

// As the channel count methods: the channels of the values 0..9, none for a size below 1.
std::pair<int, int> Channels(const TStatList& owner) {
    const int size = owner.Config.ChannelSize;
    if (size < 1) return {0, -1};
    return {ChannelOf(ValueMin, size), ChannelOf(ValueMax, size)};
}

// As the segment count methods: every number from the smallest to the largest in the table,
// the range always reaching segment 1.
std::pair<int, int> Segments(const TStatList& owner) {
    int smallest = 255;
    int largest = 0;
    for (const auto& row : owner.Config.MatrixSegments) {
        for (uint8_t segment : row) {
            smallest = std::min<int>(smallest, segment);
            largest = std::max<int>(largest, segment);
        }
    }
    return {std::min(9, smallest), std::max(1, largest)};
}

TStatClass Ranged(TStatClass c, const char* helpTopic, TStatClass::ParamRangeFn range) {
    c.HelpTopic = helpTopic;
    c.ParamRange = range;
    return c;
}

}  // namespace

void RegisterTransitionsFamily(std::vector<TStatClass>& classes) {
    const char* valuesAll = "Переходы чисел между %0:d тиражами без учета позиции";
    const char* valuesPos = "Переходы чисел между %0:d тиражами с учетом позиции";
    const char* valuesAt = "Переходы чисел между %0:d тиражами в %%d позиции";
    classes.push_back(Row(117, "TstChain2DrawsAll", "SDV2", valuesAll, 2, D, Make<TstChain2DrawsAll>));
    classes.push_back(Row(118, "TstChain2DrawsPos", "SDP2", valuesPos, 2, SD, Make<TstChain2DrawsPos>));
    classes.push_back(
        Ranged(Row(119, "TstChain2Pos", "SDN%d", valuesAt, 2, SD, Make<TstChain2Pos>), "SDNx", Positions));
    classes.push_back(Row(120, "TstChain3DrawsPos", "SDP3", valuesPos, 3, SD, Make<TstChain3DrawsPos>));
    classes.push_back(
        Ranged(Row(121, "TstChain3Pos", "SDM%d", valuesAt, 3, SD, Make<TstChain3Pos>), "SDMx", Positions));

    const char* channelsAll = "Переходы каналов между %0:d тиражами без учета позиции";
    const char* channelsPos = "Переходы каналов между %0:d тиражами с учетом позиции";
    const char* channelsAt = "Переходы каналов между %0:d тиражами в %%d позиции";
    const char* channelCount = "Переходы кол-ва чисел в %%d канале между %0:d тиражами";
    classes.push_back(
        Row(122, "TstChain2ChannelsAll", "SCV2", channelsAll, 2, D, Make<TstChain2ChannelsAll>));
    classes.push_back(
        Row(123, "TstChain2ChannelsPos", "SCP2", channelsPos, 2, SD, Make<TstChain2ChannelsPos>));
    classes.push_back(Ranged(Row(124, "TstChain2Channel", "SCN%d", channelsAt, 2, SD, Make<TstChain2Channel>),
                             "SCNx", Positions));
    classes.push_back(
        Row(125, "TstChain3ChannelsPos", "SCP3", channelsPos, 3, SD, Make<TstChain3ChannelsPos>));
    classes.push_back(Ranged(Row(126, "TstChain3Channel", "SCM%d", channelsAt, 3, SD, Make<TstChain3Channel>),
                             "SCMx", Positions));
    classes.push_back(Ranged(Row(127, "TstChain2CnlCnt", "SC2C%d", channelCount, 2, D, Make<TstChain2CnlCnt>),
                             "SC2Cx", Channels));
    classes.push_back(Ranged(Row(128, "TstChain3CnlCnt", "SC3C%d", channelCount, 3, D, Make<TstChain3CnlCnt>),
                             "SC3Cx", Channels));

    classes.push_back(Row(129, "TstChainChannels2InsideAll", "SDA2",
                          "Переходы чисел в пределах каналов (все)", 0, D, Make<TstChainChannels2InsideAll>));
    classes.push_back(Row(130, "TstChainChannels2InsideSuc", "SDG2",
                          "Переходы чисел в пределах каналов (N-M, удачные)", 0, D,
                          Make<TstChainChannels2InsideSuc>));
    classes.push_back(Row(131, "TstChainChannels2InsideBad", "SDZ2",
                          "Переходы чисел в пределах каналов (N-0, не удачные)", 0, D,
                          Make<TstChainChannels2InsideBad>));
    classes.push_back(Row(132, "TstChainChannels2InsideCnt", "SDC2",
                          "Переходы чисел в пределах каналов (количество)", 0, D,
                          Make<TstChainChannels2InsideCnt>));

    const char* segmentsAll = "Переходы сегментов между %0:d тиражами без учета позиции";
    const char* segmentsPos = "Переходы сегментов между %0:d тиражами с учетом позиции";
    const char* segmentsAt = "Переходы сегментов между %0:d тиражами в %%d позиции";
    const char* segmentCount = "Переходы кол-ва чисел в %%d сегменте между %0:d тиражами";
    classes.push_back(
        Row(133, "TstChain2SegmentsAll", "SSV2", segmentsAll, 2, D, Make<TstChain2SegmentsAll>));
    classes.push_back(
        Row(134, "TstChain2SegmentsPos", "SSP2", segmentsPos, 2, SD, Make<TstChain2SegmentsPos>));
    classes.push_back(Ranged(Row(135, "TstChain2Segment", "SSN%d", segmentsAt, 2, SD, Make<TstChain2Segment>),
                             "SSNx", Positions));
    classes.push_back(
        Row(136, "TstChain3SegmentsPos", "SSP3", segmentsPos, 3, SD, Make<TstChain3SegmentsPos>));
    classes.push_back(Ranged(Row(137, "TstChain3Segment", "SSM%d", segmentsAt, 3, SD, Make<TstChain3Segment>),
                             "SSMx", Positions));
    classes.push_back(Ranged(Row(138, "TstChain2SgmCnt", "SS2C%d", segmentCount, 2, D, Make<TstChain2SgmCnt>),
                             "SS2Cx", Segments));
    classes.push_back(Ranged(Row(139, "TstChain3SgmCnt", "SS3C%d", segmentCount, 3, D, Make<TstChain3SgmCnt>),
                             "SS3Cx", Segments));
}

}  // namespace quorvel
