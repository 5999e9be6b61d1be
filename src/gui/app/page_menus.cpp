#include <QMenu>
#include <QMenuBar>
#include <string_view>

#include "gui/app/menu_entries.h"
#include "gui/app/window_areas.h"

namespace quorvel::gui {

namespace {

// Adds a menu of the given actions ("-" for a separator) before the help menu, which stays last.
QMenu* InsertMenu(QMenuBar* bar, ActionList& actions, const QString& title,
                  std::initializer_list<const char*> names) {
    auto* menu = new QMenu(title, bar);
    for (const char* name : names) {
        if (std::string_view(name) == "-")
            menu->addSeparator();
        else if (QAction* action = actions.Find(name))
            menu->addAction(action);
    }
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    return menu;
}

}  // namespace

void MainWindow::AddPageMenus() {
    if (auto* stats = menuBar()->findChild<QMenu*>("mnStats")) {
        stats->addSeparator();
        if (QAction* draw = frame_.Actions->Find("DrawsGraphDraw"))
            AddAliasEntry(stats, draw, tr("Обновить график"));
        for (const char* name : {"AnalyzeRepeats", "TotalSumCombs"}) {
            if (QAction* action = frame_.Actions->Find(name)) stats->addAction(action);
        }
    }
    areas_->Stakes->AddMenus();
    areas_->Rating->AddMenus();
    InsertMenu(menuBar(), *frame_.Actions, tr("Регуляры"),
               {"TablesAdd", "TablesDel", "-", "TablesStakeAdd", "TablesStakeTest"});
    InsertMenu(menuBar(), *frame_.Actions, tr("Системы"),
               {"SystemsOn", "SystemsRefresh", "SystemsDownload", "SystemsAdd", "SystemsProp", "SystemsDel",
                "SystemStakeAll", "SystemStakeFilter"});
    InsertMenu(menuBar(), *frame_.Actions, tr("Сценарий"),
               {"ScriptOpen", "ScriptSave", "ScriptAdd", "ScriptEmpty", "ScriptLoad", "ScriptClone",
                "ScriptEdit", "ScriptDel", "ScriptClr", "ScriptUp", "ScriptDown", "-", "ScriptRun",
                "ScriptTest", "ScriptStop", "ScriptValidate", "-", "LogToggle", "LogsDelete"});
    InsertMenu(menuBar(), *frame_.Actions, tr("Вид"),
               {"TabGraps", "TabCard", "TabLayout", "TabWeek", "TabTables", "-", "ColorCard",
                "ColorCardSequences", "LayoutGradient", "-", "ViewWeekChartMode", "ViewWeekChartType"})
        ->setObjectName("mnView");
}

}  // namespace quorvel::gui
