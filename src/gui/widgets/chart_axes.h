#pragma once

#include <QValueAxis>

class QChart;

namespace quorvel::gui {

// What the points of a chart span, gathered point by point.
class ChartBounds {
public:
    void Add(double x, double y);
    bool Empty() const { return empty_; }
    double MinX() const { return minX_; }
    double MaxX() const { return maxX_; }
    double MinY() const { return minY_; }
    double MaxY() const { return maxY_; }
    bool WholeX() const { return wholeX_; }
    bool WholeY() const { return wholeY_; }

private:
    bool empty_ = true;
    bool wholeX_ = true;
    bool wholeY_ = true;
    double minX_ = 0;
    double maxX_ = 0;
    double minY_ = 0;
    double maxY_ = 0;
};

// A round step (1, 2 or 5 times a power of ten) that cuts the span into about `wanted` parts;
// at least 1 where the values are whole numbers.
double RoundStep(double span, double wanted, bool whole);

// Fits value axes to the points: x over their span with ticks a round step apart from the
// first point, y from 0 (or
// from below the lowest value, when some are negative) to a round number above the highest, with
// whole-number labels where the values are whole.
void FitValueAxes(QValueAxis* axisX, QValueAxis* axisY, const ChartBounds& bounds);
// The y part of that alone, for charts whose x are categories.
void FitValueAxis(QValueAxis* axis, double lowest, double highest, bool whole);

// However small the chart gets, its value axes show fewer ticks rather than labels cut to "…":
// whenever the plot area changes, each fitted axis takes the nearest round step at or above
// its own whose labels have room.
void KeepTickLabelsWhole(QChart* chart);
// That fitting once, for a chart whose axes were just made.
void FitTicksToPlot(QChart* chart);

}  // namespace quorvel::gui
