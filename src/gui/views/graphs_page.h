#pragma once

#include <QWidget>
#include <vector>

#include "core/views/view_series.h"
#include "core/views/view_stamp.h"

class QChart;
class QValueAxis;
class QCheckBox;
class QToolButton;

namespace quorvel::gui {

class MethodCombo;
class ViewLengthBox;

// The "Графики" tab: the list of graph methods, the window length and the marks switch above
// the chart of the chosen method.
class GraphsPage : public QWidget {
    Q_OBJECT

public:
    explicit GraphsPage(QWidget* parent = nullptr);

    MethodCombo* Methods() const { return methods_; }
    ViewLengthBox* Length() const { return length_; }
    QCheckBox* MarksCheck() const { return marks_; }
    QToolButton* RefreshButton() const { return refresh_; }
    QWidget* ChartArea() const { return chartArea_; }
    QChart* Chart() const { return chart_; }
    // What the chart was last drawn for.
    TViewStamp& Stamp() { return stamp_; }

    // Replaces the chart's series; the first one's value marks follow the check box.
    void ShowGraph(const std::vector<TViewSeries>& series);
    void ClearGraph();

private:
    void ShowMarks(bool visible);

    MethodCombo* methods_;
    ViewLengthBox* length_;
    QCheckBox* marks_;
    QToolButton* refresh_;
    QWidget* chartArea_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    TViewStamp stamp_;
};

}  // namespace quorvel::gui
