#include <QTableView>

#include "app/main_window.h"
#include "combos/combs_page.h"
#include "stakes/stake_dialog.h"
#include "stakes/stakes_pages.h"

namespace quorvel::gui {

StakesPage* MainWindow::StakesTab() const {
    return rightTabs_ != nullptr ? rightTabs_->findChild<StakesPage*>() : nullptr;
}

RatingPage* MainWindow::RatingTab() const {
    return rightTabs_ != nullptr ? rightTabs_->findChild<RatingPage*>() : nullptr;
}

void MainWindow::CreateStakesActions() {
    StakesFile& stakes = workspace_->Stakes();
    auto fileOpen = [&stakes] { return stakes.IsOpen(); };
    auto notEmpty = [&stakes] { return stakes.IsOpen() && !stakes.Empty(); };
    actions_->Add("StakeAdd", tr("Сделать ставку"), QKeySequence(Qt::Key_F4), fileOpen,
                  [this] { StakeAddExecute(); });
    actions_->Add(
        "StakeDel", tr("Удалить ставку"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [this, notEmpty] { return notEmpty() && StakesTab()->SelectedRange().first >= 0; },
        [this] {
            const auto [first, last] = StakesTab()->SelectedRange();
            // Grid rows count the header as row 0.
            if (workspace_->DeleteStakeRows(first + 1, last + 1)) StakesTab()->Grid()->clearSelection();
        });
    actions_->Add("StakeClear", tr("Удалить все ставки"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
                  notEmpty, [this] { workspace_->ClearStakes(); });
    actions_->Add("StakesCheckManual", tr("Проверить ставки"), QKeySequence(Qt::CTRL | Qt::Key_F5), notEmpty,
                  [this] {
                      workspace_->CheckStakes();
                      StakesRefreshed(false);
                  });
    actions_->Add("RatingsRefresh", tr("Обновить рейтинг"), QKeySequence(Qt::Key_F5), fileOpen,
                  [this] { workspace_->RebuildRating(); });

    for (const char* name : {"StakeAdd", "StakeDel", "StakeClear", "StakesCheckManual"})
        StakesTab()->Grid()->addAction(actions_->Find(name));
    RatingTab()->List()->addAction(actions_->Find("RatingsRefresh"));
    // Ctrl+Delete also deletes combinations and scenario lines: each list keeps its own.
    actions_->Find("StakeDel")->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(StakesTab(), &StakesPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    connect(RatingTab(), &RatingPage::SortRequested, this, [this](int column) {
        const bool descending =
            column == workspace_->RatingSortColumn() ? !workspace_->RatingDescending() : false;
        workspace_->SortRating(column, descending);
    });
}

void MainWindow::StakeAddExecute() {
    TStakeRecord stake = workspace_->NewManualStake();
    const int row = combsPage_->FirstSelectedRow();
    if (row >= 0 && row < workspace_->Combs().CombCount()) {
        const TComb& comb = workspace_->Combs().CombAt(row);
        stake.Values.Count = PositionCount;
        for (int i = 0; i < PositionCount; ++i)
            stake.Values.Values[static_cast<size_t>(i)] = comb.Values[static_cast<size_t>(i)];
    }
    StakeDialog dialog(stake, this);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->AddStake(dialog.Stake(), dialog.Draws());
}

void MainWindow::StakesRefreshed(bool moveToEnd) {
    if (StakesTab() != nullptr) StakesTab()->Refresh(moveToEnd);
    if (panels_[4] != nullptr) UpdateStatusPanels();
    if (actions_ != nullptr) actions_->UpdateAll();
}

void MainWindow::RatingRefreshed() {
    if (RatingTab() != nullptr) RatingTab()->Refresh();
    if (panels_[5] != nullptr) UpdateStatusPanels();
    if (actions_ != nullptr) actions_->UpdateAll();
}

}  // namespace quorvel::gui
