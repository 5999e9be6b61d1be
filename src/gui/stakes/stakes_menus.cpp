#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include "gui/app/main_window.h"
#include "gui/app/option_toggle.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/stakes_pages.h"

namespace quorvel::gui {

namespace {

// One entry per name; nullptr stands for a separator.
using Entries = std::initializer_list<const char*>;

const Entries StakeAddEntries = {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll"};
const Entries StakesGridEntries = {
    "StakeAdd",       "StakeAddRandom",    "StakeAddSelected", "StakeAddAll",
    nullptr,          "StakeDel",          "StakeFilter",      "StakeClear",
    nullptr,          "StakesCheckManual", "StakesGraphDraws", "StakesXlsExport",
    nullptr,          "LogStakes",         "StakesScroll",     "StakesCheckLine",
    "LogStakesDelete"};
const Entries RatingListEntries = {"RatingsRefresh",      nullptr, "StakesGraphOverlap", "StakesGraphProfits",
                                   "RatingsGraphOverlap", nullptr, "RatingsToScript",    "RatingsExport",
                                   "RatingsXlsExport"};

void AddEntries(QWidget* target, const ActionList& actions, Entries names) {
    for (const char* name : names) {
        if (name == nullptr) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else if (QAction* action = actions.Find(name)) {
            target->addAction(action);
        }
    }
}

// A menu of the bar placed before the help menu, which stays last.
QMenu* InsertBarMenu(QMenuBar* bar, const QString& title) {
    auto* menu = new QMenu(title, bar);
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    return menu;
}

// The option entries: each flips its flag and writes its key at once.
struct StakesOption {
    const char* Name;
    const char* Caption;
    const char* Key;
    bool TUiOptions::*Flag;
};

const StakesOption StakesOptions[] = {
    {"LogStakes", QT_TRANSLATE_NOOP("quorvel::gui::MainWindow", "Журналы ставок"), "StakesLogEnabled",
     &TUiOptions::StakesLogEnabled},
    {"StakesScroll", QT_TRANSLATE_NOOP("quorvel::gui::MainWindow", "Прокручивать список при добавлении"),
     "StakesScrollEnabled", &TUiOptions::StakesScrollEnabled},
    {"StakesCheckLine",
     QT_TRANSLATE_NOOP("quorvel::gui::MainWindow", "Проверять ставки после каждой строки сценария"),
     "StakesCheckOnLine", &TUiOptions::StakesCheckOnLine},
};

}  // namespace

void MainWindow::CreateStakesOptionActions() {
    for (const StakesOption& option : StakesOptions) {
        const QString name = option.Name;
        QAction* action = actions_->Add(
            name, tr(option.Caption), {}, [] { return true; },
            [this, name, option] {
                ToggleUiOption(*workspace_, router_, actions_->Find(name), option.Key, option.Flag);
            });
        action->setCheckable(true);
    }
}

void MainWindow::ApplyStakesOptions() {
    const TUiOptions& options = workspace_->Options();
    for (const StakesOption& option : StakesOptions)
        actions_->Find(option.Name)->setChecked(options.*option.Flag);
    for (int mode = 0; mode < RatingEffModeCount; ++mode)
        actions_->Find(QString("RatingsEffMode%1").arg(mode))->setChecked(mode == options.RatingsEffMode);
}

void MainWindow::AddStakesMenus() {
    QMenu* stakes = InsertBarMenu(menuBar(), tr("Ставки"));
    AddEntries(stakes, *actions_, StakesGridEntries);
    QMenu* rating = InsertBarMenu(menuBar(), tr("Рейтинг"));
    AddEntries(rating, *actions_, RatingListEntries);
    rating->addSeparator();
    QMenu* effModes = rating->addMenu(tr("Эффективность (столбцы E0..n)"));
    effModes->setObjectName("mnRatingsEffMode");
    for (int mode = 0; mode < RatingEffModeCount; ++mode)
        effModes->addAction(actions_->Find(QString("RatingsEffMode%1").arg(mode)));

    AddEntries(StakesTab()->Grid(), *actions_, StakesGridEntries);
    AddEntries(RatingTab()->List(), *actions_, RatingListEntries);
    AddEntries(RatingTab()->List(), *actions_, {nullptr});
    RatingTab()->List()->addAction(effModes->menuAction());
    // The combination list offers the stakes of its combinations.
    AddEntries(combsPage_->List(), *actions_, {nullptr});
    AddEntries(combsPage_->List(), *actions_, StakeAddEntries);
}

}  // namespace quorvel::gui
