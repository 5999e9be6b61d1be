#pragma once

#include <cstdint>

namespace quorvel {

// Colours are 0xRRGGBB.
constexpr uint32_t ColorPureRed = 0xFF0000;

// The pastel background of a channel (1-based); channels above 19 wrap around.
uint32_t ChannelColor(int channel);
// The colour of a value's channel; pure red for a value outside 0..9.
uint32_t ValueColor(int value, int channelSize);

}  // namespace quorvel
