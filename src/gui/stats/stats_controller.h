#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

// The statistics tab: the method list and its table, the favourites and descriptions, the
// full-set comparison and the filtering by the table's rows.
class StatsController : public AreaController {
    Q_OBJECT

public:
    explicit StatsController(Frame& frame);

    StatsPage* Page() const { return statsPage_; }
    void CreateActions();
    void CreateTableActions();
    void AddTableMenuEntries();
    // Refills the statistics and graph method lists from the catalogue. With reload the
    // catalogue is rebuilt first (parameter ranges and formulas follow the settings) keeping
    // names and favourites through the names file. The lists keep their positions when asked
    // and when those are still inside them; otherwise they start at the first method.
    void FillMethodLists(bool reload, bool keepSelection);
    void RecalcViews() override { ComputeStatTable(false); }

private:
    void ComputeStatTable(bool forced);
    void TogglePrefetch();
    void ToggleTotalLine();
    void FiltersManagerExecute();
    void FiltersResetExecute();
    void FiltersInfoExecute();
    // After the favourites changed: the names file written, the lists rebuilt, the views
    // recomputed, with the wait text shown meanwhile.
    void ReloadMethodLists();
};

}  // namespace quorvel::gui
