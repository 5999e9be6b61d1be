#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "views/repeats_analysis.h"

class QChart;
class QValueAxis;
class QTableWidget;
class QToolButton;

namespace quorvel::gui {

class ViewLengthBox;

// "Количество повторов в зависимости от тиража": the rows of the repeats analysis for the chosen
// window length and depth, and their chart, one line per match count.
class RepeatsWindow : public QWidget {
    Q_OBJECT

public:
    using Analyzer = std::function<std::vector<TRepeatsRow>(int length, int deep)>;

    RepeatsWindow(Analyzer analyzer, QWidget* parent = nullptr);

    // Recomputes with the boxes' values.
    void Compute();

    ViewLengthBox* Length() const { return length_; }
    ViewLengthBox* Deep() const { return deep_; }
    QTableWidget* Table() const { return table_; }
    QChart* Chart() const { return chart_; }

private:
    Analyzer analyzer_;
    ViewLengthBox* length_;
    ViewLengthBox* deep_;
    QToolButton* compute_;
    QTableWidget* table_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
};

}  // namespace quorvel::gui
