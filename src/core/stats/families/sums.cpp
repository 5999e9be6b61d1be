#include "core/stats/families/sums.h"
#include "core/stats/families/make_stat.h"

#include "core/model/transforms.h"
#include "core/stats/registry.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

using Values = std::array<uint8_t, PositionCount>;

constexpr const char* SumRangeTitleFormat = "Сумма тиража: диапазон %d (%d/%d)";
// The share printed in each range's title, as the program has always shown it.
constexpr int SumRangeShares[SumRangeCount][2] = {{1, 3}, {1, 2}, {2, 3}};

// Values of a damaged draw may exceed 9; every rule here only adds and compares them.
int SumOf(const Values& values) {
    return values[0] + values[1] + values[2];
}

bool IsEven(int v) {
    return v % 2 == 0;
}

bool IsPrime(int v) {
    return v == 1 || v == 2 || v == 3 || v == 5 || v == 7;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

int32_t SignedDword(const TStatDraw& value, int index) {
    return static_cast<int32_t>(value.KeyDword(index));
}

uint32_t Dword(int value) {
    return static_cast<uint32_t>(value);
}

// Whether a draw of the archive is the one that was loaded, its values perhaps sorted.
bool WasLoadedFrom(const TDraw& stored, const TDraw& loaded) {
    return stored.Number == loaded.Number && stored.DateText == loaded.DateText &&
           (stored.Values == loaded.Values || SortDrawValues(stored).Values == loaded.Values);
}

int SumsOfTwo(const Values& v) {
    return (v[1] + v[2] == v[0] ? 1 : 0) + (v[0] + v[2] == v[1] ? 1 : 0) + (v[0] + v[1] == v[2] ? 1 : 0);
}

}  // namespace

std::string TCustomSumStat::ValueText(const TStatDraw& value) const {
    return std::to_string(SignedDword(value, 1));
}

template <typename Add>
void TCustomSumStat::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(Dword(ValueOf(values)));
}

bool TCustomSumStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyPair(selected, static_cast<uint16_t>(ValueOf(comb.Values)), 0);
}

int TCustomSumStat::GraphValue(int, int, const TComb& comb, bool) {
    return ValueOf(comb.Values);
}

void TstSumValues::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int sum = SumLow; sum <= SumHigh; ++sum)
        AddKey(table, Dword(sum), false);
}

int TstSumValues::ValueOf(const Values& values) const {
    return SumOf(values);
}

int TstSumEvenValues::ValueOf(const Values& values) const {
    int sum = 0;
    for (uint8_t v : values)
        sum += IsEven(v) ? v : 0;
    return sum;
}

int TstSumPrimeValues::ValueOf(const Values& values) const {
    int sum = 0;
    for (uint8_t v : values)
        sum += IsPrime(v) ? v : 0;
    return sum;
}

bool TstSumRanges::InRange(int sum) const {
    if (Param < 1 || Param > SumRangeCount) return false;
    const TSumRange& range = SumRanges[Param - 1];
    return sum >= range.Low && sum <= range.High;
}

std::string TstSumRanges::ValueText(const TStatDraw& value) const {
    if (value.Key[0] != 1) return "Остальные";
    if (Param < 1 || Param > SumRangeCount) return {};
    const TSumRange& range = SumRanges[Param - 1];
    return Format("%d-%d", {range.Low, range.High});
}

void TstSumRanges::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    AddKey(table, 0, false);
    AddKey(table, 1, false);
}

template <typename Add>
void TstSumRanges::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(InRange(SumOf(values)) ? 1u : 0u);
}

bool TstSumRanges::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    // With both values selected the in-range test decides.
    const bool inRange = InRange(SumOf(comb.Values));
    return HasKeyWord(selected, 1, 1) ? inRange : !inRange;
}

int TstSumRanges::GraphValue(int, int, const TComb& comb, bool) {
    return InRange(SumOf(comb.Values)) ? 1 : 0;
}

int TPredecessorFinder::PreviousSum(const TCustomStat& stat) {
    const int depth = stat.Work.Depth;
    auto fits = [&](int lastIndex) {
        const int index = lastIndex - depth + 1;
        return index >= 0 && index < stat.DrawCount() &&
               WasLoadedFrom(stat.ReadDraw(index, false), stat.CurDraw) &&
               WasLoadedFrom(stat.ReadDraw(lastIndex, false), stat.OtherDraw);
    };
    if (!fits(lastIndex_)) {
        // Usually the window ends at the newest draw, so the search starts there.
        for (int last = stat.DrawCount() - 1; last >= 0; --last) {
            if (fits(last)) {
                lastIndex_ = last;
                break;
            }
        }
    }
    return SumOf(stat.ReadDraw(lastIndex_ - depth, false).Values);
}

std::string TstSumChange::ValueText(const TStatDraw& value) const {
    const int previous = SignedDword(value, 1);
    const int sum = SignedDword(value, 2);
    if (previous <= sum) return Format("+%0:.2d : %1:d + %0:d = %2:d", {sum - previous, previous, sum});
    return Format("- %0:.2d : %1:d - %0:d = %2:d", {previous - sum, previous, sum});
}

void TstSumChange::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    predecessor_.NoteLastIndex(lastIndex);
}

void TstSumChange::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    Work.SetKeyDword(1, Dword(SumOf(OtherDraw.Values)));
    Work.SetKeyDword(2, Dword(SumOf(comb.Values)));
    AddValue(table, Work, false);
}

