#include <benchmark/benchmark.h>

#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/util/format.h"

namespace {

void BM_StrToComb(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvel::StrToComb("3;0;7"));
}
BENCHMARK(BM_StrToComb);

void BM_FormatStatusText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvel::Format("Следующий тираж: %d", {3330}));
}
BENCHMARK(BM_FormatStatusText);

void BM_StrToIntListRange(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvel::StrToIntList("1-1000;1"));
}
BENCHMARK(BM_StrToIntListRange);

}  // namespace
