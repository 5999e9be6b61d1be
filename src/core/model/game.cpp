#include "core/model/game.h"

#include <cstring>

#include "core/util/endian.h"

namespace quorvel {

void WriteDrawRecord(uint8_t* out, const TDraw& draw) {
    WriteInt32Le(out, draw.Number);
    std::memcpy(out + 4, draw.Values.data(), PositionCount);
    out[7] = draw.DateText.Length;
    std::memcpy(out + 8, draw.DateText.Chars.data(), DrawDateLength);
}

TDraw ReadDrawRecord(const uint8_t* in) {
    TDraw draw;
    draw.Number = ReadInt32Le(in);
    std::memcpy(draw.Values.data(), in + 4, PositionCount);
    draw.DateText.Length = in[7];
    std::memcpy(draw.DateText.Chars.data(), in + 8, DrawDateLength);
    return draw;
}

}  // namespace quorvel
