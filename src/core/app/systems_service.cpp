#include <ctime>

#include "core/app/systems_service.h"
#include "core/model/lists.h"
#include "core/systems/system_files.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr const char* ListErrorText = "Ошибка загрузки списка систем!\r\r%s";
constexpr const char* AddErrorText = "Ошибка добавления системы!\r\r%s";
constexpr const char* EditErrorText = "Ошибка изменения системы!\r\r%s";
constexpr const char* DeleteErrorText = "Ошибка удаления системы!\r\r%s";
constexpr const char* ImportErrorText = "Ошибка загрузки системы #%d!\r\r%s";

int64_t Now() {
    return static_cast<int64_t>(std::time(nullptr));
}

void RemoveFile(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) throw Error(Format("Не удалось удалить файл \"%s\": %s", {PathText(file), ec.message()}));
}

void CreateFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw Error(Format("Не удалось создать каталог \"%s\": %s", {PathText(folder), ec.message()}));
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

// What an imported file is stored as: the key its name tells, or (for a name of another form)
// the largest index it uses as its numbers and a new own identifier. The key is filled as far
// as it is known before a failure, so that the message can name the identifier.
std::vector<TSystemLine> ReadImportedSystem(const fs::path& file, const fs::path& folder,
                                            TSystemFileKey& key) {
    if (auto named = ParseSystemFileName(PathText(file.filename()))) {
        key = *named;
        if (key.Numbers < SystemNumbersMin || key.Numbers > SystemNumbersMax)
            throw Error("Указано недопустмое количество используемых чисел!");
        if (key.Block > SystemBlockMax) throw Error("Указан недопустмый размер блока!");
        return ReadSystemFile(file, key.Numbers);
    }
    key = {0, 0, NextOwnSystemId(folder)};
    std::vector<TSystemLine> lines = ReadSystemFile(file, SystemNumbersMax);
    for (const TSystemLine& line : lines) {
        for (int index : line)
            key.Numbers = std::max(key.Numbers, index);
    }
    if (!lines.empty() && key.Numbers < SystemNumbersMin)
        throw Error("Указано недопустмое количество используемых чисел!");
    return lines;
}

}  // namespace

fs::path SystemsService::SystemsFolder() {
    const fs::path folder = p_.Dir.Root() / SystemsFolderName;
    try {
        SeedShippedSystems(folder, shippedSystems_);
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError(ListErrorText, e.what()));
    }
    return folder;
}

void SystemsService::NotifySystems() {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.SystemsRefreshed(); });
}

void SystemsService::RefreshSystems() {
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        try {
            systems_ = ListLocalSystems(SystemsFolder());
        } catch (const std::exception& e) {
            systems_.clear();
            p_.Host.ShowError(ActionError(ListErrorText, e.what()));
        }
    }
    NotifySystems();
}

void SystemsService::ClearSystems() {
    systems_.clear();
    NotifySystems();
}

std::optional<TSystemGame> SystemsService::LoadSystemForNumbers(const TByteArray& numbers,
                                                                std::string* reason) {
    TSystemLoad load = quorvel::LoadSystemForNumbers(SystemsFolder(), numbers);
    if (load.Game) return std::move(load.Game);
    if (load.Message) p_.Host.ShowError(*load.Message);
    if (reason != nullptr) *reason = load.Reason;
    return std::nullopt;
}

std::optional<SystemsService::SystemStakePlan> SystemsService::PrepareSystemStakes(bool filtered) {
    TByteArray numbers;
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        numbers = UniqueValues(p_.Combs.Current());
    }
    auto game = LoadSystemForNumbers(numbers);
    if (!game) return std::nullopt;
    SystemStakePlan plan;
    plan.Comment = SystemStakeComment(*game, filtered);
    plan.Game = std::move(*game);
    plan.Filtered = filtered;
    plan.DrawNumber = p_.Archive.NextDrawNumber(p_.Archive.Offset());
    return plan;
}

bool SystemsService::AddSystemStakes(const SystemStakePlan& plan) {
    bool added = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Создание ставок...");
        try {
            TStakeRecord pattern;
            pattern.Kind = StakeKindSystem;
            pattern.DrawNumber = plan.DrawNumber;
            pattern.Comment.SetText(plan.Comment);
            pattern.Profit = p_.Stats.StakeResult(PositionCount, -1);
            const std::vector<TStakeRecord> records =
                SystemStakeRecords(plan.Game, p_.Combs.Current(), plan.Filtered, pattern);
            // The separator comes first, as for any group of stakes, even when the group turns
            // out empty: nothing staked is not a failure, only something to be told.
            if (auto last = p_.Stakes.File().ReadLast(); last && last->IsRealStake())
                p_.Stakes.File().Append(StakeSeparator());
            if (records.empty())
                p_.Host.ShowInfo("Ни одной комбинации системы нет в списке комбинаций!");
            else
                p_.Stakes.File().AppendStakes(records, plan.Draws);
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            added = false;
        }
    }
    if (added) p_.Stakes.CheckStakes();
    p_.Stakes.Refresh(true);
    return added;
}

