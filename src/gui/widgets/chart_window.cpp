#include "gui/widgets/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <exception>

#include "core/util/format.h"
#include "core/util/text.h"
#include "gui/app/window_layout.h"
#include "gui/widgets/chart_axes.h"

namespace quorvel::gui {

namespace {

const QString PlacementPrefix = "FormChart";
constexpr int LineWidth = 2;
constexpr qreal MarkerSize = 3;

QLocale NumberLocale() {
    QLocale locale =
        FormatSettings().DecimalSeparator == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

ChartWindow::ChartWindow(UiStateFile* uiState, QWidget* parent) : QWidget(parent), uiState_(uiState) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("График"));

    chart_ = new QChart;
    KeepTickLabelsWhole(chart_);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(NumberLocale());
    axisX_ = new QValueAxis(chart_);
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisY_ = new QValueAxis(chart_);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);

    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    marks_ = new QCheckBox(tr("Отображать метки на графиках"), this);
    marks_->setObjectName("marks");
    marks_->setChecked(true);
    connect(marks_, &QCheckBox::toggled, this, &ChartWindow::ShowMarks);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(marks_);

    resize(800, 500);
    if (uiState_ != nullptr) {
        try {
            RestorePlacement(this, *uiState_, PlacementPrefix);
        } catch (const std::exception&) {
            // An unreadable state file leaves the designed size; the main window reports it.
        }
    }
    PlaceOverParent();
}

void ChartWindow::PlaceOverParent() {
    // A chart belongs to what the user is looking at: it keeps its remembered size but opens over
    // the middle of the program's window, wherever it was last closed.
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr || isMaximized()) return;
    QRect frame = geometry();
    frame.moveCenter(owner->geometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        const int lastLeft = available.x() + available.width() - frame.width();
        const int lastTop = available.y() + available.height() - frame.height();
        frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), lastLeft)));
        frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), lastTop)));
    }
    move(frame.topLeft());
}

void ChartWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QLineSeries* ChartWindow::FindSeries(const QString& title) const {
    const std::string wanted = title.toStdString();
    for (QLineSeries* series : series_) {
        if (SameTextIgnoringCase(series->name().toStdString(), wanted)) return series;
    }
    return nullptr;
}

void ChartWindow::AddChartPoint(double x, const QString& seriesTitle, double y, bool pointsVisible,
                                bool marksVisible, QColor color) {
    QLineSeries* series = FindSeries(seriesTitle);
    if (series == nullptr) {
        series = new QLineSeries(chart_);
        series->setName(seriesTitle);
        chart_->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
        QPen pen = series->pen();
        if (color.isValid()) pen.setColor(color);
        pen.setWidth(LineWidth);
        series->setPen(pen);
        series->setPointsVisible(pointsVisible);
        series->setMarkerSize(MarkerSize);
        series->setPointLabelsFormat("@yPoint");
        series->setPointLabelsClipping(false);
        if (marksVisible) {
            markedSeries_.append(series);
            series->setPointLabelsVisible(marks_->isChecked());
        }
        series_.append(series);
        PlaceLegend();
    }
    series->append(x, y);

    bounds_.Add(x, y);
    UpdateAxes();
}

void ChartWindow::PlaceLegend() {
    // Beside the plot when the names do not fit in one row under it: Qt would cut them short.
    constexpr int MarkerRoom = 60;
    int row = 0;
    int widest = 0;
    for (const QLineSeries* series : series_) {
        const int width =
            QFontMetrics(chart_->legend()->font()).horizontalAdvance(series->name()) + MarkerRoom;
        row += width;
        widest = std::max(widest, width);
    }
    const bool beside = row > view_->width();
    chart_->legend()->setAlignment(beside ? Qt::AlignRight : Qt::AlignBottom);
    chart_->legend()->setMinimumWidth(beside ? widest : 0);
    chart_->legend()->setMaximumWidth(beside ? widest : QWIDGETSIZE_MAX);
    // The plot keeps room of its own beside long names.
    constexpr int PlotRoom = 560;
    if (beside && width() < widest + PlotRoom) resize(widest + PlotRoom, height());
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceLegend();
}

void ChartWindow::UpdateAxes() {
    FitValueAxes(axisX_, axisY_, bounds_);
    FitTicksToPlot(chart_);
}

void ChartWindow::ShowMarks(bool visible) {
    for (QLineSeries* series : markedSeries_)
        series->setPointLabelsVisible(visible);
}

void ChartWindow::SetAxisTitles(const QString& x, const QString& y) {
    axisX_->setTitleText(x);
    axisY_->setTitleText(y);
}

void ChartWindow::Clear() {
    chart_->removeAllSeries();
    series_.clear();
    markedSeries_.clear();
    bounds_ = {};
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    if (uiState_ != nullptr) {
        UiValues values;
        AppendPlacement(this, values, PlacementPrefix);
        try {
            uiState_->WriteUiValues(values);
        } catch (const std::exception&) {
            // Losing the placement must not keep the window from closing.
        }
    }
    QWidget::closeEvent(event);
}

}  // namespace quorvel::gui
