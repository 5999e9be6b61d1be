#include "core/model/text_forms.h"

#include <algorithm>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

std::string ValueToStr(int value) {
    return std::to_string(value);
}

int StrToValue(std::string_view text) {
    return ParseInt32(TrimBlanks(text)).value_or(0);
}

std::string DrawDateToStr(TDateTime value) {
    if (!(value > 0)) return {};
    DateTimeParts p = DecodeDateTime(value);
    return Format("%.2d.%.2d.%.4d %.2d:%.2d", {p.Day, p.Month, p.Year, p.Hour, p.Minute});
}

TDateTime StrToDrawDate(std::string_view text) {
    if (TrimBlanks(text).empty()) return 0;
    // Fields sit at the fixed places of "dd.mm.yyyy hh:nn"; a missing or unreadable one is 0.
    auto field = [&](size_t start, size_t length) {
        if (start >= text.size()) return 0;
        return StrToValue(text.substr(start, length));
    };
    DateTimeParts parts;
    parts.Day = field(0, 2);
    parts.Month = field(3, 2);
    parts.Year = field(6, 4);
    parts.Hour = field(11, 2);
    parts.Minute = field(14, 2);
    TDateTime value = 0;
    if (!TryEncodeDateTime(parts, value)) {
        throw ConvertError(Format("\"%s\" не является корректной датой и временем", {std::string(text)}));
    }
    return value;
}

std::string DrawToStr(const TDraw& draw) {
    return Format("Тираж № %d от %s, значения: %s",
                  {draw.Number, draw.DateText.Text(), CombToStr(CombOfDraw(draw))});
}

std::string StakeKindName(int kind) {
    switch (kind) {
        case 1:
            return "Вручную";
        case 2:
            return "Регуляр";
        case 3:
            return "Сценарий";
        case 4:
            return "Система";
        default:
            return {};
    }
}

std::string DiffToStr(std::string_view countText, int reference) {
    std::string_view trimmed = TrimBlanks(countText);
    auto count = ParseInt32(trimmed);
    if (!count || *count < 0 || trimmed[0] == '+') return "-";
    int64_t d = static_cast<int64_t>(*count) - reference;
    return d > 0 ? "+" + std::to_string(d) : std::to_string(d);
}

std::string CombToStr(const TComb& comb) {
    return Format("%d;%d;%d", {comb.Values[0], comb.Values[1], comb.Values[2]});
}

std::string CombToPaddedStr(const TComb& comb) {
    return Format("%.2d %.2d %.2d", {comb.Values[0], comb.Values[1], comb.Values[2]});
}

namespace {

TComb CombFromWords(std::string_view text, std::string_view separators) {
    auto words = SplitWords(text, separators);
    auto fail = [&] { throw Error(Format("Некорректная комбинация: \"%s\"!", {std::string(text)})); };
    if (words.size() != PositionCount) fail();
    TComb comb;
    for (int p = 0; p < PositionCount; ++p) {
        int value = StrToValue(words[p]);
        // A value outside 0..9 would index past the ten entries of every position table.
        if (!IsValidValue(value)) fail();
        comb.Values[p] = static_cast<uint8_t>(value);
    }
    return comb;
}

}  // namespace

TComb StrToComb(std::string_view text) {
    return CombFromWords(text, "\t ,-.:;|");
}

std::optional<TComb> ParseTypedComb(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    TComb comb;
    if (trimmed.size() == PositionCount &&
        std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        for (int p = 0; p < PositionCount; ++p)
            comb.Values[p] = static_cast<uint8_t>(trimmed[p] - '0');
        return comb;
    }
    const std::vector<std::string_view> words = SplitEvery(trimmed, ",;");
    if (words.size() != PositionCount) return std::nullopt;
    for (int p = 0; p < PositionCount; ++p) {
        const std::optional<int32_t> value = ParseInt32(TrimBlanks(words[p]));
        if (!value || !IsValidValue(*value)) return std::nullopt;
        comb.Values[p] = static_cast<uint8_t>(*value);
    }
    return comb;
}

std::string StakeCombToStr(const TStakeComb& stake, std::string_view separator) {
    std::string out;
    int count = std::clamp(stake.Count, 0, static_cast<int>(stake.Values.size()));
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += separator;
        out += ValueToStr(stake.Values[i]);
    }
    return out;
}

TComb CombOfDraw(const TDraw& draw) {
    return TComb{draw.Values};
}

TStakeComb CombToStakeComb(const TComb& comb) {
    TStakeComb stake;
    stake.Count = PositionCount;
    for (int p = 0; p < PositionCount; ++p)
        stake.Values[p] = comb.Values[p];
    return stake;
}

}  // namespace quorvel
