#include "core/scenario_run/scenario_run.h"

#include <algorithm>
#include <chrono>

#include "core/app/workspace.h"
#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/scenario_run/filter_step.h"
#include "core/systems/system_game.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

const std::string EqualsLine(94, '=');
const std::string DashLine(94, '-');
const char* const RunningText = "Выполнение сценария...";
const char* const FinishedText = "Сценарий завершен!";
const char* const StoppedText = "Сценарий остановлен!";
const char* const InterruptedLine =
    "### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО #############################################################";

bool IsBulkMode(int mode) {
    return mode == StakeModeAll || mode == StakeModeSysA || mode == StakeModeSysC;
}

}  // namespace

void ScenarioRunStatus::SetText(std::string text) {
    std::lock_guard lock(mutex_);
    text_ = std::move(text);
}

std::string ScenarioRunStatus::Text() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void ScenarioRunStatus::SetPlace(bool newPass, int offset, int nextDraw) {
    std::lock_guard lock(mutex_);
    if (newPass) ++Cycle;
    Offset = offset;
    NextDraw = nextDraw;
}

ScenarioRunStatus::Place ScenarioRunStatus::CurrentPlace() const {
    std::lock_guard lock(mutex_);
    return {Cycle, Offset, NextDraw};
}

// The effects of a pass done at once on the run's own workspace, log and status.
class ScenarioRunner::DirectEffects : public PassEffects {
public:
    explicit DirectEffects(ScenarioRunner& runner) : runner_(runner), ws_(runner.ws_) {}

    void Log(const std::string& line) override { runner_.WriteLog(line); }
    void Stake(const TStakeRecord& stake, bool newOnly, bool bulk) override;
    void StakesAdded() override { ws_.Stakes().Refresh(true); }
    void CheckStakes() override {
        ws_.Stakes().CheckStakes();
        ws_.Stakes().Refresh(false);
    }
    void ClearStakes() override {
        Guarded([&] {
            ws_.Stakes().File().Clear();
            ws_.Stakes().File().Reopen();
        });
        ws_.Stakes().Refresh(false);
    }
    // Writes what the pass appended; a failure is shown and stops the run.
    void FlushStakes() {
        Guarded([&] { ws_.Stakes().File().FlushBatch(); });
    }
    void Error(const std::string& text) override { ws_.Host().ShowError(text); }
    void Warning(const std::string& text, WarningCaption caption) override {
        ws_.Host().ShowWarning(text, caption);
    }
    void Stop() override { ws_.Script().RequestStop(); }

private:
    template <typename Work>
    void Guarded(Work work);
    void AddStake(const TStakeRecord& stake, bool newOnly, bool bulk);

    ScenarioRunner& runner_;
    Workspace& ws_;
};

// A failure of the stakes file is shown and stops the run, as an error inside a line does.
template <typename Work>
void ScenarioRunner::DirectEffects::Guarded(Work work) {
    try {
        work();
    } catch (const std::exception& e) {
        ws_.Script().RequestStop();
        ws_.Host().ShowError(e.what());
    }
}

void ScenarioRunner::DirectEffects::Stake(const TStakeRecord& stake, bool newOnly, bool bulk) {
    Guarded([&] { AddStake(stake, newOnly, bulk); });
}

void ScenarioRunner::DirectEffects::AddStake(const TStakeRecord& stake, bool newOnly, bool bulk) {
    if (newOnly && ws_.Stakes().File().Contains(stake.DrawNumber, stake.Values)) {
        runner_.LogLazy([&] {
            return Format("{-} Ставка на тираж %d не добавлена, так как уже имеется в списке ставок: [%s]",
                          {stake.DrawNumber, StakeCombToStr(stake.Values, ";")});
        });
        return;
    }
    ws_.Stakes().File().Append(stake);
    if (!bulk || ws_.Options().StakesScrollEnabled) ws_.Stakes().Refresh(true);
    runner_.LogLazy([&] {
        return Format("{+} Ставка на тираж %d добавлена в список ставок: [%s]",
                      {stake.DrawNumber, StakeCombToStr(stake.Values, ";")});
    });
    ++runner_.status_.StakesMade;
}

