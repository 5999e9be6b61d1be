#include "core/stats/families/channels.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>

#include "core/model/lists.h"
#include "core/model/matching.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

uint8_t ChannelSizeCopy(int32_t channelSize) {
    return static_cast<uint8_t>(std::clamp(channelSize, 1, 255));
}

std::string ChannelText(int channel, int channelSize) {
    const int64_t lower = static_cast<int64_t>(channelSize) * (channel - 1);
    const int64_t upper = static_cast<int64_t>(channel) * channelSize - 1;
    return Format("%.2d [%s-%s]", {channel, std::to_string(lower), std::to_string(upper)});
}

int TupleKeys(TupleScheme scheme, int k, const std::array<int, PositionCount>& members, TTupleKeys& keys) {
    if (k < 1 || k > PositionCount) return 0;
    if (k == PositionCount) {
        // Either scheme has the one tuple of all three positions; the methods over it count
        // every draw of a window, so it is made directly.
        if (members[0] < 0 || members[1] < 0 || members[2] < 0) return 0;
        keys[0] = KeyWord(members[0], 0) | KeyWord(members[1], 1) | KeyWord(members[2], 2);
        return 1;
    }
    std::array<int, PositionCount> positions{};
    for (int i = 0; i < k; ++i)
        positions[static_cast<size_t>(i)] = i;
    int count = 0;
    while (true) {
        bool complete = true;
        uint64_t key = 0;
        for (int i = 0; i < k; ++i) {
            const int member = members[static_cast<size_t>(positions[static_cast<size_t>(i)])];
            complete = complete && member >= 0;
            key |= KeyWord(member, i);
        }
        if (complete && count < TupleKeysMax) keys[static_cast<size_t>(count++)] = key;
        if (scheme == TupleScheme::Adjacent) {
            // The next run of neighbours, one position to the right.
            if (positions[static_cast<size_t>(k - 1)] + 1 >= PositionCount) break;
            for (int i = 0; i < k; ++i)
                ++positions[static_cast<size_t>(i)];
            continue;
        }
        // The next choice in lexicographic order: raise the rightmost position that can rise.
        int i = k - 1;
        while (i >= 0 && positions[static_cast<size_t>(i)] == PositionCount - k + i)
            --i;
        if (i < 0) break;
        ++positions[static_cast<size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            positions[static_cast<size_t>(j)] = positions[static_cast<size_t>(j - 1)] + 1;
    }
    return count;
}

TCustomChannelsStat::TCustomChannelsStat(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomNumbersStat(statClass, owner, param), channels_(ChannelSizeCopy(owner.Config.ChannelSize)) {}

TCustomChannelsGraphStat::TCustomChannelsGraphStat(const TStatClass& statClass, const TStatList& owner,
                                                   int param)
    : TCustomGraphStat(statClass, owner, param), channels_(ChannelSizeCopy(owner.Config.ChannelSize)) {}

std::string TstChannels::ValueText(const TStatDraw& value) const {
    return ChannelText(value.Key[0]);
}

int TstChannels::ParseValue(std::string_view text) const {
    // The number in front of the bounds: "03 [4-5]" reads 3.
    return ParseInt32(text.substr(0, text.find(' '))).value_or(0);
}

void TstChannels::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int v = ValueMin; v <= ValueMax; ++v)
        AddKey(table, static_cast<uint32_t>(Channel(v)), false);
}

bool TstChannels::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (uint8_t v : comb.Values) {
        if (HasKeyWord(selected, 1, static_cast<uint16_t>(Channel(v)))) return true;
    }
    return false;
}

TstChanValues::TstChanValues(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomChannelsStat(statClass, owner, param) {
    for (int v = ValueMin; v <= ValueMax; ++v)
        AddValueCount(channels_, Channel(v), 0);
    // A damaged value may add a channel beyond the last for each position.
    counts_.reserve(channels_.size() + PositionCount);
}

const TStatSimpleArray& TstChanValues::CountsOf(const std::array<uint8_t, PositionCount>& values) {
    counts_.assign(channels_.begin(), channels_.end());
    for (uint8_t v : values)
        AddValueCount(counts_, Channel(v), 1);
    return counts_;
}

void TstChanValues::AddCounts(TStatDrawArray& table, const std::array<uint8_t, PositionCount>& values,
                              bool trackPeriods) {
    for (const TStatSimple& element : CountsOf(values)) {
        Work.Key = {static_cast<uint16_t>(element.Key), static_cast<uint16_t>(element.Count), 0, 0};
        AddValue(table, Work, trackPeriods);
    }
}

std::string TstChanValues::ValueText(const TStatDraw& value) const {
    return Format("%0:s x %1:d", {ChannelText(value.Key[0]), static_cast<int>(value.Key[1])});
}

void TstChanValues::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    const int most = std::min(ChannelSize(), PositionCount);
    for (const TStatSimple& element : channels_) {
        for (int count = 0; count <= most; ++count) {
            Work.Key = {static_cast<uint16_t>(element.Key), static_cast<uint16_t>(count), 0, 0};
            AddValue(table, Work, false);
        }
    }
}

