#include "core/scenario_run/validation.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/app/workspace.h"
#include "core/scenario_run/scenario_run.h"
#include "core/stakes/rating.h"
#include "core/stakes/significance.h"
#include "core/stats/fullset_file.h"
#include "core/systems/system_files.h"
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

// The folder of every full-set file.
fs::path FullSetFolder(const fs::path& root) {
    return FullSetPath(root, {}).parent_path();
}

// A run reads a folder's own files only, never its subfolders.
void CopyFolderFiles(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_directory(from, ec)) return;
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        if (entry.is_regular_file()) fs::copy_file(entry.path(), to / entry.path().filename());
}

// What a run reads from the data directory: the archive, the settings, the interface state, the
// names and favourites, the full-set files and the local systems. Nothing it writes (the stakes,
// the rating and the logs start empty) and nothing else the directory holds, which may be the
// system's temporary folder and so this very copy.
void CopyRunInputs(const DataDirectory& data, const fs::path& to) {
    fs::create_directories(to);
    const DataDirectory copy(to);
    const std::pair<fs::path, fs::path> files[] = {{data.DrawsPath(), copy.DrawsPath()},
                                                   {data.SettingsPath(), copy.SettingsPath()},
                                                   {data.UiStatePath(), copy.UiStatePath()},
                                                   {data.NamesPath(), copy.NamesPath()}};
    for (const auto& [from, into] : files) {
        std::error_code ec;
        if (fs::is_regular_file(from, ec)) fs::copy_file(from, into);
    }
    CopyFolderFiles(FullSetFolder(data.Root()), FullSetFolder(to));
    CopyFolderFiles(data.Root() / SystemsFolderName, to / SystemsFolderName);
}

// What the scratch runs take from the user's workspace besides its files: the options as it
// holds them (the desktop program writes some of them only when it closes) and where its
// shipped systems lie.
struct RunSource {
    const DataDirectory& Data;
    TUiOptions Options;
    const SystemsService& Systems;
};

RunSource SourceOf(Workspace& workspace) {
    RunSource source{workspace.Dir(), workspace.Options(), workspace.Systems()};
    // The copies go with the check, so logs of their runs would only be written to be deleted.
    source.Options.ScriptLogEnabled = false;
    source.Options.StakesLogEnabled = false;
    return source;
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
    bool Stopped = false;
};

double MeanOf(const TRatingRow& row) {
    return row.Stakes > 0 ? static_cast<double>(row.MatchesTotal) / row.Stakes : 0;
}

// Tests the lines over `passes` passes in a copy of the data directory whose newest `dropped`
// draws are gone.
Run TestInCopy(const RunSource& source, UiHost& host, const fs::path& where, const ValidationRequest& request,
               std::vector<std::string> lines, int passes, int dropped) {
    CopyRunInputs(source.Data, where);
    Workspace ws(DataDirectory(where), host, {}, Workspace::Mode::CommandLine);
    ws.LoadStartupSettings();
    ws.Options() = source.Options;
    ws.Systems().CopyFolderFrom(source.Systems);
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
    ws.Shutdown();
    return run;
}

// The best rating rows with stakes, best first: by p, or by "Среднее" with the highest first.
std::vector<size_t> BestRows(const Run& run, const ValidationRequest& request) {
    std::vector<size_t> order = SignificanceOrder(run.Significance, 0, false);
    if (request.ByMean) {
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            if ((run.Rating[a].Stakes > 0) != (run.Rating[b].Stakes > 0)) return run.Rating[a].Stakes > 0;
            return MeanOf(run.Rating[a]) > MeanOf(run.Rating[b]);
        });
    }
    std::vector<size_t> best;
    for (size_t i = 0; i < order.size() && static_cast<int>(best.size()) < request.Top; ++i)
        if (run.Rating[order[i]].Stakes > 0) best.push_back(order[i]);
    return best;
}

// The chosen rows with their figures on the training passes, and the scenario lines of those
// that can become one, in the same order.
std::vector<ValidationRow> ChooseRows(const Run& train, const ValidationRequest& request,
                                      std::vector<std::string>& lines) {
    std::vector<ValidationRow> rows;
    for (size_t index : BestRows(train, request)) {
        ValidationRow row;
        row.Comment = train.Rating[index].Comment.Text();
        row.TrainStakes = train.Rating[index].Stakes;
        row.TrainMean = MeanOf(train.Rating[index]);
        row.TrainP = train.Significance.Rows[index].P;
        const std::optional<std::string> line = RatingToScriptLine(row.Comment);
        row.Testable = line.has_value();
        if (line) lines.push_back(*line);
        rows.push_back(std::move(row));
    }
    return rows;
}

