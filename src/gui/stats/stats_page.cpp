#include "gui/stats/stats_page.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <limits>

#include "gui/stats/method_combo.h"
#include "gui/stats/stat_table_model.h"

namespace quorvel::gui {

namespace {

// Enter in the window length asks for a computation, as a change of method does.
class LengthBox : public QSpinBox {
public:
    explicit LengthBox(StatsPage* page) : QSpinBox(page), page_(page) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            interpretText();
            emit page_->WindowLengthEntered();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }

private:
    StatsPage* page_;
};

QLineSeries* Series(const QString& name, const QColor& line, const QColor& outline, bool markers,
                    const std::vector<TStatChartPoint>& points) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(line);
    pen.setWidth(2);
    series->setPen(pen);
    series->setPointsVisible(markers);
    series->setMarkerSize(4);
    series->setBrush(outline);
    for (const TStatChartPoint& point : points)
        series->append(point.X, point.Y);
    return series;
}

}  // namespace

StatsPage::StatsPage(const TStatTable& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName("tsStat");
    methods_ = new MethodCombo("cbDrawsStat", this);
    methods_->setToolTip(tr("Вид расчета статистики"));
    methods_->setStatusTip(methods_->toolTip());
    favourites_ = new QPushButton(tr("Избранное"), this);
    favourites_->setObjectName("btFavourites");
    favourites_->setEnabled(false);
    refresh_ = new QPushButton(tr("Обновить"), this);
    length_ = new LengthBox(this);
    length_->setObjectName("seDrawsStatLen");
    length_->setRange(1, std::numeric_limits<int>::max());
    length_->setToolTip(tr("Количество тиражей, использующихся для расчета статистики"));
    length_->setStatusTip(length_->toolTip());

    model_ = new StatTableModel(table, this);
    view_ = new QTableView(this);
    view_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    view_->setObjectName("lvDrawsStat");
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->setVisible(false);
    view_->verticalHeader()->setDefaultSectionSize(20);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->resizeSection(0, 110);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &StatsPage::SortRequested);

    chart_ = new QChartView(this);
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->chart()->legend()->hide();
    chart_->installEventFilter(this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(view_);
    splitter_->addWidget(chart_);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Тиражей:"), this));
    top->addWidget(length_);
    top->addWidget(methods_, 1);
    top->addWidget(refresh_);
    top->addWidget(favourites_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(splitter_, 1);
    // Tab follows the row as it is seen, then goes down into the table.
    setTabOrder(length_, methods_);
    setTabOrder(methods_, refresh_);
    setTabOrder(refresh_, favourites_);
    setTabOrder(favourites_, view_);
}

void StatsPage::SetFavouritesAction(QAction* favourites) {
    favourites_->setToolTip(favourites->text());
    favourites_->setEnabled(favourites->isEnabled());
    connect(favourites_, &QPushButton::clicked, favourites, &QAction::trigger);
    connect(favourites, &QAction::changed, favourites_,
            [this, favourites] { favourites_->setEnabled(favourites->isEnabled()); });
}

void StatsPage::SetRefreshAction(QAction* refresh) {
    refresh_->setToolTip(refresh->statusTip());
    refresh_->setEnabled(refresh->isEnabled());
    connect(refresh_, &QPushButton::clicked, refresh, &QAction::trigger);
    connect(refresh, &QAction::changed, refresh_,
            [this, refresh] { refresh_->setEnabled(refresh->isEnabled()); });
}

void StatsPage::ShowTable(bool prefetch) {
    model_->Refresh();
    for (int column = 3; column <= 5; ++column) {
        view_->setColumnHidden(column, !prefetch);
        if (prefetch) view_->horizontalHeader()->resizeSection(column, 80);
    }
    BuildChart();
}

void StatsPage::BuildChart() {
    QChart* chart = chart_->chart();
    chart->removeAllSeries();
    RemoveAxes();
    if (table_.Actual.empty()) return;
    auto* actual = Series(tr("Фактические данные"), QColor(0x00, 0x80, 0x00), QColor(0xFF, 0x00, 0xFF), true,
                          table_.Actual);
    chart->addSeries(actual);
    if (!table_.Total.empty()) {
        chart->addSeries(Series(tr("Все возможные комбинации"), QColor(0xFF, 0x00, 0x00),
                                QColor(0x80, 0x00, 0x80), false, table_.Total));
    }
    AttachAxes();
}

void StatsPage::RemoveAxes() {
    QChart* chart = chart_->chart();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

bool StatsPage::eventFilter(QObject* watched, QEvent* event) {
    // How many captions fit depends on the chart's size.
    if (watched == chart_ && event->type() == QEvent::Resize && !chart_->chart()->series().isEmpty()) {
        RemoveAxes();
        AttachAxes();
    }
    return QWidget::eventFilter(watched, event);
}

void StatsPage::AttachAxes() {
    // The full-set line, when drawn, has a point for every value; the window's only for those seen.
    const std::vector<TStatChartPoint>& labelled = table_.Total.empty() ? table_.Actual : table_.Total;
    // The points stand for values: the x axis names them, one caption in every so many points
    // so that the captions do not run into each other; the y axis counts from 0 in round steps.
    QChart* chart = chart_->chart();
    constexpr int PixelsPerCaption = 48;
    const int width = std::max(chart_->width(), 200);
    const int every =
        std::max<int>(1, static_cast<int>((labelled.size() * PixelsPerCaption + width - 1) / width));
    auto* axisX = new QCategoryAxis(chart);
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (size_t i = 0; i < labelled.size(); i += static_cast<size_t>(every))
        axisX->append(QString::fromStdString(labelled[i].Label), labelled[i].X);
    axisX->setRange(labelled.front().X, labelled.back().X);
    double highest = 0;
    for (const auto* points : {&table_.Actual, &table_.Total}) {
        for (const TStatChartPoint& point : *points)
            highest = std::max(highest, point.Y);
    }
    auto* axisY = new QValueAxis(chart);
    axisY->setRange(0, std::max(highest, 1.0));
    axisY->setTickCount(std::clamp(chart_->height() / 40, 2, 6));
    axisY->applyNiceNumbers();
    axisY->setLabelFormat("%g");
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
}

std::vector<int> StatsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace quorvel::gui