void TstSumChange::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const int previous = predecessor_.PreviousSum(*this);
    if (previous != SumOf(OtherDraw.Values)) return;
    Work.SetKeyDword(1, Dword(previous));
    Work.SetKeyDword(2, Dword(SumOf(CurDraw.Values)));
    AddValue(table, Work, true);
}

bool TstSumChange::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyDword(selected, 2, Dword(SumOf(comb.Values)));
}

int TstSumChange::GraphValue(int index, int, const TComb& comb, bool) {
    return SumOf(comb.Values) - SumOf(ReadDraw(index - 1, false).Values);
}

std::string TstSumChangeSome::ValueText(const TStatDraw& value) const {
    const int change = SignedDword(value, 1);
    return change >= 0 ? Format("+%0:.2d", {change}) : Format("- %0:.2d", {-change});
}

void TstSumChangeSome::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    predecessor_.NoteLastIndex(lastIndex);
}

void TstSumChangeSome::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    AddKey(table, Dword(SumOf(comb.Values) - SumOf(OtherDraw.Values)), false);
}

void TstSumChangeSome::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const int previous = predecessor_.PreviousSum(*this);
    const int newest = SumOf(OtherDraw.Values);
    if (newest < previous - SumBand || newest > previous + SumBand) return;
    AddKey(table, Dword(SumOf(CurDraw.Values) - previous), true);
}

bool TstSumChangeSome::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                               bool) {
    // The draw is read into a local: loading it into the members for every combination of a
    // pass stored it only to read it back.
    const int newest = SumOf(ReadDraw(refIndex, sorted).Values);
    return HasKeyDword(selected, 1, Dword(SumOf(comb.Values) - newest));
}

std::string TstSumTrend::ValueText(const TStatDraw& value) const {
    const int sign = SignedDword(value, 1);
    return sign == 0 ? "=" : sign > 0 ? "+" : "-";
}

void TstSumTrend::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    predecessor_.NoteLastIndex(lastIndex);
    for (int sign : {0, 1, -1})
        AddKey(table, Dword(sign), false);
}

void TstSumTrend::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    AddKey(table, Dword(Sign(SumOf(comb.Values) - SumOf(OtherDraw.Values))), false);
}

void TstSumTrend::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const int previous = predecessor_.PreviousSum(*this);
    if (previous != SumOf(OtherDraw.Values)) return;
    AddKey(table, Dword(Sign(SumOf(CurDraw.Values) - previous)), true);
}

bool TstSumTrend::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted, bool) {
    const int newest = SumOf(ReadDraw(refIndex, sorted).Values);
    return HasKeyDword(selected, 1, Dword(Sign(SumOf(comb.Values) - newest)));
}

int TstSumTrend::GraphValue(int index, int, const TComb& comb, bool) {
    return Sign(SumOf(comb.Values) - SumOf(ReadDraw(index - 1, false).Values));
}

template <typename Add>
void TstSum2To3::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(Dword(SumsOfTwo(values)));
}

bool TstSum2To3::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(SumsOfTwo(comb.Values)));
}

int TstSum2To3::GraphValue(int, int, const TComb& comb, bool) {
    return SumsOfTwo(comb.Values);
}

namespace {

TStatClass Row(int position, const char* name, const char* code, const char* title, uint8_t flags, bool graph,
               bool numeric, TStatClass::CreateFn create) {
    return StatRow(1, position, name, code, title, flags, graph, numeric, create);
}

std::string SumRangeTitle(int param) {
    if (param < 1 || param > SumRangeCount) return {};
    const int* share = SumRangeShares[param - 1];
    return Format(SumRangeTitleFormat, {param, share[0], share[1]});
}

}  // namespace

void RegisterSumsFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t N = FeatureFullSet;
    constexpr uint8_t D = FeatureOtherDraw;
    classes.push_back(
        Row(9, "TstSumValues", "SUMS", "Сумма тиража: все значения", N, true, true, Make<TstSumValues>));
    TStatClass ranges =
        Row(10, "TstSumRanges", "SUM%d", SumRangeTitleFormat, N, true, false, Make<TstSumRanges>);
    ranges.ParamRange = [](const TStatList&) { return std::pair<int, int>{1, SumRangeCount}; };
    ranges.TitleOverride = SumRangeTitle;
    classes.push_back(ranges);
    classes.push_back(Row(11, "TstSumChange", "SUMC", "Сумма тиража: изменения (точно)", D, true, false,
                          Make<TstSumChange>));
    classes.push_back(Row(12, "TstSumChangeSome", "SUMV", "Сумма тиража: изменения (диапазон)", D, false,
                          false, Make<TstSumChangeSome>));
    classes.push_back(Row(13, "TstSumTrend", "SUMT", "Сумма тиража: направление изменения", D, true, false,
                          Make<TstSumTrend>));
    classes.push_back(Row(14, "TstSumEvenValues", "SUME", "Сумма тиража: только четные", N, true, true,
                          Make<TstSumEvenValues>));
    classes.push_back(Row(15, "TstSumPrimeValues", "SUMP", "Сумма тиража: только простые", N, true, true,
                          Make<TstSumPrimeValues>));
    classes.push_back(Row(16, "TstSum2To3", "S2T3", "Сумма двух чисел тиража равна третьему числу", N, true,
                          true, Make<TstSum2To3>));
}

}  // namespace quorvel
