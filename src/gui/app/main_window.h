#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/workspace.h"
#include "core/views/view_stamp.h"
#include "gui/app/action_list.h"
#include "gui/app/gui_thread.h"
#include "gui/app/qt_ui_host.h"
#include "gui/app/window_layout.h"

class QLabel;
class QSplitter;
class QTabWidget;
class QTableView;

namespace quorvel::gui {

class CombsPage;
class WaitWindow;
class DrawsPage;
class GraphsPage;
class CardPage;
class LayoutPage;
class WeekPage;
class StatsPage;
class StakesPage;
class RatingPage;
class SystemsPage;
class RegularsPage;
class ScenarioPage;
class ScenarioRunController;

// The main window: the draws and combinations on the left, the analysis tabs on the right,
// the status bar of seven panels. Every rule it follows lives in the Workspace.
class MainWindow : public QMainWindow, public WorkspaceListener {
    Q_OBJECT

public:
    static constexpr int StatusPanelCount = 7;
    static constexpr int InitialisationDelayMs = 100;

    MainWindow(DataDirectory dir, std::vector<std::string> args, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& GetWorkspace() { return *workspace_; }
    ActionList& Actions() { return *actions_; }
    UiHost& Host() { return router_; }
    DrawsPage* Draws() const { return drawsPage_; }
    StatsPage* StatsTab() const { return statsPage_; }
    GraphsPage* GraphsTab() const { return graphsPage_; }
    QTabWidget* LeftTabs() const { return leftTabs_; }
    QTabWidget* RightTabs() const { return rightTabs_; }
    QSplitter* MainSplitter() const { return splitter_; }
    QString StatusText(int panel) const;

    // The initialisation stage; false when the program must end (data directory held elsewhere).
    bool Initialise();
    // Replaces the host's message boxes (tests answer them with a script).
    void SetUiHost(UiHost* host);
    // Where the pages shipped with the program (method descriptions) are looked for; the
    // executable's directory unless tests point elsewhere.
    void SetProgramDirectory(std::filesystem::path dir) { programDir_ = std::move(dir); }
    // The language the help pages are opened in: the interface's, which is the built-in one
    // under "no-language" or when the chosen language's module is not in the program directory.
    int HelpLanguage() const;

    // Refills the statistics and graph method lists from the catalogue. With reload the
    // catalogue is rebuilt first (parameter ranges and formulas follow the settings) keeping
    // names and favourites through the names file. The lists keep their positions when asked
    // and when those are still inside them; otherwise they start at the first method.
    void FillMethodLists(bool reload, bool keepSelection);

    // Tests answer the number-of-tests question, see the finished log and seed "RAND" here.
    void SetTestCountQuestion(std::function<std::optional<int>(int most)> ask) {
        askTestCount_ = std::move(ask);
    }
    void SetLogViewer(std::function<void(const QString& file)> viewer) { logViewer_ = std::move(viewer); }
    void SetScenarioSeed(std::optional<uint32_t> seed) { scenarioSeed_ = seed; }
    ScenarioRunController* ScenarioRun() const { return scenarioRun_; }

    // Tests name the file of the next export (spreadsheet or CSV) instead of the save dialog.
    void SetExportFile(QString file) { exportFile_ = std::move(file); }

    void ArchiveRefreshed(bool force) override;
    void RecalcViews() override;
    void CombsRefreshed() override;
    CombsPage* Combs() const { return combsPage_; }
    // The wait window of the download.
    WaitWindow* Wait() const { return waitWindow_; }

signals:
    void Initialised(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildLayout();
    void BuildStatusBar();
    void CreateActions();
    void CreateArchiveActions();
    void CreateStatsActions();
    void CreateCombsActions();
    void CreateCombsMenu();
    void CreateStatTableActions();
    void CreateScenarioActions();
    // The scenario run and test, on a worker thread.
    void CreateScenarioRunActions();
    bool ScenarioRunning() const;
    ScenarioPage* ScenarioTab() const;
    std::optional<int> AskTestCount(int most);
    void ScriptRunExecute(bool test);
    void ShowScenarioRunStatus();
    void ScenarioRunFinished();
    // Closing during a run asks to stop it and waits for it; false keeps the window open.
    bool ConfirmCloseDuringRun();
    ScenarioRunController* scenarioRun_ = nullptr;
    // The list shown by a tab, exported titled with the tab's caption.
    void ExportListToXlsx(QTableView* view);
    QString exportFile_;
    std::function<std::optional<int>(int)> askTestCount_;
    std::function<void(const QString&)> logViewer_;
    std::optional<uint32_t> scenarioSeed_;
    // The graphs tab, the sum distribution and the repeats windows.
    void CreateGraphsActions();
    void RebuildGraph(bool force);
    void TotalSumCombsExecute();
    void AnalyzeRepeatsExecute();
    void CreateStakesActions();
    void CreateStakesOptionActions();
    void CreateRatingActions();
    // The stakes and rating menus, and the context menus of their lists.
    void AddStakesMenus();
    // Marks the stakes and rating option entries as the options read at start-up say.
    void ApplyStakesOptions();
    // The stake dialog on the combination at that row of the current list (none when outside).
    void StakeAddExecute(int combRow);
    // The multi-stake dialog, then one stake per combination.
    bool StakeAddManyExecute(const std::vector<TComb>& combs);
    void StakeFilterExecute();
    void RatingsExportExecute();
    void RatingsToScriptExecute();
    StakesPage* StakesTab() const;
    RatingPage* RatingTab() const;
    void StakesRefreshed(bool moveToEnd) override;
    void RatingRefreshed() override;
    // The systems tab, shown with its two stake actions while system games are on.
    void CreateSystemsActions();
    // Shows or hides the tab; with load the list is read (shown) or emptied (hidden).
    void ShowSystems(bool shown, bool load);
    void ToggleSystemsExecute();
    void SystemStakeExecute(bool filtered);
    void SystemEditExecute(bool isNew);
    void SystemsImportExecute();
    SystemsPage* SystemsTab() const;
    void SystemsRefreshed() override;
    // The regular stakes tab, shown or hidden by its own option; shown, it holds the regulars.
    void CreateRegularsActions();
    void ShowRegulars(bool shown, bool load);
    void RegularAddExecute();
    // The first selected regular, advanced, through the stake dialog.
    void RegularStakeExecute();
    // The selected regulars over past draws, with the views resting until the end.
    void RegularsTestExecute();
    RegularsPage* RegularsTab() const;
    void RegularsRefreshed() override;
    // The card, layout and week tabs: each rebuilds only while its tab is visible and, unless
    // forced, when what it was built for changed.
    void CreateViewsActions();
    void RebuildViews(bool force);
    void RebuildCard(bool force);
    void RebuildLayout(bool force);
    void RebuildLayoutCompare(bool force);
    void RebuildWeek(bool force);
    void DrawWeekChart();
    // The tab visibility and colour entries of the views; their marks, length boxes and
    // colours follow the options once these have been read.
    void CreateViewOptionActions();
    void ApplyViewOptions();
    CardPage* cardPage_ = nullptr;
    LayoutPage* layoutPage_ = nullptr;
    WeekPage* weekPage_ = nullptr;
    TViewStamp layoutStamp_;
    TViewStamp layoutCompareStamp_;
    TViewStamp weekStamp_;
    void AddStatTableMenuEntries();
    void AddPageMenus();
    void ComputeStatTable(bool forced);
    void TogglePrefetch();
    void ToggleTotalLine();
    void CombsGenExecute();
    void CombsOpenExecute();
    void CombsSaveExecute();
    void CombsInfoExecute();
    void CreateMenus();
    void ApplyUiOptions();
    // The check marks of every option entry, set once the stored options have been read.
    void ApplyOptionMarks();
    void RestoreLayout();
    void UpdateStatusPanels();
    void SetProgressText(const QString& text);
    UiValues WindowValues() const;

    void DrawsAddExecute();
    void DrawsEditExecute();
    void DrawsDelExecute();
    void DrawsInfoExecute(int row);
    void DrawsImportExecute();
    void DrawsExportExecute();
    // Download of new draws
    void OpenLotoSiteExecute();
    WaitWindow* waitWindow_ = nullptr;
    void EditConfigExecute();
    void FiltersManagerExecute();
    void FiltersResetExecute();
    void FiltersInfoExecute();
    // After the favourites changed: the names file written, the lists rebuilt, the views
    // recomputed, with the wait text shown meanwhile.
    void ReloadMethodLists();
    void SetDownloadOnStart(int mode);
    void ShowFirstRunDialog();
    void SwitchLanguage(int lcid);
    void Restart();

    // Progress and the busy cursor always reach the window; messages and questions go to the
    // current target, which tests replace with a script.
    class HostRouter : public UiHost {
    public:
        explicit HostRouter(QtUiHost& window) : window_(window), target_(&window) {}
        void SetTarget(UiHost* target) { target_ = target != nullptr ? target : &window_; }
        // Off the window's thread (a scenario run) progress and the busy cursor are left to the
        // run's own panels; messages and questions wait for the window.
        void ShowProgress(const std::string& text) override {
            if (OnGuiThread()) window_.ShowProgress(text);
        }
        void BusyChanged(bool busy) override {
            if (OnGuiThread()) window_.BusyChanged(busy);
        }
        void ShowError(const std::string& text) override {
            CallOnGuiThread([&] { target_->ShowError(text); });
        }
        void ShowInfo(const std::string& text) override {
            CallOnGuiThread([&] { target_->ShowInfo(text); });
        }
        void ShowWarning(const std::string& text, WarningCaption caption) override {
            CallOnGuiThread([&] { target_->ShowWarning(text, caption); });
        }
        bool AskYesNo(const std::string& text) override {
            return CallOnGuiThread([&] { return target_->AskYesNo(text); });
        }
        bool AskDelete(const std::string& text) override {
            return CallOnGuiThread([&] { return target_->AskDelete(text); });
        }
        bool AskRetry(const std::string& text) override {
            return CallOnGuiThread([&] { return target_->AskRetry(text); });
        }
        bool StopRequested() override { return OnGuiThread() && target_->StopRequested(); }

    private:
        QtUiHost& window_;
        UiHost* target_;
    };

    QtUiHost host_;
    HostRouter router_{host_};
    std::unique_ptr<Workspace> workspace_;
    ActionList* actions_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CombsPage* combsPage_ = nullptr;
    QTabWidget* leftTabs_ = nullptr;
    QTabWidget* rightTabs_ = nullptr;
    DrawsPage* drawsPage_ = nullptr;
    StatsPage* statsPage_ = nullptr;
    GraphsPage* graphsPage_ = nullptr;
    std::filesystem::path programDir_;
    std::array<QLabel*, StatusPanelCount> panels_{};
    bool working_ = false;
};

}  // namespace quorvel::gui
