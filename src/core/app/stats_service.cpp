#include "core/app/stats_service.h"

#include "core/stats/config_changes.h"
#include "core/stats/custom_stat.h"
#include "core/stats/fullset_file.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/languages.h"
#include "core/util/safe_file.h"

namespace quorvel {

StatsService::StatsService(StatsServiceParts parts) : p_(parts), list_(parts.Dir.SettingsPath()) {
    list_.SetDraws(&p_.Draws.Archive().Draws());
}

void StatsService::LoadSettings() {
    try {
        list_.LoadCombsGenerate();
        list_.LoadSettings();
        list_.LoadShredding();
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка чтения файла конфигурации!\r\r%s", e.what()));
    }
}

void StatsService::BuildCatalogue() {
    if (const LanguageInfo* language = FindLanguage(p_.Options.Language)) {
        list_.LanguageAbbreviation = language->Abbreviation;
    }
    list_.Rebuild();
    LoadNames();
}

void StatsService::ReloadCatalogue() {
    SaveNames();
    list_.Rebuild();
    list_.SelectAll();
    LoadNames();
}

void StatsService::LoadNames() {
    if (auto error = list_.LoadNames(p_.Dir.NamesPath(), true)) p_.Host.ShowError(*error);
}

void StatsService::SaveNames() {
    if (auto error = list_.SaveNames(p_.Dir.NamesPath(), true, false)) p_.Host.ShowError(*error);
}

int StatsService::ApplyConfig(const TConfigData& config) {
    const int marks = ConfigChangeMarks(list_.Config, config);
    list_.Config = config;
    {
        BusyScope busy(p_.Busy, p_.Host, "Сохранение файла конфигурации...");
        try {
            list_.SaveSettings();
        } catch (const std::exception& e) {
            p_.Host.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        }
    }
    // Channel and segment settings shape the catalogue's entries and their full-set files.
    ReloadCatalogue();
    CreateFullSetFiles(false, marks);
    p_.Draws.RecalcViews();
    p_.Draws.RefreshDraws(false);
    return marks;
}

std::vector<std::pair<std::string, int>> StatsService::MethodGraphRows(int refIndex, const TComb& values) {
    std::vector<std::pair<std::string, int>> rows;
    for (const TStatMethod& entry : list_.Items) {
        if (!entry.StatClass->Graph || !entry.StatClass->Selectable) continue;
        auto stat = entry.CreateStat(list_);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        if (graph == nullptr) continue;
        rows.emplace_back(stat->InstanceTitle(),
                          graph->GraphValue(refIndex, refIndex - 1, values, p_.Options.SortedDraws));
    }
    return rows;
}

bool StatsService::ComputeTable(bool forced) {
    ShowLastStepTable();
    const DrawArchive& archive = p_.Draws.Archive();
    const std::array<int, 5> signature{archive.Count(), archive.Offset(), p_.Options.DrawsStatLen,
                                       table_.Entry, archive.Revision()};
    if (!forced && signature == table_.Signature) return false;
    table_.Signature = signature;
    table_.Table = TStatTable{};
    if (table_.Entry < 0 || table_.Entry >= list_.Count()) return true;
    table_.Table = ComputeTableOf(table_.Entry);
    SortStatRows(table_.Table.Rows, table_.SortColumn, table_.Descending);
    return true;
}

TStatTable StatsService::ComputeTableOf(int entryIndex) {
    const DrawArchive& archive = p_.Draws.Archive();
    if (archive.Empty()) return {};
    BusyScope busy(p_.Busy, p_.Host, "Анализ тиражей и расчет статистики...");
    try {
        const TStatMethod& entry = list_.Items[static_cast<size_t>(entryIndex)];
        auto stat = list_.CreateSelected(entryIndex, "cbDrawsStat");
        const std::optional<FullSetData> fullSet = OpenFullSetFile(entry);
        TStatTableRequest request;
        request.WindowLength = p_.Options.DrawsStatLen;
        request.Sorted = p_.Options.SortedDraws;
        request.Weights = list_.Config.Weights;
        request.FullSet = fullSet ? &*fullSet : nullptr;
        request.ShowTotalLine = p_.Options.ShowTotalLine;
        return ComputeStatTable(*stat, archive, request);
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return {};
    }
}

void StatsService::SortTable(int column, bool descending) {
    ShowLastStepTable();
    table_.SortColumn = column;
    table_.Descending = descending;
    SortStatRows(table_.Table.Rows, column, descending);
}

std::optional<FullSetData> StatsService::OpenFullSetFile(const TStatMethod& entry, bool force) {
    if ((!force && !p_.Options.PrefetchsEnabled) || !entry.StatClass->SupportsFullSet()) return std::nullopt;
    const std::filesystem::path path = FullSetPath(p_.Dir.Root(), entry.Code());
    try {
        if (auto data = ReadFullSetFile(path)) return data;
    } catch (const std::exception& e) {
        // A damaged file is only a cache of what the method computes: it is built again.
        (void)e;
    }
    BusyScope busy(p_.Busy, p_.Host,
                   Format("Создание файла предварительной выборки %s...", {path.filename().string()}));
    try {
        auto stat = entry.CreateStat(list_);
        FullSetData data = BuildFullSet(*stat);
        WriteFullSetFile(path, data);
        return data;
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        p_.Host.ShowError(
            Format("Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s",
                   {PathText(path), std::string(e.what())}));
        return std::nullopt;
    }
}

void StatsService::CreateFullSetFiles(bool force, int groupMask) {
    if (!force && !p_.Options.PrefetchsEnabled) return;
    BusyScope busy(p_.Busy, p_.Host, "Создание файлов для полного набора комбинаций...");
    for (const TStatMethod& entry : list_.Items) {
        if (!entry.StatClass->SupportsFullSet()) continue;
        const std::filesystem::path path = FullSetPath(p_.Dir.Root(), entry.Code());
        std::error_code ec;
        const bool exists = std::filesystem::exists(path, ec) && std::filesystem::file_size(path, ec) > 0;
        if (exists && (groupMask & (1 << entry.StatClass->Group)) == 0) continue;
        std::filesystem::remove(path, ec);
        OpenFullSetFile(entry, true);
    }
}

void StatsService::CopyFrom(const StatsService& other) {
    list_ = other.list_;
    list_.SetDraws(&p_.Draws.Archive().Draws());
    table_ = other.table_;
    ForgetStepTables();
}

}  // namespace quorvel
