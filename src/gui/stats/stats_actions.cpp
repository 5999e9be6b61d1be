#include "core/stats/favourites_edit.h"
#include "gui/stats/description_window.h"
#include "gui/stats/favourites_dialog.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_controller.h"
#include "gui/stats/stats_page.h"
#include "gui/views/graphs_page.h"

namespace quorvel::gui {

StatsController::StatsController(Frame& frame) : AreaController(frame) {
    statsPage_ = new StatsPage(workspace_->Stats().Table().Table, rightTabs_);
}

void StatsController::CreateActions() {
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

void StatsController::FiltersManagerExecute() {
    FavouritesDialog dialog(workspace_->Stats().List(), workspace_->Dir().Root(), programDir_, router_,
                            window_, HelpLanguage());
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyFavouritesEdit(workspace_->Stats().List(), dialog.Edit());
    ReloadMethodLists();
}

void StatsController::FiltersResetExecute() {
    if (!router_.AskYesNo(tr("Вы действительно хотите сбросить список избранных фильтров?").toStdString()))
        return;
    workspace_->Stats().List().SelectAll();
    ReloadMethodLists();
}

void StatsController::ReloadMethodLists() {
    {
        BusyScope busy(workspace_->Busy(), router_, tr("Подождите пожалуйста...").toStdString());
        workspace_->Stats().SaveNames();
        FillMethodLists(true, false);
    }
    workspace_->Draws().RecalcViews();
}

void StatsController::FiltersInfoExecute() {
    const int entry = statsPage_->Methods()->CurrentEntry();
    if (entry < 0 || entry >= workspace_->Stats().List().Count()) return;
    DescriptionWindow window(workspace_->Stats().List().Items[static_cast<size_t>(entry)], programDir_,
                             window_, HelpLanguage());
    window.exec();
}

void StatsController::FillMethodLists(bool reload, bool keepSelection) {
    const int statsPosition = keepSelection ? statsPage_->Methods()->currentIndex() : 0;
    const int graphsPosition = keepSelection ? graphsPage_->Methods()->currentIndex() : 0;
    // Parameter ranges and formulas follow the settings; names and favourites pass through the
    // names file.
    if (reload) workspace_->Stats().ReloadCatalogue();
    const TStatList& stats = workspace_->Stats().List();
    statsPage_->Methods()->Fill(stats.MethodList(false), statsPosition);
    graphsPage_->Methods()->Fill(stats.MethodList(true), graphsPosition);
    actions_->UpdateAll();
}

}  // namespace quorvel::gui
