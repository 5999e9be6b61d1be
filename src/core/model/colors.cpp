#include "core/model/colors.h"

#include "core/model/game.h"
#include "core/model/matching.h"

namespace quorvel {

namespace {

constexpr uint32_t ChannelColors[19] = {
    0xAAFFAA, 0xFFFFAA, 0xAAFFFF, 0xFFAAAA, 0xAAAAFF, 0xFFD5AA, 0xD5AAFF, 0xD4D4D4, 0xAAD5FF, 0xFFAAD5,
    0xD5FFD5, 0xFFFFD5, 0xD5FFFF, 0xFFD5D5, 0xD5D5FF, 0xFFEAD5, 0xEAD5FF, 0xE9E9E9, 0xD5EAFF,
};

}  // namespace

uint32_t ChannelColor(int channel) {
    if (channel < 1) return ColorPureRed;
    return ChannelColors[(channel - 1) % 19];
}

uint32_t ValueColor(int value, int channelSize) {
    if (!IsValidValue(value)) return ColorPureRed;
    return ChannelColor(ChannelOf(value, channelSize));
}

}  // namespace quorvel
