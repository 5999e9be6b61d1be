#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include "gui/app/menu_entries.h"
#include "gui/app/option_toggle.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/stakes_controller.h"
#include "gui/stakes/stakes_pages.h"

namespace quorvel::gui {

namespace {

const MenuEntries StakeAddEntries = {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll"};
const MenuEntries StakesGridEntries = {
    "StakeAdd",       "StakeAddRandom",    "StakeAddSelected", "StakeAddAll",
    nullptr,          "StakeDel",          "StakeFilter",      "StakeClear",
    nullptr,          "StakesCheckManual", "StakesGraphDraws", "StakesXlsExport",
    nullptr,          "LogStakes",         "StakesScroll",     "StakesCheckLine",
    "LogStakesDelete"};

// The option entries: each flips its flag and writes its key at once.
struct StakesOption {
    const char* Name;
    const char* Caption;
    const char* Key;
    bool TUiOptions::*Flag;
};

const StakesOption StakesOptions[] = {
    {"LogStakes", QT_TRANSLATE_NOOP("quorvel::gui::StakesController", "Журналы ставок"), "StakesLogEnabled",
     &TUiOptions::StakesLogEnabled},
    {"StakesScroll",
     QT_TRANSLATE_NOOP("quorvel::gui::StakesController", "Прокручивать список при добавлении"),
     "StakesScrollEnabled", &TUiOptions::StakesScrollEnabled},
    {"StakesCheckLine",
     QT_TRANSLATE_NOOP("quorvel::gui::StakesController", "Проверять ставки после каждой строки сценария"),
     "StakesCheckOnLine", &TUiOptions::StakesCheckOnLine},
};

}  // namespace

void StakesController::CreateOptionActions() {
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

void StakesController::ApplyOptions() {
    const TUiOptions& options = workspace_->Options();
    for (const StakesOption& option : StakesOptions)
        actions_->Find(option.Name)->setChecked(options.*option.Flag);
}

void StakesController::AddMenus() {
    QMenu* stakes = InsertBarMenu(window_->menuBar(), tr("Ставки"));
    AddEntries(stakes, *actions_, StakesGridEntries);
    AddEntries(StakesTab()->Grid(), *actions_, StakesGridEntries);
    // The combination list offers the stakes of its combinations.
    AddEntries(combsPage_->List(), *actions_, {nullptr});
    AddEntries(combsPage_->List(), *actions_, StakeAddEntries);
}

}  // namespace quorvel::gui
