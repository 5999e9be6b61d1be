#include "core/app/script_service.h"

#include "core/app/log_deletion.h"
#include "core/scenario/scenario_log_file.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/version.h"

namespace quorvel {

std::filesystem::path ScriptService::AutosavePath() const {
    return dir_.File(std::string(ProgramName) + ScenarioAutosaveExtension);
}

void ScriptService::Refresh() {
    if (viewsSuspended_) return;
    for (ScenarioListener* listener : listeners_)
        listener->ScenarioRefreshed();
}

void ScriptService::Changed() {
    const std::filesystem::path path = AutosavePath();
    {
        BusyScope busy(busy_, host_, Format("Сохранение файла \"%s\"...", {PathText(path)}));
        try {
            WriteScenarioFile(path, scenario_.Lines());
        } catch (const std::exception& e) {
            host_.ShowError(ScenarioWriteErrorText(path, e.what()));
        }
    }
    Refresh();
}

void ScriptService::LoadAutosave() {
    const std::filesystem::path path = AutosavePath();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        BusyScope busy(busy_, host_, Format("Загрузка файла \"%s\"...", {PathText(path)}));
        try {
            scenario_.Assign(ReadScenarioFile(path));
        } catch (const std::exception& e) {
            host_.ShowError(ScenarioReadErrorText(path, e.what()));
        }
    }
    Refresh();
}

int ScriptService::AppendScriptLine(const std::string& line) {
    const int index = scenario_.Append(line);
    Changed();
    return index;
}

void ScriptService::ReplaceScriptLine(int index, const std::string& line) {
    scenario_.Replace(index, line);
    Changed();
}

bool ScriptService::DeleteScriptLines(const std::vector<int>& rows) {
    if (rows.empty() || !ConfirmDelete(host_, static_cast<int>(rows.size()))) return false;
    {
        BusyScope busy(busy_, host_, "Удаление строк...");
        scenario_.Delete(rows);
    }
    Changed();
    return true;
}

bool ScriptService::ClearScript() {
    if (scenario_.Empty() || !ConfirmDelete(host_, scenario_.Count())) return false;
    scenario_.Clear();
    Changed();
    return true;
}

bool ScriptService::MoveScriptLineUp(int row) {
    if (!scenario_.CanMoveUp(row)) return false;
    scenario_.Swap(row, row - 1);
    Changed();
    return true;
}

bool ScriptService::MoveScriptLineDown(int row) {
    if (!scenario_.CanMoveDown(row)) return false;
    scenario_.Swap(row, row + 1);
    Changed();
    return true;
}

// A file that cannot be read is shown, and the scenario stays as it was.
std::optional<std::vector<std::string>> ScriptService::ReadLines(const std::filesystem::path& file) {
    BusyScope busy(busy_, host_, Format("Загрузка файла \"%s\"...", {PathText(file)}));
    try {
        return ReadScenarioFile(file);
    } catch (const std::exception& e) {
        host_.ShowError(ScenarioReadErrorText(file, e.what()));
        Refresh();
    }
    return std::nullopt;
}

bool ScriptService::OpenScriptFile(const std::filesystem::path& file) {
    auto lines = ReadLines(file);
    if (!lines) return false;
    scenario_.Assign(std::move(*lines));
    Changed();
    return true;
}

bool ScriptService::AppendScriptFile(const std::filesystem::path& file) {
    if (scenario_.Empty()) return OpenScriptFile(file);
    auto lines = ReadLines(file);
    if (!lines) return false;
    scenario_.AppendLines(*lines);
    Changed();
    return true;
}

bool ScriptService::SaveScriptFile(const std::filesystem::path& file) {
    BusyScope busy(busy_, host_, Format("Сохранение файла \"%s\"...", {PathText(file)}));
    try {
        WriteScenarioFile(file, scenario_.Lines());
        return true;
    } catch (const std::exception& e) {
        host_.ShowError(ScenarioWriteErrorText(file, e.what()));
        return false;
    }
}

void ScriptService::DeleteScenarioLogs() {
    DeleteLogFiles(host_, busy_, FindScenarioLogs(dir_.Root()));
}

}  // namespace quorvel
