#include "gui/widgets/chart_axes.h"

#include <QChart>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace quorvel::gui {

namespace {

constexpr double XLabelsWanted = 10;
constexpr double YLabelsWanted = 6;
// The step an axis was fitted with, kept so that a chart made larger again gets it back.
constexpr const char* FittedStepProperty = "quorvelFittedStep";

// The next round step above a round step: 1, 2, 5, 10, 20...
double NextRoundStep(double step) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double factor = step / magnitude;
    if (factor < 1.5) return 2 * magnitude;
    if (factor < 3.5) return 5 * magnitude;
    return 10 * magnitude;
}

// The room one label needs along its axis, with a gap to its neighbours.
double LabelRoom(const QValueAxis* axis, Qt::Orientation orientation) {
    const QFontMetrics metrics(axis->labelsFont());
    if (orientation == Qt::Vertical) return metrics.height() * 1.3;
    const QByteArray format = axis->labelFormat().toLatin1();
    const double widest = std::max(std::abs(axis->min()), std::abs(axis->max()));
    const QString label = QString::asprintf(format.constData(), -widest);
    return metrics.horizontalAdvance(label) + metrics.averageCharWidth() * 2;
}

void FitTicks(QValueAxis* axis, Qt::Orientation orientation, const QRectF& plot) {
    const double fitted = axis->property(FittedStepProperty).toDouble();
    const double length = orientation == Qt::Vertical ? plot.height() : plot.width();
    const double span = axis->max() - axis->min();
    if (fitted <= 0 || length <= 0 || span <= 0) return;
    const double mostLabels = std::max(1.0, std::floor(length / LabelRoom(axis, orientation)));
    double step = fitted;
    while (span / step > mostLabels)
        step = NextRoundStep(step);
    if (step != axis->tickInterval()) axis->setTickInterval(step);
}

const char* LabelFormat(bool whole, double step) {
    if (whole || step >= 1) return "%.0f";
    return step >= 0.1 ? "%.1f" : "%.2f";
}

}  // namespace

void ChartBounds::Add(double x, double y) {
    minX_ = empty_ ? x : std::min(minX_, x);
    maxX_ = empty_ ? x : std::max(maxX_, x);
    minY_ = empty_ ? y : std::min(minY_, y);
    maxY_ = empty_ ? y : std::max(maxY_, y);
    wholeX_ = wholeX_ && x == std::round(x);
    wholeY_ = wholeY_ && y == std::round(y);
    empty_ = false;
}

double RoundStep(double span, double wanted, bool whole) {
    const double raw = span / wanted;
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

void FitValueAxes(QValueAxis* axisX, QValueAxis* axisY, const ChartBounds& bounds) {
    if (bounds.Empty()) return;
    // A single x still needs a span to be drawn in.
    const bool single = bounds.MaxX() <= bounds.MinX();
    const double minX = single ? bounds.MinX() - 0.5 : bounds.MinX();
    const double maxX = single ? bounds.MaxX() + 0.5 : bounds.MaxX();
    const double stepX = RoundStep(maxX - minX, XLabelsWanted, bounds.WholeX());
    axisX->setRange(minX, maxX);
    axisX->setTickType(QValueAxis::TicksDynamic);
    // The labels on x are x values of points: the ticks start at the first point.
    axisX->setTickAnchor(bounds.MinX());
    axisX->setTickInterval(stepX);
    axisX->setLabelFormat(bounds.WholeX() ? "%.0f" : "%.2f");
    axisX->setProperty(FittedStepProperty, stepX);

    FitValueAxis(axisY, bounds.MinY(), bounds.MaxY(), bounds.WholeY());
}

void FitValueAxis(QValueAxis* axis, double lowest, double highest, bool whole) {
    // Counts and shares start at 0; only values that go below it get room underneath. The top
    // leaves a little room for the labels over the highest points.
    const double low = std::min(0.0, lowest);
    const double high = highest > low ? highest : low + 1;
    const double step = RoundStep((high - low) * 1.05, YLabelsWanted, whole);
    axis->setRange(std::floor(low / step) * step, std::ceil((high + (high - low) * 0.05) / step) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(LabelFormat(whole, step));
    axis->setProperty(FittedStepProperty, step);
}

void FitTicksToPlot(QChart* chart) {
    const QRectF plot = chart->plotArea();
    for (QAbstractAxis* axis : chart->axes()) {
        if (auto* values = qobject_cast<QValueAxis*>(axis); values != nullptr && values->isVisible())
            FitTicks(values, values->orientation(), plot);
    }
}

void KeepTickLabelsWhole(QChart* chart) {
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart] { FitTicksToPlot(chart); });
}

}  // namespace quorvel::gui
