#pragma once

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/busy.h"
#include "core/app/data_dir.h"
#include "core/app/run_hold.h"
#include "core/scenario/scenario.h"
#include "core/util/ui_host.h"

namespace quorvel {

// The current scenario and its editing. Every change saves the whole scenario to the autosave
// file and tells the listeners; errors are shown and what was there stays.
class ScriptService {
public:
    ScriptService(const DataDirectory& dir, UiHost& host, BusyState& busy,
                  const std::atomic<bool>& viewsSuspended)
        : dir_(dir), host_(host), busy_(busy), viewsSuspended_(viewsSuspended) {}

    const TScenario& Scenario() const { return scenario_; }
    void AddListener(ScenarioListener* listener) { listeners_.push_back(listener); }
    std::filesystem::path AutosavePath() const;
    // Start-up: the autosave file, when there is one, becomes the current scenario.
    void LoadAutosave();
    // Returns the index of the new line.
    int AppendScriptLine(const std::string& line);
    // Outside the scenario both throw "Запись со индексом %d в файле данных не найдена!".
    const std::string& ScriptLine(int index) const { return scenario_.Line(index); }
    void ReplaceScriptLine(int index, const std::string& line);
    // After the user confirms; returns whether lines went.
    bool DeleteScriptLines(const std::vector<int>& rows);
    bool ClearScript();
    // Moves a line one place; the first line cannot go up nor the last one down.
    bool MoveScriptLineUp(int row);
    bool MoveScriptLineDown(int row);
    // Replacing the scenario, or appending with a blank separator between.
    bool OpenScriptFile(const std::filesystem::path& file);
    bool AppendScriptFile(const std::filesystem::path& file);
    bool SaveScriptFile(const std::filesystem::path& file);
    // The lines become the scenario to run without being saved as the program's own: the
    // command line runs a file and leaves the user's scenario alone.
    void UseUnsaved(std::vector<std::string> lines) { scenario_.Assign(std::move(lines)); }
    // A pass's workspace runs the scenario of the one it works for.
    void CopyScenarioFrom(const ScriptService& other) { scenario_ = other.scenario_; }
    // Deletes every scenario log of the data directory and reports what went.
    void DeleteScenarioLogs();

    // The stop request of a run: set by the run's owner, or by the host's stop poll. A held
    // run waits here until its owner lets it go on.
    bool StopRequested() {
        hold_.WaitWhileHeld();
        if (!stop_ && host_.StopRequested()) stop_ = true;
        return stop_;
    }
    void RequestStop() { stop_ = true; }
    RunHold& Hold() { return hold_; }
    void ClearStop() { stop_ = false; }

private:
    void Changed();
    void Refresh();
    std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file);

    const DataDirectory& dir_;
    UiHost& host_;
    BusyState& busy_;
    const std::atomic<bool>& viewsSuspended_;
    TScenario scenario_;
    std::vector<ScenarioListener*> listeners_;
    std::atomic<bool> stop_{false};
    RunHold hold_;
};

}  // namespace quorvel
