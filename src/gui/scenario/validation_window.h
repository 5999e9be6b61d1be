#pragma once

#include <QWidget>

#include "core/scenario_run/validation.h"

class QChart;
class QLabel;
class QTableWidget;

namespace quorvel::gui {

// The result of a check on unseen draws: per chosen row its stakes, "Среднее" and p on the
// passes it was chosen on and on the last ones ("-" for a row that cannot become a scenario
// line), a chart of both averages against the 0.300 random play gives, and the count of rows
// tested and of those that hold.
class ValidationWindow : public QWidget {
    Q_OBJECT

public:
    ValidationWindow(const ValidationReport& report, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    QChart* Chart() const { return chart_; }
    QLabel* Summary() const { return summary_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Esc closes, as the program's dialogs do

private:
    void FillTable(const ValidationReport& report);
    void FillChart(const ValidationReport& report);

    QTableWidget* table_;
    QChart* chart_;
    QLabel* summary_;
};

}  // namespace quorvel::gui
