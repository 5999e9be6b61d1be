#include <algorithm>

#include "core/app/log_deletion.h"
#include "core/app/stakes_service.h"
#include "core/model/text_forms.h"
#include "core/stakes/stakes_check.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

constexpr const char* RatingFileName = "Quorvel_3r10.lrt";
constexpr const char* ManualStakeComment = "Ставка \"вручную\"";

}  // namespace

void StakesService::Refresh(bool moveToEnd) {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.StakesRefreshed(moveToEnd); });
}

void StakesService::RefreshRating() {
    p_.Listeners.TellAll([](WorkspaceListener& listener) { listener.RatingRefreshed(); });
}

TStakeRecord StakesService::NewManualStake() const {
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = p_.Archive.NextDrawNumber(p_.Archive.Offset());
    stake.SelectionSize = static_cast<int32_t>(p_.Combs.Current().size());
    stake.Comment.SetText(ManualStakeComment);
    try {
        stake.Profit = p_.Stats.StakeResult(PositionCount, -1);
    } catch (const std::exception&) {
        // A cost too large for the money type shows when the stake is made.
    }
    return stake;
}

bool StakesService::AppendThenCheck(const char* progress, const std::function<void()>& append) {
    bool added = true;
    {
        BusyScope busy(p_.Busy, p_.Host, progress);
        try {
            append();
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            added = false;
        }
    }
    if (added) CheckStakes();
    Refresh(true);
    return added;
}

bool StakesService::AddStake(const TStakeRecord& stake, int draws) {
    return AppendThenCheck("Создание ставки...", [&] {
        TStakeRecord record = stake;
        record.Profit = p_.Stats.StakeResult(record.Values.Count, -1);
        file_.AppendForDraws(record, draws);
    });
}

bool StakesService::AddStakesForCombs(const std::vector<TComb>& combs, int drawNumber, int draws,
                                      const std::string& comment) {
    return AppendThenCheck("Создание ставок...", [&] {
        TStakeRecord stake = NewManualStake();
        stake.DrawNumber = drawNumber;
        stake.Comment.SetText(comment);
        stake.Profit = p_.Stats.StakeResult(PositionCount, -1);
        std::vector<TStakeRecord> records;
        records.reserve(combs.size());
        for (const TComb& comb : combs) {
            stake.Values = CombToStakeComb(comb);
            records.push_back(stake);
        }
        file_.AppendStakes(records, draws);
    });
}

int StakesService::CheckStakes() {
    if (!file_.IsOpen()) {
        p_.Host.ShowError(ActionError("Ошибка проверки ставок!\r\r%s", "Файл ставок не открыт!"));
        return 0;
    }
    TStakeCheckResult result;
    {
        BusyScope busy(p_.Busy, p_.Host, "Проверка результатов ставок...");
        std::optional<TStakeLog> log;
        if (p_.Options.StakesLogEnabled) log.emplace(p_.Dir.Root());
        TStakeCheckHooks hooks;
        hooks.Progress = [this](const std::string& text) { p_.Host.ShowProgress(text); };
        hooks.LogError = [this](const std::string& text) { p_.Host.ShowError(text); };
        result = CheckAllStakes(file_, p_.Archive, p_.Stats, rating_, log ? &*log : nullptr, hooks);
    }
    if (result.Error) p_.Host.ShowError(ActionError("Ошибка проверки ставок!\r\r%s", *result.Error));
    // Even after a failure the stakes checked so far are in the rating, so its file must follow:
    // their records are marked checked and would never be added again.
    if (result.Checked > 0) {
        file_.Reopen();
        // A scenario run sorts once its pass is done, not after every variant's check.
        if (ratingSaveDeferred_)
            ratingUnsorted_ = true;
        else
            SortRating(ratingSortColumn_, ratingDescending_);
        Refresh(false);
    }
    return result.Checked;
}

void StakesService::CheckAfterChange() {
    CheckStakes();
    Refresh(false);
}

bool StakesService::DeleteStakeRows(int firstRow, int lastRow) {
    const int count = file_.RecordCount();
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, count);
    if (firstRow > lastRow || !ConfirmDelete(p_.Host, lastRow - firstRow + 1)) return false;
    bool deleted = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление ставок...");
        try {
            file_.DeleteRange(firstRow - 1, lastRow - 1);
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            deleted = false;
        }
    }
    if (deleted) CheckAfterChange();
    return deleted;
}

bool StakesService::DeleteStakesWhere(TStakeCondition condition, int matches) {
    bool deleted = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление ставок...");
        try {
            file_.DeleteWhere(condition, matches);
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            deleted = false;
        }
    }
    if (deleted) CheckAfterChange();
    return deleted;
}

bool StakesService::ClearStakes() {
    const int count = file_.RecordCount();
    if (count == 0 || !ConfirmDelete(p_.Host, count)) return false;
    bool cleared = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление ставок...");
        try {
            file_.Clear();
            file_.Reopen();
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            cleared = false;
        }
    }
    Refresh(false);
    if (cleared) RebuildRating();
    return cleared;
}

void StakesService::DeleteStakeLogs() {
    DeleteLogFiles(p_.Host, p_.Busy, FindStakeLogs(p_.Dir.Root()));
}

std::optional<TChartData> StakesService::StakesProfitGraph() {
    BusyScope busy(p_.Busy, p_.Host, "Создание графиков...");
    try {
        return quorvel::StakesProfitGraph(file_);
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return std::nullopt;
    }
}

std::array<std::string, RatingColumnCount> StakesService::RatingTexts(int row) const {
    if (row < 0 || row >= rating_.Count()) return {};
    return RatingRowTexts(rating_.Rows()[static_cast<size_t>(row)], p_.Options.RatingsEffMode);
}

