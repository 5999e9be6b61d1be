#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/stakes_service.h"
#include "core/systems/system_catalogue.h"
#include "core/systems/system_game.h"

namespace quorvel {

// What the systems service reads from the rest of the workspace.
struct SystemsServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    WorkspaceListeners& Listeners;
    const DrawArchive& Archive;
    const TStatList& Stats;
    const TCombList& Combs;
    StakesService& Stakes;
};

// System games: the local systems folder, the user's own systems, and staking a system.
class SystemsService {
public:
    explicit SystemsService(SystemsServiceParts parts) : p_(parts) {}

    // The folder of the local systems. A data directory without one first gets a copy of the
    // ready systems shipped beside the program (tests may point elsewhere).
    std::filesystem::path SystemsFolder();
    void SetShippedSystemsFolder(std::filesystem::path folder) { shippedSystems_ = std::move(folder); }
    // A pass's workspace plays the systems the one it works for plays.
    void CopyFolderFrom(const SystemsService& other) { shippedSystems_ = other.shippedSystems_; }
    // The systems list of the tab: reloaded from the folder, or emptied when the tab hides.
    const std::vector<TSystemInfo>& List() const { return systems_; }
    void RefreshSystems();
    void ClearSystems();
    // Loads the local system for the user's numbers and translates it; a failure shows its
    // message here (also during a scenario) and leaves the scenario log's text in reason.
    std::optional<TSystemGame> LoadSystemForNumbers(const TByteArray& numbers, std::string* reason = nullptr);
    // A system game of the tab before the multi-stake dialog: the system for the numbers of the
    // current list with the default draw number, draws and comment; nothing after a failure.
    struct SystemStakePlan {
        TSystemGame Game;
        bool Filtered = false;
        int DrawNumber = 1;
        int Draws = 1;
        std::string Comment;
    };
    std::optional<SystemStakePlan> PrepareSystemStakes(bool filtered);
    // The plan's stakes (kind "Система") after a separator, then the check; false on a failure.
    bool AddSystemStakes(const SystemStakePlan& plan);
    // The user's own systems: the system dialog's data written to a local file named by its
    // numbers, block and identifier (a new one from 9001 on). Another local system with the same
    // numbers is replaced after the user agrees. Errors are shown; false when nothing changed.
    bool AddSystem(TSystemData data);
    bool UpdateSystem(const TSystemInfo& current, TSystemData data);
    // Only the user's own, after the confirmation.
    bool DeleteSystem(const TSystemInfo& info);
    // Copies a system file from anywhere into the folder, replacing the local system with the
    // same numbers, as a download does.
    bool ImportSystemFile(const std::filesystem::path& file);

private:
    bool SaveOwnSystem(TSystemData data, const std::filesystem::path& previous, const char* errorText);
    bool ReplaceOtherSystems(const std::filesystem::path& folder, int numbers,
                             const std::filesystem::path& kept, bool ask);
    void NotifySystems();

    SystemsServiceParts p_;
    std::filesystem::path shippedSystems_ = DataDirectory::ExecutableDirectory() / SystemsFolderName;
    std::vector<TSystemInfo> systems_;
};

}  // namespace quorvel
