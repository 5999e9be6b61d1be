#include <algorithm>

#include "core/app/log_deletion.h"
#include "core/app/workspace.h"
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

void Workspace::RefreshStakes(bool moveToEnd) {
    if (!ViewsLive()) return;
    for (WorkspaceListener* listener : listeners_)
        listener->StakesRefreshed(moveToEnd);
}

void Workspace::RefreshRating() {
    if (!ViewsLive()) return;
    for (WorkspaceListener* listener : listeners_)
        listener->RatingRefreshed();
}

TStakeRecord Workspace::NewManualStake() const {
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = archive_.NextDrawNumber(archive_.Offset());
    stake.SelectionSize = static_cast<int32_t>(combs_.Current().size());
    stake.Comment.SetText(ManualStakeComment);
    try {
        stake.Profit = stats_.StakeResult(PositionCount, -1);
    } catch (const std::exception&) {
        // A cost too large for the money type shows when the stake is made.
    }
    return stake;
}

bool Workspace::AddStake(const TStakeRecord& stake, int draws) {
    bool added = true;
    {
        BusyScope busy(busy_, host_, "Создание ставки...");
        try {
            TStakeRecord record = stake;
            record.Profit = stats_.StakeResult(record.Values.Count, -1);
            stakes_.AppendForDraws(record, draws);
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            added = false;
        }
    }
    if (added) CheckStakes();
    RefreshStakes(true);
    return added;
}

bool Workspace::AddStakesForCombs(const std::vector<TComb>& combs, int drawNumber, int draws,
                                  const std::string& comment) {
    bool added = true;
    {
        BusyScope busy(busy_, host_, "Создание ставок...");
        try {
            TStakeRecord stake = NewManualStake();
            stake.DrawNumber = drawNumber;
            stake.Comment.SetText(comment);
            stake.Profit = stats_.StakeResult(PositionCount, -1);
            std::vector<TStakeRecord> records;
            records.reserve(combs.size());
            for (const TComb& comb : combs) {
                stake.Values = CombToStakeComb(comb);
                records.push_back(stake);
            }
            stakes_.AppendStakes(records, draws);
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            added = false;
        }
    }
    if (added) CheckStakes();
    RefreshStakes(true);
    return added;
}

int Workspace::CheckStakes() {
    if (!stakes_.IsOpen()) {
        host_.ShowError(ActionError("Ошибка проверки ставок!\r\r%s", "Файл ставок не открыт!"));
        return 0;
    }
    TStakeCheckResult result;
    {
        BusyScope busy(busy_, host_, "Проверка результатов ставок...");
        std::optional<TStakeLog> log;
        if (options_.StakesLogEnabled) log.emplace(dir_.Root());
        TStakeCheckHooks hooks;
        hooks.Progress = [this](const std::string& text) { host_.ShowProgress(text); };
        hooks.LogError = [this](const std::string& text) { host_.ShowError(text); };
        result = CheckAllStakes(stakes_, archive_, stats_, rating_, log ? &*log : nullptr, hooks);
    }
    if (result.Error) host_.ShowError(ActionError("Ошибка проверки ставок!\r\r%s", *result.Error));
    // Even after a failure the stakes checked so far are in the rating, so its file must follow:
    // their records are marked checked and would never be added again.
    if (result.Checked > 0) {
        stakes_.Reopen();
        // A scenario run sorts once its pass is done, not after every variant's check.
        if (ratingSaveDeferred_)
            ratingUnsorted_ = true;
        else
            SortRating(ratingSortColumn_, ratingDescending_);
        RefreshStakes(false);
    }
    return result.Checked;
}

void Workspace::CheckStakesAfterChange() {
    CheckStakes();
    RefreshStakes(false);
}

bool Workspace::DeleteStakeRows(int firstRow, int lastRow) {
    const int count = stakes_.RecordCount();
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, count);
    if (firstRow > lastRow || !ConfirmDelete(host_, lastRow - firstRow + 1)) return false;
    bool deleted = true;
    {
        BusyScope busy(busy_, host_, "Удаление ставок...");
        try {
            stakes_.DeleteRange(firstRow - 1, lastRow - 1);
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            deleted = false;
        }
    }
    if (deleted) CheckStakesAfterChange();
    return deleted;
}

bool Workspace::DeleteStakesWhere(TStakeCondition condition, int matches) {
    bool deleted = true;
    {
        BusyScope busy(busy_, host_, "Удаление ставок...");
        try {
            stakes_.DeleteWhere(condition, matches);
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            deleted = false;
        }
    }
    if (deleted) CheckStakesAfterChange();
    return deleted;
}

bool Workspace::ClearStakes() {
    const int count = stakes_.RecordCount();
    if (count == 0 || !ConfirmDelete(host_, count)) return false;
    bool cleared = true;
    {
        BusyScope busy(busy_, host_, "Удаление ставок...");
        try {
            stakes_.Clear();
            stakes_.Reopen();
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            cleared = false;
        }
    }
    RefreshStakes(false);
    if (cleared) RebuildRating();
    return cleared;
}

void Workspace::DeleteStakeLogs() {
    DeleteLogFiles(host_, busy_, FindStakeLogs(dir_.Root()));
}

