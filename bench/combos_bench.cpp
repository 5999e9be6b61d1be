#include <benchmark/benchmark.h>

#include "core/archive/draw_archive.h"
#include "core/combos/exclusion.h"
#include "core/combos/generation.h"

namespace {

using namespace quorvel;

void BM_GenerateFullList(benchmark::State& state) {
    TCombsGenerateParams params{0, ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCombs(params));
}
BENCHMARK(BM_GenerateFullList);

void BM_GenerateMyNumbersAny(benchmark::State& state) {
    TCombsGenerateParams params{1, "1;3;5;7"};
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCombs(params));
}
BENCHMARK(BM_GenerateMyNumbersAny);

// Excluding the last 1000 draws from the full list, progress text formatted as the
// desktop program would show it.
void BM_ExcludeLastDraws1000(benchmark::State& state) {
    TDrawsArray draws(1000);
    for (int i = 0; i < 1000; ++i) {
        int index = i * 7 % 1000;
        draws[i].Number = i + 1;
        draws[i].Values = {static_cast<uint8_t>(index / 100), static_cast<uint8_t>(index / 10 % 10),
                           static_cast<uint8_t>(index % 10)};
    }
    DrawArchive archive;
    archive.Assign(draws);
    TCombsArray all = GenerateCombs({0, ""});
    size_t reports = 0;
    auto progress = [&](const std::string& text) { reports += text.size(); };
    for (auto _ : state)
        benchmark::DoNotOptimize(ExcludeLastDraws(all, archive, 1000, progress));
    benchmark::DoNotOptimize(reports);
}
BENCHMARK(BM_ExcludeLastDraws1000);

}  // namespace
