#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/busy.h"
#include "core/app/data_dir.h"
#include "core/app/draws_service.h"
#include "core/app/ui_state.h"
#include "core/scenario/selection_rules.h"
#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"
#include "core/util/ui_host.h"

namespace quorvel {

// What the statistics service reads from the rest of the workspace.
struct StatsServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    TUiOptions& Options;
    DrawsService& Draws;
};

// The method catalogue with its settings and names, the statistics tab's table, the full-set
// files, and the tables the filter steps of a scenario walk. Errors are shown.
class StatsService {
public:
    explicit StatsService(StatsServiceParts parts);

    TStatList& List() { return list_; }
    const TStatList& List() const { return list_; }

    // The settings file's generation, method and shredding settings.
    void LoadSettings();
    // The catalogue built from the registration table, then the names file read.
    void BuildCatalogue();
    void SaveNames();
    void LoadNames();
    // Rebuilds the catalogue from the current settings, keeping names and favourites.
    void ReloadCatalogue();
    // Takes the settings confirmed in the parameters dialog: stores and saves them, then
    // recomputes the views. Returns the change marks (16 matrix columns, 8 channel size,
    // 32 segments) that tell which full-set files depend on the change.
    int ApplyConfig(const TConfigData& config);
    // The rows of the information window: every selectable graph method's title and its value
    // for the three values, taken as draw refIndex (the previous draw is the comparison draw).
    std::vector<std::pair<std::string, int>> MethodGraphRows(int refIndex, const TComb& values);

    struct TableState {
        int Entry = -1;  // the catalogue entry chosen in the statistics method list
        int SortColumn = 1;
        bool Descending = false;
        TStatTable Table;
        // Archive length, offset, window, entry and the archive's revision it was computed on.
        std::array<int, 5> Signature{0, 0, 0, -1, 0};
    };
    TableState& Table() {
        ShowLastStepTable();
        return table_;
    }
    // The chosen entry's table over the window at the offset. Not forced, it is recomputed only
    // when the archive (its length or a draw), the offset, the window or the entry changed.
    // Returns whether it was computed.
    bool ComputeTable(bool forced);
    void SortTable(int column, bool descending);

    // The full-set counts of an entry, built when missing; nothing unless the comparison is on
    // (or forced) and the method supports it.
    std::optional<FullSetData> OpenFullSetFile(const TStatMethod& entry, bool force = false);
    // Builds the missing full-set files (all when forced), and those of the groups in the mask.
    void CreateFullSetFiles(bool force, int groupMask);

    // A filter step's table, sorted for the step, with the texts its rule reads.
    struct StepTable {
        std::array<int, 4> Signature{};
        TStatTable Table;
        std::vector<TStatValues> Rows;
        std::string Source;  // the method as the applied-filters list names it
    };
    // The table a filter step walks: the step's method, window and sort column become the
    // statistics tab's, its weights apply, and the table is computed or taken from the step cache.
    const StepTable& UseStepTable(const TFilterPart& part);
    // A run starts with the tables computed afresh: the user may have changed what they depend
    // on since the last step.
    void ForgetStepTables();
    // The statistics tab shows the table of the last filter step; a scenario run calls this
    // before it leaves the table to the tab.
    void ShowLastStepTable();
    // A pass's workspace starts from the catalogue and tab of the one it works for.
    void CopyFrom(const StatsService& other);

private:
    const StepTable& CachedStepTable();
    // The entry's table over the window at the offset, in the order computed; errors are shown
    // and give an empty table.
    TStatTable ComputeTableOf(int entry);

    StatsServiceParts p_;
    TStatList list_;
    TableState table_;
    using StepTableKey = std::array<int, 5>;  // signature and sort column
    std::optional<WeightCoefficients> stepTableWeights_;
    std::map<std::array<int, 4>, TStatTable> stepTables_;  // in the order computed
    std::map<StepTableKey, std::shared_ptr<const StepTable>> sortedStepTables_;
    std::shared_ptr<const StepTable> shownStepTable_;
};

}  // namespace quorvel
