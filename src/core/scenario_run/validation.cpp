#include "core/scenario_run/validation.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "core/app/workspace.h"
#include "core/scenario_run/scenario_run.h"
#include "core/stakes/significance.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr double Significant = 0.05;

// A directory of its own under the system's temporary folder, removed with everything in it
// however the validation ends.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (fs::temp_directory_path() / "quorvel-validate-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw Error("Не удалось создать временный каталог для проверки!");
        path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// What a run reads from the data directory, without what it writes: the stakes, the rating and
// the logs start empty.
void CopyInputs(const DataDirectory& data, const fs::path& to) {
    fs::create_directories(to);
    const std::string stakes = data.StakesPath().filename().string();
    for (const fs::directory_entry& entry : fs::directory_iterator(data.Root())) {
        const std::string name = entry.path().filename().string();
        const bool output = name == stakes || name == "Quorvel_3r10.lrt" ||
                            name.rfind("ScriptLog_", 0) == 0 ||
                            (name.rfind("Quorvel_3r10-", 0) == 0 && entry.path().extension() == ".log");
        if (!output) fs::copy(entry.path(), to / name, fs::copy_options::recursive);
    }
}

// The person of the scratch runs: the workspace's own, stopping also when the request's flag is set.
class StoppableHost : public UiHost {
public:
    StoppableHost(UiHost& host, const std::atomic<bool>* stop) : host_(host), stop_(stop) {}
    void ShowProgress(const std::string& text) override { host_.ShowProgress(text); }
    void BusyChanged(bool busy) override { host_.BusyChanged(busy); }
    void ShowError(const std::string& text) override { host_.ShowError(text); }
    void ShowInfo(const std::string& text) override { host_.ShowInfo(text); }
    void ShowWarning(const std::string& text, WarningCaption caption) override {
        host_.ShowWarning(text, caption);
    }
    bool AskYesNo(const std::string& text) override { return host_.AskYesNo(text); }
    bool AskDelete(const std::string& text) override { return host_.AskDelete(text); }
    bool AskRetry(const std::string& text) override { return host_.AskRetry(text); }
    bool StopRequested() override { return (stop_ != nullptr && stop_->load()) || host_.StopRequested(); }

private:
    UiHost& host_;
    const std::atomic<bool>* stop_;
};

struct Run {
    std::vector<TRatingRow> Rating;
    SignificanceReport Significance;
    std::vector<std::string> Lines;  // the scenario after the run, lines added included
    bool Stopped = false;
};

double MeanOf(const TRatingRow& row) {
    return row.Stakes > 0 ? static_cast<double>(row.MatchesTotal) / row.Stakes : 0;
}

// Tests the lines over `passes` passes in a copy of the data directory whose newest `dropped`
// draws are gone; with `chooseTop`, its best rating rows are added to the scenario afterwards.
Run TestInCopy(const DataDirectory& data, UiHost& host, const fs::path& where,
               const ValidationRequest& request, std::vector<std::string> lines, int passes, int dropped,
               bool chooseTop) {
    CopyInputs(data, where);
    Workspace ws(DataDirectory(where), host, {}, Workspace::Mode::CommandLine);
    ws.LoadStartupSettings();
    if (!ws.Initialise()) throw Error("Не удалось открыть временную копию каталога данных!");
    if (dropped > 0) {
        // The copy's archive ends before the passes kept for the check: they stay unseen.
        for (int i = 0; i < dropped; ++i)
            ws.Archive().DeleteDrawAt(ws.Archive().Count() - 1);
        if (!ws.Draws().SaveDraws()) throw Error("Не удалось подготовить архив для проверки!");
        ws.Draws().RecalcViews();
    }
    ws.Script().UseUnsaved(std::move(lines));
    Run run;
    {
        ScenarioRunner runner(ws, {}, request.Seed);
        run.Stopped = runner.Test(passes, request.Jobs).Stopped;
    }
    run.Rating = ws.Stakes().Rating().Rows();
    run.Significance = RatingSignificance(ws.Stakes().Rating(), ws.Stakes().File());
    if (chooseTop && !run.Stopped) {
        std::vector<size_t> order = SignificanceOrder(run.Significance, 0, false);
        if (request.ByMean) {
            std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
                if ((run.Rating[a].Stakes > 0) != (run.Rating[b].Stakes > 0)) return run.Rating[a].Stakes > 0;
                return MeanOf(run.Rating[a]) > MeanOf(run.Rating[b]);
            });
        }
        std::vector<int> chosen;
        for (size_t i = 0; i < order.size() && static_cast<int>(chosen.size()) < request.Top; ++i)
            if (run.Rating[order[i]].Stakes > 0) chosen.push_back(static_cast<int>(order[i]));
        const int before = ws.Script().Scenario().Count();
        ws.Stakes().RatingsToScript(chosen);
        for (int i = before; i < ws.Script().Scenario().Count(); ++i)
            run.Lines.push_back(ws.Script().ScriptLine(i));
        // The rows in the order their lines were added, for the report.
        std::vector<TRatingRow> rows;
        SignificanceReport report;
        for (int row : chosen) {
            if (!RatingToScriptLine(run.Rating[static_cast<size_t>(row)].Comment.Text())) continue;
            rows.push_back(run.Rating[static_cast<size_t>(row)]);
            report.Rows.push_back(run.Significance.Rows[static_cast<size_t>(row)]);
        }
        run.Rating = std::move(rows);
        run.Significance = std::move(report);
    }
    ws.Shutdown();
    return run;
}

