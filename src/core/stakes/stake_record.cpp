#include "core/stakes/stake_record.h"

#include <algorithm>
#include <cstring>

#include "core/model/text_forms.h"
#include "core/util/endian.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

void WriteStakeComb(uint8_t* out, const TStakeComb& comb) {
    WriteInt32Le(out, comb.Count);
    std::copy(comb.Values.begin(), comb.Values.end(), out + 4);
}

TStakeComb ReadStakeComb(const uint8_t* in) {
    TStakeComb comb;
    comb.Count = ReadInt32Le(in);
    std::copy_n(in + 4, comb.Values.size(), comb.Values.begin());
    return comb;
}

std::string DrawValuesText(const TStakeRecord& record) {
    TStakeComb drawn{PositionCount, {record.DrawValues[0], record.DrawValues[1], record.DrawValues[2], 0}};
    return StakeCombToStr(drawn, ";");
}

}  // namespace

void WriteStakeRecord(uint8_t* out, const TStakeRecord& record) {
    using namespace stake_layout;
    std::memset(out, 0, StakeRecordSize);
    out[Version] = record.Version;
    out[Kind] = record.Kind;
    WriteInt32Le(out + DrawNumber, record.DrawNumber);
    out[Checked] = record.Checked;
    WriteInt32Le(out + SelectionSize, record.SelectionSize);
    WriteStakeComb(out + Values, record.Values);
    std::copy(record.DrawValues.begin(), record.DrawValues.end(), out + DrawValues);
    WriteStakeComb(out + Matches, record.Matches);
    WriteInt64Le(out + Profit, record.Profit);
    out[Comment] = record.Comment.Length;
    std::copy(record.Comment.Chars.begin(), record.Comment.Chars.end(), out + Comment + 1);
}

TStakeRecord ReadStakeRecord(const uint8_t* in) {
    using namespace stake_layout;
    TStakeRecord record;
    record.Version = in[Version];
    record.Kind = in[Kind];
    record.DrawNumber = ReadInt32Le(in + DrawNumber);
    record.Checked = in[Checked];
    record.SelectionSize = ReadInt32Le(in + SelectionSize);
    record.Values = ReadStakeComb(in + Values);
    std::copy_n(in + DrawValues, PositionCount, record.DrawValues.begin());
    record.Matches = ReadStakeComb(in + Matches);
    record.Profit = ReadInt64Le(in + Profit);
    record.Comment.Length = in[Comment];
    std::copy_n(in + Comment + 1, StakeCommentCapacity, record.Comment.Chars.begin());
    return record;
}

const std::array<const char*, StakeColumnCount> StakeColumnCaptions = {
    "№ тиража",   "Вид ставки", "Моя ставка", "Выборка",    "Результаты тиража",
    "Совпадений", "Совпадения", "Профит",     "Комментарий"};

const std::array<int, StakeColumnCount> StakeColumnWidths = {60, 60, 120, 60, 120, 60, 60, 60, 1000};

std::array<std::string, StakeColumnCount> StakeCellTexts(const TStakeRecord& record) {
    std::array<std::string, StakeColumnCount> cells;
    if (record.Kind == StakeKindSeparator) return cells;
    cells[0] = std::to_string(record.DrawNumber);
    cells[1] = StakeKindName(record.Kind);
    cells[2] = StakeCombToStr(record.Values, ";");
    cells[3] = std::to_string(record.SelectionSize);
    if (record.IsChecked()) {
        cells[4] = DrawValuesText(record);
        cells[5] = std::to_string(record.Matches.Count);
        cells[6] = StakeCombToStr(record.Matches, " ");
    }
    cells[7] = MoneyToStr(record.Profit, 2);
    cells[8] = record.Comment.Text();
    return cells;
}

std::optional<TStakeComb> ParseStakeValues(std::string_view text) {
    const std::optional<TComb> comb = ParseTypedComb(text);
    if (!comb) return std::nullopt;
    return CombToStakeComb(*comb);
}

int StakeValuesSum(std::string_view text) {
    if (const std::optional<TComb> comb = ParseTypedComb(text))
        return comb->Values[0] + comb->Values[1] + comb->Values[2];
    int64_t sum = 0;
    for (std::string_view word : SplitEvery(text, ";,"))
        sum += StrToValue(word);
    return static_cast<int>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

const std::array<const char*, StakeConditionCount> StakeConditionTexts = {
    "Равно [ = ]", "Более [ > ]", "Не менее [ >= ]", "Менее [ < ]", "Не более [ <= ]"};

bool StakeMeetsCondition(const TStakeRecord& record, TStakeCondition condition, int value) {
    const int matches = record.Matches.Count;
    switch (condition) {
        case TStakeCondition::Equal:
            return matches == value;
        case TStakeCondition::Greater:
            return matches > value;
        case TStakeCondition::NotLess:
            return matches >= value;
        case TStakeCondition::Less:
            return matches < value;
        case TStakeCondition::NotGreater:
            return matches <= value;
    }
    return false;
}

std::optional<uint32_t> StakeKindTint(uint8_t kind) {
    switch (kind) {
        case StakeKindManual:
            return 0xEAFFEA;
        case StakeKindRegular:
            return 0xFFEAEA;
        case StakeKindScript:
            return 0xEAFFFF;
        case StakeKindSystem:
            return 0xFCFDD9;
        default:
            return std::nullopt;
    }
}

}  // namespace quorvel
