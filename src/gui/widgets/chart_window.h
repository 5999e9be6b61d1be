#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include "core/app/ui_state.h"
#include "gui/widgets/chart_axes.h"

class QCheckBox;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace quorvel::gui {

// "График": the window the stakes, rating and graphs actions draw into, point by point, with
// one line series per title. Its placement is kept in the interface state file when one is
// given.
class ChartWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChartWindow(UiStateFile* uiState = nullptr, QWidget* parent = nullptr);

    // Adds (x, y) to the series of that title, compared without regard to case, creating the
    // series on first use with the given look; an invalid colour leaves the chart's own. The x
    // axis labels the x values of points in decimal, stepping so that about ten fit.
    void AddChartPoint(double x, const QString& seriesTitle, double y, bool pointsVisible, bool marksVisible,
                       QColor color = QColor());
    void Clear();
    // What the axes count, where a chart's title does not make it plain.
    void SetAxisTitles(const QString& x, const QString& y);

    QChart* Chart() const { return chart_; }
    QLineSeries* FindSeries(const QString& title) const;
    QCheckBox* MarksCheck() const { return marks_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;  // Esc closes, as in the program's dialogs

private:
    void PlaceOverParent();
    void UpdateAxes();
    void PlaceLegend();
    void ShowMarks(bool visible);

    UiStateFile* uiState_;
    QChart* chart_;
    QChartView* view_;
    QCheckBox* marks_;
    QValueAxis* axisY_;
    QValueAxis* axisX_;
    QList<QLineSeries*> series_;
    QList<QLineSeries*> markedSeries_;  // created with marks visible: the check box governs them
    ChartBounds bounds_;
};

}  // namespace quorvel::gui
