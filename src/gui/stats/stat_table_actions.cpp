#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>

#include "gui/app/menu_entries.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_controller.h"
#include "gui/stats/stats_page.h"

namespace quorvel::gui {

void StatsController::CreateTableActions() {
    auto canFilter = [this] {
        return workspace_->Combs().List().CombCount() > 0 && !statsPage_->SelectedRows().empty();
    };
    actions_
        ->Add(
            "DrawsStatCalc", tr("Обновить"), {},
            [this] { return !workspace_->Archive().Empty() && statsPage_->Methods()->CurrentEntry() >= 0; },
            [this] { ComputeStatTable(true); })
        ->setStatusTip(tr("Пересчитать статистику по выбранным параметрам"));
    actions_
        ->Add("StatFilter_Include", tr("Оставить выделенные"), QKeySequence(Qt::Key_F7), canFilter,
              [this] { workspace_->FilterByStatRows(statsPage_->SelectedRows(), false); })
        ->setStatusTip(tr("В списке комбинаций оставить комбинации с выделенными характеристиками"));
    actions_
        ->Add("StatFilter_Exclude", tr("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_F7), canFilter,
              [this] { workspace_->FilterByStatRows(statsPage_->SelectedRows(), true); })
        ->setStatusTip(tr("Из списка комбинаций удалить комбинации с выделенными характеристиками"));
    QAction* prefetch = actions_->Add(
        "DrawsStatePrefetchsEnabled", tr("Использовать сравнение с полным набором комбинаций"), {},
        [] { return true; }, [this] { TogglePrefetch(); });
    prefetch->setCheckable(true);
    prefetch->setChecked(workspace_->Options().PrefetchsEnabled);
    QAction* totalLine = actions_->Add(
        "DrawsStatShowTotalLine", tr("График идеального распределения"), {},
        [this] { return workspace_->Options().PrefetchsEnabled; }, [this] { ToggleTotalLine(); });
    totalLine->setCheckable(true);
    totalLine->setChecked(workspace_->Options().ShowTotalLine);
    // The spreadsheet export arrives with its own part of the program.
    actions_->Add(
        "DrawsStatExportToExcel", tr("Экспорт статистики в Microsoft Excel"), {},
        [this] { return !workspace_->Stats().Table().Table.Rows.empty(); },
        [this] { ExportListToXlsx(statsPage_->Table()); });

    for (const char* name :
         {"StatFilter_Include", "StatFilter_Exclude", "DrawsStatCalc", "DrawsStatExportToExcel",
          "DrawsStatePrefetchsEnabled", "DrawsStatShowTotalLine"}) {
        statsPage_->Table()->addAction(actions_->Find(name));
    }
    statsPage_->SetRefreshAction(actions_->Find("DrawsStatCalc"));
    statsPage_->WindowLength()->setValue(workspace_->Options().DrawsStatLen);
    connect(statsPage_->WindowLength(), &QSpinBox::valueChanged, this,
            [this](int value) { workspace_->Options().DrawsStatLen = value; });
    connect(statsPage_, &StatsPage::WindowLengthEntered, this, [this] { ComputeStatTable(false); });
    connect(statsPage_->Methods(), &MethodCombo::EntryChanged, this, [this] {
        workspace_->Stats().Table().Entry = statsPage_->Methods()->CurrentEntry();
        ComputeStatTable(false);
    });
    connect(statsPage_, &StatsPage::SortRequested, this, [this](int column) {
        auto& state = workspace_->Stats().Table();
        workspace_->Stats().SortTable(column, column == state.SortColumn ? !state.Descending : false);
        statsPage_->ShowTable(workspace_->Options().PrefetchsEnabled);
    });
    connect(statsPage_->Table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { actions_->UpdateAll(); });
}

void StatsController::AddTableMenuEntries() {
    auto* menu = window_->menuBar()->findChild<QMenu*>("mnStats");
    if (menu == nullptr) return;
    menu->addSeparator();
    AddAliasEntry(menu, actions_->Find("DrawsStatCalc"), tr("Обновить таблицу статистики"));
    for (const char* name : {"StatFilter_Include", "StatFilter_Exclude", "DrawsStatePrefetchsEnabled",
                             "DrawsStatShowTotalLine", "DrawsStatExportToExcel"}) {
        menu->addAction(actions_->Find(name));
    }
}

void StatsController::ComputeStatTable(bool forced) {
    workspace_->Stats().Table().Entry = statsPage_->Methods()->CurrentEntry();
    if (workspace_->Stats().ComputeTable(forced))
        statsPage_->ShowTable(workspace_->Options().PrefetchsEnabled);
    actions_->UpdateAll();
}

void StatsController::TogglePrefetch() {
    TUiOptions& options = workspace_->Options();
    options.PrefetchsEnabled = !options.PrefetchsEnabled;
    actions_->Find("DrawsStatePrefetchsEnabled")->setChecked(options.PrefetchsEnabled);
    try {
        workspace_->UiState().WriteUiBool("PrefetchsEnabled", options.PrefetchsEnabled);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    workspace_->Stats().CreateFullSetFiles(false, 0);
    ComputeStatTable(true);
}

void StatsController::ToggleTotalLine() {
    TUiOptions& options = workspace_->Options();
    options.ShowTotalLine = !options.ShowTotalLine;
    actions_->Find("DrawsStatShowTotalLine")->setChecked(options.ShowTotalLine);
    try {
        workspace_->UiState().WriteUiBool("ShowTotalLine", options.ShowTotalLine);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    router_.ShowProgress("Создание графиков...");
    ComputeStatTable(true);
    router_.ShowProgress("");
}

}  // namespace quorvel::gui
