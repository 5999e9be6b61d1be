#include <QCheckBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <exception>

#include "core/app/busy.h"
#include "core/stats/custom_stat.h"
#include "core/views/graph_series.h"
#include "core/views/sum_distribution.h"
#include "gui/stats/method_combo.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_controller.h"
#include "gui/views/graphs_page.h"
#include "gui/views/repeats_window.h"
#include "gui/widgets/chart_window.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

bool GraphsShown(const QTabWidget* tabs, QWidget* page) {
    return page != nullptr && tabs->isTabVisible(tabs->indexOf(page));
}

// Draws every series of a view into the chart window, point by point.
void FillChartWindow(ChartWindow& window, const std::vector<TViewSeries>& series) {
    for (const TViewSeries& s : series) {
        const QString title = SeriesText(s.Title);
        const QColor color(QRgb(s.Color));
        for (const TViewPoint& p : s.Data)
            window.AddChartPoint(p.X, title, p.Y, s.Points, s.Marks, color);
    }
}

}  // namespace

GraphsController::GraphsController(Frame& frame) : AreaController(frame) {
    graphsPage_ = new GraphsPage(rightTabs_);
}

void GraphsController::CreateActions() {
    auto canDraw = [this] {
        return !workspace_->Archive().Empty() && graphsPage_->Methods()->CurrentEntry() >= 0;
    };
    actions_->Add("DrawsGraphDraw", tr("Обновить"), {}, canDraw, [this] { RebuildGraph(true); });
    actions_->Add(
        "TotalSumCombs", tr(SumDistributionCaption), {}, [] { return true; },
        [this] { TotalSumCombsExecute(); });
    actions_->Add(
        "AnalyzeRepeats", tr(RepeatsCaption), {}, [this] { return !workspace_->Archive().Empty(); },
        [this] { AnalyzeRepeatsExecute(); });
    graphsPage_->RefreshButton()->setDefaultAction(actions_->Find("DrawsGraphDraw"));

    ViewLengthBox* length = graphsPage_->Length();
    length->setValue(workspace_->Options().DrawsGraphLen);
    connect(length, &QSpinBox::valueChanged, this,
            [this](int value) { workspace_->Options().DrawsGraphLen = value; });
    auto redraw = [this] {
        QAction* draw = actions_->Find("DrawsGraphDraw");
        actions_->UpdateAll();
        if (draw->isEnabled()) RebuildGraph(false);
    };
    connect(length, &ViewLengthBox::Entered, this, redraw);
    connect(graphsPage_->Methods(), &MethodCombo::EntryChanged, this, redraw);
}

void GraphsController::RebuildGraph(bool force) {
    if (actions_ == nullptr || !GraphsShown(rightTabs_, graphsPage_)) return;
    const DrawArchive& archive = workspace_->Archive();
    const int length = workspace_->Options().DrawsGraphLen;
    const int entry = graphsPage_->Methods()->CurrentEntry();
    if (!TakeRebuild(graphsPage_->Stamp(), {archive.Count(), archive.Offset(), length, entry}, force)) return;
    graphsPage_->ClearGraph();
    if (entry < 0 || archive.Empty()) return;
    BusyScope busy(workspace_->Busy(), router_, "Анализ тиражей и построение графиков...");
    try {
        auto stat = workspace_->Stats().List().CreateSelected(entry, "cbDrawsGraph");
        auto* graphStat = dynamic_cast<TCustomGraphStat*>(stat.get());
        if (graphStat == nullptr) return;
        const TGraphData graph = BuildGraph(
            *graphStat, archive.Draws(), ViewWindow(archive.Count(), archive.Offset(), length),
            workspace_->Options().SortedDraws, stat->InstanceTitle(), graphsPage_->MarksCheck()->isChecked());
        graphsPage_->ShowGraph({graph.Main, graph.Average, graph.MostFrequent});
    } catch (const std::exception& e) {
        router_.ShowError(e.what());
    }
}

void GraphsController::TotalSumCombsExecute() {
    std::vector<TViewSeries> series;
    {
        BusyScope busy(workspace_->Busy(), router_, "Идет сбор статистики....");
        series = SumDistributionSeries(ComputeSumDistribution(workspace_->Archive().Draws()));
    }
    auto* window = new ChartWindow(&workspace_->UiState(), window_);
    window->setObjectName("TotalSumCombsChart");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->setWindowTitle(tr(SumDistributionCaption));
    window->SetAxisTitles(tr("Сумма чисел"), tr("Количество"));
    FillChartWindow(*window, series);
    window->show();
}

void GraphsController::AnalyzeRepeatsExecute() {
    auto analyze = [this](int length, int deep) {
        BusyScope busy(workspace_->Busy(), router_, "Идет сбор статистики....");
        return AnalyzeRepeats(workspace_->Archive().Draws(), length, deep);
    };
    auto* window = new RepeatsWindow(analyze, &workspace_->UiState(), &router_, window_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->Compute();
}

}  // namespace quorvel::gui