void TstChanValues::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    AddCounts(table, comb.Values, false);
}

void TstChanValues::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    AddCounts(table, CurDraw.Values, true);
}

bool TstChanValues::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (const TStatSimple& element : CountsOf(comb.Values)) {
        if (HasKey(selected, static_cast<uint16_t>(element.Key), static_cast<uint16_t>(element.Count), 0, 0))
            return true;
    }
    return false;
}

int TstChanCount::CountOf(const std::array<uint8_t, PositionCount>& values) const {
    const int a = Channel(values[0]);
    const int b = Channel(values[1]);
    const int c = Channel(values[2]);
    return 1 + (b != a ? 1 : 0) + (c != a && c != b ? 1 : 0);
}

void TstChanCount::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    // Only the counts up to the channel size are listed in advance; a larger count that
    // occurs (3 with the default size of 2) enters the table when it is first met.
    const int most = std::min(ChannelSize(), PositionCount);
    for (int n = 1; n <= most; ++n)
        AddKey(table, static_cast<uint32_t>(n), false);
}

bool TstChanCount::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(CountOf(comb.Values)));
}

int TstChanCount::GraphValue(int, int, const TComb& comb, bool) {
    return CountOf(comb.Values);
}

int TstChnValCnt::CountOf(const std::array<uint8_t, PositionCount>& values) const {
    return static_cast<int>(
        std::count_if(values.begin(), values.end(), [&](uint8_t v) { return Channel(v) == Param; }));
}

void TstChnValCnt::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int n = 1; n <= ChannelSize(); ++n)
        AddKey(table, static_cast<uint32_t>(n), false);
}

bool TstChnValCnt::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(CountOf(comb.Values)));
}

int TstChnValCnt::GraphValue(int, int, const TComb& comb, bool) {
    return CountOf(comb.Values);
}

namespace {

TStatClass Row(int position, const char* name, std::string code, std::string title, uint8_t flags, bool graph,
               bool numericValues, TStatClass::CreateFn create) {
    return StatRow(3, position, name, std::move(code), std::move(title), flags, graph, numericValues, create);
}

// A tuple class carries its k in its code and title already.
TStatClass TupleRow(int position, const char* name, const char* code, const char* title, int k,
                    TStatClass::CreateFn create) {
    return TupleStatRow(3, position, name, code, title, k, create);
}

}  // namespace

void RegisterChannelsFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t N = FeatureFullSet;
    classes.push_back(Row(22, "TstChannels", "CHAN", "Каналы", N, false, true, Make<TstChannels>));
    classes.push_back(
        Row(23, "TstChanValues", "CHNV", "Количество чисел в канале", N, false, false, Make<TstChanValues>));
    classes.push_back(
        Row(24, "TstChanCount", "CHNC", "Количество каналов в тираже", N, true, true, Make<TstChanCount>));

    const char* mix = "Сочетания из %0:d каналов по всем числам тиража";
    const char* seq = "Сочетания из %0:d каналов по соседним числам";
    classes.push_back(TupleRow(78, "TstCombChnMix2", "KCM%d", mix, 2, Make<TstCombChnMix2>));
    classes.push_back(TupleRow(79, "TstCombChnMix3", "KCM%d", mix, 3, Make<TstCombChnMix3>));
    classes.push_back(TupleRow(80, "TstCombChnMix4", "KCM%d", mix, 4, Make<TstCombChnMix4>));
    classes.push_back(TupleRow(81, "TstCombChnSeq2", "KCS%d", seq, 2, Make<TstCombChnSeq2>));
    classes.push_back(TupleRow(82, "TstCombChnSeq3", "KCS%d", seq, 3, Make<TstCombChnSeq3>));
    classes.push_back(TupleRow(83, "TstCombChnSeq4", "KCS%d", seq, 4, Make<TstCombChnSeq4>));

    TStatClass perChannel = Row(104, "TstChnValCnt", "CHN%d", "Количество чисел в %0:d канале", N, true, true,
                                Make<TstChnValCnt>);
    perChannel.HelpTopic = "CHNx";
    // One method per channel in use; a size below 1 has no channels to offer.
    perChannel.ParamRange = [](const TStatList& owner) {
        const int size = owner.Config.ChannelSize;
        if (size < 1) return std::pair<int, int>{0, -1};
        return std::pair<int, int>{ChannelOf(ValueMin, size), ChannelOf(ValueMax, size)};
    };
    classes.push_back(perChannel);
}

}  // namespace quorvel
