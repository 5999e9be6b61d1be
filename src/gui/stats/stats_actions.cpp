#include "core/stats/favourites_edit.h"
#include "gui/app/main_window.h"
#include "gui/stats/description_window.h"
#include "gui/stats/favourites_dialog.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"

namespace quorvel::gui {

void MainWindow::CreateStatsActions() {
    auto always = [] { return true; };
    actions_->Add("FiltersManager", tr("Избранные статистики"), {}, always,
                  [this] { FiltersManagerExecute(); });
    actions_->Add("FiltersReset", tr("Все доступные статистики"), {}, always,
                  [this] { FiltersResetExecute(); });
    actions_->Add(
        "FiltersInfo", tr("Описание статистики"), {},
        [this] { return statsPage_->Methods()->CurrentEntry() >= 0; }, [this] { FiltersInfoExecute(); });
    statsPage_->SetFavouritesAction(actions_->Find("FiltersManager"));
}

void MainWindow::FiltersManagerExecute() {
    FavouritesDialog dialog(workspace_->Stats().List(), workspace_->Dir().Root(), programDir_, router_, this,
                            HelpLanguage());
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyFavouritesEdit(workspace_->Stats().List(), dialog.Edit());
    ReloadMethodLists();
}

void MainWindow::FiltersResetExecute() {
    if (!router_.AskYesNo(tr("Вы действительно хотите сбросить список избранных фильтров?").toStdString()))
        return;
    workspace_->Stats().List().SelectAll();
    ReloadMethodLists();
}

void MainWindow::ReloadMethodLists() {
    {
        BusyScope busy(workspace_->Busy(), router_, tr("Подождите пожалуйста...").toStdString());
        workspace_->Stats().SaveNames();
        FillMethodLists(true, false);
    }
    workspace_->Draws().RecalcViews();
}

void MainWindow::FiltersInfoExecute() {
    const int entry = statsPage_->Methods()->CurrentEntry();
    if (entry < 0 || entry >= workspace_->Stats().List().Count()) return;
    DescriptionWindow window(workspace_->Stats().List().Items[static_cast<size_t>(entry)], programDir_, this,
                             HelpLanguage());
    window.exec();
}

}  // namespace quorvel::gui
