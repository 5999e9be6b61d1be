#include "core/model/matching.h"

#include <algorithm>

#include "core/model/text_forms.h"
#include "core/model/transforms.h"

namespace quorvel {

bool ValueInDraw(int value, const TDraw& draw) {
    return std::any_of(draw.Values.begin(), draw.Values.end(), [&](uint8_t v) { return v == value; });
}

bool ValueInComb(int value, const TComb& comb) {
    return std::any_of(comb.Values.begin(), comb.Values.end(), [&](uint8_t v) { return v == value; });
}

int ChannelOf(int value, int channelSize) {
    int size = std::max(channelSize, 1);
    int numerator = value + 1;
    // Ceiling division that also holds for values below 0.
    return numerator >= 0 ? (numerator + size - 1) / size : -((-numerator) / size);
}

ChannelMap::ChannelMap(int channelSize) : size_(std::max(channelSize, 1)) {
    // A channel holds `size_` values in a row, the first one from value 0.
    int channel = 1;
    int inChannel = 0;
    for (uint16_t& entry : channels_) {
        entry = static_cast<uint16_t>(channel);
        if (++inChannel == size_) {
            inChannel = 0;
            ++channel;
        }
    }
}

bool ChannelInDraw(int channel, const TDraw& draw, int channelSize) {
    return std::any_of(draw.Values.begin(), draw.Values.end(),
                       [&](uint8_t v) { return ChannelOf(v, channelSize) == channel; });
}

bool SegmentInDraw(int segment, const TDraw& draw, const TSegmentTable& segments) {
    for (int p = 0; p < PositionCount; ++p) {
        uint8_t v = draw.Values[p];
        if (IsValidValue(v) && segments[p][v] == segment) return true;
    }
    return false;
}

int DrawCombMatches(const TDraw& draw, const TComb& comb) {
    int matches = 0;
    for (int p = 0; p < PositionCount; ++p)
        matches += draw.Values[p] == comb.Values[p];
    return matches;
}

int DrawDrawMatches(const TDraw& a, const TDraw& b) {
    return DrawCombMatches(a, CombOfDraw(b));
}

TStakeComb DrawStakeMatches(const TDraw& draw, const TStakeComb& stake) {
    TStakeComb matched;
    int positions = std::min(stake.Count, PositionCount);
    for (int p = 0; p < positions; ++p) {
        if (draw.Values[p] == stake.Values[p]) matched.Values[matched.Count++] = draw.Values[p];
    }
    return SortStakeComb(matched);
}

}  // namespace quorvel
