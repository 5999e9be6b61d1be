#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/workspace.h"
#include "scenario/scenario_run.h"

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

// Three lines, 292 variants in all, one filter step each.
const std::vector<std::string> ThreeLines{
    "FULL:0#FIRST|TSD1#NUMS:5-100;1#LNO:#ST:2| | | | | | |a",
    "FULL:0#LAST|TSD1#SUMS:5-104;1#LNO:#ST:3| | | | | | |b",
    "FULL:0#RAND|BSD1#NUMS:10-105;1#LNO:#ST:1| | | | | | |c",
};
constexpr int VariantsPerPass = 96 + 100 + 96;

// A back-test over 100 past draws on one job and on two; the rate is per second of wall time.
void BM_ScenarioTest(benchmark::State& state) {
    const int tests = static_cast<int>(state.range(0));
    const int jobs = static_cast<int>(state.range(1));
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const std::filesystem::path dir = pattern;
    SilentHost host;
    {
        Workspace workspace(DataDirectory(dir), host, {}, Workspace::Mode::CommandLine);
        workspace.LoadStartupSettings();
        workspace.Initialise();
        workspace.ImportDraws(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv");
        workspace.UseScenarioUnsaved(ThreeLines);
        for (auto _ : state) {
            ScenarioRunner runner(workspace, {}, 1u);
            const ScenarioRunSummary summary = runner.Test(tests, jobs);
            if (summary.Variants != VariantsPerPass * tests) state.SkipWithError(host.errors.c_str());
        }
    }
    state.counters["variant-steps/s"] = benchmark::Counter(static_cast<double>(VariantsPerPass) * tests,
                                                           benchmark::Counter::kIsIterationInvariantRate);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_ScenarioTest)
    ->ArgNames({"tests", "jobs"})
    ->Args({100, 1})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