// The line (0-based) a rating row of the test run comes from: its comment starts with the line's
// number ("03.001: ...").
int LineOfComment(const std::string& comment) {
    int number = 0;
    size_t i = 0;
    for (; i < comment.size() && comment[i] >= '0' && comment[i] <= '9'; ++i)
        number = number * 10 + (comment[i] - '0');
    return i > 0 && i < comment.size() && comment[i] == '.' ? number - 1 : -1;
}

// The test run's figures for the rows whose lines it ran: the k-th line is the k-th testable row.
void AddTestFigures(const Run& test, ValidationReport& report) {
    std::vector<ValidationRow*> lineRows;
    for (ValidationRow& row : report.Rows)
        if (row.Testable) lineRows.push_back(&row);
    for (size_t r = 0; r < test.Rating.size(); ++r) {
        const int line = LineOfComment(test.Rating[r].Comment.Text());
        if (line < 0 || line >= static_cast<int>(lineRows.size())) continue;
        ValidationRow& row = *lineRows[static_cast<size_t>(line)];
        row.TestStakes = test.Rating[r].Stakes;
        row.TestMean = MeanOf(test.Rating[r]);
        row.TestP = test.Significance.Rows[r].P;
    }
    for (const ValidationRow& row : report.Rows)
        report.Reached += row.Testable && row.TestStakes > 0 && row.TestP <= Significant ? 1 : 0;
}

void CheckRequest(const Workspace& workspace, const ValidationRequest& request) {
    if (request.Train < 1 || request.Test < 1 || request.Top < 1)
        throw Error("Количество проходов и строк должно быть не меньше 1!");
    // The training passes run at offsets Test + Train .. Test + 1 of the whole archive, and the
    // largest offset is the number of draws less one.
    const int needed = request.Train + request.Test + 1;
    if (workspace.Archive().Count() < needed)
        throw Error(Format("Для проверки нужно не менее %d тиражей в архиве!", {needed}));
}

}  // namespace

ValidationReport ValidateScenario(Workspace& workspace, const ValidationRequest& request) {
    CheckRequest(workspace, request);
    const RunSource source = SourceOf(workspace);
    StoppableHost host(workspace.Host(), request.Stop);
    ScratchDirectory scratch;
    ValidationReport report;
    const Run train = TestInCopy(source, host, scratch.Path() / "train", request, request.Lines,
                                 request.Train, request.Test);
    if (train.Stopped) {
        report.Stopped = true;
        return report;
    }
    std::vector<std::string> lines;
    report.Rows = ChooseRows(train, request, lines);
    report.Tested = static_cast<int>(lines.size());
    report.ByChance = Significant * report.Tested;
    if (lines.empty()) return report;
    const Run test =
        TestInCopy(source, host, scratch.Path() / "test", request, std::move(lines), request.Test, 0);
    report.Stopped = test.Stopped;
    AddTestFigures(test, report);
    return report;
}

const std::array<const char*, ValidationColumnCount> ValidationColumnCaptions = {
    "Комментарий",       "Ставок (выбор)",     "Среднее (выбор)", "p (выбор)",
    "Ставок (проверка)", "Среднее (проверка)", "p (проверка)"};

std::array<std::string, ValidationColumnCount> ValidationRowTexts(const ValidationRow& row) {
    if (!row.Testable) {
        return {row.Comment,
                std::to_string(row.TrainStakes),
                FormatFixed(row.TrainMean, 3),
                ProbabilityText(row.TrainP),
                "-",
                "-",
                "-"};
    }
    return {row.Comment,
            std::to_string(row.TrainStakes),
            FormatFixed(row.TrainMean, 3),
            ProbabilityText(row.TrainP),
            std::to_string(row.TestStakes),
            FormatFixed(row.TestMean, 3),
            row.TestStakes > 0 ? ProbabilityText(row.TestP) : std::string("-")};
}

const char* const ValidationSummaryText =
    "Проверено строк: %d из %d; p (проверка) <= %s: %d; случайно ожидается: %s";

std::string ValidationSummary(const ValidationReport& report, std::string_view pattern) {
    return Format(pattern, {report.Tested, static_cast<int>(report.Rows.size()), FormatFixed(Significant, 2),
                            report.Reached, FormatFixed(report.ByChance, 2)});
}

}  // namespace quorvel
