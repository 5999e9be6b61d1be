#include "views/repeats_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegend>
#include <QLineSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "views/card_page.h"

namespace quorvel::gui {

RepeatsWindow::RepeatsWindow(Analyzer analyzer, QWidget* parent)
    : QWidget(parent), analyzer_(std::move(analyzer)) {
    setWindowFlag(Qt::Window);
    setObjectName("FormRepeats");
    setWindowTitle(tr(RepeatsCaption));
    length_ = new ViewLengthBox("DrawsLength", this);
    length_->setToolTip(tr("Количество тиражей, использующихся для расчета статистики"));
    length_->setValue(RepeatsDefaultLength);
    deep_ = new ViewLengthBox("DrawsDeep", this);
    deep_->setToolTip(tr("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"));
    deep_->setValue(RepeatsDefaultDeep);
    compute_ = new QToolButton(this);
    compute_->setText(tr("Рассчитать"));
    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels(
        {tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    axisX_ = new QValueAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    axisX_->setLabelFormat("%d");
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    auto* view = new QChartView(chart_);
    view->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(length_);
    top->addWidget(deep_);
    top->addWidget(compute_);
    top->addStretch(1);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(view);
    splitter->setSizes({300, 340});
    view->setMinimumHeight(240);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);

    connect(compute_, &QToolButton::clicked, this, &RepeatsWindow::Compute);
    connect(length_, &ViewLengthBox::Entered, this, &RepeatsWindow::Compute);
    connect(deep_, &ViewLengthBox::Entered, this, &RepeatsWindow::Compute);
}

void RepeatsWindow::Compute() {
    const std::vector<TRepeatsRow> rows = analyzer_(length_->value(), deep_->value());
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TRepeatsRow& r = rows[static_cast<size_t>(i)];
        const QStringList texts{QString::number(r.Number), QString::number(r.Matches),
                                QString::number(r.Repeats), QString::fromStdString(r.Draws)};
        for (int c = 0; c < texts.size(); ++c)
            table_->setItem(i, c, new QTableWidgetItem(texts[c]));
    }

    chart_->removeAllSeries();
    QValueAxis* axisX = axisX_;
    QValueAxis* axisY = axisY_;
    bool any = false;
    double minX = 0, maxX = 0, maxY = 0;
    for (const TViewSeries& s : RepeatsSeries(rows)) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(s.Title));
        line->setColor(QColor(QRgb(s.Color)));
        line->setPointsVisible(s.Points);
        line->setMarkerSize(4);
        for (const TViewPoint& p : s.Data) {
            line->append(p.X, p.Y);
            minX = any ? std::min(minX, p.X) : p.X;
            maxX = any ? std::max(maxX, p.X) : p.X;
            maxY = std::max(maxY, p.Y);
            any = true;
        }
        chart_->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
    }
    if (any) {
        axisX->setRange(minX, std::max(maxX, minX + 1));
        axisY->setRange(0, maxY + 1);
    }
}

}  // namespace quorvel::gui
