#pragma once

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/busy.h"
#include "core/app/combs_service.h"
#include "core/app/data_dir.h"
#include "core/app/download_service.h"
#include "core/app/draws_service.h"
#include "core/app/listeners.h"
#include "core/app/regulars_service.h"
#include "core/app/script_service.h"
#include "core/app/stakes_service.h"
#include "core/app/systems_service.h"
#include "core/app/ui_state.h"
#include "core/archive/download_owner.h"
#include "core/archive/download_settings.h"
#include "core/archive/draw_archive.h"
#include "core/archive/draws_import.h"
#include "core/archive/proxy_settings.h"
#include "core/combos/comb_list.h"
#include "core/combos/filter_pass.h"
#include "core/combos/generation.h"
#include "core/scenario/scenario.h"
#include "core/scenario/scenario_log.h"
#include "core/scenario/selection_rules.h"
#include "core/stakes/regular.h"
#include "core/stakes/stakes_file.h"
#include "core/stakes/stakes_graphs.h"
#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"
#include "core/systems/system_catalogue.h"
#include "core/systems/system_game.h"
#include "core/util/ui_host.h"

namespace quorvel {

// Wires the area services together (draws, combinations, stakes and rating, regulars, systems,
// scenario, download) and holds what they share: the data directory, the person, the busy
// state, the interface options and the listeners. It keeps the statistics settings and table
// and the start-up and shut-down order. The desktop window keeps one; the command line makes
// one per command.
class Workspace {
public:
    enum class Mode { Window, CommandLine };

    Workspace(DataDirectory dir, UiHost& host, std::vector<std::string> args, Mode mode = Mode::Window);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Window-creation stage: the interface state and the settings file. Errors are shown and
    // the defaults stay.
    void LoadStartupSettings();
    // Initialisation stage: holds the stakes file and reads the archive. False when the data
    // directory is held by another copy: the exclusive-access message was shown and the
    // program must end without touching any file.
    bool Initialise();
    // Writes the interface state (window mode only) together with the window's own values
    // (placement, list layouts) in one write, and releases the stakes file.
    void Shutdown(const std::vector<std::pair<std::string, std::string>>& windowValues = {});

    void AddListener(WorkspaceListener* listener) { listeners_.Add(listener); }

    const DataDirectory& Dir() const { return dir_; }
    UiHost& Host() { return host_; }
    BusyState& Busy() { return busy_; }
    bool IsIdle() const { return busy_.IsIdle(); }
    const std::vector<std::string>& Args() const { return args_; }
    bool HasSwitch(const std::string& name) const;

    // The archive of draws and its workflows.
    DrawsService& Draws() { return draws_; }
    DrawArchive& Archive() { return archive_; }
    const DrawArchive& Archive() const { return archive_; }
    TStatList& Stats() { return stats_; }
    TUiOptions& Options() { return options_; }
    UiStateFile& UiState() { return uiState_; }
    // Download of new draws, with its proxy and address settings.
    DownloadService& Download() { return download_; }
    // The held stakes file and the rating.
    StakesService& Stakes() { return stakes_; }
    // System games: the local systems and their stakes.
    SystemsService& Systems() { return systems_; }
    const SystemsService& Systems() const { return systems_; }
    // The regular stakes of the tab.
    RegularsService& Regulars() { return regulars_; }
    const RegularsService& Regulars() const { return regulars_; }

    // The method catalogue: built from the registration table, then the names file read.
    void BuildCatalogue();
    // Names and favourites of the program's names file; failures are shown.
    void SaveNames();
    void LoadNames();
    // Rebuilds the catalogue from the current settings, keeping names and favourites.
    void ReloadCatalogue();
    // The rows of the information window: every selectable graph method's title and its value
    // for the three values, taken as draw refIndex (the previous draw is the comparison draw).
    std::vector<std::pair<std::string, int>> MethodGraphRows(int refIndex, const TComb& values);

    // The statistics table of the chosen entry over the window at the offset. Not forced, it
    // is recomputed only when the archive length, the offset, the window or the entry changed.
    // Returns whether it was computed; errors are shown.
    bool ComputeStatTable(bool forced);
    struct StatTableState {
        int Entry = -1;  // the catalogue entry chosen in the statistics method list
        int SortColumn = 1;
        bool Descending = false;
        TStatTable Table;
        std::array<int, 4> Signature{0, 0, 0, -1};
    };
    StatTableState& StatTable() {
        ShowLastStepTable();
        return statTable_;
    }
    void SortStatTable(int column, bool descending);

    // The full-set counts of an entry, built when missing; nothing unless the comparison is on
    // (or forced) and the method supports it. Failures are shown.
    std::optional<FullSetData> OpenFullSetFile(const TStatMethod& entry, bool force = false);
    // Builds the missing full-set files (all when forced), and those of the groups in the mask.
    void CreateFullSetFiles(bool force, int groupMask);
    // The combination list and its workflows.
    CombsService& Combs() { return combs_; }
    const CombsService& Combs() const { return combs_; }
    // Keeps or removes the combinations carrying the values of the chosen statistics rows.
    bool FilterByStatRows(const std::vector<int>& rows, bool exclude);