struct ScenarioRunner::LineContext {
    int Number = 0;  // 1-based
    std::string Text;
    std::string Comment;
    TScriptOptions Options;
};

ScenarioRunner::ScenarioRunner(Workspace& workspace, ScenarioRunHooks hooks, std::optional<uint32_t> seed)
    : ws_(workspace),
      hooks_(std::move(hooks)),
      seed_(seed ? *seed : std::random_device{}()),
      direct_(std::make_unique<DirectEffects>(*this)),
      effects_(direct_.get()) {
    random_.seed(seed_);
    // Cleared here, before the run may go to another thread, so that a stop asked for at once is
    // not lost.
    ws_.Script().ClearStop();
}

ScenarioRunner::~ScenarioRunner() = default;

bool ScenarioRunner::Stop() {
    return ws_.Script().StopRequested();
}

template <typename MakeLine>
void ScenarioRunner::LogLazy(MakeLine makeLine) {
    if (logging_) Log(makeLine());
}

void ScenarioRunner::Log(const std::string& line) {
    if (logging_) effects_->Log(line);
}

void ScenarioRunner::WriteLog(const std::string& line) {
    std::lock_guard lock(logMutex_);
    if (log_) log_->WriteLine(line);
}

ScenarioLogSink* ScenarioRunner::StepLog() {
    return logging_ ? stepLog_ : nullptr;
}

void ScenarioRunner::RequestUserStop() {
    WriteLog(InterruptedLine);
    ws_.Script().RequestStop();
}

void ScenarioRunner::BeginRun() {
    summary_ = {};
    logPath_.clear();
    if (ws_.Options().ScriptLogEnabled) {
        {
            std::lock_guard lock(logMutex_);
            log_ = std::make_unique<ScenarioLogFile>(
                ws_.Dir().Root(), [this](const std::string& message) { ws_.Host().ShowError(message); });
            logPath_ = log_->Path();
            stepLog_ = log_.get();
        }
        logging_ = true;
        Log("### ЗАПУСК СЦЕНАРИЯ ##########################################################################");
    }
    status_.Running = true;
    status_.StakesMade = 0;
    status_.Line = 0;
    status_.SetText(RunningText);
    savedSortColumn_ = ws_.Stats().Table().SortColumn;
    savedDescending_ = ws_.Stats().Table().Descending;
    ws_.Stakes().DeferRatingSave(true);
    ratingSaved_ = std::chrono::steady_clock::now();
    ws_.Stats().ForgetStepTables();
    if (ws_.Stakes().File().IsOpen()) ws_.Stakes().File().BeginBatch();
}

void ScenarioRunner::EndRun(bool announceEnd) {
    // What the last pass appended reaches the file; a failure is shown and ends the run as stopped.
    direct_->FlushStakes();
    ws_.Stakes().File().EndBatch();
    summary_.Stopped = ws_.Script().StopRequested();
    summary_.StakesMade = status_.StakesMade;
    // A stop is never announced as the end of the scenario.
    if (summary_.Stopped)
        status_.SetText(StoppedText);
    else if (announceEnd)
        status_.SetText(FinishedText);
    status_.Cycle = 0;
    status_.Running = false;
    ws_.Script().ClearStop();
    ws_.Stakes().DeferRatingSave(false);
    ws_.Stats().ShowLastStepTable();
    ws_.Stats().SortTable(savedSortColumn_, savedDescending_);
    if (log_) {
        Log("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################");
        logging_ = false;
        {
            std::lock_guard lock(logMutex_);
            stepLog_ = nullptr;
            log_.reset();
        }
        if (hooks_.OpenLog) hooks_.OpenLog(logPath_);
    }
}

void ScenarioRunner::LogOffset(int offset) {
    Log(EqualsLine);
    Log(Format("=== Выполнение сценария для смещения %.6d ==================================================",
               {offset}));
    Log(EqualsLine);
}