std::optional<TChartData> Workspace::StakesProfitGraph() {
    BusyScope busy(busy_, host_, "Создание графиков...");
    try {
        return quorvel::StakesProfitGraph(stakes_);
    } catch (const std::exception& e) {
        host_.ShowError(e.what());
        return std::nullopt;
    }
}

std::array<std::string, RatingColumnCount> Workspace::RatingTexts(int row) const {
    if (row < 0 || row >= rating_.Count()) return {};
    return RatingRowTexts(rating_.Rows()[static_cast<size_t>(row)], options_.RatingsEffMode);
}

void Workspace::LoadRating() {
    const std::filesystem::path path = dir_.File(RatingFileName);
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    bool readable = true;
    {
        BusyScope busy(busy_, host_, "Загрузка файла рейтинга...");
        try {
            TRatingFileContent content = LoadRatingFile(path);
            if (content.Problem) {
                // The start-up sort writes the file back; the torn tail is kept aside first.
                std::filesystem::path backup = path;
                backup += ".bak";
                WriteFileSafely(backup, ReadFileBytes(path));
                host_.ShowError(ActionError(
                    "Ошибка чтения файла рейтинга!\r\r%s",
                    *content.Problem +
                        Format("\r\rПрежнее содержимое файла сохранено в \"%s\".", {PathText(backup)})));
            }
            rating_.Assign(std::move(content.Rows));
        } catch (const std::exception& e) {
            // A file that could not be read is not written over by the sort below.
            host_.ShowError(ActionError("Ошибка чтения файла рейтинга!\r\r%s", e.what()));
            readable = false;
        }
    }
    if (readable && existed)
        SortRating(ratingSortColumn_, ratingDescending_);
    else
        RefreshRating();
}

void Workspace::SortRating(int column, bool descending) {
    ratingSortColumn_ = column;
    ratingDescending_ = descending;
    {
        BusyScope busy(busy_, host_, "Сортировка рейтинга...");
        rating_.Sort(column, descending);
    }
    if (ratingSaveDeferred_)
        ratingUnsaved_ = true;
    else
        SaveRating();
    RefreshRating();
}

void Workspace::SaveRating() {
    BusyScope busy(busy_, host_, "Сохранение файла рейтинга...");
    ratingUnsaved_ = false;
    try {
        SaveRatingFile(dir_.File(RatingFileName), rating_.Rows());
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка записи в файл рейтинга!\r\r%s", e.what()));
    }
}

void Workspace::DeferRatingSave(bool deferred) {
    ratingSaveDeferred_ = deferred;
    if (deferred) return;
    if (ratingUnsorted_) {
        ratingUnsorted_ = false;
        SortRating(ratingSortColumn_, ratingDescending_);
    } else if (ratingUnsaved_) {
        SaveRating();
    }
}

void Workspace::SortDeferredRating() {
    if (!ratingUnsorted_) return;
    ratingUnsorted_ = false;
    SortRating(ratingSortColumn_, ratingDescending_);
}

bool Workspace::RebuildRating() {
    if (!rating_.Empty() &&
        !host_.AskYesNo("Пересчитать рейтинг только по текущим ставкам?\r\r"
                        "Накопленные ранее данные по удаленным ставкам будут потеряны.")) {
        return false;
    }
    {
        BusyScope busy(busy_, host_, "Обновление рейтинга...");
        rating_.Clear();
        try {
            AddCheckedStakes(stakes_, rating_);
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка обновления рейтинга!\r\r%s", e.what()));
        }
    }
    SortRating(ratingSortColumn_, ratingDescending_);
    return true;
}

bool Workspace::ExportRating(const std::filesystem::path& file) {
    BusyScope busy(busy_, host_, "Экспорт в CSV-файл...");
    try {
        WriteTextFile(file, RatingCsvLines(rating_.Rows()));
        return true;
    } catch (const std::exception& e) {
        host_.ShowError(
            Format("Ошибка записи в файл \"%s\"!\r\r%s", {PathText(file), std::string(e.what())}));
        return false;
    }
}

void Workspace::SetRatingEffMode(int mode) {
    options_.RatingsEffMode = std::clamp(mode, 0, RatingEffModeCount - 1);
    try {
        uiState_.WriteUiInt("RatingsEffMode", options_.RatingsEffMode);
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    RefreshRating();
}

std::vector<std::string> Workspace::RatingComments(const std::vector<int>& rows) const {
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

int Workspace::RatingsToScript(const std::vector<int>& rows) {
    int added = 0;
    BusyScope busy(busy_, host_, "Генерация новых строк в сценарии...");
    for (const std::string& comment : RatingComments(rows)) {
        if (auto line = RatingToScriptLine(comment)) {
            script_.AppendScriptLine(*line);
            ++added;
        } else {
            host_.ShowWarning(Format("Строку\r\r%s\r\rневозможно добавить в сценарий!", {comment}));
        }
    }
    return added;
}

std::optional<TChartData> Workspace::RatingStakesGraph(const std::vector<int>& rows, bool profit) {
    BusyScope busy(busy_, host_, "Создание графиков...");
    try {
        return quorvel::RatingStakesGraph(stakes_, RatingComments(rows), profit);
    } catch (const std::exception& e) {
        host_.ShowError(e.what());
        return std::nullopt;
    }
}

std::optional<TChartData> Workspace::RatingsMatchGraph(const std::vector<int>& rows) {
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
        host_.ShowError(e.what());
        return std::nullopt;
    }
}

}  // namespace quorvel
