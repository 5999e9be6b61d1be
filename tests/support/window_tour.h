#pragma once

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>

#include "core/app/ui_state.h"
#include "gui/app/main_window.h"
#include "gui/archive/draws_page.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/temp_dir.h"

namespace quorvel::test {

// The sample archive in a fresh data directory, with the systems tab shown, as a person sees
// it after the first start.
struct TourWindow {
    explicit TourWindow(QSize size) {
        UiStateFile(dir / "Quorvel_3r10.frm").WriteUiValues({{"SystemsEnabled", "1"}});
        window = OpenSampleWindow(dir.Path(), host);
        window->resize(size);
        // A draw chosen, as the actions on a draw need, and a few checked stakes with their rating.
        window->Draws()->List()->selectRow(0);
        Workspace& ws = window->GetWorkspace();
        ws.Stakes().AddStakesForCombs({{{1, 2, 3}}, {{4, 5, 6}}, {{7, 8, 9}}}, 1, 3, "Manual");
        ws.Stakes().CheckStakes();
        ws.Stakes().RebuildRating();
        window->findChild<QTableView*>("lvRatings")->selectRow(0);
        // A scenario line, so that the scenario tab has a row and its actions are on.
        ws.Script().AppendScriptLine("FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:0| | | | | | |");
        // The systems shipped beside the program, as the systems tab lists them.
        ws.Systems().SetShippedSystemsFolder(std::string(QUORVEL_BUILD_DIR) + "/Systems");
        ws.Systems().RefreshSystems();
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }
    TempDir dir;
    FakeUiHost host;
    std::unique_ptr<gui::MainWindow> window;
};

// Shows every visible tab of the window in turn, each side's tabs with the other side on its
// first tab, and hands each to the visitor under a name made of the tab's index and side.
inline void VisitEveryTab(gui::MainWindow& window, const std::function<void(const QString& name)>& visit) {
    for (QTabWidget* tabs : {window.LeftTabs(), window.RightTabs()}) {
        const QString side = tabs == window.LeftTabs() ? "left" : "right";
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (!tabs->isTabVisible(tab)) continue;
            tabs->setCurrentIndex(tab);
            QTest::qWait(20);
            visit(QString("%1_%2").arg(side).arg(tab, 2, 10, QChar('0')));
        }
        tabs->setCurrentIndex(0);
    }
}

// Runs the action and hands the window it opens to the visitor, then closes that window: a
// modal dialog once it is up, otherwise any new top-level window. Returns whether one opened.
inline bool VisitWindowOf(gui::MainWindow& window, const QString& action,
                          const std::function<void(QWidget* opened)>& visit) {
    const QWidgetList before = QApplication::topLevelWidgets();
    bool seen = false;
    QTimer poll;
    poll.setInterval(30);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || seen) return;
        seen = true;
        poll.stop();
        (void)QTest::qWaitForWindowExposed(modal);
        QTest::qWait(30);
        visit(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    window.Actions().Execute(action);
    poll.stop();
    if (seen) return true;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (before.contains(widget) || !widget->isVisible() || widget == &window) continue;
        (void)QTest::qWaitForWindowExposed(widget);
        QTest::qWait(30);
        visit(widget);
        widget->close();
        return true;
    }
    return false;
}

// The actions that open a window of their own on the sample archive, and the name of each.
inline const std::vector<std::pair<QString, QString>>& WindowActions() {
    static const std::vector<std::pair<QString, QString>> actions = {
        {"DrawsAdd", "draw_add"},
        {"DrawsEdit", "draw_edit"},
        {"DrawsInfo", "draw_info"},
        {"TotalSumCombs", "sum_chart"},
        {"AnalyzeRepeats", "repeats"},
        {"CombsGen", "generate"},
        {"EditConfig", "settings"},
        {"EditProxy", "proxy"},
        {"EditShredding", "shredding"},
        {"FiltersManager", "favourites"},
        {"ScriptAdd", "scenario_line"},
        {"ScriptTest", "test_count"},
        {"StakeAdd", "stake_add"},
        {"StakeAddAll", "stake_many"},
        {"TablesAdd", "regular_add"},
        {"ScriptValidate", "validation"},
        {"StakeFilter", "stake_filter"},
        {"StakesGraphProfits", "stakes_profit"},
        {"RatingsGraphOverlap", "rating_matches"},
        {"SystemsAdd", "system_new"},
        {"About", "about"},
    };
    return actions;
}

}  // namespace quorvel::test