bool SystemsService::ReplaceOtherSystems(const fs::path& folder, int numbers, const fs::path& kept,
                                         bool ask) {
    std::vector<fs::path> others;
    for (const fs::path& file : FindSystemFiles(folder, numbers)) {
        if (!SameFile(file, kept)) others.push_back(file);
    }
    if (others.empty()) return true;
    if (ask && !p_.Host.AskYesNo(Format("Для %d чисел на компьютер уже загружена система \"%s\".\r\r"
                                        "Она будет удалена с компьютера. Продолжить?",
                                        {numbers, PathText(others.front().stem())}))) {
        return false;
    }
    for (const fs::path& file : others) {
        RemoveFile(file);
        if (auto key = ParseSystemFileName(PathText(file.filename())); key && key->Id > 0)
            EraseSystemDescription(folder, key->Id);
    }
    return true;
}

bool SystemsService::SaveOwnSystem(TSystemData data, const fs::path& previous, const char* errorText) {
    if (auto problem = SystemDataProblem(data)) {
        p_.Host.ShowError(ActionError(errorText, *problem));
        return false;
    }
    const fs::path folder = SystemsFolder();
    try {
        CreateFolder(folder);
        TSystemInfo& info = data.Info;
        if (!info.IsOwn()) info.Id = NextOwnSystemId(folder);
        if (info.Created <= 0) info.Created = Now();
        const TNormalizedSystem system = NormalizeSystemText(data.CombsText);
        info.Combinations = static_cast<int32_t>(system.Combs.size());
        info.File = folder / SystemFileName({info.Numbers, info.Block, info.Id});
        // The file that stays: the new one, or the one being edited until it is written again.
        if (!ReplaceOtherSystems(folder, info.Numbers, previous.empty() ? info.File : previous, true))
            return false;
        {
            BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
            WriteSystemFile(info.File, system.Combs, info.Created);
            StoreSystemDescription(folder, info);
            if (!previous.empty() && !SameFile(previous, info.File)) RemoveFile(previous);
        }
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError(errorText, e.what()));
        RefreshSystems();
        return false;
    }
    RefreshSystems();
    return true;
}

bool SystemsService::AddSystem(TSystemData data) {
    data.Info.Id = 0;
    data.Info.Created = 0;
    data.Info.Downloads = 0;
    data.Info.LastDownload = 0;
    return SaveOwnSystem(std::move(data), {}, AddErrorText);
}

bool SystemsService::UpdateSystem(const TSystemInfo& current, TSystemData data) {
    if (!current.IsOwn()) {
        p_.Host.ShowError(ActionError(EditErrorText, "Вы можете изменять только свои системы!"));
        return false;
    }
    data.Info.Id = current.Id;
    data.Info.Created = current.Created;
    data.Info.Downloads = current.Downloads;
    data.Info.LastDownload = current.LastDownload;
    return SaveOwnSystem(std::move(data), current.File, EditErrorText);
}

bool SystemsService::DeleteSystem(const TSystemInfo& info) {
    if (!info.IsOwn()) {
        p_.Host.ShowWarning("Вы можете удалять только свои системы!");
        return false;
    }
    if (!p_.Host.AskYesNo(Format("Вы действительно хотите удалить систему \"%s\"?", {info.ShownTitle()})))
        return false;
    bool deleted = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        try {
            if (info.IsDownloaded()) RemoveFile(info.File);
            EraseSystemDescription(SystemsFolder(), info.Id);
        } catch (const std::exception& e) {
            p_.Host.ShowError(ActionError(DeleteErrorText, e.what()));
            deleted = false;
        }
    }
    RefreshSystems();
    return deleted;
}

bool SystemsService::ImportSystemFile(const fs::path& file) {
    const fs::path folder = SystemsFolder();
    TSystemFileKey key;
    bool imported = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        try {
            const std::vector<TSystemLine> lines = ReadImportedSystem(file, folder, key);
            if (lines.empty()) throw Error("Файл не содержит ни одной комбинации системы!");
            CreateFolder(folder);
            const fs::path target = folder / SystemFileName(key);
            WriteSystemFile(target, lines, SystemFileTime(file));
            ReplaceOtherSystems(folder, key.Numbers, target, false);
            TSystemInfo info;
            info.Id = key.Id;
            LoadSystemDescription(folder, info);
            info.Downloads += 1;
            info.LastDownload = Now();
            if (info.Created <= 0) info.Created = SystemFileTime(target);
            StoreSystemDescription(folder, info);
        } catch (const std::exception& e) {
            p_.Host.ShowError(Format(ImportErrorText, {key.Id, std::string(e.what())}));
            imported = false;
        }
    }
    RefreshSystems();
    return imported;
}

}  // namespace quorvel
