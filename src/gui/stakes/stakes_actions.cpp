#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTableView>

#include "core/model/text_forms.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/multi_stake_dialog.h"
#include "gui/stakes/stake_dialog.h"
#include "gui/stakes/stake_filter_dialog.h"
#include "gui/stakes/stakes_chart.h"
#include "gui/stakes/stakes_controller.h"
#include "gui/stakes/stakes_pages.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

// Alt+F4 both ends the program and stakes the selected combinations. While the combination
// list has the focus and the stake action is enabled the key is the action's; everywhere else
// it stays the exit key. (Two enabled actions on one key would leave Qt firing neither.)
class ListKeyOwner : public QObject {
public:
    ListKeyOwner(QAction* action, QKeySequence key, QObject* parent)
        : QObject(parent), action_(action), key_(std::move(key)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) != key_ || !action_->isEnabled())
            return QObject::eventFilter(watched, event);
        event->accept();
        if (!override) action_->trigger();
        return true;
    }

private:
    QAction* action_;
    QKeySequence key_;
};

// A new stake as the dialogs offer it: its default comment in the interface language.
TStakeRecord NewStakeShown(Workspace& workspace) {
    TStakeRecord stake = workspace.Stakes().NewManualStake();
    stake.Comment.SetText(ListEntryText(stake.Comment.Text()).toStdString());
    return stake;
}

}  // namespace

StakesController::StakesController(Frame& frame) : AreaController(frame) {
    page_ = new StakesPage(workspace_->Stakes().File(), rightTabs_);
}

void StakesController::CreateActions() {
    StakesFile& stakes = workspace_->Stakes().File();
    const TCombList& combs = workspace_->Combs().List();
    auto fileOpen = [&stakes] { return stakes.IsOpen(); };
    auto notEmpty = [&stakes] { return stakes.IsOpen() && !stakes.Empty(); };
    auto haveCombs = [fileOpen, &combs] { return fileOpen() && combs.CombCount() > 0; };
    actions_->Add("StakeAdd", tr("Сделать ставку"), QKeySequence(Qt::Key_F4), fileOpen,
                  [this] { StakeAddExecute(combsPage_->FirstSelectedRow()); });
    actions_->Add(
        "StakeAddRandom", tr("Сделать случайную ставку"), QKeySequence(Qt::CTRL | Qt::Key_F4), haveCombs,
        [this, &combs] { StakeAddExecute(QRandomGenerator::global()->bounded(combs.CombCount())); });
    // Alt+F4 reaches the program only where the desktop leaves it (the combination list owns
    // it below); Shift+F4 always does.
    actions_->Add(
        "StakeAddSelected", tr("Сделать ставки для выделенных комбинаций"),
        QKeySequence(Qt::SHIFT | Qt::Key_F4),
        [this, fileOpen] { return fileOpen() && combsPage_->FirstSelectedRow() >= 0; },
        [this, &combs] {
            std::vector<TComb> chosen;
            for (int row : combsPage_->SelectedRows()) {
                if (row < combs.CombCount()) chosen.push_back(combs.CombAt(row));
            }
            if (StakeAddManyExecute(chosen)) combsPage_->List()->clearSelection();
        });
    actions_->Add("StakeAddAll", tr("Сделать ставки для всех комбинаций"),
                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F4), haveCombs, [this, &combs] {
                      StakeAddManyExecute(std::vector<TComb>(combs.Current().begin(), combs.Current().end()));
                  });
    // Ctrl+Alt+F4 switches the virtual console on Linux before the program sees it.
    actions_->AddReachableKey("StakeAddAll", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F4));
    actions_->Add(
        "StakeDel", tr("Удалить ставку"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [this, notEmpty] { return notEmpty() && StakesTab()->SelectedRange().first >= 0; },
        [this] {
            const auto [first, last] = StakesTab()->SelectedRange();
            // Grid rows count the header as row 0.
            if (workspace_->Stakes().DeleteStakeRows(first + 1, last + 1))
                StakesTab()->Grid()->clearSelection();
        });
    actions_->Add("StakeFilter", tr("Удалить по условию"), QKeySequence(Qt::ALT | Qt::Key_D), notEmpty,
                  [this] { StakeFilterExecute(); });
    actions_->Add("StakeClear", tr("Удалить все ставки"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
                  notEmpty, [this] { workspace_->Stakes().ClearStakes(); });
    actions_->Add("StakesCheckManual", tr("Проверить ставки"), QKeySequence(Qt::CTRL | Qt::Key_F5), notEmpty,
                  [this] {
                      workspace_->Stakes().CheckStakes();
                      StakesRefreshed(false);
                  });
    QAction* graph = actions_->Add(
        "StakesGraphDraws", tr("Суммарный профит по тиражам"), QKeySequence(Qt::Key_F6), notEmpty, [this] {
            if (auto chart = workspace_->Stakes().StakesProfitGraph()) {
                ShowStakesChart(*chart, actions_->Find("StakesGraphDraws")->statusTip(), tr("Профит"),
                                &workspace_->UiState(), window_);
            }
        });
    graph->setStatusTip(tr("График суммарного профита ставок по тиражам"));
    actions_->Add("StakesXlsExport", tr("Экспорт ставок в Microsoft Excel"), {}, notEmpty,
                  [this] { ExportListToXlsx(StakesTab()->Grid()); });
    actions_->Add(
        "LogStakesDelete", tr("Удалить журналы ставок"), {}, [] { return true; },
        [this] { workspace_->Stakes().DeleteStakeLogs(); });
    CreateOptionActions();

    // Ctrl+Delete also deletes combinations and scenario lines: each list keeps its own.
    actions_->Find("StakeDel")->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    StakesTab()->Grid()->addAction(actions_->Find("StakeDel"));
    QAction* addSelected = actions_->Find("StakeAddSelected");
    combsPage_->List()->addAction(addSelected);
    combsPage_->List()->installEventFilter(
        new ListKeyOwner(addSelected, QKeySequence(Qt::ALT | Qt::Key_F4), this));
    connect(StakesTab(), &StakesPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    // A double click on a combination stakes it.
    connect(combsPage_, &CombsPage::RowActivated, this, [this, fileOpen](int row) {
        if (!workspace_->IsIdle() || !fileOpen()) return;
        StakeAddExecute(row);
        actions_->UpdateAll();
    });
}

void StakesController::StakeAddExecute(int combRow) {
    TStakeRecord stake = NewStakeShown(*workspace_);
    if (combRow >= 0 && combRow < workspace_->Combs().List().CombCount())
        stake.Values = CombToStakeComb(workspace_->Combs().List().CombAt(combRow));
    StakeDialog dialog(stake, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->Stakes().AddStake(dialog.Stake(), dialog.Draws());
}

bool StakesController::StakeAddManyExecute(const std::vector<TComb>& combs) {
    const TStakeRecord stake = NewStakeShown(*workspace_);
    MultiStakeDialog dialog(stake.DrawNumber, QString::fromStdString(stake.Comment.Text()), window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    return workspace_->Stakes().AddStakesForCombs(combs, dialog.DrawNumber(), dialog.Draws(),
                                                  dialog.Comment().toStdString());
}

void StakesController::StakeFilterExecute() {
    StakeFilterDialog dialog(window_);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->Stakes().DeleteStakesWhere(dialog.Condition(), dialog.Matches());
}

void StakesController::StakesRefreshed(bool moveToEnd) {
    StakesTab()->Refresh(moveToEnd);
    UpdateStatusPanels();
    if (actions_ != nullptr) actions_->UpdateAll();
}

}  // namespace quorvel::gui
