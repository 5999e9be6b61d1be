#include "core/stats/families/segments.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>

#include "core/model/lists.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"

namespace quorvel {

int SegmentOf(const TSegmentTable& segments, int position, int value) {
    if (position < 1 || position > PositionCount || !IsValidValue(value)) return -1;
    return segments[static_cast<size_t>(position - 1)][static_cast<size_t>(value)];
}

std::array<int, PositionCount> CellSegments(const TSegmentTable& segments,
                                            const std::array<uint8_t, PositionCount>& values) {
    std::array<int, PositionCount> cells{};
    for (int p = 0; p < PositionCount; ++p)
        cells[static_cast<size_t>(p)] = SegmentOf(segments, p + 1, values[static_cast<size_t>(p)]);
    return cells;
}

TCustomSegmentsStat::TCustomSegmentsStat(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomNumbersStat(statClass, owner, param), segments_(owner.Config.MatrixSegments) {}

TCustomSegmentsGraphStat::TCustomSegmentsGraphStat(const TStatClass& statClass, const TStatList& owner,
                                                   int param)
    : TCustomGraphStat(statClass, owner, param), segments_(owner.Config.MatrixSegments) {}

void TstSegments::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (const auto& row : Segments()) {
        for (uint8_t segment : row)
            AddKey(table, segment, false);
    }
}

bool TstSegments::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (int segment : CellSegments(Segments(), comb.Values)) {
        if (segment >= 0 && HasKeyWord(selected, 1, static_cast<uint16_t>(segment))) return true;
    }
    return false;
}

TstSegmValues::TstSegmValues(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomSegmentsStat(statClass, owner, param) {
    for (const auto& row : Segments()) {
        for (uint8_t segment : row)
            AddValueCount(inUse_, segment, 0);
    }
    counts_.reserve(inUse_.size());
}

const TStatSimpleArray& TstSegmValues::CountsOf(const std::array<uint8_t, PositionCount>& values) {
    counts_.assign(inUse_.begin(), inUse_.end());
    // Every cell's segment is already listed, so the counts only grow.
    for (int segment : CellSegments(Segments(), values)) {
        if (segment >= 0) AddValueCount(counts_, segment, 1);
    }
    return counts_;
}

void TstSegmValues::AddCounts(TStatDrawArray& table, const std::array<uint8_t, PositionCount>& values,
                              bool trackPeriods) {
    for (const TStatSimple& element : CountsOf(values)) {
        Work.Key = {static_cast<uint16_t>(element.Key), static_cast<uint16_t>(element.Count), 0, 0};
        AddValue(table, Work, trackPeriods);
    }
}

std::string TstSegmValues::ValueText(const TStatDraw& value) const {
    return Format("%0:d x %1:d", {static_cast<int>(value.Key[0]), static_cast<int>(value.Key[1])});
}

void TstSegmValues::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    AddCounts(table, comb.Values, false);
}

void TstSegmValues::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    AddCounts(table, CurDraw.Values, true);
}

bool TstSegmValues::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    for (const TStatSimple& element : CountsOf(comb.Values)) {
        if (HasKey(selected, static_cast<uint16_t>(element.Key), static_cast<uint16_t>(element.Count), 0, 0))
            return true;
    }
    return false;
}

int TstSegmCount::CountOf(const std::array<uint8_t, PositionCount>& values) const {
    const auto cells = CellSegments(Segments(), values);
    int count = 0;
    for (size_t p = 0; p < cells.size(); ++p) {
        if (cells[p] >= 0 && std::find(cells.begin(), cells.begin() + static_cast<long>(p), cells[p]) ==
                                 cells.begin() + static_cast<long>(p)) {
            ++count;
        }
    }
    return count;
}

bool TstSegmCount::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(CountOf(comb.Values)));
}

int TstSegmCount::GraphValue(int, int, const TComb& comb, bool) {
    return CountOf(comb.Values);
}

int TstSgmValCnt::CountOf(const std::array<uint8_t, PositionCount>& values) const {
    const auto cells = CellSegments(Segments(), values);
    return static_cast<int>(std::count(cells.begin(), cells.end(), Param));
}

bool TstSgmValCnt::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(CountOf(comb.Values)));
}

int TstSgmValCnt::GraphValue(int, int, const TComb& comb, bool) {
    return CountOf(comb.Values);
}

namespace {

TStatClass Row(int position, const char* name, std::string code, std::string title, uint8_t flags, bool graph,
               bool numericValues, TStatClass::CreateFn create) {
    return StatRow(5, position, name, std::move(code), std::move(title), flags, graph, numericValues, create);
}

// A tuple class carries its k in its code and title already.
TStatClass TupleRow(int position, const char* name, const char* code, const char* title, int k,
                    TStatClass::CreateFn create) {
    return TupleStatRow(5, position, name, code, title, k, create);
}

}  // namespace

void RegisterSegmentsFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t N = FeatureFullSet;
    classes.push_back(Row(37, "TstSegments", "SGMS", "Сегменты матрицы", N, false, true, Make<TstSegments>));
    classes.push_back(Row(38, "TstSegmValues", "SGMV", "Количество чисел в сегменте матрицы", N, false, false,
                          Make<TstSegmValues>));
    classes.push_back(Row(39, "TstSegmCount", "SGMC", "Количество не пустых сегментов в матрице", N, true,
                          true, Make<TstSegmCount>));

    const char* mix = "Сочетания из %0:d сегментов по всем числам тиража";
    const char* seq = "Сочетания из %0:d сегментов по соседним числам";
    classes.push_back(TupleRow(96, "TstCombSegmMix2", "KGM%d", mix, 2, Make<TstCombSegmMix2>));
    classes.push_back(TupleRow(97, "TstCombSegmMix3", "KGM%d", mix, 3, Make<TstCombSegmMix3>));
    classes.push_back(TupleRow(98, "TstCombSegmMix4", "KGM%d", mix, 4, Make<TstCombSegmMix4>));
    classes.push_back(TupleRow(99, "TstCombSegmSeq2", "KGS%d", seq, 2, Make<TstCombSegmSeq2>));
    classes.push_back(TupleRow(100, "TstCombSegmSeq3", "KGS%d", seq, 3, Make<TstCombSegmSeq3>));
    classes.push_back(TupleRow(101, "TstCombSegmSeq4", "KGS%d", seq, 4, Make<TstCombSegmSeq4>));

    TStatClass perSegment = Row(107, "TstSgmValCnt", "SGM%d", "Количество чисел в %0:d сегменте матрицы", N,
                                true, true, Make<TstSgmValCnt>);
    perSegment.HelpTopic = "SGMx";
    // Every number from the smallest to the largest in the current settings gets a method,
    // used or not; the range always reaches segment 1 from either side.
    perSegment.ParamRange = [](const TStatList& owner) {
        int smallest = 255;
        int largest = 0;
        for (const auto& row : owner.Config.MatrixSegments) {
            for (uint8_t segment : row) {
                smallest = std::min<int>(smallest, segment);
                largest = std::max<int>(largest, segment);
            }
        }
        return std::pair<int, int>{std::min(9, smallest), std::max(1, largest)};
    };
    classes.push_back(perSegment);
}

}  // namespace quorvel