ScenarioRunSummary ScenarioRunner::Run() {
    BusyScope busy(ws_.Busy(), ws_.Host(), RunningText);
    BeginRun();
    status_.Cycle = 1;
    status_.Passes = 1;
    PublishPanels();
    LogOffset(ws_.Archive().Offset());
    RunAllLines();
    EndRun(!ws_.Script().StopRequested());
    return summary_;
}

ScenarioRunSummary ScenarioRunner::Test(int tests, int jobs) {
    BusyScope busy(ws_.Busy(), ws_.Host(), RunningText);
    BeginRun();
    LogPassOrder();
    const int savedOffset = ws_.Archive().Offset();
    status_.Cycle = 0;
    status_.Passes = tests;
    if (jobs > 1 && tests > 1)
        TestInParallel(tests, jobs);
    else
        TestSequentially(tests);
    // A stopped test leaves the offset where it stopped, so the user sees that draw.
    if (!ws_.Script().StopRequested()) ws_.Draws().SetDrawsOffset(savedOffset);
    EndRun(true);
    return summary_;
}

ScenarioRunSummary ScenarioRunner::Merge(int tests, const std::function<RecordedPass(int offset)>& take) {
    BusyScope busy(ws_.Busy(), ws_.Host(), RunningText);
    BeginRun();
    LogPassOrder();
    const int savedOffset = ws_.Archive().Offset();
    status_.Cycle = 0;
    status_.Passes = tests;
    ReplayPasses(tests, [&](int offset) { return WorkedPass{take(offset), std::nullopt}; });
    if (!ws_.Script().StopRequested()) ws_.Draws().SetDrawsOffset(savedOffset);
    EndRun(true);
    return summary_;
}

void ScenarioRunner::RecordShard(int tests, PassRange range, int jobs,
                                 const std::function<void(RecordedPass)>& keep) {
    const bool inOrder = PassesRunInOrder(ws_.Script().Scenario().Lines());
    // Passes in order need the list of every pass before the range.
    const PassRange worked = inOrder ? PassRange{tests, range.Last} : range;
    PassWorkers workers(ws_, jobs, worked, seed_, inOrder);
    for (int offset = worked.First; offset >= worked.Last; --offset) {
        if (ws_.Script().StopRequested()) break;
        WorkedPass pass = workers.Take(offset);
        if (offset > range.First) continue;
        const bool stops =
            std::any_of(pass.Record.Events.begin(), pass.Record.Events.end(),
                        [](const PassEvent& event) { return event.What == PassEvent::Kind::Stop; });
        keep(std::move(pass.Record));
        if (stops) break;
    }
}

void ScenarioRunner::LogPassOrder() {
    if (!PassesRunInOrder(ws_.Script().Scenario().Lines())) return;
    Log("Проходы выполняются по порядку: первая строка сценария продолжает список комбинаций "
        "предыдущего прохода (\"CURR\").");
}

// Moves to the pass's offset and logs it; false when the run is to stop.
bool ScenarioRunner::EnterOffset(int offset) {
    status_.SetText(RunningText);
    if (Stop()) return false;
    ws_.Draws().SetDrawsOffset(offset);
    // Counted once the offset has moved, so that the pass shown is the one at the offset shown.
    PublishPanels(true);
    if (Stop()) return false;
    LogOffset(offset);
    return !Stop();
}

void ScenarioRunner::TestSequentially(int tests) {
    for (int offset = tests; offset >= 1 && EnterOffset(offset); --offset) {
        SeedPass(offset);
        RunAllLines();
    }
}

void ScenarioRunner::TestInParallel(int tests, int jobs) {
    PassWorkers workers(ws_, jobs, {tests, 1}, seed_, PassesRunInOrder(ws_.Script().Scenario().Lines()));
    ReplayPasses(tests, [&](int offset) { return workers.Take(offset); });
}

void ScenarioRunner::ReplayPasses(int tests, const std::function<WorkedPass(int offset)>& take) {
    std::optional<PassEndState> end;
    for (int offset = tests; offset >= 1 && EnterOffset(offset); --offset) {
        if (!BeginPass()) break;
        WorkedPass pass = take(offset);
        summary_.Variants += pass.Record.Variants;
        ReplayPassEvents(pass.Record.Events, *effects_);
        EndPass();
        if (pass.End) end = std::move(pass.End);
    }
    // The list and the statistics tab as the last pass done left them, as after a plain test.
    if (end) AdoptPassEnd(ws_, std::move(*end));
}

