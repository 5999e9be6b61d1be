#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Text files and stored strings use code page 1251; inside the program text is UTF-8.
// The one byte without a character in the code page, 0x98, becomes U+0098, as Windows reads it,
// so that every byte survives a reading and a writing.
std::string Cp1251ToUtf8(std::string_view bytes);

// A character that the code page cannot hold becomes "?"; invalid UTF-8 bytes too. U+0098
// becomes 0x98 again.
std::string Utf8ToCp1251(std::string_view text);

}  // namespace quorvel
