#include "core/stats/families/repeats.h"
#include "core/stats/families/make_stat.h"

#include <string>

#include "core/model/transforms.h"
#include "core/stats/registry.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

using Values = std::array<uint8_t, PositionCount>;

// The number of positions at which the values equal those of an earlier draw, shifted.
int RepeatCount(const Values& values, const TDraw& earlier, int shift) {
    int count = 0;
    for (size_t i = 0; i < PositionCount; ++i)
        count += values[i] == ShiftValue(earlier.Values[i], shift) ? 1 : 0;
    return count;
}

// Whether the value at a position repeats from draw a and also from draw b, or, for a
// repeat of exactly two draws, not from b.
bool RepeatsAt(const Values& values, size_t i, const TDraw& a, const TDraw& b, bool exactlyTwo) {
    return values[i] == a.Values[i] && (values[i] == b.Values[i]) != exactlyTwo;
}

int ThreeDrawCount(const Values& values, const TDraw& a, const TDraw& b, bool exactlyTwo) {
    int count = 0;
    for (size_t i = 0; i < PositionCount; ++i)
        count += RepeatsAt(values, i, a, b, exactlyTwo) ? 1 : 0;
    return count;
}

bool HasAnyValue(const TSelection& selected, const Values& values) {
    for (uint8_t v : values) {
        if (HasKeyWord(selected, 1, v)) return true;
    }
    return false;
}

}  // namespace

TRepeatsWindow::Place TRepeatsWindow::Locate(const TCustomStat& stat, TStatScratch&) const {
    return {stat.DrawIndex(), stat.RunSorted()};
}

void TCustomRepValues2Stat::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    // The rows are what the newest draw shows, so always in drawn order.
    for (uint8_t v : ReadDraw(lastIndex, false).Values)
        AddKey(table, static_cast<uint32_t>(ShiftValue(v, ValueShift())), false);
}

void TCustomRepValues2Stat::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw earlier = ReadDraw(place.Index - DrawDistance(), place.Sorted);
    const int shift = ValueShift();
    for (size_t i = 0; i < PositionCount; ++i) {
        const int repeated = ShiftValue(earlier.Values[i], shift);
        if (repeated == ShiftValue(OtherDraw.Values[i], shift) && repeated == CurDraw.Values[i])
            AddKey(table, CurDraw.Values[i], true);
    }
}

bool TCustomRepValues2Stat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasAnyValue(selected, comb.Values);
}

void TCustomRepCount2Stat::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    // No repeat at all (0) enters when first met.
    for (uint32_t count = 1; count <= PositionCount; ++count)
        AddKey(table, count, false);
}

void TCustomRepCount2Stat::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw earlier = ReadDraw(place.Index - DrawDistance(), place.Sorted);
    AddKey(table, static_cast<uint32_t>(RepeatCount(CurDraw.Values, earlier, ValueShift())), true);
}

bool TCustomRepCount2Stat::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                                   bool) {
    // The combination is the draw after refIndex, so the draw d back from it is d - 1 back
    // from the reference draw.
    const TDraw earlier = ReadDraw(refIndex - DrawDistance() + 1, sorted);
    return HasKeyWord(selected, 1, static_cast<uint16_t>(RepeatCount(comb.Values, earlier, ValueShift())));
}

void TstRepValues3::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    for (uint8_t v : ReadDraw(lastIndex, false).Values)
        AddKey(table, v, false);
}

void TstRepValues3::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw back1 = ReadDraw(place.Index - 1, place.Sorted);
    const TDraw back2 = ReadDraw(place.Index - 2, place.Sorted);
    for (size_t i = 0; i < PositionCount; ++i) {
        if (CurDraw.Values[i] == OtherDraw.Values[i] && RepeatsAt(CurDraw.Values, i, back1, back2, false))
            AddKey(table, CurDraw.Values[i], true);
    }
}

bool TstRepValues3::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasAnyValue(selected, comb.Values);
}

void TstRepValues2B3::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    for (uint8_t v : ReadDraw(lastIndex, false).Values)
        AddKey(table, v, false);
}

void TstRepValues2B3::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw back1 = ReadDraw(place.Index - 1, place.Sorted);
    const TDraw back2 = ReadDraw(place.Index - 2, place.Sorted);
    for (size_t i = 0; i < PositionCount; ++i) {
        if (CurDraw.Values[i] == OtherDraw.Values[i] && RepeatsAt(CurDraw.Values, i, back1, back2, true))
            AddKey(table, CurDraw.Values[i], true);
    }
}

bool TstRepValues2B3::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasAnyValue(selected, comb.Values);
}

void TstRepCount3::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    for (uint32_t count = 1; count <= PositionCount; ++count)
        AddKey(table, count, false);
}

void TstRepCount3::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw back1 = ReadDraw(place.Index - 1, place.Sorted);
    const TDraw back2 = ReadDraw(place.Index - 2, place.Sorted);
    AddKey(table, static_cast<uint32_t>(ThreeDrawCount(CurDraw.Values, back1, back2, false)), true);
}

bool TstRepCount3::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted, bool) {
    const int count =
        ThreeDrawCount(comb.Values, ReadDraw(refIndex, sorted), ReadDraw(refIndex - 1, sorted), false);
    return HasKeyWord(selected, 1, static_cast<uint16_t>(count));
}

void TstRepCount2B3::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    window_.Prepare(lastIndex);
    for (uint32_t count = 1; count <= PositionCount; ++count)
        AddKey(table, count, false);
}