void ScenarioRunner::SeedPass(int offset) {
    std::seed_seq sequence{seed_, static_cast<uint32_t>(offset)};
    random_.seed(sequence);
}

int ScenarioRunner::RecordPass(int offset, PassRecorder& recorder) {
    struct Recording {
        ScenarioRunner& runner;
        ~Recording() {
            runner.effects_ = runner.direct_.get();
            runner.stepLog_ = nullptr;
        }
    } recording{*this};
    effects_ = &recorder;
    stepLog_ = &recorder;
    logging_ = ws_.Options().ScriptLogEnabled;
    summary_ = {};
    ws_.Script().ClearStop();
    ws_.Draws().SetDrawsOffset(offset);
    SeedPass(offset);
    RunPassLines();
    return summary_.Variants;
}

void ScenarioRunner::RunAllLines() {
    if (!BeginPass()) return;
    RunPassLines();
    EndPass();
}

void ScenarioRunner::PublishPanels(bool newPass) {
    const DrawArchive& archive = ws_.Archive();
    status_.SetPlace(newPass, archive.Offset(), archive.NextDrawNumber(archive.Offset()));
    status_.Combinations = ws_.Combs().List().CombCount();
    status_.StakeRecords = ws_.Stakes().File().RecordCount();
}

// The separator between passes; false when the stakes file failed, which stops the run.
bool ScenarioRunner::BeginPass() {
    ++summary_.Passes;
    StakesFile& stakes = ws_.Stakes().File();
    try {
        const auto last = stakes.ReadLast();
        if (last && last->IsRealStake()) stakes.Append(StakeSeparator());
    } catch (const std::exception& e) {
        ws_.Host().ShowError(e.what());
        ws_.Script().RequestStop();
        return false;
    }
    return true;
}

void ScenarioRunner::RunPassLines() {
    ws_.Combs().List().ResetBuffer();
    ws_.Stats().List().BackupWeights();
    const TScenario& scenario = ws_.Script().Scenario();
    for (int index = 0; index < scenario.Count(); ++index) {
        if (Stop()) break;
        const std::string& line = scenario.Line(index);
        if (TrimBlanks(line).empty()) continue;
        if (hooks_.SelectLine) hooks_.SelectLine(index);
        Log(DashLine);
        LogLazy([&] { return Format("Выполнение строки %.3d: \"%s\"", {index + 1, line}); });
        Log(DashLine);
        RunLine(index);
        if (hooks_.SelectLine) hooks_.SelectLine(-1);
        if (Stop()) break;
    }
    if (!ws_.Options().StakesCheckOnLine) effects_->CheckStakes();
    ws_.Stats().List().RestoreWeights();
    ws_.Combs().List().ResetBuffer();
}

void ScenarioRunner::EndPass() {
    direct_->FlushStakes();
    // The rating is sorted once per pass, always, so that its order comes out the same however
    // the passes were worked out; its file is written at most once a second, since writing it
    // safely waits for the disk, and once more when the run ends.
    ws_.Stakes().SortDeferredRating();
    PublishPanels();
    constexpr auto SaveInterval = std::chrono::seconds(1);
    const auto now = std::chrono::steady_clock::now();
    if (now - ratingSaved_ >= SaveInterval) {
        ws_.Stakes().DeferRatingSave(false);
        ws_.Stakes().DeferRatingSave(true);
        ratingSaved_ = now;
    }
}

void ScenarioRunner::RunLine(int index) {
    LineContext line;
    line.Number = index + 1;
    line.Text = ws_.Script().Scenario().Line(index);
    line.Comment = ScriptLineComment(line.Text);
    status_.Line = line.Number;
    try {
        ws_.Combs().List().DropUndo();
        line.Options = StrToScriptOptions(ScriptLineOptions(line.Text));
        if (!Stop()) RunLineSteps(line);
    } catch (const std::exception& e) {
        effects_->Stop();
        effects_->Error(e.what());
    }
    ws_.Combs().List().DropUndo();
    PublishPanels();
}

