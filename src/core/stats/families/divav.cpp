#include "core/stats/families/divav.h"
#include "core/stats/families/make_stat.h"

#include <cstdlib>
#include <string>

#include "core/model/matching.h"
#include "core/stats/registry.h"

namespace quorvel {

TDivavNumber DivavNumberOf(std::span<int> values, DivavMode mode) {
    int a = values.size() > 0 ? values[0] : 0;
    int b = values.size() > 1 ? values[1] : 0;
    if (values.size() > 2) {
        for (size_t count = values.size(); count > 2; --count) {
            for (size_t i = 0; i + 1 < count; ++i)
                values[i] = std::abs(values[i + 1] - values[i]);
        }
        a = values[0];
        b = values[1];
    }
    const int difference = std::abs(b - a);
    const int sum = a + b;
    switch (mode) {
        case DivavMode::Difference:
            return {difference, false};
        case DivavMode::SumOnSmall:
            return {difference <= 1 ? sum : difference, false};
        case DivavMode::PairOnOne: {
            const int r = difference == 0 ? sum : difference;
            return r == 1 ? TDivavNumber{sum, true} : TDivavNumber{r, false};
        }
    }
    return {difference, false};
}

TDivavNumber DivavNumberOf(const std::array<uint8_t, PositionCount>& values, DivavMode mode) {
    std::array<int, PositionCount> work{};
    for (size_t p = 0; p < work.size(); ++p)
        work[p] = values[p];
    return DivavNumberOf(std::span<int>(work), mode);
}

bool TCustomDivavGraphStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(DivavNumberOf(comb.Values, mode_).Value));
}

int TCustomDivavGraphStat::GraphValue(int, int, const TComb& comb, bool) {
    return DivavNumberOf(comb.Values, mode_).Value;
}

std::string TstDivav3::ValueText(const TStatDraw& value) const {
    std::string text = std::to_string(value.Key[0]);
    if (value.Key[3] == 2) text += " (" + std::to_string(value.Key[1]) + ")";
    return text;
}

void TstDivav3::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    windowLast_ = lastIndex;
}

int TstDivav3::NewestIndex() const {
    if (windowLast_ >= 0 && windowLast_ < DrawCount() &&
        draws_[static_cast<size_t>(windowLast_)].Number == OtherDraw.Number) {
        return windowLast_;
    }
    // Not prepared by a window run (a search for the next occurrence on a fresh instance):
    // the newest draw is the one carrying the loaded number.
    for (int i = DrawCount() - 1; i >= 0; --i) {
        if (draws_[static_cast<size_t>(i)].Number == OtherDraw.Number) return i;
    }
    return DrawCount();
}

void TstDivav3::AddProposal(TStatDrawArray& table, const TDraw& following,
                            const std::array<uint16_t, 4>& key) {
    Work.Key = key;
    Work.Count = ValueInDraw(key[0], following) ? 1 : 0;
    AddValue(table, Work, false);
}

void TstDivav3::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    if (CurDraw.Number != OtherDraw.Number) return;
    const TDivavNumber number = DivavNumberOf(CurDraw.Values, DivavMode::PairOnOne);
    // Past the archive's newest draw this reads as 0 0 0, which still holds the value 0.
    const TDraw following = ReadDraw(NewestIndex() + 1, false);
    const int f = number.Value;
    const auto word = [](int v) { return static_cast<uint16_t>(v); };
    AddProposal(
        table, following,
        number.Pair ? std::array<uint16_t, 4>{word(f), 1, 0, 2} : std::array<uint16_t, 4>{word(f), 0, 0, 0});
    // Multiples of the number below its square (or cube) that are themselves values.
    for (int g = f * f > 8 ? f * f : f * f * f; g > f; g -= f) {
        if (IsValidValue(g)) AddProposal(table, following, {word(g), 0, 0, 0});
    }
}

bool TstDivav3::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (uint8_t v : comb.Values) {
        if (HasKeyWord(selected, 1, v)) return true;
    }
    return false;
}

namespace {

TStatClass Row(int position, const char* name, const char* code, const char* title, uint8_t flags, bool graph,
               bool numeric, TStatClass::CreateFn create) {
    return StatRow(11, position, name, code, title, flags, graph, numeric, create);
}

}  // namespace

void RegisterDivavFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t S = FeaturePositional;
    constexpr uint8_t N = FeatureFullSet;
    constexpr uint8_t D = FeatureOtherDraw;
    classes.push_back(Row(140, "TstDivav1", "HCO1", "Число Veveda 1 (только разность)", S | N, true, true,
                          Make<TstDivav1>));
    classes.push_back(Row(141, "TstDivav2", "HCO2", "Число Veveda 2 (разность + сложение, если {0,1})", S | N,
                          true, true, Make<TstDivav2>));
    classes.push_back(Row(142, "TstDivav3", "HCO3", "Числа Veveda 3 (динамический, только фильтр)", S | D,
                          false, false, Make<TstDivav3>));
}

}  // namespace quorvel