void StakesService::LoadRating() {
    const std::filesystem::path path = p_.Dir.File(RatingFileName);
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    bool readable = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Загрузка файла рейтинга...");
        try {
            TRatingFileContent content = LoadRatingFile(path);
            if (content.Problem) {
                // The start-up sort writes the file back; the torn tail is kept aside first.
                std::filesystem::path backup = path;
                backup += ".bak";
                WriteFileSafely(backup, ReadFileBytes(path));
                p_.Host.ShowError(ActionError(
                    "Ошибка чтения файла рейтинга!\r\r%s",
                    *content.Problem +
                        Format("\r\rПрежнее содержимое файла сохранено в \"%s\".", {PathText(backup)})));
            }
            rating_.Assign(std::move(content.Rows));
        } catch (const std::exception& e) {
            // A file that could not be read is not written over by the sort below.
            p_.Host.ShowError(ActionError("Ошибка чтения файла рейтинга!\r\r%s", e.what()));
            readable = false;
        }
    }
    if (readable && existed)
        SortRating(ratingSortColumn_, ratingDescending_);
    else
        RefreshRating();
}

void StakesService::SortRating(int column, bool descending) {
    ratingSortColumn_ = column;
    ratingDescending_ = descending;
    {
        BusyScope busy(p_.Busy, p_.Host, "Сортировка рейтинга...");
        rating_.Sort(column, descending);
    }
    if (ratingSaveDeferred_)
        ratingUnsaved_ = true;
    else
        SaveRating();
    RefreshRating();
}

void StakesService::ReorderRating(const std::vector<size_t>& order) {
    ratingSortColumn_ = -1;
    ratingDescending_ = false;
    rating_.Reorder(order);
    if (ratingSaveDeferred_)
        ratingUnsaved_ = true;
    else
        SaveRating();
    RefreshRating();
}

void StakesService::SaveRating() {
    BusyScope busy(p_.Busy, p_.Host, "Сохранение файла рейтинга...");
    ratingUnsaved_ = false;
    try {
        SaveRatingFile(p_.Dir.File(RatingFileName), rating_.Rows());
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка записи в файл рейтинга!\r\r%s", e.what()));
    }
}

void StakesService::DeferRatingSave(bool deferred) {
    ratingSaveDeferred_ = deferred;
    if (deferred) return;
    if (ratingUnsorted_) {
        ratingUnsorted_ = false;
        SortRating(ratingSortColumn_, ratingDescending_);
    } else if (ratingUnsaved_) {
        SaveRating();
    }
}

void StakesService::SortDeferredRating() {
    if (!ratingUnsorted_) return;
    ratingUnsorted_ = false;
    SortRating(ratingSortColumn_, ratingDescending_);
}

bool StakesService::RebuildRating() {
    if (!rating_.Empty() &&
        !p_.Host.AskYesNo("Пересчитать рейтинг только по текущим ставкам?\r\r"
                          "Накопленные ранее данные по удаленным ставкам будут потеряны.")) {
        return false;
    }
    {
        BusyScope busy(p_.Busy, p_.Host, "Обновление рейтинга...");
        rating_.Clear();
        try {
            AddCheckedStakes(file_, rating_);
        } catch (const std::exception& e) {
            p_.Host.ShowError(ActionError("Ошибка обновления рейтинга!\r\r%s", e.what()));
        }
    }
    SortRating(ratingSortColumn_, ratingDescending_);
    return true;
}

bool StakesService::ExportRating(const std::filesystem::path& file) {
    BusyScope busy(p_.Busy, p_.Host, "Экспорт в CSV-файл...");
    try {
        WriteTextFile(file, RatingCsvLines(rating_.Rows()));
        return true;
    } catch (const std::exception& e) {
        p_.Host.ShowError(
            Format("Ошибка записи в файл \"%s\"!\r\r%s", {PathText(file), std::string(e.what())}));
        return false;
    }
}

void StakesService::SetRatingEffMode(int mode) {
    p_.Options.RatingsEffMode = std::clamp(mode, 0, RatingEffModeCount - 1);
    try {
        p_.UiState.WriteUiInt("RatingsEffMode", p_.Options.RatingsEffMode);
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    RefreshRating();
}

std::vector<std::string> StakesService::RatingComments(const std::vector<int>& rows) const {
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<std::string> comments;
    for (int row : sorted) {
        if (row >= 0 && row < rating_.Count())
            comments.push_back(rating_.Rows()[static_cast<size_t>(row)].Comment.Text());
    }
    return comments;
}

int StakesService::RatingsToScript(const std::vector<int>& rows) {
    int added = 0;
    BusyScope busy(p_.Busy, p_.Host, "Генерация новых строк в сценарии...");
    for (const std::string& comment : RatingComments(rows)) {
        if (auto line = RatingToScriptLine(comment)) {
            p_.Script.AppendScriptLine(*line);
            ++added;
        } else {
            p_.Host.ShowWarning(Format("Строку\r\r%s\r\rневозможно добавить в сценарий!", {comment}));
        }
    }
    return added;
}

std::optional<TChartData> StakesService::RatingStakesGraph(const std::vector<int>& rows, bool profit) {
    BusyScope busy(p_.Busy, p_.Host, "Создание графиков...");
    try {
        return quorvel::RatingStakesGraph(file_, RatingComments(rows), profit);
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return std::nullopt;
    }
}

std::optional<TChartData> StakesService::RatingsMatchGraph(const std::vector<int>& rows) {
    std::vector<TRatingRow> selected;
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int row : sorted) {
        if (row >= 0 && row < rating_.Count()) selected.push_back(rating_.Rows()[static_cast<size_t>(row)]);
    }
    try {
        return quorvel::RatingsMatchGraph(selected);
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return std::nullopt;
    }
}

}  // namespace quorvel
