#include "core/app/workspace.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

bool Workspace::ComputeStatTable(bool forced) {
    ShowLastStepTable();
    StatTableState& state = statTable_;
    const std::array<int, 4> signature{archive_.Count(), archive_.Offset(), options_.DrawsStatLen,
                                       state.Entry};
    if (!forced && signature == state.Signature) return false;
    state.Signature = signature;
    state.Table = TStatTable{};
    if (state.Entry < 0 || state.Entry >= stats_.Count()) return true;
    state.Table = ComputeTableOf(state.Entry);
    SortStatRows(state.Table.Rows, state.SortColumn, state.Descending);
    return true;
}

TStatTable Workspace::ComputeTableOf(int entryIndex) {
    if (archive_.Empty()) return {};
    BusyScope busy(busy_, host_, "Анализ тиражей и расчет статистики...");
    try {
        const TStatMethod& entry = stats_.Items[static_cast<size_t>(entryIndex)];
        auto stat = stats_.CreateSelected(entryIndex, "cbDrawsStat");
        const std::optional<FullSetData> fullSet = OpenFullSetFile(entry);
        TStatTableRequest request;
        request.WindowLength = options_.DrawsStatLen;
        request.Sorted = options_.SortedDraws;
        request.Weights = stats_.Config.Weights;
        request.FullSet = fullSet ? &*fullSet : nullptr;
        request.ShowTotalLine = options_.ShowTotalLine;
        return quorvel::ComputeStatTable(*stat, archive_, request);
    } catch (const std::exception& e) {
        host_.ShowError(e.what());
        return {};
    }
}

void Workspace::SortStatTable(int column, bool descending) {
    ShowLastStepTable();
    statTable_.SortColumn = column;
    statTable_.Descending = descending;
    SortStatRows(statTable_.Table.Rows, column, descending);
}

std::optional<FullSetData> Workspace::OpenFullSetFile(const TStatMethod& entry, bool force) {
    if ((!force && !options_.PrefetchsEnabled) || !entry.StatClass->SupportsFullSet()) return std::nullopt;
    const std::filesystem::path path = FullSetPath(dir_.Root(), entry.Code());
    try {
        if (auto data = ReadFullSetFile(path)) return data;
    } catch (const std::exception& e) {
        // A damaged file is only a cache of what the method computes: it is built again.
        (void)e;
    }
    BusyScope busy(busy_, host_,
                   Format("Создание файла предварительной выборки %s...", {path.filename().string()}));
    try {
        auto stat = entry.CreateStat(stats_);
        FullSetData data = BuildFullSet(*stat);
        WriteFullSetFile(path, data);
        return data;
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        host_.ShowError(
            Format("Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s",
                   {PathText(path), std::string(e.what())}));
        return std::nullopt;
    }
}

void Workspace::CreateFullSetFiles(bool force, int groupMask) {
    if (!force && !options_.PrefetchsEnabled) return;
    BusyScope busy(busy_, host_, "Создание файлов для полного набора комбинаций...");
    for (const TStatMethod& entry : stats_.Items) {
        if (!entry.StatClass->SupportsFullSet()) continue;
        const std::filesystem::path path = FullSetPath(dir_.Root(), entry.Code());
        std::error_code ec;
        const bool exists = std::filesystem::exists(path, ec) && std::filesystem::file_size(path, ec) > 0;
        if (exists && (groupMask & (1 << entry.StatClass->Group)) == 0) continue;
        std::filesystem::remove(path, ec);
        OpenFullSetFile(entry, true);
    }
}

bool Workspace::FilterByStatRows(const std::vector<int>& rows, bool exclude) {
    ShowLastStepTable();
    const bool known = statTable_.Entry >= 0 && statTable_.Entry < stats_.Count();
    return combs_.FilterByTableRows(statTable_.Table, statTable_.Entry,
                                    known ? stats_.ListText(statTable_.Entry, true) : std::string(), rows,
                                    exclude);
}

}  // namespace quorvel
