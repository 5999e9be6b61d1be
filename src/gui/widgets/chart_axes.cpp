#include "gui/widgets/chart_axes.h"

#include <algorithm>
#include <cmath>

namespace quorvel::gui {

namespace {

constexpr double XLabelsWanted = 10;
constexpr double YLabelsWanted = 6;

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
}

}  // namespace quorvel::gui
