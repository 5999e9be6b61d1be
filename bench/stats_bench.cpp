#include <benchmark/benchmark.h>

#include "core/archive/draws_import.h"
#include "core/combos/filter_pass.h"
#include "core/combos/generation.h"
#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/fullset_file.h"
#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"

namespace {

using namespace quorvel;

// The sample archive and a catalogue over it, made once.
struct SampleEngine {
    SampleEngine() : stats("unused.ini") {
        ImportDrawLines(archive, ReadDrawsTextFile(std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"));
        stats.SetDraws(&archive.Draws());
        stats.Rebuild();
    }
    DrawArchive archive;
    TStatList stats;
};

SampleEngine& Engine() {
    static SampleEngine engine;
    return engine;
}

void BM_EvaluateWindow1000(benchmark::State& state) {
    SampleEngine& engine = Engine();
    if (state.range(0) >= engine.stats.Count()) {
        state.SkipWithError("no such entry");
        return;
    }
    const TStatMethod& entry = engine.stats.Items[static_cast<size_t>(state.range(0))];
    state.SetLabel(entry.Code());
    auto stat = entry.CreateStat(engine.stats);
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    const int last = engine.archive.Count() - 1;
    for (auto _ : state) {
        EvaluateWindow(*stat, last - 999, last, false, table, scratch, lastValues);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_EvaluateWindow1000)->DenseRange(0, 144)->Unit(benchmark::kMicrosecond);

void BM_MatchesAllCombinations(benchmark::State& state) {
    SampleEngine& engine = Engine();
    if (state.range(0) >= engine.stats.Count()) {
        state.SkipWithError("no such entry");
        return;
    }
    const TStatMethod& entry = engine.stats.Items[static_cast<size_t>(state.range(0))];
    state.SetLabel(entry.Code());
    auto stat = entry.CreateStat(engine.stats);
    TStatDrawArray selected;
    TStatScratch scratch;
    TLastValueArray lastValues;
    const int last = engine.archive.Count() - 1;
    EvaluateWindow(*stat, last - 99, last, false, selected, scratch, lastValues);
    selected.resize(selected.size() / 2);  // half of the values selected
    for (auto _ : state) {
        int kept = 0;
        for (int i = 0; i < CombinationCount; ++i) {
            const TComb comb{{static_cast<uint8_t>(i / 100), static_cast<uint8_t>(i / 10 % 10),
                              static_cast<uint8_t>(i % 10)}};
            kept += stat->Matches(selected, last, comb, false, false) ? 1 : 0;
        }
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_MatchesAllCombinations)->DenseRange(0, 144)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

void BM_ComputeStatTableNums1000(benchmark::State& state) {
    SampleEngine& engine = Engine();
    engine.archive.SetOffset(static_cast<int>(state.range(0)));
    auto stat = engine.stats.Items[0].CreateStat(engine.stats);
    TStatTableRequest request;
    request.WindowLength = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStatTable(*stat, engine.archive, request));
    engine.archive.SetOffset(0);
}
BENCHMARK(BM_ComputeStatTableNums1000)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_FilterPass1000(benchmark::State& state) {
    SampleEngine& engine = Engine();
    auto stat = engine.stats.Items[0].CreateStat(engine.stats);
    TCombList list;
    list.AssignList(GenerateCombs({}));
    list.MakeUndoCopy();
    TFilterSelection selection = SelectionFromCardCells({"3", "7"});
    for (auto _ : state) {
        RunFilterPass(list, *stat, selection, false, engine.archive.Count() - 1, false, "Карта");
        benchmark::DoNotOptimize(list.CombCount());
    }
}
BENCHMARK(BM_FilterPass1000)->Unit(benchmark::kMicrosecond);

void BM_BuildEveryFullSet(benchmark::State& state) {
    SampleEngine& engine = Engine();
    for (auto _ : state) {
        for (const TStatMethod& entry : engine.stats.Items) {
            if (!entry.StatClass->SupportsFullSet()) continue;
            auto stat = entry.CreateStat(engine.stats);
            benchmark::DoNotOptimize(BuildFullSet(*stat));
        }
    }
}
BENCHMARK(BM_BuildEveryFullSet)->Unit(benchmark::kMicrosecond);

}  // namespace