    // True when a command-line switch made this a batch run that has done its work.
    bool EndsAfterStartup() const { return endsAfterStartup_; }

    // Takes the settings confirmed in the parameters dialog: stores and saves them, then
    // recomputes the views. Returns the change marks (16 matrix columns, 8 channel size,
    // 32 segments) that tell which full-set files depend on the change.
    int ApplyConfig(const TConfigData& config);

    // Scenario
    // The current scenario and its editing.
    ScriptService& Script() { return script_; }
    const ScriptService& Script() const { return script_; }
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
    // The stop request of a scenario run: set by the run's owner, or by the host's stop poll.
    bool ScriptStopRequested();
    void RequestScriptStop() { scriptStop_ = true; }
    // A run starts with the statistics table computed afresh: the user may have changed what it
    // depends on since the last step.
    void ForgetStepTable() {
        stepTableWeights_.reset();
        stepTables_.clear();
        sortedStepTables_.clear();
        shownStepTable_.reset();
    }
    // The statistics tab shows the table of the last filter step; a scenario run calls this
    // before it leaves the table to the tab.
    void ShowLastStepTable();
    void ClearScriptStop() { scriptStop_ = false; }
    // Takes everything a scenario pass reads from the other workspace, whole: the archive and
    // offset, the settings and catalogue, the options, the combination list, the scenario and
    // the statistics tab's state. A workspace that works out passes for another one runs them
    // exactly as that one would.
    void CopyRunStateFrom(const Workspace& other);
    // A workspace over the same data directory that works out passes for the main one: a whole
    // copy of its run state, talking to its own host. It never writes a file of the directory.
    static std::unique_ptr<Workspace> PassCopyOf(const Workspace& main, UiHost& host);
    // What a pass leaves besides its effects: the combination list and the statistics tab's
    // method, window and table.
    struct PassEndState {
        TCombList Combs;
        StatTableState StatTable;
        int32_t DrawsStatLen = 0;
    };
    PassEndState CapturePassEnd();
    void AdoptPassEnd(PassEndState state);

    // While suspended the listeners hear nothing: a scenario run on another thread must not
    // make windows read data it is changing. The window refreshes everything afterwards.
    void SuspendViewUpdates(bool suspended) { listeners_.Suspend(suspended); }

private:
    bool ViewsLive() const { return listeners_.Live(); }
    void OpenStakesFile();
    void RunStartupSwitches();
    bool RunLoadOnlySwitch();
    // The last step of start-up in the window: the download that DownloadDrawsOnStart asks for.
    void RunStartupDownload();

    DataDirectory dir_;
    UiHost& host_;
    std::vector<std::string> args_;
    Mode mode_;
    BusyState busy_;
    DrawsService draws_{{dir_, host_, busy_, listeners_}};
    DrawArchive& archive_ = draws_.Archive();
    TStatList stats_;
    TUiOptions options_;
    UiStateFile uiState_;
    WorkspaceListeners listeners_;
    bool shutDown_ = false;
    bool endsAfterStartup_ = false;
    StatTableState statTable_;
    // The services, each after those it uses.
    CombsService combs_{{host_, busy_, listeners_, archive_, stats_, options_}};
    ScriptService script_{dir_, host_, busy_, listeners_.Suspended()};
    StakesService stakes_{
        {dir_, host_, busy_, options_, uiState_, listeners_, archive_, stats_, combs_.List(), script_}};
    DownloadService download_{{dir_, host_, busy_, archive_, stakes_, [this] {
                                   const bool saved = draws_.SaveDraws();
                                   draws_.RecalcViews();
                                   return saved;
                               }}};
    SystemsService systems_{{dir_, host_, busy_, listeners_, archive_, stats_, combs_.List(), stakes_}};
    RegularsService regulars_{{dir_, host_, busy_, options_, listeners_, archive_, stats_, combs_.List(),
                               stakes_, [this](int offset) { draws_.SetDrawsOffset(offset); }}};
    std::atomic<bool> scriptStop_{false};
    using StepTableKey = std::array<int, 5>;  // signature and sort column
    std::optional<WeightCoefficients> stepTableWeights_;
    std::map<std::array<int, 4>, TStatTable> stepTables_;  // in the order computed
    std::map<StepTableKey, std::shared_ptr<const StepTable>> sortedStepTables_;
    std::shared_ptr<const StepTable> shownStepTable_;
    const StepTable& CachedStepTable();
    // The entry's table over the window at the offset, in the order computed; errors are shown
    // and give an empty table.
    TStatTable ComputeTableOf(int entry);
};

}  // namespace quorvel
