#include "gui/views/graphs_page.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "gui/stats/method_combo.h"
#include "gui/views/card_page.h"
#include "gui/widgets/chart_axes.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

GraphsPage::GraphsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsGraphs");
    methods_ = new MethodCombo("cbDrawsGraph", this);
    length_ = new ViewLengthBox("DrawsGraphLen", this);
    length_->setToolTip(tr("Количество тиражей, использующихся для построения графиков"));
    marks_ = new QCheckBox(tr("Отображать метки на графике"), this);
    marks_->setObjectName("cbGraphMarks");
    refresh_ = new QToolButton(this);
    refresh_->setToolButtonStyle(Qt::ToolButtonTextOnly);

    chartArea_ = new QWidget(this);
    chartArea_->setObjectName("graphArea");
    chart_ = new QChart;
    KeepTickLabelsWhole(chart_);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    axisX_ = new QValueAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    axisX_->setLabelFormat("%d");
    // x are draw numbers; y the method's value of each draw.
    axisX_->setTitleText(tr("Тираж"));
    axisY_->setTitleText(tr("Значение"));
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    auto* view = new QChartView(chart_, chartArea_);
    view->setRenderHint(QPainter::Antialiasing);
    auto* areaLayout = new QVBoxLayout(chartArea_);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->addWidget(view);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Тип графика"), this));
    top->addWidget(methods_, 1);
    top->addWidget(length_);
    top->addWidget(marks_);
    top->addWidget(refresh_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(chartArea_, 1);
    connect(marks_, &QCheckBox::toggled, this, &GraphsPage::ShowMarks);
}

void GraphsPage::ClearGraph() {
    chart_->removeAllSeries();
}

void GraphsPage::ShowGraph(const std::vector<TViewSeries>& series) {
    ClearGraph();
    QValueAxis* axisX = axisX_;
    QValueAxis* axisY = axisY_;
    ChartBounds bounds;
    bool first = true;
    for (const TViewSeries& s : series) {
        auto* line = new QLineSeries;
        line->setName(SeriesText(s.Title));
        QPen pen(QColor(QRgb(s.Color)));
        pen.setWidth(first ? 2 : 1);
        line->setPen(pen);
        line->setPointsVisible(s.Points);
        if (s.Points) line->setMarkerSize(4);
        for (const TViewPoint& p : s.Data) {
            line->append(p.X, p.Y);
            bounds.Add(p.X, p.Y);
        }
        chart_->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
        if (first) {
            line->setPointLabelsFormat("@yPoint");
            line->setPointLabelsClipping(false);
            line->setPointLabelsVisible(marks_->isChecked());
        }
        first = false;
    }
    FitValueAxes(axisX, axisY, bounds);
    FitTicksToPlot(chart_);
}

void GraphsPage::ShowMarks(bool visible) {
    const QList<QAbstractSeries*> all = chart_->series();
    if (all.isEmpty()) return;
    if (auto* line = qobject_cast<QLineSeries*>(all.front())) line->setPointLabelsVisible(visible);
}

}  // namespace quorvel::gui
