#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Readers of the text pairs on a results page. Markers match without regard to case; every
// result is trimmed of blanks and, when it is enclosed in double quotes, loses them (a doubled
// quote inside becomes one). They work on code page 1251 bytes.

// The text after the first start marker up to the first end marker that follows it; empty
// when the start marker is absent. Throws Error "Не удалось найти пару идентификаторов..."
// when the end marker is missing.
std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// TextBetween on the variable, which then loses everything up to and including the end
// marker. Without the start marker the variable stays as it is.
std::string CutBetween(std::string& text, std::string_view startMarker, std::string_view endMarker);

// The text between the first marker and the next occurrence of it (or the end of the text);
// the variable loses everything before that next occurrence. Empty when the marker is absent.
std::string CutElement(std::string& text, std::string_view marker);

// TextBetween with the outer pair, then TextBetween on its result with the inner pair.
std::string TextBetween2(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                         std::string_view innerStart, std::string_view innerEnd);

// Trimmed, and without enclosing double quotes.
std::string UnquoteText(std::string_view text);

// The position of the first occurrence of the marker from the given position, without regard
// to the case of ASCII and Cyrillic letters; npos when absent.
size_t FindIgnoringCase(std::string_view text, std::string_view marker, size_t from = 0);

}  // namespace quorvel
