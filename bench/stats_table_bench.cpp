// The statistics table, counting and the filtering pass on the large archive, as the desktop
// program runs them: window 1000, full-set comparison on.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <vector>

#include "bench/large_archive.h"
#include "core/combos/filter_pass.h"
#include "core/combos/generation.h"
#include "core/stats/evaluation.h"
#include "core/stats/fullset_file.h"
#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"

namespace {

using namespace quorvel;

struct LargeEngine {
    LargeEngine() : archive(bench::LargeArchive()), stats("unused.ini") {
        stats.SetDraws(&archive.Draws());
        stats.Rebuild();
        for (const TStatMethod& entry : stats.Items) {
            if (!entry.StatClass->SupportsFullSet()) {
                fullSets.emplace_back();
                continue;
            }
            auto stat = entry.CreateStat(stats);
            fullSets.emplace_back(BuildFullSet(*stat));
        }
    }
    const TStatMethod* Entry(benchmark::State& state) {
        if (state.range(0) >= stats.Count()) {
            state.SkipWithError("no such entry");
            return nullptr;
        }
        const TStatMethod& entry = stats.Items[static_cast<size_t>(state.range(0))];
        state.SetLabel(entry.Code());
        return &entry;
    }
    TStatTableRequest Request(size_t entry) const {
        TStatTableRequest request;
        request.WindowLength = 1000;
        request.FullSet = fullSets[entry] ? &*fullSets[entry] : nullptr;
        return request;
    }

    DrawArchive archive;
    TStatList stats;
    std::vector<std::optional<FullSetData>> fullSets;
};

LargeEngine& Engine() {
    static LargeEngine engine;
    return engine;
}

// Every catalogue entry's table with all its texts, at offsets 0 and 1000.
void BM_StatTable(benchmark::State& state) {
    LargeEngine& engine = Engine();
    const TStatMethod* entry = engine.Entry(state);
    if (entry == nullptr) return;
    engine.archive.SetOffset(static_cast<int>(state.range(1)));
    const TStatTableRequest request = engine.Request(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        auto stat = entry->CreateStat(engine.stats);
        benchmark::DoNotOptimize(ComputeStatTable(*stat, engine.archive, request));
    }
    engine.archive.SetOffset(0);
}
BENCHMARK(BM_StatTable)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 144, 1), {0, 1000}})
    ->Unit(benchmark::kMicrosecond);

// Counting alone, the window moving by a prime step each call so that no call repeats the last.
void BM_CountVaryingWindow(benchmark::State& state) {
    LargeEngine& engine = Engine();
    const TStatMethod* entry = engine.Entry(state);
    if (entry == nullptr) return;
    auto stat = entry->CreateStat(engine.stats);
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    const int newest = engine.archive.Count() - 1;
    int shift = 0;
    for (auto _ : state) {
        shift = (shift + 7919) % (newest - 1000);
        EvaluateWindow(*stat, newest - shift - 999, newest - shift, false, table, scratch, lastValues);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_CountVaryingWindow)->Arg(0)->Arg(1)->Arg(71)->Arg(88)->Arg(93)->Unit(benchmark::kMicrosecond);

// One filtering pass over the 1000 combinations, keeping those with any of half of the table's
// values (every other row), for every catalogue entry.
void BM_FilterPass(benchmark::State& state) {
    LargeEngine& engine = Engine();
    const TStatMethod* entry = engine.Entry(state);
    if (entry == nullptr) return;
    auto stat = entry->CreateStat(engine.stats);
    const TStatTable table =
        ComputeStatTable(*stat, engine.archive, engine.Request(static_cast<size_t>(state.range(0))));
    std::vector<const TStatRow*> rows;
    for (size_t r = 0; r < table.Rows.size(); r += 2)
        rows.push_back(&table.Rows[r]);
    const TFilterSelection selection = SelectionFromStatRows(rows);
    TCombList list;
    list.AssignList(GenerateCombs({}));
    list.MakeUndoCopy();
    const int refIndex = engine.archive.Count() - 1;
    for (auto _ : state) {
        RunFilterPass(list, *stat, selection, false, refIndex, false, "");
        benchmark::DoNotOptimize(list.CombCount());
        // One pass adds one record to a short list of applied filters, not to an ever longer one.
        list.RemoveLastApplied();
    }
}
BENCHMARK(BM_FilterPass)->DenseRange(0, 144)->Unit(benchmark::kMicrosecond);

}  // namespace