// The test run's rating row of the k-th added line (0-based): its comment starts with the line's
// number ("03.001: ...").
int LineOfComment(const std::string& comment) {
    int number = 0;
    size_t i = 0;
    for (; i < comment.size() && comment[i] >= '0' && comment[i] <= '9'; ++i)
        number = number * 10 + (comment[i] - '0');
    return i > 0 && i < comment.size() && comment[i] == '.' ? number - 1 : -1;
}

}  // namespace

ValidationReport ValidateScenario(Workspace& workspace, const ValidationRequest& request) {
    if (request.Train < 1 || request.Test < 1 || request.Top < 1)
        throw Error("Количество проходов и строк должно быть не меньше 1!");
    // The first training pass needs a draw before it.
    if (workspace.Archive().Count() < request.Train + request.Test + 2)
        throw Error(
            Format("Для проверки нужно не менее %d тиражей в архиве!", {request.Train + request.Test + 2}));
    const DataDirectory& data = workspace.Dir();
    StoppableHost host(workspace.Host(), request.Stop);
    ScratchDirectory scratch;
    ValidationReport report;
    const Run train = TestInCopy(data, host, scratch.Path() / "train", request, request.Lines, request.Train,
                                 request.Test, true);
    if (train.Stopped) {
        report.Stopped = true;
        return report;
    }
    for (size_t i = 0; i < train.Rating.size(); ++i) {
        ValidationRow row;
        row.Comment = train.Rating[i].Comment.Text();
        row.TrainStakes = train.Rating[i].Stakes;
        row.TrainMean = MeanOf(train.Rating[i]);
        row.TrainP = train.Significance.Rows[i].P;
        report.Rows.push_back(row);
    }
    report.ByChance = Significant * static_cast<double>(report.Rows.size());
    if (train.Lines.empty()) return report;
    const Run test =
        TestInCopy(data, host, scratch.Path() / "test", request, train.Lines, request.Test, 0, false);
    report.Stopped = test.Stopped;
    for (size_t r = 0; r < test.Rating.size(); ++r) {
        const int line = LineOfComment(test.Rating[r].Comment.Text());
        if (line < 0 || line >= static_cast<int>(report.Rows.size())) continue;
        ValidationRow& row = report.Rows[static_cast<size_t>(line)];
        row.TestStakes = test.Rating[r].Stakes;
        row.TestMean = MeanOf(test.Rating[r]);
        row.TestP = test.Significance.Rows[r].P;
    }
    for (const ValidationRow& row : report.Rows)
        report.Reached += row.TestStakes > 0 && row.TestP <= Significant ? 1 : 0;
    return report;
}

const std::array<const char*, ValidationColumnCount> ValidationColumnCaptions = {
    "Комментарий",       "Ставок (выбор)",     "Среднее (выбор)", "p (выбор)",
    "Ставок (проверка)", "Среднее (проверка)", "p (проверка)"};

std::array<std::string, ValidationColumnCount> ValidationRowTexts(const ValidationRow& row) {
    return {row.Comment,
            std::to_string(row.TrainStakes),
            FormatFixed(row.TrainMean, 3),
            ProbabilityText(row.TrainP),
            std::to_string(row.TestStakes),
            FormatFixed(row.TestMean, 3),
            row.TestStakes > 0 ? ProbabilityText(row.TestP) : std::string("-")};
}

std::string ValidationSummary(const ValidationReport& report) {
    return Format("Строк: %d; p (проверка) <= %s: %d; случайно ожидается: %s",
                  {static_cast<int>(report.Rows.size()), FormatFixed(Significant, 2), report.Reached,
                   FormatFixed(report.ByChance, 2)});
}

}  // namespace quorvel
