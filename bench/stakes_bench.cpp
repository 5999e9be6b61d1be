#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/archive/draw_archive.h"
#include "core/stakes/rating.h"
#include "core/stakes/significance.h"
#include "core/stakes/stakes_check.h"
#include "core/stakes/stakes_file.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"

namespace {

using namespace quorvel;

// A private directory for the stakes file of one benchmark, removed afterwards.
struct ScratchDir {
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

// Scenario-test sized: stakes of 200 filter variants, 5 per variant and draw, spread over the
// draws of the archive.
std::vector<TStakeRecord> ScenarioStakes(int count, int draws) {
    std::vector<TStakeRecord> stakes;
    stakes.reserve(static_cast<size_t>(count));
    TStakeRecord stake;
    stake.Kind = StakeKindScript;
    stake.SelectionSize = 12;
    stake.Profit = -10000;
    for (int i = 0; i < count; ++i) {
        const int variant = i / 5 % 200;
        stake.DrawNumber = 1 + static_cast<int>(int64_t{i} * draws / count);
        stake.Values = {3,
                        {static_cast<uint8_t>(i % 10), static_cast<uint8_t>(i / 10 % 10),
                         static_cast<uint8_t>(i / 100 % 10), 0}};
        stake.Comment.SetText(
            Format("01.%.3d: Тест @ FULL#RAND + TSD#NUMS:10#LMV:%d#SF:0", {variant, variant % 7}));
        stakes.push_back(stake);
    }
    return stakes;
}

DrawArchive Archive(int draws) {
    TDrawsArray array(static_cast<size_t>(draws));
    for (int i = 0; i < draws; ++i) {
        const int value = i * 7 % 1000;
        array[static_cast<size_t>(i)].Number = i + 1;
        array[static_cast<size_t>(i)].Values = {static_cast<uint8_t>(value / 100),
                                                static_cast<uint8_t>(value / 10 % 10),
                                                static_cast<uint8_t>(value % 10)};
    }
    DrawArchive archive;
    archive.Assign(array);
    return archive;
}

// Checking 1,000,000 stakes against a 30,000-draw archive: read, count, write back in place,
// feed the rating.
void BM_CheckMillionStakes(benchmark::State& state) {
    constexpr int Stakes = 1000000;
    constexpr int Draws = 30000;
    ScratchDir dir;
    const DrawArchive archive = Archive(Draws);
    TStatList stats((dir.path / "unused.ini").string());
    stats.Config.Cost = 10000;
    stats.Config.Profits = {{3, 5000000}, {2, 200000}};
    StakesFile file;
    file.Open(dir.path / "Quorvel_3r10.lsk");
    const std::vector<TStakeRecord> stakes = ScenarioStakes(Stakes, Draws);
    int checked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        file.Clear();
        file.AppendStakes(stakes, 1);
        TRating rating;
        state.ResumeTiming();
        TStakeCheckResult result = CheckAllStakes(file, archive, stats, rating, nullptr, {});
        checked = result.Checked;
        benchmark::DoNotOptimize(rating.Count());
    }
    state.counters["checked"] = checked;
}
BENCHMARK(BM_CheckMillionStakes)->Unit(benchmark::kMillisecond)->Iterations(3);

// Appending 100,000 stakes in one batch, as the multi-stake dialog does for a large list.
void BM_AppendHundredThousandStakes(benchmark::State& state) {
    ScratchDir dir;
    StakesFile file;
    file.Open(dir.path / "Quorvel_3r10.lsk");
    const std::vector<TStakeRecord> stakes = ScenarioStakes(100000, 30000);
    for (auto _ : state) {
        state.PauseTiming();
        file.Clear();
        state.ResumeTiming();
        benchmark::DoNotOptimize(file.AppendStakes(stakes, 1));
    }
}
BENCHMARK(BM_AppendHundredThousandStakes)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same stakes one append at a time, for comparison.
void BM_AppendHundredThousandStakesOneByOne(benchmark::State& state) {
    ScratchDir dir;
    StakesFile file;
    file.Open(dir.path / "Quorvel_3r10.lsk");
    const std::vector<TStakeRecord> stakes = ScenarioStakes(100000, 30000);
    for (auto _ : state) {
        state.PauseTiming();
        file.Clear();
        state.ResumeTiming();
        for (const TStakeRecord& stake : stakes)
            file.Append(stake);
    }
}
BENCHMARK(BM_AppendHundredThousandStakesOneByOne)->Unit(benchmark::kMillisecond)->Iterations(3);

// The chance of a rating row's matches over 10,000 stakes, laid out as the two extremes: one
// stake on each of 10,000 draws (range 0), and every combination on each of 10 draws (range 1).
void BM_RatingSignificance(benchmark::State& state) {
    const bool everyCombination = state.range(0) == 1;
    std::vector<TStakeComb> staked;
    for (int x = 0; x < (everyCombination ? 1000 : 1); ++x)
        staked.push_back({3,
                          {static_cast<uint8_t>(x / 100), static_cast<uint8_t>(x / 10 % 10),
                           static_cast<uint8_t>(x % 10), 0}});
    const int draws = everyCombination ? 10 : 10000;
    for (auto _ : state) {
        TotalDistribution total;
        for (int d = 0; d < draws; ++d)
            total.Add(DistributionOfDraw(staked).Matches, 1000);
        benchmark::DoNotOptimize(total.AtLeast(3000));
    }
}
BENCHMARK(BM_RatingSignificance)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
