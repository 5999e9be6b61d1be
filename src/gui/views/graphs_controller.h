#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

// The graphs tab, the sum distribution and the repeats windows.
class GraphsController : public AreaController {
    Q_OBJECT

public:
    explicit GraphsController(Frame& frame);

    GraphsPage* Page() const { return graphsPage_; }
    void CreateActions();
    void RebuildGraph(bool force);
    void RecalcViews() override { RebuildGraph(false); }

private:
    void TotalSumCombsExecute();
    void AnalyzeRepeatsExecute();
};

}  // namespace quorvel::gui
