#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/util/codepage.h"

namespace quorvel {

// A stored string: one length byte and a fixed buffer of code page 1251 bytes. The bytes
// beyond the length are kept as read, so a record saved again is byte-identical.
template <size_t Capacity>
struct ShortString {
    uint8_t Length = 0;
    std::array<char, Capacity> Chars{};

    // The stored bytes; a length byte larger than the buffer is read as the whole buffer.
    std::string_view Bytes() const { return {Chars.data(), std::min<size_t>(Length, Capacity)}; }
    std::string Text() const { return Cp1251ToUtf8(Bytes()); }

    // Stores UTF-8 text, cut to the buffer; the bytes beyond the new length are left as they were.
    void SetText(std::string_view utf8) { SetBytes(Utf8ToCp1251(utf8)); }
    void SetBytes(std::string_view bytes) {
        size_t length = std::min(bytes.size(), Capacity);
        std::copy_n(bytes.data(), length, Chars.data());
        Length = static_cast<uint8_t>(length);
    }
    bool operator==(const ShortString&) const = default;
};

}  // namespace quorvel
