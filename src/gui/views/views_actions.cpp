#include <QChartView>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "core/app/busy.h"
#include "core/combos/filter_pass.h"
#include "gui/views/card_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/views_controller.h"
#include "gui/views/week_page.h"

namespace quorvel::gui {

namespace {

bool TabShown(const QTabWidget* tabs, QWidget* page) {
    return page != nullptr && tabs->isTabVisible(tabs->indexOf(page));
}

// Options toggled from the views are written at once.
void WriteOption(Workspace& workspace, UiHost& host, const char* key, int32_t value) {
    try {
        workspace.UiState().WriteUiInt(key, value);
    } catch (const std::exception& e) {
        host.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

void WriteOption(Workspace& workspace, UiHost& host, const char* key, bool value) {
    try {
        workspace.UiState().WriteUiBool(key, value);
    } catch (const std::exception& e) {
        host.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

}  // namespace

ViewsController::ViewsController(Frame& frame, GraphsController& graphs)
    : AreaController(frame), graphs_(graphs) {
    cardPage_ = new CardPage(rightTabs_);
    layoutPage_ = new LayoutPage(rightTabs_);
    weekPage_ = new WeekPage(rightTabs_);
}

void ViewsController::CreateActions() {
    auto canFilter = [this](QWidget* page) {
        return workspace_->Combs().List().CombCount() > 0 && TabShown(rightTabs_, page);
    };
    auto canCompute = [this](QWidget* page) {
        return TabShown(rightTabs_, page) && !workspace_->Archive().Empty();
    };
    const std::string card = CardCaption;
    const std::string layout = LayoutCaption;
    const std::string week = WeekCaption;
    for (const bool exclude : {false, true}) {
        const QString caption = exclude ? tr("Удалить выделенные") : tr("Оставить выделенные");
        const char* suffix = exclude ? "_Exclude" : "_Include";
        actions_->Add(
            QString("CardFilter") + suffix, caption, {},
            [this, canFilter] { return canFilter(cardPage_) && cardPage_->HasSelection(); },
            [this, exclude, card] {
                workspace_->Combs().FilterByGridValues(SelectionFromCardCells(cardPage_->SelectedTexts()),
                                                       exclude, card);
            });
        actions_->Add(
            QString("LayoutFilter") + suffix, caption, {},
            [this, canFilter] { return canFilter(layoutPage_) && layoutPage_->HasSelection(); },
            [this, exclude, layout] {
                workspace_->Combs().FilterByGridValues(SelectionFromLayoutCells(layoutPage_->SelectedTexts()),
                                                       exclude, layout);
            });
        actions_->Add(
            QString("WeekFilter") + suffix, caption, {}, [this, canFilter] { return canFilter(weekPage_); },
            [this, exclude, week] {
                workspace_->Combs().FilterByGridValues(SelectionFromWeekColumns(weekPage_->SelectedColumns()),
                                                       exclude, week);
            });
    }
    actions_->Add(
        "LayoutCalc", tr("Обновить"), {}, [this, canCompute] { return canCompute(layoutPage_); },
        [this] { RebuildLayout(true); });
    actions_->Add(
        "LayoutCmpCalc", tr("Обновить"), {}, [this, canCompute] { return canCompute(layoutPage_); },
        [this] { RebuildLayoutCompare(true); });
    actions_->Add(
        "WeekStatCalc", tr("Обновить"), {}, [this, canCompute] { return canCompute(weekPage_); },
        [this] { RebuildWeek(true); });
    QAction* chartMode = actions_->Add(
        "ViewWeekChartMode", tr("График по дням недели"), {},
        [this] { return TabShown(rightTabs_, weekPage_); },
        [this] {
            auto& options = workspace_->Options();
            options.WeekChartMode = options.WeekChartMode == 1 ? 0 : 1;
            WriteOption(*workspace_, router_, "WeekChartMode", options.WeekChartMode);
            actions_->Find("ViewWeekChartMode")->setChecked(options.WeekChartMode == 1);
            DrawWeekChart();
        });
    chartMode->setCheckable(true);
    actions_->Add(
        "ViewWeekChartType", tr("График / диаграмма"), {}, [this] { return TabShown(rightTabs_, weekPage_); },
        [this] {
            workspace_->Options().WeekChartType = !workspace_->Options().WeekChartType;
            WriteOption(*workspace_, router_, "WeekChartType", workspace_->Options().WeekChartType);
            DrawWeekChart();
        });

    actions_->Add(
        "CardXlsExport", tr("Экспорт карты тиражей в Microsoft Excel"), {},
        [this] { return TabShown(rightTabs_, cardPage_); }, [this] { ExportListToXlsx(cardPage_->Table()); });
    actions_->Add(
        "LayoutXlsExport", tr("Экспорт схемы в Microsoft Excel"), {},
        [this] { return TabShown(rightTabs_, layoutPage_); },
        [this] { ExportListToXlsx(layoutPage_->Table()); });

    for (const char* name : {"CardFilter_Include", "CardFilter_Exclude", "CardXlsExport"}) {
        cardPage_->Table()->addAction(actions_->Find(name));
    }
    for (const char* name :
         {"LayoutCalc", "LayoutFilter_Include", "LayoutFilter_Exclude", "LayoutXlsExport"}) {
        layoutPage_->Table()->addAction(actions_->Find(name));
    }
    for (const char* name : {"WeekStatCalc", "WeekFilter_Include", "WeekFilter_Exclude", "ViewWeekChartMode",
                             "ViewWeekChartType"}) {
        weekPage_->Table()->addAction(actions_->Find(name));
    }
    layoutPage_->RefreshButton()->setDefaultAction(actions_->Find("LayoutCalc"));
    layoutPage_->CompareRefreshButton()->setDefaultAction(actions_->Find("LayoutCmpCalc"));
    weekPage_->RefreshButton()->setDefaultAction(actions_->Find("WeekStatCalc"));

    auto& options = workspace_->Options();
    layoutPage_->Length()->setValue(options.LayoutLen);
    connect(layoutPage_->Length(), &QSpinBox::valueChanged, this,
            [this](int value) { workspace_->Options().LayoutLen = value; });
    connect(layoutPage_->Length(), &ViewLengthBox::Entered, this, [this] { RebuildLayout(false); });
    for (int i = 0; i < LayoutPage::CompareListCount; ++i) {
        layoutPage_->CompareLength(i)->setValue(options.LayoutCompareLen[static_cast<size_t>(i)]);
        connect(layoutPage_->CompareLength(i), &QSpinBox::valueChanged, this, [this, i](int value) {
            workspace_->Options().LayoutCompareLen[static_cast<size_t>(i)] = value;
        });
        connect(layoutPage_->CompareLength(i), &ViewLengthBox::Entered, this,
                [this] { RebuildLayoutCompare(true); });
    }
    weekPage_->Length()->setValue(options.WeekLen);
    connect(weekPage_->Length(), &QSpinBox::valueChanged, this,
            [this](int value) { workspace_->Options().WeekLen = value; });
    connect(weekPage_->Length(), &ViewLengthBox::Entered, this, [this] { RebuildWeek(false); });
    connect(weekPage_, &WeekPage::CurrentCellChanged, this, [this] { DrawWeekChart(); });
    for (QTableView* table : {cardPage_->Table(), layoutPage_->Table(), weekPage_->Table()}) {
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { actions_->UpdateAll(); });
    }
    CreateViewOptionActions();
}

void ViewsController::RebuildViews(bool force) {
    RebuildCard(force);
    RebuildLayout(force);
    RebuildLayoutCompare(force);
    RebuildWeek(force);
}

void ViewsController::RebuildCard(bool force) {
    // The card holds texts for every draw of the archive: it is built when it is looked at, which
    // is also when a switch to its tab recomputes the views.
    if (!TabShown(rightTabs_, cardPage_) || rightTabs_->currentWidget() != cardPage_) return;
    const DrawArchive& archive = workspace_->Archive();
    const auto& options = workspace_->Options();
    cardPage_->SetColoring(CardColoringOf(options, workspace_->Stats().List().Config.ChannelSize));
    if (!CardNeedsRebuild(cardPage_->Grid().RowCount(), archive.Count(), force)) return;
    BusyScope busy(workspace_->Busy(), router_, "Обновление карты тиражей...");
    cardPage_->Rebuild(archive.Draws());
}

void ViewsController::RebuildLayout(bool force) {
    if (!TabShown(rightTabs_, layoutPage_)) return;
    const DrawArchive& archive = workspace_->Archive();
    const int length = workspace_->Options().LayoutLen;
    if (!TakeRebuild(layoutStamp_, {archive.Count(), archive.Offset(), length, -1}, force)) return;
    BusyScope busy(workspace_->Busy(), router_, "Построение схемы выпадения номеров...");
    const TShemaArray records =
        CountLayoutValues(archive.Draws(), ViewWindow(archive.Count(), archive.Offset(), length));
    layoutPage_->ShowGrid(BuildLayoutGrid(records, archive.NextValueSet()),
                          workspace_->Options().LayoutGradient);
}

void ViewsController::RebuildLayoutCompare(bool force) {
    if (!TabShown(rightTabs_, layoutPage_)) return;
    const DrawArchive& archive = workspace_->Archive();
    if (!TakeRebuild(layoutCompareStamp_, {archive.Count(), archive.Offset(), -1, -1}, force)) return;
    BusyScope busy(workspace_->Busy(), router_, "Построение схемы выпадения номеров...");
    for (int i = 0; i < LayoutPage::CompareListCount; ++i) {
        const int length = workspace_->Options().LayoutCompareLen[static_cast<size_t>(i)];
        layoutPage_->ShowCompare(
            i, BuildLayoutCompare(archive.Draws(), ViewWindow(archive.Count(), archive.Offset(), length)));
    }
}

void ViewsController::RebuildWeek(bool force) {
    if (!TabShown(rightTabs_, weekPage_)) return;
    const DrawArchive& archive = workspace_->Archive();
    const int length = workspace_->Options().WeekLen;
    if (!TakeRebuild(weekStamp_, {archive.Count(), archive.Offset(), length, -1}, force)) return;
    {
        BusyScope busy(workspace_->Busy(), router_, "Построение статистики по дням недели...");
        weekPage_->ShowCounts(
            CountWeekdays(archive.Draws(), ViewWindow(archive.Count(), archive.Offset(), length)));
    }
    DrawWeekChart();
}

void ViewsController::DrawWeekChart() {
    if (weekPage_ == nullptr) return;
    weekPage_->DrawChart(workspace_->Options().WeekChartMode == 1, workspace_->Options().WeekChartType);
}

}  // namespace quorvel::gui
