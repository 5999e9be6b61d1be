#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>

#include "core/model/game.h"
#include "core/scenario/filter_variants.h"
#include "core/scenario/pass_effects.h"
#include "core/scenario/pass_plan.h"
#include "core/scenario/scenario_log_file.h"
#include "core/scenario_run/pass_workers.h"

namespace quorvel {

class Workspace;

// What the scenario tab's panels show while a scenario runs. The run writes it; the window
// may read it from its own thread at any time.
class ScenarioRunStatus {
public:
    std::atomic<bool> Running{false};
    std::atomic<int> Cycle{0};       // "Цикл: %d"
    std::atomic<int> Line{0};        // "Строка: %d", 1-based
    std::atomic<int> StakesMade{0};  // "Ставок: %d"
    // What the window's status bar shows while the run owns the workspace, refreshed at each
    // pass and line: the passes in all (1 for a forecast), the offset and next draw number of the
    // pass, the combinations in the list and the records of the stakes file.
    std::atomic<int> Passes{0};
    std::atomic<int> Offset{0};
    std::atomic<int> NextDraw{0};
    std::atomic<int> Combinations{0};
    std::atomic<int> StakeRecords{0};

    void SetText(std::string text);
    std::string Text() const;

    // The pass, the offset it works at and that offset's next draw, changed together: a reader
    // never pairs a pass with the offset of another one.
    struct Place {
        int Cycle = 0;
        int Offset = 0;
        int NextDraw = 0;
    };
    void SetPlace(bool newPass, int offset, int nextDraw);
    Place CurrentPlace() const;

private:
    mutable std::mutex mutex_;
    std::string text_;
};

struct ScenarioRunHooks {
    // Makes the row the only selected one of the scenario list; -1 clears the selection.
    std::function<void(int row)> SelectLine;
    // Shows the finished log with the system's viewer.
    std::function<void(const std::filesystem::path& file)> OpenLog;
};

struct ScenarioRunSummary {
    int Passes = 0;
    int Variants = 0;  // filter variants run, over all passes
    int StakesMade = 0;
    bool Stopped = false;
};

// "Прогноз" and "Тест": every line of the current scenario, each filter variant of a line on
// its start list, then the stakes its stake mode asks for. Everything goes through the
// workspace, so the run may go on another thread as long as nothing else touches the
// workspace meanwhile; a stop request (user, "STOP" mode or an error) is honoured at the next
// poll and the run unwinds through its closing steps.
class ScenarioRunner {
public:
    // A seed makes the "RAND" stakes reproducible.
    explicit ScenarioRunner(Workspace& workspace, ScenarioRunHooks hooks = {},
                            std::optional<uint32_t> seed = std::nullopt);
    ~ScenarioRunner();
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    ScenarioRunSummary Run();
    // Passes at the offsets tests, tests - 1, ..., 1; a complete test restores the offset. With
    // several jobs the passes are worked out ahead on as many threads, each over its own copy of
    // the archive and settings, and their stakes reach the file in pass order: the files come
    // out the same as with one job. Each pass draws its random stakes from its own stream, seeded
    // by the run's seed and the pass's offset.
    // When every pass continues the list of the one before, the passes are worked out one after
    // another on one thread while the run does their effects.
    ScenarioRunSummary Test(int tests, int jobs = 1);
    // A shard of a test of tests passes: the passes of the range worked out on jobs threads and
    // handed over in order, none of their effects done. Passes that the range's first one
    // continues from are worked out first and not handed over. Ends early after a pass that
    // stops the test.
    void RecordShard(int tests, PassRange range, int jobs, const std::function<void(RecordedPass)>& keep);
    // The passes that shards of a test recorded, done in order as Test(tests) does them; take
    // gives the pass at an offset.
    ScenarioRunSummary Merge(int tests, const std::function<RecordedPass(int offset)>& take);
    // "Стоп" after the user's confirmation: logged, and honoured at the next poll.
    void RequestUserStop();

    // A worker's share of a parallel test: the lines at one offset, with their effects kept in
    // the recorder instead of done. Returns the number of filter variants run.
    int RecordPass(int offset, PassRecorder& recorder);

    const ScenarioRunStatus& Status() const { return status_; }
    // The log of the current or last run; empty when the log was off.
    std::filesystem::path LogPath() const { return logPath_; }

private:
    struct LineContext;
    class DirectEffects;

    bool Stop();
    void Log(const std::string& line);
    // Straight to the log file, from the run's own thread or the window's.
    void WriteLog(const std::string& line);
    template <typename MakeLine>
    void LogLazy(MakeLine makeLine);
    void BeginRun();
    void EndRun(bool announceEnd);
    void LogOffset(int offset);
    void RunAllLines();
    // Copies what the status bar shows into the status, from the thread that owns the workspace.
    void PublishPanels(bool newPass = false);
    bool BeginPass();
    void RunPassLines();
    void EndPass();
    void SeedPass(int offset);
    bool EnterOffset(int offset);
    void TestSequentially(int tests);
    void TestInParallel(int tests, int jobs);
    void LogPassOrder();
    // The passes at the offsets tests..1 from the source, their effects done in order.
    void ReplayPasses(int tests, const std::function<WorkedPass(int offset)>& take);
    void RunLine(int index);
    void RunLineSteps(LineContext& line);
    void RunLineWithoutSteps(LineContext& line);
    void RunVariant(LineContext& line, int number, int count, const TFilterRec& variant);
    void BuildStartList(const LineContext& line);
    void MakeStakes(const LineContext& line, int variant, const std::string& variantText);
    void PlaySystem(const LineContext& line, const std::string& comment);
    void AddStake(const LineContext& line, const TComb& comb, const std::string& comment);
    void CheckStakesAfterVariant(const LineContext& line);
    // The sink of the filter steps' own log lines; none while the log is off.
    ScenarioLogSink* StepLog();

    Workspace& ws_;
    ScenarioRunHooks hooks_;
    std::mt19937 random_;
    uint32_t seed_ = 0;
    std::unique_ptr<DirectEffects> direct_;
    PassEffects* effects_ = nullptr;
    ScenarioLogSink* stepLog_ = nullptr;
    bool logging_ = false;
    ScenarioRunStatus status_;
    // The user's stop is logged from the window's thread.
    std::mutex logMutex_;
    std::unique_ptr<ScenarioLogFile> log_;
    std::filesystem::path logPath_;
    ScenarioRunSummary summary_;
    std::chrono::steady_clock::time_point ratingSaved_;
    int savedSortColumn_ = 1;
    bool savedDescending_ = false;
};

}  // namespace quorvel
