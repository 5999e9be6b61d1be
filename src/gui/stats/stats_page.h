#pragma once

#include <QWidget>
#include <vector>

#include "core/stats/stat_table.h"

class QAction;
class QChartView;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace quorvel::gui {

class MethodCombo;
class StatTableModel;

// The "Статистика" tab: the window length, the method list and the favourites button above
// the statistics table of the chosen method and its chart.
class StatsPage : public QWidget {
    Q_OBJECT

public:
    StatsPage(const TStatTable& table, QWidget* parent = nullptr);

    // The button runs the favourites action and follows its enabled state.
    void SetFavouritesAction(QAction* favourites);
    void SetRefreshAction(QAction* refresh);

    MethodCombo* Methods() const { return methods_; }
    QPushButton* FavouritesButton() const { return favourites_; }
    QSpinBox* WindowLength() const { return length_; }
    QTableView* Table() const { return view_; }
    QChartView* Chart() const { return chart_; }
    QSplitter* Splitter() const { return splitter_; }

    // Shows the table as computed, with the norm columns only while the comparison is on.
    void ShowTable(bool prefetch);
    std::vector<int> SelectedRows() const;

signals:
    void SortRequested(int column);
    void WindowLengthEntered();

private:
    void BuildChart();
    void AttachAxes();
    void RemoveAxes();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const TStatTable& table_;
    MethodCombo* methods_;
    QPushButton* favourites_;
    QPushButton* refresh_;
    QSpinBox* length_;
    StatTableModel* model_;
    QTableView* view_;
    QChartView* chart_;
    QSplitter* splitter_;
};

}  // namespace quorvel::gui
