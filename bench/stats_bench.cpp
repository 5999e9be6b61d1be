#include <benchmark/benchmark.h>

#include "core/archive/draws_import.h"
#include "core/stats/custom_stat.h"
#include "core/stats/fullset_file.h"
#include "core/stats/stat_list.h"

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
