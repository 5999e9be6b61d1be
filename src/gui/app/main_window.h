#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/workspace.h"
#include "gui/app/action_list.h"
#include "gui/app/area_controller.h"
#include "gui/app/host_router.h"
#include "gui/app/window_layout.h"

class QLabel;
class QSplitter;

namespace quorvel::gui {

class ElidedLabel;
class ScenarioRunController;
class WaitWindow;

// The frame of the program: the draws and combinations on the left, the analysis tabs on the
// right, the menus, the status bar of seven panels. Each area's actions, pages and dialogs
// belong to its controller; every rule they follow lives in the workspace's services.
class MainWindow : public QMainWindow, public WorkspaceListener {
    Q_OBJECT

public:
    static constexpr int StatusPanelCount = 7;
    static constexpr int InitialisationDelayMs = 100;

    MainWindow(DataDirectory dir, std::vector<std::string> args, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& GetWorkspace() { return *workspace_; }
    ActionList& Actions() { return *frame_.Actions; }
    // What an entry of "Язык интерфейса" does: stores the pick and restarts for a new language.
    void SwitchLanguage(int lcid);
    UiHost& Host() { return router_; }
    QTabWidget* LeftTabs() const { return frame_.LeftTabs; }
    QTabWidget* RightTabs() const { return frame_.RightTabs; }
    QSplitter* MainSplitter() const { return splitter_; }
    QString StatusText(int panel) const;
    DrawsPage* Draws() const { return frame_.Draws; }
    CombsPage* Combs() const { return frame_.Combs; }
    StatsPage* StatsTab() const { return frame_.Stats; }
    GraphsPage* GraphsTab() const { return frame_.Graphs; }
    WaitWindow* Wait() const;
    ScenarioRunController* ScenarioRun() const;

    // The initialisation stage; false when the program must end (data directory held elsewhere).
    bool Initialise();
    // Replaces the host's message boxes (tests answer them with a script).
    void SetUiHost(UiHost* host) { router_.SetTarget(host); }
    // Where the pages shipped with the program (method descriptions) are looked for; the
    // executable's directory unless tests point elsewhere.
    void SetProgramDirectory(std::filesystem::path dir) { frame_.ProgramDir = std::move(dir); }
    // The language the help pages are opened in: the interface's, which is the built-in one
    // under "no-language" or when the chosen language's module is not in the program directory.
    int HelpLanguage() const;
    void FillMethodLists(bool reload, bool keepSelection);

    // Tests answer the number-of-tests question, see the finished log, seed "RAND" and name
    // the file of the next export instead of the dialogs.
    void SetTestCountQuestion(std::function<std::optional<int>(int most)> ask) {
        frame_.AskTestCountHook = std::move(ask);
    }
    void SetLogViewer(std::function<void(const QString& file)> viewer);
    void SetExternalOpener(ExternalOpener opener) { frame_.OpenExternally = std::move(opener); }
    void SetScenarioSeed(std::optional<uint32_t> seed);
    void SetExportFile(QString file) { frame_.ExportFile = std::move(file); }

    void ArchiveRefreshed(bool force) override;

signals:
    void Initialised(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildLayout();
    void BuildStatusBar();
    void CreateActions();
    void CreateMenus();
    void AddPageMenus();
    void ApplyUiOptions();
    // The check marks of every option entry, set once the stored options have been read.
    void ApplyOptionMarks();
    void RestoreLayout();
    void UpdateStatusPanels();
    void ShowRunStatusPanels(const ScenarioRunStatus& status);
    void ShowCountPanels(int nextDraw, int combinations, int stakeRecords);
    void RefreshAll();
    void SetProgressText(const QString& text);
    UiValues WindowValues() const;
    void EditConfigExecute();
    void SetDownloadOnStart(int mode);
    void ShowFirstRunDialog();
    void Restart();

    QtUiHost host_;
    HostRouter router_{host_};
    std::unique_ptr<Workspace> workspace_;
    Frame frame_;
    QSplitter* splitter_ = nullptr;
    std::array<QLabel*, StatusPanelCount> panels_{};
    ElidedLabel* progress_ = nullptr;  // the last panel: progress, hints and a run's variant
    // The controllers of the areas, owned by the window as QObject children.
    struct Areas;
    std::unique_ptr<Areas> areas_;
};

}  // namespace quorvel::gui