void TstRepCount2B3::AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray&) {
    const TRepeatsWindow::Place place = window_.Locate(*this, scratch);
    const TDraw back1 = ReadDraw(place.Index - 1, place.Sorted);
    const TDraw back2 = ReadDraw(place.Index - 2, place.Sorted);
    AddKey(table, static_cast<uint32_t>(ThreeDrawCount(CurDraw.Values, back1, back2, true)), true);
}

bool TstRepCount2B3::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted, bool) {
    const int count =
        ThreeDrawCount(comb.Values, ReadDraw(refIndex, sorted), ReadDraw(refIndex - 1, sorted), true);
    return HasKeyWord(selected, 1, static_cast<uint16_t>(count));
}

namespace {

TStatClass Row(int position, const char* name, std::string code, std::string title,
               TStatClass::CreateFn create) {
    return StatRow(7, position, name, std::move(code), std::move(title), FeatureOtherDraw, false, true,
                   create);
}

// The shifted members put the shift into the code without a blank and into the title with one.
struct ShiftTexts {
    const char* Code;
    const char* Title;
};
constexpr ShiftTexts PlusOne{"+1", "+ 1"};
constexpr ShiftTexts MinusOne{"-1", "- 1"};
constexpr ShiftTexts PlusTwo{"+2", "+ 2"};
constexpr ShiftTexts MinusTwo{"-2", "- 2"};

constexpr const char* ValuesOverTitle = "Повторяющиеся числа в 2-х тиражах через %d тираж(а)";
constexpr const char* CountOverTitle = "Количество повторов в 2-х тиражах через %d тираж(а)";
constexpr const char* ValuesShiftTitle = "Данные предыдущего тиража %s";
constexpr const char* CountShiftTitle = "Количество совпадений \"значений %s\"";

TStatClass ValuesOver(int position, const char* name, int k, TStatClass::CreateFn create) {
    return Row(position, name, Format("PRV2O%d", {k}), Format(ValuesOverTitle, {k}), create);
}
TStatClass ValuesShifted(int position, const char* name, ShiftTexts shift, TStatClass::CreateFn create) {
    return Row(position, name, Format("PRV%s", {shift.Code}), Format(ValuesShiftTitle, {shift.Title}),
               create);
}
TStatClass CountShifted(int position, const char* name, ShiftTexts shift, TStatClass::CreateFn create) {
    return Row(position, name, Format("PRC%s", {shift.Code}), Format(CountShiftTitle, {shift.Title}), create);
}

}  // namespace

void RegisterRepeatsFamily(std::vector<TStatClass>& classes) {
    classes.push_back(
        Row(43, "TstRepValues2", "RPV2", "Повторяющиеся числа в 2-х тиражах подряд", Make<TstRepValues2>));
    classes.push_back(
        Row(44, "TstRepValues3", "RPV3", "Повторяющиеся числа в 3-х тиражах подряд", Make<TstRepValues3>));
    classes.push_back(Row(45, "TstRepValues2B3", "PRL2", "Повторяющиеся числа не более чем в 2-х тиражах",
                          Make<TstRepValues2B3>));
    classes.push_back(ValuesOver(46, "TstRepValues2over1", 1, Make<TstRepValues2over1>));
    classes.push_back(ValuesOver(47, "TstRepValues2over2", 2, Make<TstRepValues2over2>));
    classes.push_back(ValuesOver(48, "TstRepValues2over3", 3, Make<TstRepValues2over3>));
    classes.push_back(ValuesShifted(49, "TstRepValues2P1", PlusOne, Make<TstRepValues2P1>));
    classes.push_back(ValuesShifted(50, "TstRepValues2N1", MinusOne, Make<TstRepValues2N1>));
    classes.push_back(ValuesShifted(51, "TstRepValues2P2", PlusTwo, Make<TstRepValues2P2>));
    classes.push_back(ValuesShifted(52, "TstRepValues2N2", MinusTwo, Make<TstRepValues2N2>));
    classes.push_back(
        Row(53, "TstRepCount2", "RPC2", "Количество повторов в 2-х тиражах подряд", Make<TstRepCount2>));
    classes.push_back(
        Row(54, "TstRepCount3", "RPC3", "Количество повторов в 3-х тиражах подряд", Make<TstRepCount3>));
    classes.push_back(Row(55, "TstRepCount2B3", "PRB2", "Количество повторов не более чем в 2-х тиражах",
                          Make<TstRepCount2B3>));
    // Stored filters and scenarios know the two-back count member by this code, not PRC2O1.
    classes.push_back(
        Row(56, "TstRepCount2over1", "RPO1", Format(CountOverTitle, {1}), Make<TstRepCount2over1>));
    classes.push_back(Row(57, "TstRepCount2over2", Format("PRC2O%d", {2}), Format(CountOverTitle, {2}),
                          Make<TstRepCount2over2>));
    classes.push_back(Row(58, "TstRepCount2over3", Format("PRC2O%d", {3}), Format(CountOverTitle, {3}),
                          Make<TstRepCount2over3>));
    classes.push_back(CountShifted(59, "TstRepCount2P1", PlusOne, Make<TstRepCount2P1>));
    classes.push_back(CountShifted(60, "TstRepCount2N1", MinusOne, Make<TstRepCount2N1>));
    classes.push_back(CountShifted(61, "TstRepCount2P2", PlusTwo, Make<TstRepCount2P2>));
    classes.push_back(CountShifted(62, "TstRepCount2N2", MinusTwo, Make<TstRepCount2N2>));
}

}  // namespace quorvel
