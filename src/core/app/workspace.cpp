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
      uiState_(dir_.UiStatePath()) {}

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
    // Made before the first write to it; a folder that cannot be made is said by Initialise.
    const bool folderMade = !MakeDataDirectory();
    try {
        LoadUiOptions(uiState_, options_);
        if (mode_ == Mode::Window && folderMade) InitPrefetchsOnFirstStart(uiState_, options_);
    } catch (const std::exception& e) {
        options_ = TUiOptions{};
        host_.ShowError(ActionError("Ошибка загрузки параметров программы!\r\r%s", e.what()));
    }
    // The language the programs started with: the system's until the user picks one.
    options_.Language = StartingLanguage(uiState_.Path(), DataDirectory::ExecutableDirectory());
    {
        BusyScope busy(busy_, host_, "Загрузка файла конфигурации...");
        stats_.LoadSettings();
        try {
            const TIniFile ini = TIniFile::Load(dir_.SettingsPath());
            download_.Assign(LoadProxySettings(ini), LoadDownloadSettings(ini));
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка чтения файла конфигурации!\r\r%s", e.what()));
        }
    }
    try {
        stats_.BuildCatalogue();
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка запуска программы!\r\r%s", e.what()));
    }
}

bool Workspace::Initialise() {
    BusyScope busy(busy_, host_, "Инициализация...");
    if (const std::error_code ec = MakeDataDirectory()) {
        host_.ShowError(
            Format("Не удалось создать каталог данных \"%s\": %s", {PathText(dir_.Root()), ec.message()}));
        return false;
    }
    draws_.Archive().SetOffset(0);
    try {
        stakes_.File().Open(dir_.StakesPath());
    } catch (const ExclusiveAccessError&) {
        heldByAnotherCopy_ = true;
        host_.ShowError(ExclusiveAccessMessage);
        return false;
    }
    try {
        OpenStakesFile();
        // The stakes grid shows the file from the start, not only after the first check.
        stakes_.Refresh(false);
        draws_.LoadDraws();
        combs_.GenerateCombsList({stats_.List().CombsGenerateMode, stats_.List().CombsGenerateParameters},
                                 false);
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
        stats_.CreateFullSetFiles(true, (1 << StatGroupCount) - 1);
        endsAfterStartup_ = true;
        return;
    }
    const bool refresh = HasSwitch("fullrefresh");
    stats_.CreateFullSetFiles(refresh, 0);
    if (refresh) endsAfterStartup_ = true;
    if (!endsAfterStartup_) RunStartupDownload();
}

// A user's own data folder is made on first use, so that a folder that cannot be made is said
// as such, not as a lock that failed.
std::error_code Workspace::MakeDataDirectory() {
    std::error_code ec;
    std::filesystem::create_directories(dir_.Root(), ec);
    return ec;
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
    draws_.Archive().ClearDraws();
    stakes_.File().Close();
}

std::unique_ptr<Workspace> Workspace::PassCopyOf(const Workspace& main, UiHost& host) {
    auto copy = std::make_unique<Workspace>(main.Dir(), host, std::vector<std::string>{}, Mode::CommandLine);
    copy->draws_.Archive().Assign(main.Archive().Draws());
    copy->draws_.Archive().SetOffset(main.Archive().Offset());
    copy->stats_.CopyFrom(main.stats_);
    copy->options_ = main.options_;
    copy->combs_.List() = main.combs_.List();
    copy->script_.CopyScenarioFrom(main.script_);
    copy->systems_.CopyFolderFrom(main.systems_);
    return copy;
}

bool Workspace::SaveAndRecalc() {
    const bool saved = draws_.SaveDraws();
    draws_.RecalcViews();
    return saved;
}

bool Workspace::FilterByStatRows(const std::vector<int>& rows, bool exclude) {
    const StatsService::TableState& table = stats_.Table();
    const bool known = table.Entry >= 0 && table.Entry < stats_.List().Count();
    return combs_.FilterByTableRows(table.Table, table.Entry,
                                    known ? stats_.List().ListText(table.Entry, true) : std::string(), rows,
                                    exclude);
}

}  // namespace quorvel
