#pragma once

#include <QMainWindow>
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/app/listeners.h"
#include "core/app/workspace.h"
#include "core/scenario_run/scenario_run.h"
#include "gui/app/action_list.h"
#include "gui/widgets/document_viewer.h"

class QTabWidget;
class QTableView;

namespace quorvel::gui {

class CombsPage;
class DrawsPage;
class GraphsPage;
class StatsPage;

// What the window shares with the controllers of its areas: itself (the parent of dialogs and
// holder of the menu bar), the workspace, the actions, the message host, the two rows of tabs,
// the pages several areas read, and the hooks tests use instead of dialogs.
struct Frame {
    QMainWindow* Window = nullptr;
    Workspace* Ws = nullptr;
    ActionList* Actions = nullptr;
    UiHost* Host = nullptr;
    QTabWidget* LeftTabs = nullptr;
    QTabWidget* RightTabs = nullptr;
    bool Working = false;  // start-up is done
    std::filesystem::path ProgramDir;
    DrawsPage* Draws = nullptr;
    CombsPage* Combs = nullptr;
    StatsPage* Stats = nullptr;
    GraphsPage* Graphs = nullptr;
    // The language of the help pages.
    std::function<int()> HelpLanguage;
    // The status panels follow the archive, the list, the stakes and the rating.
    std::function<void()> UpdateStatus;
    // While a scenario run owns the workspace, the panels follow the run's status instead.
    std::function<void(const ScenarioRunStatus&)> ShowRunStatus;
    // After a scenario run everything it changed is shown in one go.
    std::function<void()> RefreshAll;
    // Tests answer the number-of-tests question and name the file of the next export.
    std::function<std::optional<int>(int most)> AskTestCountHook;
    // Hands help pages and logs to the system's viewer; tests stand in for it.
    ExternalOpener OpenExternally;
    QString ExportFile;
};

// The number of past draws to test on (1..most), asked with a dialog unless a test answers.
std::optional<int> AskTestCount(Frame& frame, int most);
// The list shown by a tab, exported titled with the tab's caption.
void ExportListToXlsx(Frame& frame, QTableView* view);

// One area of the window: its actions, pages and dialogs. It hears the workspace's changes
// itself. The names below are the frame's parts as the area's code reads them.
class AreaController : public QObject, public WorkspaceListener {
public:
    explicit AreaController(Frame& frame);

protected:
    void ExportListToXlsx(QTableView* view) { gui::ExportListToXlsx(frame_, view); }
    std::optional<int> AskTestCount(int most) { return gui::AskTestCount(frame_, most); }
    void UpdateStatusPanels() { frame_.UpdateStatus(); }
    int HelpLanguage() const { return frame_.HelpLanguage(); }

    Frame& frame_;
    QMainWindow* const window_;
    Workspace* const workspace_;
    ActionList* const actions_;
    UiHost& router_;
    QTabWidget* const leftTabs_;
    QTabWidget* const rightTabs_;
    const bool& working_;
    const std::filesystem::path& programDir_;
    DrawsPage*& drawsPage_;
    CombsPage*& combsPage_;
    StatsPage*& statsPage_;
    GraphsPage*& graphsPage_;
};

}  // namespace quorvel::gui
