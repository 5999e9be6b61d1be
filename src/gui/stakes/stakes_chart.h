#pragma once

#include <QString>

#include "core/stakes/stakes_graphs.h"

class QWidget;

namespace quorvel {
class UiStateFile;
}

namespace quorvel::gui {

class ChartWindow;

// Draws a stakes or rating graph into a new chart window titled with the action's hint. The
// window is shown and deletes itself when closed.
// The values are counted against the draw numbers; valueTitle names what they are.
ChartWindow* ShowStakesChart(const TChartData& chart, const QString& title, const QString& valueTitle,
                             UiStateFile* uiState, QWidget* parent);

}  // namespace quorvel::gui
