#include "gui/widgets/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
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

// Labels on x are the x values of points: ticks start at the smallest x and step by a round
// number chosen so that about ten labels fit.
constexpr double XLabelsWanted = 10;

double XTickStep(double span, bool whole) {
    const double raw = span / XLabelsWanted;
    if (raw <= 0) return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude * 10;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (magnitude * factor >= raw) {
            step = magnitude * factor;
            break;
        }
    }
    return whole ? std::max(1.0, std::round(step)) : step;
}

}  // namespace

ChartWindow::ChartWindow(UiStateFile* uiState, QWidget* parent) : QWidget(parent), uiState_(uiState) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("График"));

    chart_ = new QChart;
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
    }
    series->append(x, y);

    if (empty_ || x < minX_) minX_ = x;
    if (empty_ || x > maxX_) maxX_ = x;
    if (empty_ || y < minY_) minY_ = y;
    if (empty_ || y > maxY_) maxY_ = y;
    wholeX_ = wholeX_ && x == std::round(x);
    empty_ = false;
    UpdateAxes();
}

void ChartWindow::UpdateAxes() {
    // A single x or a flat line still needs a span to be drawn in.
    if (minX_ < maxX_) {
        axisX_->setRange(minX_, maxX_);
    } else {
        axisX_->setRange(minX_ - 0.5, maxX_ + 0.5);
    }
    axisX_->setTickAnchor(minX_);
    axisX_->setTickInterval(XTickStep(maxX_ - minX_, wholeX_));
    axisX_->setLabelFormat(wholeX_ ? "%.0f" : "%.2f");
    // Counts and shares start at 0; only values that go below it get room underneath.
    const double margin = minY_ < maxY_ ? (maxY_ - minY_) * 0.05 : 1;
    axisY_->setRange(minY_ >= 0 ? 0 : minY_ - margin, maxY_ + margin);
    axisY_->applyNiceNumbers();
}

void ChartWindow::ShowMarks(bool visible) {
    for (QLineSeries* series : markedSeries_)
        series->setPointLabelsVisible(visible);
}

void ChartWindow::Clear() {
    chart_->removeAllSeries();
    series_.clear();
    markedSeries_.clear();
    empty_ = true;
    wholeX_ = true;
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
