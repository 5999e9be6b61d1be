#include "core/app/workspace.h"

#include <algorithm>

#include "core/app/switches.h"
#include "core/archive/draws_file.h"
#include "core/stakes/stakes_check.h"
#include "core/stats/config_changes.h"
#include "core/stats/custom_stat.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/languages.h"
#include "core/util/safe_file.h"

namespace quorvel {

Workspace::Workspace(DataDirectory dir, UiHost& host, std::vector<std::string> args, Mode mode)
    : dir_(std::move(dir)),
      host_(host),
      args_(std::move(args)),
      mode_(mode),
      busy_(host),
      stats_(dir_.SettingsPath()),
      uiState_(dir_.UiStatePath()) {
    stats_.SetDraws(&archive_.Draws());
}

Workspace::~Workspace() {
    try {
        Shutdown();
    } catch (...) {
        // Nothing may escape a destructor; Shutdown reports its own errors.
    }
}

bool Workspace::HasSwitch(const std::string& name) const {
    return quorvel::HasSwitch(args_, name);
}

void Workspace::LoadStartupSettings() {
    try {
        LoadUiOptions(uiState_, options_);
        if (mode_ == Mode::Window) InitPrefetchsOnFirstStart(uiState_, options_);
    } catch (const std::exception& e) {
        options_ = TUiOptions{};
        host_.ShowError(ActionError("Ошибка загрузки параметров программы!\r\r%s", e.what()));
    }
    {
        BusyScope busy(busy_, host_, "Загрузка файла конфигурации...");
        try {
            stats_.LoadCombsGenerate();
            stats_.LoadSettings();
            stats_.LoadShredding();
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка чтения файла конфигурации!\r\r%s", e.what()));
        }
        try {
            const TIniFile ini = TIniFile::Load(dir_.SettingsPath());
            download_.Assign(LoadProxySettings(ini), LoadDownloadSettings(ini));
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка чтения файла конфигурации!\r\r%s", e.what()));
        }
    }
    try {
        BuildCatalogue();
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка запуска программы!\r\r%s", e.what()));
    }
}

void Workspace::BuildCatalogue() {
    if (const LanguageInfo* language = FindLanguage(options_.Language)) {
        stats_.LanguageAbbreviation = language->Abbreviation;
    }
    stats_.Rebuild();
    LoadNames();
}

void Workspace::ReloadCatalogue() {
    SaveNames();
    stats_.Rebuild();
    stats_.SelectAll();
    LoadNames();
}

void Workspace::LoadNames() {
    if (auto error = stats_.LoadNames(dir_.NamesPath(), true)) host_.ShowError(*error);
}

void Workspace::SaveNames() {
    if (auto error = stats_.SaveNames(dir_.NamesPath(), true, false)) host_.ShowError(*error);
}

std::vector<std::pair<std::string, int>> Workspace::MethodGraphRows(int refIndex, const TComb& values) {
    std::vector<std::pair<std::string, int>> rows;
    for (const TStatMethod& entry : stats_.Items) {
        if (!entry.StatClass->Graph || !entry.StatClass->Selectable) continue;
        auto stat = entry.CreateStat(stats_);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        if (graph == nullptr) continue;
        rows.emplace_back(stat->InstanceTitle(),
                          graph->GraphValue(refIndex, refIndex - 1, values, options_.SortedDraws));
    }
    return rows;
}

bool Workspace::Initialise() {
    BusyScope busy(busy_, host_, "Инициализация...");
    archive_.SetOffset(0);
    try {
        stakes_.File().Open(dir_.StakesPath());
    } catch (const ExclusiveAccessError&) {
        host_.ShowError(ExclusiveAccessMessage);
        return false;
    }
    try {
        OpenStakesFile();
        draws_.LoadDraws();
        combs_.GenerateCombsList({stats_.CombsGenerateMode, stats_.CombsGenerateParameters}, false);
        draws_.RecalcViews();
        stakes_.LoadRating();
        script_.LoadAutosave();
        RunStartupSwitches();
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка инициализации программы!\r\r%s", e.what()));
    }
    return true;
}

void Workspace::RunStartupSwitches() {
    if (RunLoadOnlySwitch()) return;
    // "fullrecreate" rebuilds every full-set file, "fullrefresh" the missing ones even with the
    // comparison off; both make this a batch run that ends here.
    if (HasSwitch("fullrecreate")) {
        CreateFullSetFiles(true, (1 << StatGroupCount) - 1);
        endsAfterStartup_ = true;
        return;
    }
    const bool refresh = HasSwitch("fullrefresh");
    CreateFullSetFiles(refresh, 0);
    if (refresh) endsAfterStartup_ = true;
    if (!endsAfterStartup_) RunStartupDownload();
}

void Workspace::OpenStakesFile() {
    BusyScope busy(busy_, host_, "Загрузка файла ставок...");
    try {
        if (auto warning = stakes_.File().CheckVersion()) host_.ShowWarning(*warning);
    } catch (const std::exception& e) {
        host_.ShowError(e.what());
    }
}

void Workspace::Shutdown(const std::vector<std::pair<std::string, std::string>>& windowValues) {
    if (shutDown_) return;
    shutDown_ = true;
    if (mode_ == Mode::Window && stakes_.File().IsOpen()) {
        try {
            auto values = windowValues;
            auto optionValues = ShutdownUiValues(options_);
            values.insert(values.end(), optionValues.begin(), optionValues.end());
            uiState_.WriteUiValues(values);
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
        }
    }
    archive_.ClearDraws();
    stakes_.File().Close();
}

int Workspace::ApplyConfig(const TConfigData& config) {
    const int marks = ConfigChangeMarks(stats_.Config, config);
    stats_.Config = config;
    {
        BusyScope busy(busy_, host_, "Сохранение файла конфигурации...");
        try {
            stats_.SaveSettings();
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        }
    }
    // Channel and segment settings shape the catalogue's entries and their full-set files.
    ReloadCatalogue();
    CreateFullSetFiles(false, marks);
    draws_.RecalcViews();
    draws_.RefreshDraws(false);
    return marks;
}

}  // namespace quorvel
