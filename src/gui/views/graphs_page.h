#pragma once

#include <QWidget>

namespace quorvel::gui {

class MethodCombo;

// The "Графики" tab: the list of graph methods above the chart of the chosen one.
class GraphsPage : public QWidget {
    Q_OBJECT

public:
    explicit GraphsPage(QWidget* parent = nullptr);

    MethodCombo* Methods() const { return methods_; }
    QWidget* ChartArea() const { return chartArea_; }

private:
    MethodCombo* methods_;
    QWidget* chartArea_;
};

}  // namespace quorvel::gui
