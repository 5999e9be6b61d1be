#pragma once

#include <memory>
#include <string>
#include <system_error>
#include <utility>
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
#include "core/app/stats_service.h"
#include "core/app/systems_service.h"
#include "core/app/ui_state.h"

namespace quorvel {

// Wires the area services together and holds what they share (data directory, person, busy
// state, interface options, listeners) and the start-up and shut-down order. The desktop window
// keeps one; the command line makes one per command.
class Workspace {
public:
    enum class Mode { Window, CommandLine };

    Workspace(DataDirectory dir, UiHost& host, std::vector<std::string> args, Mode mode = Mode::Window);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Window-creation stage: the interface state, the settings file and the catalogue. Errors
    // are shown and the defaults stay.
    void LoadStartupSettings();
    // Initialisation stage: holds the stakes file and reads the archive. False when the data
    // directory cannot be made or another copy holds it: that was said, and the program ends
    // without touching a file.
    bool Initialise();
    // Writes the interface state (window mode only) together with the window's own values
    // (placement, list layouts) in one write, and releases the stakes file.
    void Shutdown(const std::vector<std::pair<std::string, std::string>>& windowValues = {});
    // True when a command-line switch made this a batch run that has done its work.
    bool EndsAfterStartup() const { return endsAfterStartup_; }
    // Whether Initialise refused because another copy holds the data directory.
    bool HeldByAnotherCopy() const { return heldByAnotherCopy_; }

    void AddListener(WorkspaceListener* listener) { listeners_.Add(listener); }
    // While suspended the listeners hear nothing: a scenario run on another thread must not
    // make windows read data it is changing. The window refreshes everything afterwards.
    void SuspendViewUpdates(bool suspended) { listeners_.Suspend(suspended); }

    const DataDirectory& Dir() const { return dir_; }
    UiHost& Host() { return host_; }
    BusyState& Busy() { return busy_; }
    bool IsIdle() const { return busy_.IsIdle(); }
    const std::vector<std::string>& Args() const { return args_; }
    bool HasSwitch(const std::string& name) const;
    TUiOptions& Options() { return options_; }
    UiStateFile& UiState() { return uiState_; }

    DrawsService& Draws() { return draws_; }
    DrawArchive& Archive() { return draws_.Archive(); }
    const DrawArchive& Archive() const { return draws_.Archive(); }
    StatsService& Stats() { return stats_; }
    CombsService& Combs() { return combs_; }
    const CombsService& Combs() const { return combs_; }
    StakesService& Stakes() { return stakes_; }
    RegularsService& Regulars() { return regulars_; }
    const RegularsService& Regulars() const { return regulars_; }
    SystemsService& Systems() { return systems_; }
    const SystemsService& Systems() const { return systems_; }
    ScriptService& Script() { return script_; }
    const ScriptService& Script() const { return script_; }
    DownloadService& Download() { return download_; }

    // Keeps or removes the combinations carrying the values of the chosen statistics rows.
    bool FilterByStatRows(const std::vector<int>& rows, bool exclude);

    // A workspace over the same data directory that works out passes for the main one: a whole
    // copy of what a pass reads (archive and offset, settings and catalogue, options,
    // combination list, scenario, statistics tab, systems folder), talking to its own host. It
    // never writes a file of the directory.
    static std::unique_ptr<Workspace> PassCopyOf(const Workspace& main, UiHost& host);

private:
    std::error_code MakeDataDirectory();
    void OpenStakesFile();
    void RunStartupSwitches();
    bool RunLoadOnlySwitch();
    // The last step of start-up in the window: the download that DownloadDrawsOnStart asks for.
    void RunStartupDownload();
    bool SaveAndRecalc();

    DataDirectory dir_;
    UiHost& host_;
    std::vector<std::string> args_;
    Mode mode_;
    BusyState busy_;
    TUiOptions options_;
    UiStateFile uiState_;
    WorkspaceListeners listeners_;
    bool shutDown_ = false;
    bool endsAfterStartup_ = false;
    bool heldByAnotherCopy_ = false;
    // The services, each after those it uses.
    DrawsService draws_{{dir_, host_, busy_, listeners_}};
    StatsService stats_{{dir_, host_, busy_, options_, draws_}};
    CombsService combs_{{host_, busy_, listeners_, draws_.Archive(), stats_.List(), options_}};
    ScriptService script_{dir_, host_, busy_, listeners_.Suspended()};
    StakesService stakes_{{dir_, host_, busy_, options_, uiState_, listeners_, draws_.Archive(),
                           stats_.List(), combs_.List(), script_}};
    DownloadService download_{
        {dir_, host_, busy_, draws_.Archive(), stakes_, [this] { return SaveAndRecalc(); }}};
    SystemsService systems_{
        {dir_, host_, busy_, listeners_, draws_.Archive(), stats_.List(), combs_.List(), stakes_}};
    RegularsService regulars_{{dir_, host_, busy_, options_, listeners_, draws_.Archive(), stats_.List(),
                               combs_.List(), stakes_,
                               [this](int offset) { draws_.SetDrawsOffset(offset); }}};
};

}  // namespace quorvel
