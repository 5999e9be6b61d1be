#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/busy.h"
#include "core/app/listeners.h"
#include "core/app/ui_state.h"
#include "core/archive/draw_archive.h"
#include "core/combos/comb_list.h"
#include "core/combos/filter_pass.h"
#include "core/combos/generation.h"
#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"
#include "core/util/ui_host.h"

namespace quorvel {

// What the combinations service reads from the rest of the workspace.
struct CombsServiceParts {
    UiHost& Host;
    BusyState& Busy;
    WorkspaceListeners& Listeners;
    const DrawArchive& Archive;
    TStatList& Stats;
    const TUiOptions& Options;
};

// The combination list. Each change takes the undo copy first, so one step can be undone, and
// is reported to the listeners; errors are shown with the operation's own text.
class CombsService {
public:
    explicit CombsService(CombsServiceParts parts) : p_(parts) {}

    TCombList& List() { return combs_; }
    const TCombList& List() const { return combs_; }
    // The list or its applied filters changed: the listeners hear it.
    void Refresh();

    void GenerateCombsList(const TCombsGenerateParams& params, bool showProgress);
    TCombsGenerateParams StoredGenerateParams() const;
    // The list a scenario variant starts from: generated with the stored parameters, made once
    // and copied for every variant after that.
    void GenerateStartList();
    // Makes the parameters the default that every start generates from, and saves them.
    void StoreGenerateParams(const TCombsGenerateParams& params);
    bool MakeUndoCopy(bool showProgress);
    void RestoreUndo(bool showProgress);
    void UndoCombs();
    // A filtering that emptied the list is undone, and the undo list says so.
    void UndoEmptiedFilter();
    void ExcludeLastDrawsFromList(int n);
    void DeleteCombRows(const std::vector<int>& rows);
    bool OpenCombsFile(const std::filesystem::path& file);
    bool SaveCombsFile(const std::filesystem::path& file);
    void PasteCombs(const std::string& text);
    std::string CopyCombs(const std::vector<int>& rows) const;
    void ShowUniqueCombValues();
    void FindCombInDraws(const TComb& comb);
    // Keeps or removes the combinations carrying the values of those rows of a computed table.
    bool FilterByTableRows(const TStatTable& table, int entry, const std::string& source,
                           const std::vector<int>& rows, bool exclude);
    // The same with values read from a view's grid, through a "NUMS" method.
    bool FilterByGridValues(const TFilterSelection& selection, bool exclude, const std::string& source);

private:
    void RunFilterPassOver(const TFilterSelection& selection, TCustomStat& stat, bool exclude,
                           const std::string& source);

    CombsServiceParts p_;
    TCombList combs_;
    std::optional<std::pair<TCombsGenerateParams, TCombsArray>> startList_;
};

}  // namespace quorvel
