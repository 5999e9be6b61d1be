#include "core/stats/families/differences.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>
#include <cstdlib>

#include "core/stats/registry.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

// Differences of a damaged draw may exceed 9; they are only stored and compared, never
// used as an index.
uint16_t Word(int value) {
    return static_cast<uint16_t>(value);
}

}  // namespace

TNeighbourDiffs NeighbourDiffsOf(const std::array<uint8_t, PositionCount>& values) {
    TNeighbourDiffs diffs;
    diffs.D1 = std::abs(values[1] - values[0]);
    diffs.D2 = std::abs(values[2] - values[1]);
    const auto [low, high] = std::minmax({values[0], values[1], values[2]});
    diffs.Spread = high - low;
    return diffs;
}

void TstDiffTotal::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (uint32_t d = 1; d <= ValueMax; ++d)
        AddKey(table, d, false);
}

void TstDiffTotal::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(comb.Values);
    AddKey(table, Word(diffs.D1), false);
    AddKey(table, Word(diffs.D2), false);
}

void TstDiffTotal::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(CurDraw.Values);
    // Only the first difference of a draw records a gap, so a repeated difference does not
    // wipe the shortest period.
    AddKey(table, Word(diffs.D1), true);
    AddKey(table, Word(diffs.D2), false);
}

bool TstDiffTotal::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(comb.Values);
    return HasKeyWord(selected, 1, Word(diffs.D1)) || HasKeyWord(selected, 1, Word(diffs.D2));
}

void TCustomDiffGraphStat::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int v = FirstListed(); v <= LastListed(); ++v)
        AddKey(table, Word(v), false);
}

template <typename Add>
void TCustomDiffGraphStat::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(Word(ValueOf(NeighbourDiffsOf(values))));
}

bool TCustomDiffGraphStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, Word(ValueOf(NeighbourDiffsOf(comb.Values))));
}

int TCustomDiffGraphStat::GraphValue(int, int, const TComb& comb, bool) {
    return ValueOf(NeighbourDiffsOf(comb.Values));
}

std::string TstDiffSame::ValueText(const TStatDraw& value) const {
    return Format("%0:d x %1:d", {static_cast<int>(value.Key[0]), static_cast<int>(value.Key[1])});
}

template <typename Add>
void TstDiffSame::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(values);
    const int multiplicity = diffs.Multiplicity();
    add(KeyWord(diffs.D1, 0) | KeyWord(multiplicity, 1));
    if (multiplicity == 1) add(KeyWord(diffs.D2, 0) | KeyWord(1, 1));
}

bool TstDiffSame::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(comb.Values);
    if (diffs.Multiplicity() == 2) return HasKey(selected, Word(diffs.D1), 2, 0, 0);
    return HasKey(selected, Word(diffs.D1), 1, 0, 0) || HasKey(selected, Word(diffs.D2), 1, 0, 0);
}

std::string TCustomCombDiffSeqStat::ValueText(const TStatDraw& value) const {
    return KeyWordsText(value, TupleSize());
}

template <typename Add>
void TstCombDiffSeq2::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(values);
    add(KeyWord(diffs.D1, 0) | KeyWord(diffs.D2, 1));
}

bool TstCombDiffSeq2::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    const TNeighbourDiffs diffs = NeighbourDiffsOf(comb.Values);
    return HasKey(selected, Word(diffs.D1), Word(diffs.D2), 0, 0);
}

namespace {

TStatClass Row(int position, const char* name, std::string code, std::string title, uint8_t flags, bool graph,
               bool numeric, TStatClass::CreateFn create) {
    return StatRow(2, position, name, std::move(code), std::move(title), flags, graph, numeric, create);
}

// The tuple classes fill their patterns with their own size; only pairs exist in this game.
TStatClass DiffSeqRow(int position, const char* name, int size, bool available, TStatClass::CreateFn create) {
    TStatClass c = Row(position, name, Format("KDS%d", {size}),
                       Format("Сочетания из %0:d разностей между числами", {size}), FeaturePositional, false,
                       false, create);
    c.Available = available;
    return c;
}

}  // namespace

void RegisterDifferencesFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t S = FeaturePositional;
    constexpr uint8_t N = FeatureFullSet;
    classes.push_back(Row(17, "TstDiffTotal", "DIFA", "Все разности между соседними позициями", S | N, false,
                          true, Make<TstDiffTotal>));
    classes.push_back(Row(18, "TstDiffMax", "DIFM", "Максимальная разность между соседними позициями", S | N,
                          true, true, Make<TstDiffMax>));
    classes.push_back(Row(19, "TstMinMaxDiffs", "DIFD", "Разность между минимальным и максимальным числом", N,
                          true, true, Make<TstMinMaxDiffs>));
    classes.push_back(Row(20, "TstDiffSame", "DIFO", "Одинаковые разности между соседними позициями", S | N,
                          false, false, Make<TstDiffSame>));
    classes.push_back(Row(21, "TstDiffSameCnt", "DIFK",
                          "Количество одинаковых разностей между соседними позициями", S | N, true, true,
                          Make<TstDiffSameCnt>));
    classes.push_back(DiffSeqRow(75, "TstCombDiffSeq2", 2, true, Make<TstCombDiffSeq2>));
    classes.push_back(DiffSeqRow(76, "TstCombDiffSeq3", 3, false, Make<TstCombDiffSeq3>));
    classes.push_back(DiffSeqRow(77, "TstCombDiffSeq4", 4, false, Make<TstCombDiffSeq4>));
}

}  // namespace quorvel
