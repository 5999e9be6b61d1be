#include "core/stats/custom_stat.h"

#include <charconv>

#include "core/model/text_forms.h"
#include "core/model/transforms.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

TCustomStat::TCustomStat(const TStatClass& statClass, const TStatList& owner, int param)
    : Param(param),
      draws_(owner.Draws()),
      class_(statClass),
      owner_(owner),
      readsOtherDraw_((statClass.Flags & FeatureOtherDraw) != 0) {}

int TCustomStat::ParseValue(std::string_view text) const {
    return ParseInt32(TrimBlanks(text)).value_or(0);
}

int TCustomStat::ParseListedValue(std::string_view text) const {
    return class_.NumericValues ? ParseValue(text) : 0;
}

void TCustomStat::PrepareValues(int, TStatDrawArray&) {
    Work = TStatDraw{};
}

void TCustomStat::AddCombination(TStatDrawArray& table, const TComb& comb) {
    Work = TStatDraw{};
    Work.Count = 1;
    AddCombinationValues(table, comb);
}

void TCustomStat::AddDraws(int firstIndex, int lastIndex, bool sorted, TStatDrawArray& table,
                           TStatScratch& scratch, TLastValueArray& lastValues) {
    for (int index = firstIndex; index <= lastIndex; ++index)
        AddDraw(index, lastIndex, sorted, table, scratch, lastValues);
}

void TCustomStat::MatchEach(const TSelection& selected, int refIndex, std::span<const TComb> combs,
                            bool sorted, bool exclude, std::vector<uint8_t>& results) {
    results.resize(combs.size());
    for (size_t i = 0; i < combs.size(); ++i)
        results[i] = Matches(selected, refIndex, combs[i], sorted, exclude) ? 1 : 0;
}

int TCustomStat::FindNext(const TStatDraw& row, int fromIndex, int lastIndex, bool sorted) {
    if (fromIndex >= DrawCount()) return -1;
    TStatScratch scratch;
    TStatDrawArray table;
    TLastValueArray lastValues;
    for (int d = std::max(fromIndex, 0); d < DrawCount(); ++d) {
        table.clear();
        lastValues.clear();
        AddDraw(d, lastIndex, sorted, table, scratch, lastValues);
        for (const TStatDraw& entry : table) {
            if (entry.KeyBits() == row.KeyBits()) return entry.LastDraw;
        }
    }
    return -1;
}

std::string KeyWordsText(const TStatDraw& value, int count) {
    // Written in place: the tables of three-member tuples have hundreds of rows.
    char buffer[4 * 6];
    char* out = buffer;
    for (int i = 0; i < count && i < static_cast<int>(value.Key.size()); ++i) {
        if (i > 0) *out++ = ':';
        out = std::to_chars(out, buffer + sizeof buffer, value.Key[static_cast<size_t>(i)]).ptr;
    }
    return std::string(buffer, out);
}

std::string TCustomGraphStat::ValueText(const TStatDraw& value) const {
    return std::to_string(value.Key[0]);
}

int TCustomGraphStat::DrawGraphValue(int index, int otherIndex, bool sorted) {
    return GraphValue(index, otherIndex, CombOfDraw(ReadDraw(index, sorted)), sorted);
}

std::string TCustomRatioStat::ValueText(const TStatDraw& value) const {
    return Format("%d:%d", {static_cast<int>(value.Key[0]), PositionCount - static_cast<int>(value.Key[0])});
}

int TCustomRatioStat::ParseValue(std::string_view text) const {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return 0;
    return TCustomStat::ParseValue(text.substr(0, colon));
}

std::string TCustomValuesStat::ValueText(const TStatDraw& value) const {
    return std::to_string(value.Key[0]);
}

std::string TCustomNumbersStat::ValueText(const TStatDraw& value) const {
    return std::to_string(value.Key[0]);
}

std::string TCustomMaskStat::ValueText(const TStatDraw& value) const {
    const uint32_t mask = value.KeyDword(1);
    std::string symbols;
    for (int bit = 2; bit >= 0; --bit)
        symbols += (mask & (1u << bit)) != 0 ? OneSymbol() : ZeroSymbol();
    return Format("%s (%.3d)", {symbols, static_cast<int64_t>(mask)});
}

int TCustomMaskStat::ParseValue(std::string_view text) const {
    // The symbols may be Cyrillic letters, several bytes each: compare whole characters.
    const std::string one = OneSymbol();
    int mask = 0;
    size_t pos = 0;
    for (int bit = 2; bit >= 0; --bit) {
        if (pos >= text.size()) break;
        size_t length = 1;
        while (pos + length < text.size() &&
               (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80) {
            ++length;
        }
        if (text.substr(pos, length) == one) mask |= 1 << bit;
        pos += length;
    }
    return mask;
}

void TCustomMaskStat::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (uint32_t mask = 0; mask < 8; ++mask)
        AddKey(table, mask, false);
}

}  // namespace quorvel
