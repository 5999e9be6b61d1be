#include "core/archive/download_page.h"

#include <unordered_set>

#include "core/archive/draws_import.h"
#include "core/archive/page_reader.h"
#include "core/model/text_forms.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

void RemoveAll(std::string& text, std::string_view what) {
    for (size_t at = FindIgnoringCase(text, what); at != std::string::npos;
         at = FindIgnoringCase(text, what, at))
        text.erase(at, what.size());
}

int ReadValue(std::string& block) {
    std::string value = CutBetween(block, "<b", "</b>");
    RemoveAll(value, "&nbsp;");
    RemoveAll(value, ">");
    return StrToValue(TrimBlanks(value));
}

// The draw of one element; nothing when its number, date or values are missing.
std::optional<TReadDraw> ReadElement(const std::string& element) {
    TReadDraw read;
    read.Draw.Number = StrToValue(TextBetween(element, "<a href=\"/tridig/archive/", "\">"));
    const std::string date = TextBetween(element, "<div class=\"draw_date\" title=\"", ":00\">");
    std::string block =
        TextBetween2(element, "<div class=\"container cleared\"", "<div class=\"controls\">", ">", "</div>");
    if (read.Draw.Number <= 0 || date.empty() || block.empty()) return std::nullopt;
    read.Draw.DateText.SetBytes(std::string_view(date).substr(0, DrawDateLength));
    for (int p = 0; p < PositionCount; ++p) {
        const int value = ReadValue(block);
        read.Valid = read.Valid && IsValidValue(value);
        read.Draw.Values[p] = static_cast<uint8_t>(IsValidValue(value) ? value : 0);
    }
    return read;
}

std::optional<TReadDraw> ReadCsvLine(const std::vector<std::string>& fields, int nextNumber) {
    if (fields.size() != 4 && fields.size() != 5) return std::nullopt;
    const size_t first = fields.size() - 4;
    TReadDraw read;
    read.Draw.Number = fields.size() == 5 ? StrToValue(fields[0]) : nextNumber;
    if (read.Draw.Number <= 0) return std::nullopt;
    read.Draw.DateText.SetBytes(std::string_view(fields[first]).substr(0, DrawDateLength));
    for (int p = 0; p < PositionCount; ++p) {
        const int value = StrToValue(fields[first + 1 + static_cast<size_t>(p)]);
        read.Valid = read.Valid && IsValidValue(value);
        read.Draw.Values[p] = static_cast<uint8_t>(IsValidValue(value) ? value : 0);
    }
    return read;
}

}  // namespace

std::vector<TReadDraw> ReadResultsPage(const std::string& page) {
    std::vector<TReadDraw> draws;
    std::string section =
        TextBetween(page, "<div class=\"data drawings_data\">", "<div class=\"content_decor\">");
    for (std::string element = CutElement(section, "<div class=\"elem\">"); !element.empty();
         element = CutElement(section, "<div class=\"elem\">")) {
        if (auto read = ReadElement(element)) draws.push_back(*read);
    }
    return draws;
}

std::vector<TReadDraw> ReadDrawsCsv(const std::string& text) {
    std::vector<TReadDraw> draws;
    std::unordered_set<int32_t> seen;
    for (const std::string& line : SplitLines(text)) {
        if (TrimBlanks(line).empty()) continue;
        std::optional<TReadDraw> read =
            ReadCsvLine(SplitDrawFields(line), static_cast<int>(draws.size()) + 1);
        if (!read || !seen.insert(read->Draw.Number).second) continue;
        draws.push_back(*read);
    }
    return draws;
}

}  // namespace quorvel
