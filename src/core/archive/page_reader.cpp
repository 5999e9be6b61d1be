#include "core/archive/page_reader.h"

#include "core/util/codepage.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// A whole page in a message box helps nobody: the message shows its beginning.
constexpr size_t MessageTextLimit = 500;

unsigned char LowerCp1251(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return static_cast<unsigned char>(c + 0x20);
    if (c == 0xA8) return 0xB8;  // Ё
    return c;
}

std::string MessageText(std::string_view bytes) {
    if (bytes.size() <= MessageTextLimit) return Cp1251ToUtf8(bytes);
    return Cp1251ToUtf8(bytes.substr(0, MessageTextLimit)) + "...";
}

[[noreturn]] void ThrowMissingPair(std::string_view text, std::string_view startMarker,
                                   std::string_view endMarker) {
    throw Error(Format("Не удалось найти пару идентификаторов \"%1:s\" - \"%2:s\" в тексте\r\r[%0:s]!",
                       {MessageText(text), Cp1251ToUtf8(startMarker), Cp1251ToUtf8(endMarker)}));
}

// Where the text between the markers starts and ends; npos for a missing start marker.
struct PairPlace {
    size_t Start = std::string_view::npos;
    size_t End = std::string_view::npos;
};

PairPlace FindPair(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    PairPlace place;
    const size_t start = FindIgnoringCase(text, startMarker);
    if (start == std::string_view::npos) return place;
    place.Start = start + startMarker.size();
    place.End = FindIgnoringCase(text, endMarker, place.Start);
    if (place.End == std::string_view::npos) ThrowMissingPair(text, startMarker, endMarker);
    return place;
}

}  // namespace

size_t FindIgnoringCase(std::string_view text, std::string_view marker, size_t from) {
    if (marker.empty()) return from <= text.size() ? from : std::string_view::npos;
    if (text.size() < marker.size()) return std::string_view::npos;
    const unsigned char first = LowerCp1251(static_cast<unsigned char>(marker[0]));
    for (size_t i = from; i + marker.size() <= text.size(); ++i) {
        if (LowerCp1251(static_cast<unsigned char>(text[i])) != first) continue;
        size_t k = 1;
        while (k < marker.size() && LowerCp1251(static_cast<unsigned char>(text[i + k])) ==
                                        LowerCp1251(static_cast<unsigned char>(marker[k])))
            ++k;
        if (k == marker.size()) return i;
    }
    return std::string_view::npos;
}

std::string UnquoteText(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::string(text);
    std::string result;
    const std::string_view inner = text.substr(1, text.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i) {
        result += inner[i];
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
    }
    return result;
}

std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    const PairPlace place = FindPair(text, startMarker, endMarker);
    if (place.Start == std::string_view::npos) return {};
    return UnquoteText(text.substr(place.Start, place.End - place.Start));
}

std::string CutBetween(std::string& text, std::string_view startMarker, std::string_view endMarker) {
    const PairPlace place = FindPair(text, startMarker, endMarker);
    if (place.Start == std::string_view::npos) return {};
    std::string result = UnquoteText(std::string_view(text).substr(place.Start, place.End - place.Start));
    text.erase(0, place.End + endMarker.size());
    return result;
}

std::string CutElement(std::string& text, std::string_view marker) {
    const size_t start = FindIgnoringCase(text, marker);
    if (start == std::string::npos || marker.empty()) return {};
    const size_t from = start + marker.size();
    size_t next = FindIgnoringCase(text, marker, from);
    if (next == std::string::npos) next = text.size();
    std::string result = UnquoteText(std::string_view(text).substr(from, next - from));
    text.erase(0, next);
    return result;
}

std::string TextBetween2(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                         std::string_view innerStart, std::string_view innerEnd) {
    return TextBetween(TextBetween(text, outerStart, outerEnd), innerStart, innerEnd);
}

}  // namespace quorvel
