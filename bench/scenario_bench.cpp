#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/app/workspace.h"
#include "core/scenario_run/scenario_run.h"

namespace {

using namespace quorvel;

class SilentHost : public UiHost {
public:
    void ShowProgress(const std::string&) override {}
    void ShowError(const std::string& text) override { errors += text; }
    void ShowInfo(const std::string&) override {}
    void ShowWarning(const std::string&, WarningCaption) override {}
    bool AskYesNo(const std::string&) override { return true; }
    bool AskDelete(const std::string&) override { return true; }
    std::string errors;
};

// Two steps of 100 and 2 x 2 variants: 200 variants, 400 variant-steps a pass.
const std::vector<std::string> TwoStepLine{
    "FULL:0#FIRST|TMD1#NUMS:100-1000;100#LMV:5-9;1#SF:0|TMF1#SUMS:50,100#CMV:2,3#SF:0| | | | | |perf"};
constexpr int VariantsPerPass = 200;
constexpr int StepsPerVariant = 2;
constexpr int Tests = 50;

std::filesystem::path NewScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
}

// One back-test on a fresh data directory holding the sample archive; the seconds it took.
double TimedBackTest(int jobs, bool checkOnLine, benchmark::State& state) {
    const std::filesystem::path dir = NewScratchDir();
    SilentHost host;
    double seconds = 0;
    {
        Workspace workspace(DataDirectory(dir), host, {}, Workspace::Mode::CommandLine);
        workspace.LoadStartupSettings();
        workspace.Initialise();
        workspace.Draws().ImportDraws(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv");
        workspace.Options().StakesCheckOnLine = checkOnLine;
        workspace.Script().UseUnsaved(TwoStepLine);
        ScenarioRunner runner(workspace, {}, 1u);
        const auto start = std::chrono::steady_clock::now();
        const ScenarioRunSummary summary = runner.Test(Tests, jobs);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (summary.Variants != VariantsPerPass * Tests) state.SkipWithError(host.errors.c_str());
        workspace.Shutdown();
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return seconds;
}

// The back-test of 50 past draws on one job and on two, measured in the same run, with the
// stakes checked after each variant (1) or once per pass (0).
void BM_BackTestScaling(benchmark::State& state) {
    const bool checkOnLine = state.range(0) != 0;
    double one = 0;
    double two = 0;
    for (auto _ : state) {
        one += TimedBackTest(1, checkOnLine, state);
        two += TimedBackTest(2, checkOnLine, state);
    }
    const double variantSteps = static_cast<double>(VariantsPerPass) * StepsPerVariant * Tests;
    const double iterations = static_cast<double>(state.iterations());
    state.counters["1 job variant-steps/s"] = variantSteps * iterations / one;
    state.counters["2 jobs variant-steps/s"] = variantSteps * iterations / two;
    state.counters["2 jobs / 1 job"] = one / two;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_BackTestScaling)
    ->ArgNames({"check-each-line"})
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace
