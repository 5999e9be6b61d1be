#pragma once

#include <array>
#include <cstdint>

#include "core/model/game.h"

namespace quorvel {

bool ValueInDraw(int value, const TDraw& draw);
bool ValueInComb(int value, const TComb& comb);
// The 1-based channel of a value: ceil((v + 1) / size). A size below 1 counts as 1.
int ChannelOf(int value, int channelSize);
// ChannelOf for one channel size, the channels of the values a draw can hold (0 to 255) worked
// out once: the channel methods look up every value of every draw of a window, and a division
// costs many times a lookup.
class ChannelMap {
public:
    explicit ChannelMap(int channelSize);
    int Size() const { return size_; }
    int Of(int value) const {
        return value >= 0 && value < static_cast<int>(channels_.size())
                   ? channels_[static_cast<size_t>(value)]
                   : ChannelOf(value, size_);
    }

private:
    int size_;
    std::array<uint16_t, 256> channels_{};
};
bool ChannelInDraw(int channel, const TDraw& draw, int channelSize);
bool SegmentInDraw(int segment, const TDraw& draw, const TSegmentTable& segments);
int DrawCombMatches(const TDraw& draw, const TComb& comb);
int DrawDrawMatches(const TDraw& a, const TDraw& b);
// The values agreeing at the same position, in ascending order.
TStakeComb DrawStakeMatches(const TDraw& draw, const TStakeComb& stake);

}  // namespace quorvel
