#include "gui/views/week_page.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "core/app/ui_state.h"
#include "gui/views/card_page.h"
#include "gui/views/panel_splitter.h"
#include "gui/widgets/chart_axes.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

WeekPage::WeekPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsWeek");
    auto* top = new QWidget(this);
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(2, 2, 2, 2);
    topRow->addWidget(new QLabel(tr("Тиражей:"), top));
    length_ = new ViewLengthBox("WeekLen", top);
    topRow->addWidget(length_);
    refresh_ = new QToolButton(top);
    refresh_->setObjectName("WeekStatCalcButton");
    topRow->addWidget(refresh_);
    topRow->addStretch(1);

    model_ = new ViewGridModel(this);
    table_ = new QTableView(this);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    table_->setObjectName("WeekGrid");
    table_->setModel(model_);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    table_->horizontalHeader()->setDefaultSectionSize(44);
    table_->verticalHeader()->setDefaultSectionSize(20);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { emit CurrentCellChanged(); });

    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(top);
    upperLayout->addWidget(table_);

    chart_ = new QChartView(new QChart, this);
    chart_->setObjectName("WeekChart");
    chart_->chart()->legend()->hide();
    // The chart is short (131 pixels as designed): spare margins would leave no room for
    // the axis labels.
    chart_->chart()->setMargins(QMargins(2, 2, 2, 2));
    chart_->chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->chart()->setBackgroundRoundness(0);
    KeepTickLabelsWhole(chart_->chart());

    splitter_ = new PanelSplitter(TUiOptions().WeekHeight, this);
    splitter_->setObjectName("splWeek");
    splitter_->SetParts(upper, chart_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
}

void WeekPage::ShowCounts(const TWeekCounts& counts) {
    counts_ = counts;
    texts_ = WeekGridTexts(counts_);
    const int rows = static_cast<int>(texts_.size());
    const int columns = rows > 0 ? static_cast<int>(texts_.front().size()) : 0;
    model_->Reset(
        columns, rows, [this](int column, int row) { return texts_[row][column]; },
        [this](int column, int row) -> std::optional<uint32_t> {
            const int32_t count = counts_.At(column - 1, row - 1);
            if (count == 0) return std::nullopt;
            return WeekCellColor(count, counts_.Max);
        });
    // Qt's selection model survives the reset; the chart follows the current cell.
    if (!table_->currentIndex().isValid() && rows > 1 && columns > 1) {
        table_->setCurrentIndex(model_->index(0, 0));
    }
}

void WeekPage::DrawChart(bool byDays, bool line) {
    QChart* chart = chart_->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) return;
    const TViewSeries series = WeekChartSeries(counts_, current.column() + 1, current.row() + 1, byDays);
    const QColor color = QColor(QRgb(series.Color));
    QStringList labels;
    double top = 0;
    for (const TViewPoint& point : series.Data) {
        labels << ColumnText(point.Label);
        top = std::max(top, point.Y);
    }
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    auto* values = new QValueAxis;
    FitValueAxis(values, 0, top, true);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    if (line) {
        auto* lineSeries = new QLineSeries;
        for (int i = 0; i < static_cast<int>(series.Data.size()); ++i)
            lineSeries->append(i, series.Data[i].Y);
        QPen pen(color);
        pen.setWidth(2);
        lineSeries->setPen(pen);
        lineSeries->setPointsVisible(series.Points);
        lineSeries->setMarkerSize(2);
        lineSeries->setPointLabelsVisible(series.Marks);
        chart->addSeries(lineSeries);
        auto* xAxis = new QValueAxis;
        xAxis->setRange(0, std::max<double>(1, static_cast<double>(series.Data.size()) - 1));
        xAxis->setVisible(false);
        chart->addAxis(xAxis, Qt::AlignTop);
        lineSeries->attachAxis(xAxis);
        lineSeries->attachAxis(values);
    } else {
        auto* set = new QBarSet(SeriesText(series.Title));
        set->setColor(color);
        for (const TViewPoint& point : series.Data)
            set->append(point.Y);
        auto* bars = new QBarSeries;
        bars->append(set);
        bars->setLabelsVisible(series.Marks);
        chart->addSeries(bars);
        bars->attachAxis(categories);
        bars->attachAxis(values);
    }
    FitTicksToPlot(chart);
}

std::vector<int> WeekPage::SelectedColumns() const {
    std::vector<int> columns;
    for (const auto& cell : SelectedGridCells(table_)) {
        if (std::find(columns.begin(), columns.end(), cell.first) == columns.end())
            columns.push_back(cell.first);
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

}  // namespace quorvel::gui
