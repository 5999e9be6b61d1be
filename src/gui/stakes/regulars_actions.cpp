#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <algorithm>

#include "gui/app/option_toggle.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/regular_dialog.h"
#include "gui/stakes/regulars_controller.h"
#include "gui/stakes/regulars_page.h"
#include "gui/stakes/stake_dialog.h"

namespace quorvel::gui {

RegularsController::RegularsController(Frame& frame) : AreaController(frame) {
    page_ = new RegularsPage(*workspace_, rightTabs_);
}

void RegularsController::CreateActions() {
    RegularsPage* page = RegularsTab();
    if (page == nullptr) return;
    auto shown = [this] { return working_ && workspace_->Options().TabTables; };
    auto selected = [shown, page] { return shown() && !page->SelectedRows().empty(); };
    auto canStake = [this, selected] { return selected() && workspace_->Stakes().File().IsOpen(); };

    actions_->Add("TablesAdd", tr("Добавить регулярную ставку"), {}, shown, [this] { RegularAddExecute(); });
    actions_->Add("TablesDel", tr("Удалить регулярную ставку"), {}, selected, [this, page] {
        if (workspace_->Regulars().DeleteRegulars(page->SelectedRows())) page->List()->clearSelection();
    });
    actions_->Add("TablesStakeAdd", tr("Сделать ставку по регуляру"), {}, canStake,
                  [this] { RegularStakeExecute(); });
    actions_->Add("TablesStakeTest", tr("Тест регуляров"), {}, canStake, [this] { RegularsTestExecute(); });
    QAction* tab = actions_->Add(
        "TabTables", tr("Вкладка \"Регуляры\""), {}, [this] { return working_; },
        [this] {
            ToggleUiOption(*workspace_, router_, actions_->Find("TabTables"), "TabTables",
                           &TUiOptions::TabTables);
            ShowRegulars(workspace_->Options().TabTables, true);
        });
    tab->setCheckable(true);
    tab->setStatusTip(tr("Скрыть / показать вкладку \"Регулярные ставки\""));
    tab->setToolTip(tab->statusTip());

    for (const char* name : std::initializer_list<const char*>{"TablesAdd", "TablesDel", nullptr,
                                                               "TablesStakeAdd", "TablesStakeTest"}) {
        if (name == nullptr) {
            page->Bar()->addSeparator();
            auto* separator = new QAction(page->List());
            separator->setSeparator(true);
            page->List()->addAction(separator);
            continue;
        }
        page->Bar()->addAction(actions_->Find(name));
        page->List()->addAction(actions_->Find(name));
    }
    connect(page, &RegularsPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
}

void RegularsController::ShowRegulars(bool shown, bool load) {
    RegularsPage* page = RegularsTab();
    if (page == nullptr) return;
    const int tab = rightTabs_->indexOf(page);
    rightTabs_->setTabVisible(tab, shown);
    actions_->Find("TabTables")->setChecked(shown);
    if (!load) return;
    if (shown) {
        workspace_->Regulars().LoadRegulars();
        rightTabs_->setCurrentIndex(tab);
    } else {
        workspace_->Regulars().ClearRegulars();
    }
}

void RegularsController::RegularAddExecute() {
    std::vector<int> rows = combsPage_->SelectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<TComb> chosen;
    for (int row : rows) {
        if (row >= 0 && row < workspace_->Combs().List().CombCount())
            chosen.push_back(workspace_->Combs().List().CombAt(row));
    }
    RegularDialog dialog(workspace_->Regulars().List(), chosen, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->Regulars().AddRegulars(dialog.Draft(), rows);
}

void RegularsController::RegularStakeExecute() {
    const std::vector<int> rows = RegularsTab()->SelectedRows();
    if (rows.empty()) return;
    // The regular itself moves on only when the stake is made.
    const auto plan = workspace_->Regulars().PrepareRegularStake(rows.front());
    if (!plan) return;
    StakeDialog dialog(plan->Stake, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->Regulars().CommitRegularStake(*plan, dialog.Stake(), dialog.Draws());
}

void RegularsController::RegularsTestExecute() {
    const int most = workspace_->Archive().Count() - 1;
    if (most < 1) return;
    const std::optional<int> answer = AskTestCount(most);
    if (!answer || *answer < 1 || *answer > most) return;
    // Every offset of the test would otherwise redraw every view.
    workspace_->SuspendViewUpdates(true);
    workspace_->Regulars().TestRegulars(RegularsTab()->SelectedRows(), *answer);
    workspace_->SuspendViewUpdates(false);
    ArchiveRefreshed(true);
    StakesRefreshed(true);
    RatingRefreshed();
    RegularsRefreshed();
    workspace_->Draws().RecalcViews();
}

void RegularsController::RegularsRefreshed() {
    if (RegularsTab() != nullptr) RegularsTab()->Refresh();
    if (actions_ != nullptr) actions_->UpdateAll();
}

}  // namespace quorvel::gui
