#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/archive/draw_archive.h"
#include "core/archive/draws_file.h"
#include "core/archive/draws_import.h"

namespace {

using namespace quorvel;

TDrawsArray MakeDraws(int count) {
    TDrawsArray draws(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        draws[i].Number = i + 1;
        draws[i].Values = {static_cast<uint8_t>(i % 10), static_cast<uint8_t>(i / 10 % 10),
                           static_cast<uint8_t>(i / 100 % 10)};
        draws[i].DateText.SetText("05.03.2024 21:30");
    }
    return draws;
}

std::filesystem::path BenchFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

void BM_SaveDrawsFile100k(benchmark::State& state) {
    TDrawsArray draws = MakeDraws(100000);
    for (auto _ : state)
        SaveDrawsFile(BenchFile("quorvel-bench.ldr"), draws);
}
BENCHMARK(BM_SaveDrawsFile100k)->Unit(benchmark::kMillisecond);

void BM_LoadDrawsFile100k(benchmark::State& state) {
    SaveDrawsFile(BenchFile("quorvel-bench.ldr"), MakeDraws(100000));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDrawsFile(BenchFile("quorvel-bench.ldr")));
}
BENCHMARK(BM_LoadDrawsFile100k)->Unit(benchmark::kMillisecond);

void BM_ImportDraws100k(benchmark::State& state) {
    WriteDrawsTextFile(BenchFile("quorvel-bench.csv"), ExportDrawLines(MakeDraws(100000)));
    for (auto _ : state) {
        DrawArchive archive;
        ImportDrawLines(archive, ReadDrawsTextFile(BenchFile("quorvel-bench.csv")));
        benchmark::DoNotOptimize(archive.Count());
    }
}
BENCHMARK(BM_ImportDraws100k)->Unit(benchmark::kMillisecond);

void BM_IndexOfNumberRising(benchmark::State& state) {
    DrawArchive archive;
    archive.Assign(MakeDraws(static_cast<int>(state.range(0))));
    int n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(archive.IndexOfNumber(n));
        n = n % archive.Count() + 1;
    }
}
BENCHMARK(BM_IndexOfNumberRising)->Arg(1000)->Arg(100000)->Arg(1000000);

}  // namespace
