#include "core/stakes/regular.h"

#include <algorithm>
#include <cstring>

#include "core/model/text_forms.h"
#include "core/model/transforms.h"
#include "core/util/endian.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

bool ValidComb(const TComb& comb) {
    return std::all_of(comb.Values.begin(), comb.Values.end(), [](uint8_t v) { return IsValidValue(v); });
}

}  // namespace

void WriteRegular(uint8_t* out, const TRegular& regular) {
    using namespace regular_layout;
    std::memset(out, 0, RegularRecordSize);
    out[Comment] = regular.Comment.Length;
    std::copy(regular.Comment.Chars.begin(), regular.Comment.Chars.end(), out + Comment + 1);
    out[UseLastDraw] = regular.UseLastDraw;
    std::copy(regular.Start.Values.begin(), regular.Start.Values.end(), out + Start);
    std::copy(regular.Current.Values.begin(), regular.Current.Values.end(), out + Current);
    out[Reserved] = regular.Reserved;
    WriteInt32Le(out + Step, regular.Step);
    WriteInt32Le(out + StakesMade, regular.StakesMade);
}

TRegular ReadRegular(const uint8_t* in) {
    using namespace regular_layout;
    TRegular regular;
    regular.Comment.Length = in[Comment];
    std::copy_n(in + Comment + 1, RegularCommentCapacity, regular.Comment.Chars.begin());
    regular.UseLastDraw = in[UseLastDraw];
    std::copy_n(in + Start, PositionCount, regular.Start.Values.begin());
    std::copy_n(in + Current, PositionCount, regular.Current.Values.begin());
    regular.Reserved = in[Reserved];
    regular.Step = ReadInt32Le(in + Step);
    regular.StakesMade = ReadInt32Le(in + StakesMade);
    return regular;
}

std::optional<std::string> RegularRecordProblem(const TRegular& regular) {
    if (regular.UseLastDraw > 1)
        return Format("Некорректный признак использования тиража: %d!", {regular.UseLastDraw});
    // Values outside 0..9 would be staked and would index the tables of ten values.
    if (!ValidComb(regular.Start))
        return Format("Некорректная комбинация: \"%s\"!", {CombToStr(regular.Start)});
    if (!ValidComb(regular.Current))
        return Format("Некорректная комбинация: \"%s\"!", {CombToStr(regular.Current)});
    if (regular.Step < RegularStepMin || regular.Step > RegularStepMax)
        return Format("Шаг %d выходит за пределы от -9 до 9!", {regular.Step});
    if (regular.StakesMade < 0) return Format("Некорректное количество ставок: %d!", {regular.StakesMade});
    return std::nullopt;
}

void AdvanceRegular(TRegular& regular, const TComb& newestDraw) {
    const TComb& base = regular.UsesLastDraw() ? newestDraw : regular.Current;
    regular.Current = ShiftComb(base, regular.Step);
    // A count that has reached its limit stays there rather than turning negative.
    if (regular.StakesMade < INT32_MAX) ++regular.StakesMade;
}

TStakeRecord RegularStake(const TRegular& regular, int drawNumber, int selectionSize, Money profit) {
    TStakeRecord stake;
    stake.Kind = StakeKindRegular;
    stake.DrawNumber = drawNumber;
    stake.SelectionSize = selectionSize;
    stake.Values = CombToStakeComb(regular.Current);
    stake.Profit = profit;
    // Both comments are 255 bytes of code page 1251, so the text passes unchanged.
    stake.Comment.SetBytes(regular.Comment.Bytes());
    return stake;
}

const std::array<const char*, RegularColumnCount> RegularColumnCaptions = {
    "Комментарий", "Стартовая комбинация", "Шаг", "Текущая комбинация", "Ставок"};

std::array<std::string, RegularColumnCount> RegularCellTexts(const TRegular& regular) {
    return {regular.Comment.Text(), CombToStr(regular.Start), std::to_string(regular.Step),
            CombToStr(regular.Current), std::to_string(regular.StakesMade)};
}

std::vector<TRegular> RegularsFromDraft(const TRegularDraft& draft,
                                        const std::vector<std::pair<int, TComb>>& chosen) {
    TRegular regular;
    regular.Comment.SetText(draft.Comment);
    regular.UseLastDraw = draft.UseLastDraw ? 1 : 0;
    regular.Step = std::clamp(draft.Step, RegularStepMin, RegularStepMax);
    regular.Start = regular.Current = draft.Start;
    if (draft.UseLastDraw || chosen.size() <= 1) return {regular};
    std::vector<TRegular> regulars;
    regulars.reserve(chosen.size());
    for (const auto& [row, comb] : chosen) {
        TRegular one = regular;
        one.Comment.SetText(Format("%s (%d)", {draft.Comment, row + 1}));
        one.Start = one.Current = comb;
        regulars.push_back(one);
    }
    return regulars;
}

}  // namespace quorvel
