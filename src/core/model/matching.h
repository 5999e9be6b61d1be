#pragma once

#include "core/model/game.h"

namespace quorvel {

bool ValueInDraw(int value, const TDraw& draw);
bool ValueInComb(int value, const TComb& comb);
// The 1-based channel of a value: ceil((v + 1) / size). A size below 1 counts as 1.
int ChannelOf(int value, int channelSize);
bool ChannelInDraw(int channel, const TDraw& draw, int channelSize);
bool SegmentInDraw(int segment, const TDraw& draw, const TSegmentTable& segments);
int DrawCombMatches(const TDraw& draw, const TComb& comb);
int DrawDrawMatches(const TDraw& a, const TDraw& b);
// The values agreeing at the same position, in ascending order.
TStakeComb DrawStakeMatches(const TDraw& draw, const TStakeComb& stake);

}  // namespace quorvel