void ScenarioRunner::RunLineSteps(LineContext& line) {
    const TStatList& catalogue = ws_.Stats().List();
    const std::vector<TFilterItem> steps = ReadLineSteps(line.Text, catalogue);
    if (Stop()) return;
    Log("Создание всех вариантов фильтров...");
    status_.SetText("Создание всех вариантов фильтров...");
    if (steps.empty()) {
        RunLineWithoutSteps(line);
        return;
    }
    VariantExpansionHooks expansion;
    expansion.StopRequested = [this] { return Stop(); };
    expansion.Progress = [this](int count) {
        status_.SetText(Format("Создание всех вариантов фильтров ( %d )...", {count}));
    };
    const std::vector<TFilterRec> variants = ExpandVariants(steps, catalogue, expansion);
    Log(Format("Создано %d вариантов фильтров.", {static_cast<int>(variants.size())}));
    const int count = static_cast<int>(variants.size());
    for (int i = 0; i < count && !Stop(); ++i)
        RunVariant(line, i + 1, count, variants[static_cast<size_t>(i)]);
    // A line left early still has its stakes checked before the next one starts.
    if (Stop()) CheckStakesAfterVariant(line);
}

void ScenarioRunner::RunLineWithoutSteps(LineContext& line) {
    const std::string shortOptions = ScriptOptionsToShortStr(line.Options);
    Log("{ERROR} Фильтры не применялись!");
    Log("");
    status_.SetText(shortOptions);
    Log("Создание начального списка комбинаций...");
    BuildStartList(line);
    LogLazy([&] { return Format("Количество комбинаций в списке: %d", {ws_.Combs().List().CombCount()}); });
    if (Stop()) return;
    MakeStakes(line, 0, shortOptions);
    if (!Stop()) CheckStakesAfterVariant(line);
}

void ScenarioRunner::RunVariant(LineContext& line, int number, int count, const TFilterRec& variant) {
    const TStatList& catalogue = ws_.Stats().List();
    const std::string stepsText = VariantStepsText(variant, catalogue);
    Log("");
    Log(DashLine);
    LogLazy([&] { return Format("Применение набора фильтров %.3d: \"%s\"", {number, stepsText}); });
    Log(DashLine);
    status_.SetText(Format("Фильтр %d из %d: %s", {number, count, stepsText}));
    ++summary_.Variants;
    Log("Создание начального списка комбинаций...");
    BuildStartList(line);
    LogLazy([&] { return Format("Количество комбинаций в списке: %d", {ws_.Combs().List().CombCount()}); });
    if (Stop()) return;
    for (const TFilterPart& part : variant.Parts) {
        if (!part.Enabled || ws_.Combs().List().CombCount() <= 1) continue;
        RunFilterPart(ws_, part, StepLog());
        if (Stop()) return;
    }
    if (Stop()) return;
    MakeStakes(line, number, VariantText(line.Options, variant, catalogue));
    if (Stop()) return;
    Log(DashLine);
    CheckStakesAfterVariant(line);
}

void ScenarioRunner::CheckStakesAfterVariant(const LineContext&) {
    if (ws_.Options().StakesCheckOnLine) effects_->CheckStakes();
}

void ScenarioRunner::BuildStartList(const LineContext& line) {
    TCombList& combs = ws_.Combs().List();
    const TScriptOptions& options = line.Options;
    if (options.ListMode == ListModeFull || options.ListMode == ListModeExcl) {
        ws_.Combs().GenerateStartList();
        // The rows of earlier variants describe a list that is gone; kept, they would pile up
        // over a long test.
        combs.ClearApplied();
    }
    if (Stop()) return;
    if (options.ListMode == ListModeExcl && options.DrawsExclude > 0) {
        const int offset = ws_.Archive().Offset();
        if (!combs.LoadFromBuffer(offset, options.DrawsExclude)) {
            ws_.Combs().ExcludeLastDrawsFromList(options.DrawsExclude);
            combs.SaveToBuffer(offset, options.DrawsExclude);
        }
    }
    if (Stop()) return;
    if (options.ClearStakes) effects_->ClearStakes();
}

