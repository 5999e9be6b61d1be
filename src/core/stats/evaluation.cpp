#include "core/stats/evaluation.h"

namespace quorvel {

namespace {

// The table is indexed while the method adds to it, and no longer once it is done, whatever way
// it ends.
class IndexedTable {
public:
    IndexedTable(TCustomStat& stat, TStatDrawArray& table) : stat_(stat) { stat_.IndexTable(table); }
    ~IndexedTable() { stat_.StopIndexing(); }
    IndexedTable(const IndexedTable&) = delete;
    IndexedTable& operator=(const IndexedTable&) = delete;

private:
    TCustomStat& stat_;
};

}  // namespace

void EvaluateWindow(TCustomStat& stat, int firstIndex, int lastIndex, bool sorted, TStatDrawArray& table,
                    TStatScratch& scratch, TLastValueArray& lastValues) {
    table.clear();
    // Room for the usual number of values up front, so the draw loop does not allocate.
    table.reserve(64);
    lastValues.clear();
    scratch.Ints.fill(0);
    scratch.Table.clear();
    if (firstIndex > lastIndex) return;
    stat.PrepareValues(lastIndex, table);
    const IndexedTable indexed(stat, table);
    stat.AddDraws(firstIndex, lastIndex, sorted, table, scratch, lastValues);
}

void EvaluateFullSet(TCustomStat& stat, TStatDrawArray& table) {
    table.clear();
    stat.OtherDraw = TDraw{};
    const IndexedTable indexed(stat, table);
    for (int i = 0; i < CombinationCount; ++i) {
        const TComb comb{
            {static_cast<uint8_t>(i / 100), static_cast<uint8_t>(i / 10 % 10), static_cast<uint8_t>(i % 10)}};
        stat.AddCombination(table, comb);
    }
    SortValues(table);
}

}  // namespace quorvel
