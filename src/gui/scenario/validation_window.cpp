#include "gui/scenario/validation_window.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/util/format.h"
#include "gui/widgets/chart_axes.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

// What random play averages per stake: 3 positions, each matching one time in ten.
constexpr double ChanceMean = 0.3;

}  // namespace

ValidationWindow::ValidationWindow(const ValidationReport& report, QWidget* parent)
    : QWidget(parent, Qt::Window),
      table_(new QTableWidget(this)),
      chart_(new QChart),
      summary_(new QLabel(this)) {
    setObjectName("ValidationWindow");
    setWindowTitle(tr("Проверка на новых тиражах"));
    setAttribute(Qt::WA_DeleteOnClose);
    FillTable(report);
    FillChart(report);
    summary_->setObjectName("lbValidationSummary");
    summary_->setText(tr("Проверено строк: %1 из %2; на новых тиражах p не больше %3: %4; случайная игра "
                         "дала бы примерно %5")
                          .arg(report.Tested)
                          .arg(report.Rows.size())
                          .arg(QString::fromStdString(FormatFixed(0.05, 2)))
                          .arg(report.Reached)
                          .arg(QString::fromStdString(FormatFixed(report.ByChance, 2))));
    auto* view = new QChartView(chart_, this);
    view->setRenderHint(QPainter::Antialiasing);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(view);
    splitter->setSizes({200, 320});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(summary_);
    resize(1120, 620);
}

void ValidationWindow::FillTable(const ValidationReport& report) {
    table_->setColumnCount(ValidationColumnCount);
    QStringList captions;
    for (const char* caption : ValidationColumnCaptions)
        captions << ColumnText(caption);
    table_->setHorizontalHeaderLabels(captions);
    table_->setRowCount(static_cast<int>(report.Rows.size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    const QString untestable = tr("Строку нельзя проверить: в ней нет шага фильтра");
    for (int r = 0; r < table_->rowCount(); ++r) {
        const ValidationRow& row = report.Rows[static_cast<size_t>(r)];
        const auto texts = ValidationRowTexts(row);
        for (int c = 0; c < ValidationColumnCount; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<size_t>(c)]));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!row.Testable) item->setToolTip(untestable);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->setColumnWidth(0, std::min(table_->columnWidth(0), 320));
}

void ValidationWindow::FillChart(const ValidationReport& report) {
    auto* chosen = new QLineSeries;
    chosen->setName(tr("Среднее на проходах выбора"));
    auto* checked = new QLineSeries;
    checked->setName(tr("Среднее на новых тиражах"));
    auto* chance = new QLineSeries;
    chance->setName(tr("Случайная игра (%1)").arg(QString::fromStdString(FormatFixed(ChanceMean, 3))));
    ChartBounds bounds;
    for (size_t i = 0; i < report.Rows.size(); ++i) {
        const double row = static_cast<double>(i + 1);
        chosen->append(row, report.Rows[i].TrainMean);
        bounds.Add(row, report.Rows[i].TrainMean);
        // A row never tested has no average on the new draws, not one of zero.
        if (!report.Rows[i].Testable) continue;
        checked->append(row, report.Rows[i].TestMean);
        bounds.Add(row, report.Rows[i].TestMean);
    }
    const double last = std::max<double>(1, static_cast<double>(report.Rows.size()));
    chance->append(1, ChanceMean);
    chance->append(last, ChanceMean);
    bounds.Add(1, ChanceMean);
    for (QLineSeries* series : {chosen, checked})
        series->setPointsVisible(true);
    QPen dashed(Qt::gray);
    dashed.setStyle(Qt::DashLine);
    chance->setPen(dashed);
    auto* axisX = new QValueAxis;
    auto* axisY = new QValueAxis;
    axisX->setTitleText(tr("Строка"));
    axisY->setTitleText(ColumnText("Среднее"));
    chart_->addAxis(axisX, Qt::AlignBottom);
    chart_->addAxis(axisY, Qt::AlignLeft);
    for (QLineSeries* series : {chosen, checked, chance}) {
        chart_->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    FitValueAxes(axisX, axisY, bounds);
    chart_->legend()->setAlignment(Qt::AlignBottom);
}

void ValidationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quorvel::gui