void ScenarioRunner::MakeStakes(const LineContext& line, int variant, const std::string& variantText) {
    const int mode = line.Options.StakeMode;
    const std::string comment = ScenarioStakeComment(line.Number, variant, line.Comment, variantText);
    Log(Format("{*} Добавление ставки, режим: \"%s\"", {StakeModeLongText(mode)}));
    const std::span<const TComb> list = ws_.Combs().List().Current();
    const int count = static_cast<int>(list.size());
    if (count == 0 || mode == StakeModeNone) return;
    if (count > 1 && mode == StakeModeStop) {
        effects_->Stop();
        Log("{!} Сценарий остановлен!");
        effects_->Warning(Format("Выполнение сценария прервано, т.к. после применения всех фильтров в списке "
                                 "комбинаций их осталось более одной: %d!\r\rФильтры: %s",
                                 {count, comment}),
                          WarningCaption::Attention);
        return;
    }
    if (count > 1 && mode == StakeModeSkip) {
        Log("{-} Ставка игнорирована!");
        return;
    }
    if (Stop()) return;
    if (count == 1) {
        AddStake(line, list[0], comment);
    } else if (mode == StakeModeRand) {
        std::uniform_int_distribution<int> index(0, count - 1);
        AddStake(line, list[static_cast<size_t>(index(random_))], comment);
    } else if (mode == StakeModeFirst) {
        AddStake(line, list.front(), comment);
    } else if (mode == StakeModeLast) {
        AddStake(line, list.back(), comment);
    } else if (mode == StakeModeAll) {
        // The list is copied: staking must not depend on a list a listener might touch.
        const std::vector<TComb> all(list.begin(), list.end());
        for (const TComb& comb : all) {
            if (Stop()) break;
            AddStake(line, comb, comment);
        }
    } else if (mode == StakeModeSysA || mode == StakeModeSysC) {
        PlaySystem(line, comment);
    }
    effects_->StakesAdded();
}

void ScenarioRunner::AddStake(const LineContext& line, const TComb& comb, const std::string& comment) {
    TStakeRecord stake;
    stake.Kind = StakeKindScript;
    stake.DrawNumber = ws_.Archive().NextDrawNumber(ws_.Archive().Offset());
    stake.SelectionSize = ws_.Combs().List().CombCount();
    stake.Values = CombToStakeComb(comb);
    stake.Profit = ws_.Stats().List().StakeResult(PositionCount, -1);
    stake.Comment.SetText(comment);
    effects_->Stake(stake, line.Options.NewStakesOnly, IsBulkMode(line.Options.StakeMode));
}

void ScenarioRunner::PlaySystem(const LineContext& line, const std::string& comment) {
    const bool filtered = line.Options.StakeMode == StakeModeSysC;
    const TByteArray numbers = UniqueValues(ws_.Combs().List().Current());
    const int count = static_cast<int>(numbers.size());
    std::string reason;
    // A failure shows its own message and the run goes on.
    const std::optional<TSystemGame> game = ws_.Systems().LoadSystemForNumbers(numbers, &reason);
    if (!game) {
        LogLazy([&] { return Format("{#} Системная игра для %d чисел [ОШИБКА]: \"%s\"", {count, reason}); });
        return;
    }
    LogLazy([&] {
        return Format(filtered
                          ? "{#} Системная игра для %d чисел [система * комбинации]: загружен файл \"%s\""
                          : "{#} Системная игра для %d чисел [все система]: загружен файл \"%s\"",
                      {count, game->File.stem().string()});
    });
    // The list is copied: the stakes of a filtered game are looked up in it while staking.
    const std::vector<TComb> current(ws_.Combs().List().Current().begin(),
                                     ws_.Combs().List().Current().end());
    for (const TComb& comb : SystemStakeCombs(*game, current, filtered)) {
        if (Stop()) break;
        AddStake(line, comb, comment);
    }
}

}  // namespace quorvel
