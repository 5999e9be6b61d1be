#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/busy.h"
#include "core/app/data_dir.h"
#include "core/app/listeners.h"
#include "core/app/script_service.h"
#include "core/app/ui_state.h"
#include "core/archive/draw_archive.h"
#include "core/combos/comb_list.h"
#include "core/stakes/rating.h"
#include "core/stakes/stakes_file.h"
#include "core/stakes/stakes_graphs.h"
#include "core/stats/stat_list.h"
#include "core/util/ui_host.h"

namespace quorvel {

// What the stakes and rating services read from the rest of the workspace.
struct StakesServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    TUiOptions& Options;
    UiStateFile& UiState;
    WorkspaceListeners& Listeners;
    const DrawArchive& Archive;
    const TStatList& Stats;
    const TCombList& Combs;
    ScriptService& Script;
};

// The held stakes file and the rating built from its checked stakes. Every operation shows its
// own errors; what was written before a failure stays written.
class StakesService {
public:
    explicit StakesService(StakesServiceParts parts) : p_(parts) {}

    StakesFile& File() { return file_; }
    const StakesFile& File() const { return file_; }
    // The stakes file changed: the listeners hear it (moveToEnd shows the last record).
    void Refresh(bool moveToEnd);

    // A stake made by hand: for the next draw at the offset, from the current list, unchecked.
    TStakeRecord NewManualStake() const;
    // The stake dialog's OK: the stake for draws consecutive draws, then the check.
    bool AddStake(const TStakeRecord& stake, int draws);
    // The multi-stake dialog's OK: one stake per combination, in order, then the check.
    bool AddStakesForCombs(const std::vector<TComb>& combs, int drawNumber, int draws,
                           const std::string& comment);
    // Checks the stakes against the whole archive; returns how many got checked.
    int CheckStakes();
    // The check after the file or the archive changed, the grid following.
    void CheckAfterChange();
    // Deleting records (grid row r shows record r - 1) after the user confirms, by condition,
    // or all of them; each is followed by the check, deleting all by the rebuild question.
    bool DeleteStakeRows(int firstRow, int lastRow);
    bool DeleteStakesWhere(TStakeCondition condition, int matches);
    bool ClearStakes();
    void DeleteStakeLogs();
    std::optional<TChartData> StakesProfitGraph();

    TRating& Rating() { return rating_; }
    int RatingSortColumn() const { return ratingSortColumn_; }
    bool RatingDescending() const { return ratingDescending_; }
    // The order the list was last sorted in, restored before start-up loads and sorts the rating.
    void SetRatingSortOrder(int column, bool descending) {
        ratingSortColumn_ = column;
        ratingDescending_ = descending;
    }
    std::array<std::string, RatingColumnCount> RatingTexts(int row) const;
    void LoadRating();
    // Sorts (a negative column leaves the order) and saves the rating.
    void SortRating(int column, bool descending);
    // Puts the rating in an order worked out elsewhere (by significance); no column is then the
    // sort column, so later changes keep that order.
    void ReorderRating(const std::vector<size_t>& order);
    // Rebuilds from the stakes file, asking first when the rating holds rows.
    bool RebuildRating();
    bool ExportRating(const std::filesystem::path& file);
    void SetRatingEffMode(int mode);
    // A scenario checks its stakes after every variant: the rating is then sorted and its file
    // written when the deferral ends (after each pass) instead of after every check.
    void DeferRatingSave(bool deferred);
    // While deferred: sorts the rating if checks changed it, leaving the file to the deferral's end.
    void SortDeferredRating();
    // Appends the scenario lines the rows' comments describe; returns how many were added.
    int RatingsToScript(const std::vector<int>& rows);
    std::optional<TChartData> RatingStakesGraph(const std::vector<int>& rows, bool profit);
    std::optional<TChartData> RatingsMatchGraph(const std::vector<int>& rows);

private:
    // Appends under the busy state; a failure is shown, a success is checked; the grid follows.
    bool AppendThenCheck(const char* progress, const std::function<void()>& append);
    void RefreshRating();
    void SaveRating();
    std::vector<std::string> RatingComments(const std::vector<int>& rows) const;

    StakesServiceParts p_;
    StakesFile file_;
    TRating rating_;
    int ratingSortColumn_ = RatingDefaultSortColumn;
    bool ratingDescending_ = true;
    bool ratingSaveDeferred_ = false;
    bool ratingUnsaved_ = false;
    bool ratingUnsorted_ = false;
};

}  // namespace quorvel
