#include "cli/commands_scenario.h"

#include <signal.h>

#include <atomic>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/model/text_forms.h"
#include "core/scenario/filter_item.h"
#include "core/scenario/script_line.h"
#include "core/scenario_run/filter_step.h"
#include "core/scenario_run/scenario_run.h"
#include "core/scenario_run/shard_merge.h"
#include "core/scenario_run/validation.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

// The walk's log as it happens, one line each, without the time prefix of the log file.
class StreamLog : public ScenarioLogSink {
public:
    explicit StreamLog(std::ostream& stream) : stream_(stream) {}
    void WriteLine(const std::string& line) override { stream_ << line << "\n"; }

private:
    std::ostream& stream_;
};

void PrintSummary(const ScenarioRunSummary& summary, const std::filesystem::path& log, std::ostream& out) {
    out << Text("Проходов:") << " " << summary.Passes << "\n";
    out << Text("Вариантов фильтров:") << " " << summary.Variants << "\n";
    out << Text("Ставок:") << " " << summary.StakesMade << "\n";
    if (!log.empty()) out << Text("Журнал:") << " " << log.string() << "\n";
}

// "K/M" with 1 <= K <= M <= tests.
bool ParseShard(const std::string& text, int tests, int& shard, int& shards, std::ostream& err) {
    const size_t slash = text.find('/');
    const auto k = slash == std::string::npos ? std::nullopt : ParseInt32(text.substr(0, slash));
    const auto m = slash == std::string::npos ? std::nullopt : ParseInt32(text.substr(slash + 1));
    if (!k || !m || *k < 1 || *k > *m || *m > tests) {
        err << Format(Text("Неверная часть теста \"%s\": нужно K/M, где 1 <= K <= M <= %d"), {text, tests})
            << "\n";
        return false;
    }
    shard = *k;
    shards = *m;
    return true;
}

int WriteShard(Workspace& workspace, const std::string& shardText, const std::string& file, int tests,
               int seed, int jobs, std::ostream& out, std::ostream& err) {
    int shard = 0;
    int shards = 0;
    if (!ParseShard(shardText, tests, shard, shards, err)) return 1;
    try {
        const uint32_t shardSeed =
            seed >= 0 ? static_cast<uint32_t>(seed) : ShardSeed(DigestRunInputs(workspace));
        const int passes = WriteTestShard(workspace, tests, shard, shards, shardSeed, jobs, file);
        out << Text("Проходов:") << " " << passes << "\n";
        out << Text("Часть теста:") << " " << file << "\n";
        return 0;
    } catch (const std::exception& e) {
        workspace.Host().ShowError(e.what());
        return 1;
    }
}

// "--shards M --pending FOLDER": the parts of the test that FOLDER still lacks, one number a line;
// why a file there is not taken goes to the error stream.
int ListPendingShards(Workspace& workspace, const std::string& shardsText, const std::string& folder,
                      int tests, int seed, std::ostream& out, std::ostream& err) {
    const auto shards = ParseInt32(shardsText);
    if (!shards || *shards < 1 || *shards > tests) {
        err << Format(Text("Неверное число частей теста \"%s\": нужно M, где 1 <= M <= %d"),
                      {shardsText, tests})
            << "\n";
        return 1;
    }
    if (!std::filesystem::is_directory(folder)) {
        err << Format(Text("Нет каталога частей теста \"%s\""), {folder}) << "\n";
        return 1;
    }
    try {
        const uint32_t shardSeed =
            seed >= 0 ? static_cast<uint32_t>(seed) : ShardSeed(DigestRunInputs(workspace));
        const std::vector<int> pending =
            PendingShards(workspace, tests, *shards, shardSeed, folder, [&](const std::string& reason) {
                err << MessageText(reason) << " " << Text("Эта часть будет сделана заново.") << "\n";
            });
        for (int shard : pending)
            out << shard << "\n";
        return 0;
    } catch (const std::exception& e) {
        workspace.Host().ShowError(e.what());
        return 1;
    }
}

// Set by Ctrl+C or a termination request while the check runs; a handler may touch nothing else.
std::atomic<bool> validationInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void InterruptValidation(int) {
    validationInterrupted.store(true);
}

