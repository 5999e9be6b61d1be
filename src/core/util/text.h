#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Trims characters up to and including the blank (blanks and control characters).
std::string_view TrimBlanks(std::string_view text);

// A plain decimal integer with an optional sign that fits in 32 bits, nothing else.
std::optional<int32_t> ParseInt32(std::string_view text);

// Splits at any of the separator characters; runs of separators count as one and
// leading or trailing separators give no empty words.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

// Splits at every separator character, keeping empty words.
std::vector<std::string_view> SplitEvery(std::string_view text, std::string_view separators);

std::string Join(const std::vector<std::string>& parts, std::string_view separator);

// Lower case of ASCII and Cyrillic letters in UTF-8 text, for comparisons without regard to case.
std::string LowerCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The text with &, <, > and " written as HTML entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace quorvel
