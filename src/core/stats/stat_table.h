#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/archive/draw_archive.h"
#include "core/stats/custom_stat.h"
#include "core/stats/fullset_file.h"
#include "core/stats/stat_list.h"

namespace quorvel {

constexpr int StatColumnCount = 20;
extern const std::array<const char*, StatColumnCount> StatColumnCaptions;

// One row of the statistics table: the value's entry and the texts of its 20 columns.
struct TStatRow {
    TStatDraw Entry;
    std::array<std::string, StatColumnCount> Texts;
};

struct TStatChartPoint {
    double X = 0;
    double Y = 0;
    std::string Label;
};

struct TStatTable {
    std::vector<TStatRow> Rows;
    // "Фактические данные" and, with a norm and the ideal line on, "Все возможные комбинации".
    std::vector<TStatChartPoint> Actual;
    std::vector<TStatChartPoint> Total;
    bool HasNorm = false;
    int FirstIndex = 0;
    int LastIndex = -1;
    int WindowSize = 0;
};

struct TStatTableRequest {
    int WindowLength = 1000;
    bool Sorted = false;
    WeightCoefficients Weights;
    const FullSetData* FullSet = nullptr;  // the method's full-set counts, when compared with them
    bool ShowTotalLine = true;
};

// Evaluates the method over the window of the newest draws seen at the archive's offset and
// makes one row per value with its counts, norm, depth, weight, periods, estimates and, when
// the offset hides later draws, the draw where the value really came next.
TStatTable ComputeStatTable(TCustomStat& stat, const DrawArchive& archive, const TStatTableRequest& request);

struct TRowWeightInput {
    int32_t Count = 0;
    int32_t Norm = 0;
    int32_t Depth = 0;
    bool HasNorm = false;
    int64_t Total = 0;
    int32_t MaxDepth = 0;
};
double RowWeight(const TRowWeightInput& row, const WeightCoefficients& weights);

// "+d" when the estimate text is above the fact, the plain difference otherwise; "-" when the
// estimate is not a number.
std::string EstimateDiffText(const std::string& estimate, int fact);

// Sorts rows by the texts of one column (numbers as numbers), the captions breaking ties.
void SortStatRows(std::vector<TStatRow>& rows, int column, bool descending);
// Whether a cell text reads as a number ("," counting as the point), and its value.
bool CellNumber(const std::string& text, double& value);

// The twelve texts a scenario's selection rules read from a row: the value text, the key
// (left empty here), then the texts of the columns 1, 2, 4, 5, 6, 7, 8, 10, 11, 12.
using TStatValues = std::array<std::string, 12>;
TStatValues ReadRowTexts(const TStatRow* row);

}  // namespace quorvel
