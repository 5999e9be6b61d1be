#pragma once

#include <QWidget>
#include <vector>

#include "core/views/week.h"

class QChartView;
class QTableView;
class QToolButton;

namespace quorvel::gui {

class PanelSplitter;
class ViewGridModel;
class ViewLengthBox;

// The "Неделя" tab: how often each value fell on each day of the week, and below it the chart
// of the selected cell's value or weekday.
class WeekPage : public QWidget {
    Q_OBJECT

public:
    explicit WeekPage(QWidget* parent = nullptr);

    void ShowCounts(const TWeekCounts& counts);
    // Redraws the chart for the current cell.
    void DrawChart(bool byDays, bool line);
    const TWeekCounts& Counts() const { return counts_; }
    QTableView* Table() const { return table_; }
    QChartView* Chart() const { return chart_; }
    ViewLengthBox* Length() const { return length_; }
    // The chart's height, "WeekHeight".
    PanelSplitter* Splitter() const { return splitter_; }
    QToolButton* RefreshButton() const { return refresh_; }
    // The grid columns (1 to 10) holding a selected cell, each once.
    std::vector<int> SelectedColumns() const;

signals:
    void CurrentCellChanged();

private:
    TWeekCounts counts_;
    std::vector<std::vector<std::string>> texts_;
    ViewGridModel* model_;
    QTableView* table_;
    QChartView* chart_;
    PanelSplitter* splitter_;
    ViewLengthBox* length_;
    QToolButton* refresh_;
};

}  // namespace quorvel::gui