// While it lives, SIGINT and SIGTERM stop the check as "Стоп" does, so that its runs close and
// its scratch copies go instead of staying behind in the temporary folder.
class InterruptStopsValidation {
public:
    InterruptStopsValidation() {
        validationInterrupted.store(false);
        struct sigaction action {};
        action.sa_handler = InterruptValidation;
        sigemptyset(&action.sa_mask);
        // The files of the copies are still being written: their calls resume after the signal.
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~InterruptStopsValidation() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    InterruptStopsValidation(const InterruptStopsValidation&) = delete;
    InterruptStopsValidation& operator=(const InterruptStopsValidation&) = delete;
    const std::atomic<bool>* Flag() const { return &validationInterrupted; }

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

}  // namespace

// "scenario merge": the parts of a test done in the data directory as the whole test would.
int MergeScenarioTest(Workspace& workspace, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
    if (args.size() < 2) {
        err << Text("Укажите файлы частей теста; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    ShardMergePlan plan;
    try {
        plan = PlanShardMerge(workspace, {args.begin() + 1, args.end()});
    } catch (const std::exception& e) {
        workspace.Host().ShowError(e.what());
        return 1;
    }
    std::filesystem::path log;
    const ScenarioRunSummary summary = MergeShards(workspace, plan, &log);
    PrintSummary(summary, log, out);
    if (summary.Stopped) {
        err << Text("Выполнение сценария прервано.") << "\n";
        return 1;
    }
    return 0;
}

// "scenario run" and "scenario test": the file's lines run as the program would run them,
// without becoming the program's current scenario.
int RunOrTestScenario(Workspace& workspace, std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
    const bool test = args[0] == "test";
    const bool log = TakeFlag(args, "--log");
    int seed = -1;
    int tests = 0;
    int jobs = 1;
    if (!TakeIntOption(args, "--seed", 0, 2147483647, seed, err) ||
        !TakeIntOption(args, "--jobs", 1, 64, jobs, err)) {
        return 1;
    }
    const auto shard = TakeOption(args, "--shard");
    const auto part = TakeOption(args, "--out");
    const auto shards = TakeOption(args, "--shards");
    const auto pending = TakeOption(args, "--pending");
    if (!test && (shard || part || shards || pending)) {
        err << Text("Параметры --shard, --out, --shards и --pending относятся только к тесту сценария")
            << "\n";
        return 1;
    }
    if (shard.has_value() != part.has_value()) {
        err << Text("Часть теста задается вместе: --shard K/M --out ФАЙЛ") << "\n";
        return 1;
    }
    if (shards.has_value() != pending.has_value() || (shards && shard)) {
        err << Text("Недостающие части теста задаются так: --shards M --pending КАТАЛОГ") << "\n";
        return 1;
    }
    if (test) {
        const int most = workspace.Archive().Count() - 1;
        if (most < 1) {
            err << Text("Для тестирования сценария в архиве должно быть не менее двух тиражей!") << "\n";
            return 1;
        }
        if (!TakeIntOption(args, "--tests", 1, most, tests, err)) return 1;
        if (tests == 0) {
            err << Format(Text("Укажите количество тестов: --tests N (от 1 до %d)"), {most}) << "\n";
            return 1;
        }
    }
    if (!NoOptionsLeft(args, err)) return 1;
    if (args.size() != 2) {
        err << Text("Укажите файл сценария; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    try {
        workspace.Script().UseUnsaved(ReadScenarioFile(args[1]));
    } catch (const std::exception& e) {
        workspace.Host().ShowError(ScenarioReadErrorText(args[1], e.what()));
        return 1;
    }
    if (workspace.Archive().Count() == 0) {
        err << Text("Архив тиражей пуст!") << "\n";
        return 1;
    }
    workspace.Options().ScriptLogEnabled = log;
    if (shard) return WriteShard(workspace, *shard, *part, tests, seed, jobs, out, err);
    if (pending) return ListPendingShards(workspace, *shards, *pending, tests, seed, out, err);
    ScenarioRunner runner(workspace, {},
                          seed >= 0 ? std::optional<uint32_t>(static_cast<uint32_t>(seed)) : std::nullopt);
    const ScenarioRunSummary summary = test ? runner.Test(tests, jobs) : runner.Run();
    PrintSummary(summary, runner.LogPath(), out);
    if (summary.Stopped) {
        err << Text("Выполнение сценария прервано.") << "\n";
        return 1;
    }
    return 0;
}

// "scenario validate": the scenario's best rows chosen on earlier passes, then tested on the last.
int ValidateScenarioCommand(Workspace& workspace, std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
    ValidationRequest request;
    int seed = -1;
    const int most = workspace.Archive().Count();
    if (!TakeIntOption(args, "--train", 1, most, request.Train, err) ||
        !TakeIntOption(args, "--test", 1, most, request.Test, err) ||
        !TakeIntOption(args, "--top", 1, 1000000, request.Top, err) ||
        !TakeIntOption(args, "--jobs", 1, 64, request.Jobs, err) ||
        !TakeIntOption(args, "--seed", 0, 2147483647, seed, err)) {
        return 1;
    }
    if (const auto by = TakeOption(args, "--by")) {
        if (*by != "p" && *by != "mean") {
            err << Text("Укажите порядок выбора: --by p или --by mean") << "\n";
            return 1;
        }
        request.ByMean = *by == "mean";
    }
    if (request.Train == 0 || request.Test == 0) {
        err << Text("Укажите проходы выбора и проверки: --train N --test M") << "\n";
        return 1;
    }
    if (!NoOptionsLeft(args, err)) return 1;
    if (args.size() != 2) {
        err << Text("Укажите файл сценария; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    if (seed >= 0) request.Seed = static_cast<uint32_t>(seed);
    try {
        request.Lines = ReadScenarioFile(args[1]);
    } catch (const std::exception& e) {
        workspace.Host().ShowError(ScenarioReadErrorText(args[1], e.what()));
        return 1;
    }
    ValidationReport report;
    try {
        const InterruptStopsValidation interrupt;
        request.Stop = interrupt.Flag();
        report = ValidateScenario(workspace, request);
    } catch (const std::exception& e) {
        workspace.Host().ShowError(e.what());
        return 1;
    }
    if (report.Stopped) {
        err << Text("Выполнение сценария прервано.") << "\n";
        return 1;
    }
    out << HeaderLine(ValidationColumnCaptions) << "\n";
    for (const ValidationRow& row : report.Rows)
        out << JoinCells(ValidationRowTexts(row)) << "\n";
    out << ValidationSummary(report, Text(ValidationSummaryText)) << "\n";
    return 0;
}

int RunScenario(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "validate") return ValidateScenarioCommand(workspace, args, out, err);
    if (!args.empty() && (args[0] == "run" || args[0] == "test"))
        return RunOrTestScenario(workspace, args, out, err);
    if (!args.empty() && args[0] == "merge") return MergeScenarioTest(workspace, args, out, err);
    if (!NoOptionsLeft(args, err)) return 1;
    if (args.empty() || args[0] != "show" || args.size() > 2) {
        err << Text("Неверные параметры команды; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    std::vector<std::string> lines = workspace.Script().Scenario().Lines();
    if (args.size() == 2) {
        try {
            lines = ReadScenarioFile(args[1]);
        } catch (const std::exception& e) {
            workspace.Host().ShowError(ScenarioReadErrorText(args[1], e.what()));
            return 1;
        }
    }
    for (const std::string& line : lines) {
        // A separator is an empty row of the list.
        if (IsScriptSeparator(line)) {
            out << "\n";
            continue;
        }
        const ScriptListRow cells = ScriptListCells(line, workspace.Stats().List());
        for (size_t i = 0; i < cells.size(); ++i)
            out << (i > 0 ? " | " : "") << cells[i];
        out << "\n";
    }
    return 0;
}

int RunStep(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto combsFile = TakeOption(args, "--combs");
    int offset = 0;
    int window = 0;
    if (!TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err) ||
        !TakeIntOption(args, "--window", 1, 2147483647, window, err)) {
        return 1;
    }
    if (args.size() != 1) {
        err << Text("Укажите описание фильтра одним параметром; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    TFilterItem item = StrToFilterItem(args[0], workspace.Stats().List());
    if (!item.Enabled) {
        err << Text("Укажите описание фильтра; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    if (window > 0) item.DrawsText = std::to_string(window);
    if (combsFile && !workspace.Combs().OpenCombsFile(*combsFile)) return 1;
    workspace.Draws().SetDrawsOffset(offset);
    StreamLog log(err);
    workspace.Stats().List().BackupWeights();
    try {
        // As in a scenario line: each variant runs on what the one before left, and only while
        // there is still a choice to make.
        for (const TFilterPart& part : ExpandFilterItem(item, workspace.Stats().List())) {
            if (workspace.Combs().List().CombCount() <= 1) break;
            RunFilterPart(workspace, part, &log);
        }
    } catch (const std::exception& e) {
        workspace.Stats().List().RestoreWeights();
        workspace.Host().ShowError(e.what());
        return 1;
    }
    workspace.Stats().List().RestoreWeights();
    for (const TComb& comb : workspace.Combs().List().Current())
        out << CombToStr(comb) << "\n";
    return 0;
}

}  // namespace quorvel::cli
