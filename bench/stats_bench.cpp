#include <benchmark/benchmark.h>

#include "archive/draws_import.h"
#include "stats/custom_stat.h"
#include "stats/evaluation.h"
#include "stats/stat_list.h"

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
BENCHMARK(BM_EvaluateWindow1000)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);

void BM_MatchesAllCombinations(benchmark::State& state) {
    SampleEngine& engine = Engine();
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
BENCHMARK(BM_MatchesAllCombinations)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);

}  // namespace
