#include "gui/stakes/stakes_chart.h"

#include <QCheckBox>
#include <QCoreApplication>

#include "gui/widgets/chart_window.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

// A hundred draws of labelled points bury the lines under numbers: such graphs open with the
// labels off, and the window's check box brings them back.
constexpr size_t MostLabelledPoints = 20;

bool ManyPoints(const TChartData& chart) {
    for (const TChartSeries& series : chart.Series) {
        if (series.Points.size() > MostLabelledPoints) return true;
    }
    return false;
}

}  // namespace

ChartWindow* ShowStakesChart(const TChartData& chart, const QString& title, const QString& valueTitle,
                             UiStateFile* uiState, QWidget* parent) {
    auto* window = new ChartWindow(uiState, parent);
    window->setObjectName("StakesChart");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->setWindowTitle(title);
    window->MarksCheck()->setChecked(!ManyPoints(chart));
    window->SetAxisTitles(QCoreApplication::translate("quorvel::gui::ChartWindow", "Тираж"), valueTitle);
    for (const TChartSeries& series : chart.Series) {
        const QString name = SeriesText(series.Title);
        const QColor color = series.Color != 0 ? QColor(QRgb(series.Color)) : QColor();
        for (const auto& [x, y] : series.Points)
            window->AddChartPoint(x, name, y, true, true, color);
    }
    window->show();
    return window;
}

}  // namespace quorvel::gui
