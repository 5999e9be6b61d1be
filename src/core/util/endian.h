#pragma once

#include <cstdint>

namespace quorvel {

// Stored records are little-endian whatever the machine.
inline int32_t ReadInt32Le(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

inline void WriteInt32Le(uint8_t* p, int32_t value) {
    auto v = static_cast<uint32_t>(value);
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

inline int64_t ReadInt64Le(const uint8_t* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return static_cast<int64_t>(v);
}

inline void WriteInt64Le(uint8_t* p, int64_t value) {
    auto v = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace quorvel
